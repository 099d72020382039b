#pragma once

#include <QString>
#include <functional>

// A plain message box with an OK button. Tests install a hook that captures the
// text instead of showing a modal box.
void showMessageBox(const QString& text);
void setMessageBoxHook(std::function<void(const QString&)> hook);
