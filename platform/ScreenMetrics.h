#pragma once

#include <QPoint>
#include <QSize>
#include <optional>

// The full-screen work area (the primary screen's available geometry) and the
// mouse cursor's screen position. Tests may pin either.
QSize fullScreenSize();
QPoint cursorPos();
void setFullScreenSizeOverride(std::optional<QSize> size);
void setCursorPosOverride(std::optional<QPoint> position);
