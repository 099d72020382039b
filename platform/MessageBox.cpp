#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace {

std::function<void(const QString&)>& Hook() {
    static std::function<void(const QString&)> hook;
    return hook;
}

} // namespace

void SetMessageBoxHook(std::function<void(const QString&)> hook) {
    Hook() = std::move(hook);
}

void ShowMessageBox(const QString& text) {
    if (Hook()) {
        Hook()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
