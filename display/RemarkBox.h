#pragma once

#include "GamePorts.h"

#include <QPlainTextEdit>
#include <string>

// The small read-only box under the course view in which the heroine's remark
// and the square effects' messages appear, one line each.
class RemarkBox : public QPlainTextEdit, public RemarkLines {
    Q_OBJECT

public:
    explicit RemarkBox(QWidget* parent = nullptr);

    void clearLines() override;
    void addLine(const std::string& line) override;

private:
    // Lines added since the last clearing; an empty text holds one empty block
    // whether or not an empty line was added.
    int m_lineCount = 0;
};
