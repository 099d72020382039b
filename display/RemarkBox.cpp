#include "RemarkBox.h"

#include "Fonts.h"

#include <QString>
#include <algorithm>

namespace {

// The main window's font.
constexpr int MemoFontPixels = 12;

} // namespace

RemarkBox::RemarkBox(QWidget* mainWindow, int width, int height)
    : memo_(new QPlainTextEdit(mainWindow)) {
    memo_->setReadOnly(true);
    // The drum's button keeps the keyboard during a game; a click into the
    // remark window must not take it away.
    memo_->setFocusPolicy(Qt::NoFocus);
    memo_->setAccessibleName(QStringLiteral("メッセージ"));
    memo_->setFont(GameFont(MemoFontPixels));
    // A memo shows no scroll bars unless asked to; three lines fit without them.
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->resize(std::max(width, 0), std::max(height, 0));
    memo_->hide();
}

RemarkBox::~RemarkBox() {
    // Gone already if the main window was destroyed first.
    delete memo_.data();
}

// The box goes with the main window; after that there is nothing to show or write.
void RemarkBox::ShowMessBox(int left, int top) {
    if (!memo_) {
        return;
    }
    memo_->move(left, top);
    memo_->show();
}

void RemarkBox::HideMessBox() {
    if (memo_) {
        memo_->hide();
    }
}

void RemarkBox::ClearMessBox() {
    if (memo_) {
        memo_->clear();
    }
}

void RemarkBox::ClearLines() {
    ClearMessBox();
}

void RemarkBox::AddLine(const std::string& line) {
    if (!memo_) {
        return;
    }
    memo_->appendPlainText(QString::fromStdString(line));
}
