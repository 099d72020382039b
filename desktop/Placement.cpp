#include "Placement.h"

#include "ScreenMetrics.h"

#include <QWidget>

QSize clientSizeForOuter(int outerWidth, int outerHeight) {
    return QSize(outerWidth - FrameExtraWidth, outerHeight - FrameExtraHeight);
}

QSize outerSizeOf(const QWidget& window) {
    return window.size() + QSize(FrameExtraWidth, FrameExtraHeight);
}

std::optional<QPoint> placeWithCursorAt(int offsetX, int offsetY, int outerWidth, int outerHeight) {
    const std::optional<QPoint> knownCursor = cursorPos();
    if (!knownCursor) {
        return std::nullopt;
    }
    const QSize workArea = fullScreenSize();
    const QPoint cursor = *knownCursor;
    int left = cursor.x() > offsetX ? cursor.x() - offsetX : 0;
    int top = cursor.y() > offsetY ? cursor.y() - offsetY : 0;
    if (workArea.width() - outerWidth < left) {
        left = workArea.width() - outerWidth;
    }
    if (workArea.height() - outerHeight < top) {
        top = workArea.height() - outerHeight;
    }
    return QPoint(left, top);
}

std::optional<QPoint> placeNearCursor(int outerWidth, int outerHeight) {
    return placeWithCursorAt(NearCursorOffsetX, NearCursorOffsetY, outerWidth, outerHeight);
}

QPoint placeCentredOn(const QRect& frame, int outerWidth, int outerHeight) {
    return QPoint(frame.x() + (frame.width() - outerWidth) / 2,
                  frame.y() + (frame.height() - outerHeight) / 2);
}
