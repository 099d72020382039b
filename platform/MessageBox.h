#pragma once

#include <QString>
#include <functional>

// A plain message box with an OK button. Tests install a hook that captures the
// text instead of showing a modal box.
void ShowMessageBox(const QString& text);
void SetMessageBoxHook(std::function<void(const QString&)> hook);
