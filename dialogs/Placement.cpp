#include "Placement.h"

#include "ScreenMetrics.h"

#include <QWidget>

QSize clientSizeForOuter(int outerWidth, int outerHeight) {
    return QSize(outerWidth - FrameExtraWidth, outerHeight - FrameExtraHeight);
}

QSize outerSizeOf(const QWidget& window) {
    return window.size() + QSize(FrameExtraWidth, FrameExtraHeight);
}

QPoint placeWithCursorAt(int offsetX, int offsetY, int outerWidth, int outerHeight) {
    const QSize workArea = fullScreenSize();
    const QPoint cursor = cursorPos();
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

QPoint placeNearCursor(int outerWidth, int outerHeight) {
    return placeWithCursorAt(NearCursorOffsetX, NearCursorOffsetY, outerWidth, outerHeight);
}
