#pragma once

#include <QPoint>
#include <QSize>
#include <optional>

// The full-screen work area (the primary screen's available geometry) and the
// mouse cursor's screen position. Tests may pin either.
QSize FullScreenSize();
QPoint CursorPos();
void SetFullScreenSizeOverride(std::optional<QSize> size);
void SetCursorPosOverride(std::optional<QPoint> position);
