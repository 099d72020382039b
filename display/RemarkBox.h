#pragma once

#include "GamePorts.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <string>

// The small read-only box under the course view in which the heroine's remark
// and the square effects' messages appear. It only owns and places the box;
// the square effects write the lines.
class RemarkBox : public RemarkLines {
public:
    // A hidden box of width x height on the main window.
    RemarkBox(QWidget* mainWindow, int width, int height);
    ~RemarkBox() override;
    RemarkBox(const RemarkBox&) = delete;
    RemarkBox& operator=(const RemarkBox&) = delete;

    void ShowMessBox(int left, int top);
    // Hides the box; its text stays for the next showing.
    void HideMessBox();
    void ClearMessBox();

    void ClearLines() override;
    void AddLine(const std::string& line) override;

    QPlainTextEdit* Memo() const { return memo_; }

private:
    QPointer<QPlainTextEdit> memo_;
};
