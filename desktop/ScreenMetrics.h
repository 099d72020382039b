#pragma once

#include <QPoint>
#include <QSize>
#include <optional>

// The full-screen work area (the primary screen's available geometry) and the
// mouse cursor's screen position. Tests may pin either.
QSize fullScreenSize();
// Nothing where the window system keeps the cursor's screen position from its
// clients, as Wayland does: there Qt knows the pointer only relative to our own
// surfaces, whose places on the screen it is never told.
std::optional<QPoint> cursorPos();
// True where windows cannot choose their own place on the screen (Wayland).
bool windowSystemPlacesWindows();
void setFullScreenSizeOverride(std::optional<QSize> size);
void setCursorPosOverride(std::optional<QPoint> position);
// Makes cursorPos() answer nothing, as on Wayland.
void setCursorPosUnknownOverride(bool unknown);
