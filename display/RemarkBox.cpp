#include "RemarkBox.h"

#include "Fonts.h"

#include <QString>
#include <QTextCursor>
#include <algorithm>

namespace {

// The main window's font.
constexpr int MemoFontPixels = 12;

} // namespace

RemarkBox::RemarkBox(QWidget* mainWindow, int width, int height)
    : m_textEdit(new QPlainTextEdit(mainWindow)) {
    m_textEdit->setReadOnly(true);
    // The drum's button keeps the keyboard during a game; a click into the
    // remark window must not take it away.
    m_textEdit->setFocusPolicy(Qt::NoFocus);
    //: What a screen reader calls the box with the heroine's remarks.
    m_textEdit->setAccessibleName(tr("メッセージ"));
    m_textEdit->setFont(gameFont(MemoFontPixels));
    // A memo shows no scroll bars unless asked to; three lines fit without them.
    m_textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textEdit->resize(std::max(width, 0), std::max(height, 0));
    m_textEdit->hide();
}

RemarkBox::~RemarkBox() {
    // Gone already if the main window was destroyed first.
    delete m_textEdit.data();
}

// The box goes with the main window; after that there is nothing to show or write.
void RemarkBox::showBox(int left, int top) {
    if (!m_textEdit) {
        return;
    }
    m_textEdit->move(left, top);
    m_textEdit->show();
}

void RemarkBox::hideBox() {
    if (m_textEdit) {
        m_textEdit->hide();
    }
}

void RemarkBox::clear() {
    m_lineCount = 0;
    if (m_textEdit) {
        m_textEdit->clear();
    }
}

void RemarkBox::clearLines() {
    clear();
}

void RemarkBox::addLine(const std::string& line) {
    if (!m_textEdit) {
        return;
    }
    // Every line gets a block of its own. appendPlainText would fold an empty
    // first line into the next one and move the effect line up.
    QTextCursor cursor(m_textEdit->document());
    cursor.movePosition(QTextCursor::End);
    if (m_lineCount > 0) {
        cursor.insertBlock();
    }
    cursor.insertText(QString::fromStdString(line));
    ++m_lineCount;
}
