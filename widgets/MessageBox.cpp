#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace {

std::function<void(const QString&)>& installedHook() {
    static std::function<void(const QString&)> hook;
    return hook;
}

} // namespace

void setMessageBoxHook(std::function<void(const QString&)> hook) {
    installedHook() = std::move(hook);
}

void showMessageBox(const QString& text) {
    if (installedHook()) {
        installedHook()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}
