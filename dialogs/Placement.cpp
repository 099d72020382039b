#include "Placement.h"

#include "ScreenMetrics.h"

#include <QWidget>

QSize ClientSizeForOuter(int outerWidth, int outerHeight) {
    return QSize(outerWidth - FrameExtraWidth, outerHeight - FrameExtraHeight);
}

QSize OuterSizeOf(const QWidget& window) {
    return window.size() + QSize(FrameExtraWidth, FrameExtraHeight);
}

QPoint PlaceWithCursorAt(int offsetX, int offsetY, int outerWidth, int outerHeight) {
    const QSize workArea = FullScreenSize();
    const QPoint cursor = CursorPos();
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

QPoint PlaceNearCursor(int outerWidth, int outerHeight) {
    return PlaceWithCursorAt(NearCursorOffsetX, NearCursorOffsetY, outerWidth, outerHeight);
}
