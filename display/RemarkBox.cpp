#include "RemarkBox.h"

#include "Fonts.h"

#include <QString>
#include <QTextCursor>

namespace {

// The main window's font.
constexpr int MemoFontPixels = 12;

} // namespace

RemarkBox::RemarkBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    // The drum's button keeps the keyboard during a game; a click into the
    // remark window must not take it away.
    setFocusPolicy(Qt::NoFocus);
    //: What a screen reader calls the box with the heroine's remarks.
    setAccessibleName(tr("メッセージ"));
    setFont(gameFont(MemoFontPixels));
    // A memo shows no scroll bars unless asked to; three lines fit without them.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hide();
}

void RemarkBox::clearLines() {
    m_lineCount = 0;
    clear();
}

void RemarkBox::addLine(const std::string& line) {
    // Every line gets a block of its own. appendPlainText would fold an empty
    // first line into the next one and move the effect line up.
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (m_lineCount > 0) {
        cursor.insertBlock();
    }
    cursor.insertText(QString::fromStdString(line));
    ++m_lineCount;
}
