#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

// Window sizes in this program are given as outer sizes, with a classic frame of
// 4 pixels a side and a 23-pixel title bar. Our windows set the client size and
// leave the decoration to the window manager; the placement rules below still
// work on the outer sizes.
inline constexpr int FrameExtraWidth = 8;
inline constexpr int FrameExtraHeight = 27;

QSize clientSizeForOuter(int outerWidth, int outerHeight);
QSize outerSizeOf(const QWidget& window);

// The outer top-left corner that puts the point (offsetX, offsetY) of the window
// under the mouse cursor, moved no further left or up than the work area's
// corner, then pulled back so that the window ends at the work area's right and
// bottom edges. There is deliberately no lower bound after that pull: a window
// larger than the work area gets a negative coordinate. Nothing where the
// cursor's position is unknown; see placeCentredOn for what to do then.
std::optional<QPoint> placeWithCursorAt(int offsetX, int offsetY, int outerWidth, int outerHeight);

// The options, debug, notes and version dialogs open with their top-left corner
// a little above and left of the cursor.
inline constexpr int NearCursorOffsetX = 77;
inline constexpr int NearCursorOffsetY = 80;

std::optional<QPoint> placeNearCursor(int outerWidth, int outerHeight);

// The outer top-left corner that centres a window of this outer size on
// `frame`: where a dialog goes when the cursor's place is unknown.
QPoint placeCentredOn(const QRect& frame, int outerWidth, int outerHeight);
