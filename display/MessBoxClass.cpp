#include "MessBoxClass.h"

#include "Fonts.h"

#include <QString>
#include <algorithm>

namespace {

// The main window's font.
constexpr int MemoFontPixels = 12;

} // namespace

MessBoxClass::MessBoxClass(QWidget* mainWindow, int width, int height)
    : memo_(new QPlainTextEdit(mainWindow)) {
    memo_->setReadOnly(true);
    memo_->setFont(GameFont(MemoFontPixels));
    // A memo shows no scroll bars unless asked to; three lines fit without them.
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->resize(std::max(width, 0), std::max(height, 0));
    memo_->hide();
}

MessBoxClass::~MessBoxClass() {
    // Gone already if the main window was destroyed first.
    delete memo_.data();
}

void MessBoxClass::ShowMessBox(int left, int top) {
    memo_->move(left, top);
    memo_->show();
}

void MessBoxClass::HideMessBox() {
    memo_->hide();
}

void MessBoxClass::ClearMessBox() {
    memo_->clear();
}

void MessBoxClass::ClearLines() {
    memo_->clear();
}

void MessBoxClass::AddLine(const std::string& line) {
    memo_->appendPlainText(QString::fromStdString(line));
}
