#pragma once

#include "GamePorts.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <string>

// The small read-only box under the course view in which the heroine's remark
// and the square effects' messages appear. It only owns and places the box;
// the square effects write the lines.
class RemarkBox : public RemarkLines {
    Q_DECLARE_TR_FUNCTIONS(RemarkBox)

public:
    // A hidden box of width x height on the main window.
    RemarkBox(QWidget* mainWindow, int width, int height);
    ~RemarkBox() override;
    RemarkBox(const RemarkBox&) = delete;
    RemarkBox& operator=(const RemarkBox&) = delete;

    void showBox(int left, int top);
    // Hides the box; its text stays for the next showing.
    void hideBox();
    void clear();

    void clearLines() override;
    void addLine(const std::string& line) override;

    QPlainTextEdit* textEdit() const { return m_textEdit; }

private:
    QPointer<QPlainTextEdit> m_textEdit;
    // Lines added since the last clearing; an empty text holds one empty block
    // whether or not an empty line was added.
    int m_lineCount = 0;
};
