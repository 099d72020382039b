#include "ScreenMetrics.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace {

std::optional<QSize>& ScreenOverride() {
    static std::optional<QSize> value;
    return value;
}

std::optional<QPoint>& CursorOverride() {
    static std::optional<QPoint> value;
    return value;
}

} // namespace

QSize FullScreenSize() {
    if (ScreenOverride()) {
        return *ScreenOverride();
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        return screen->availableGeometry().size();
    }
    return QSize(1024, 768);
}

QPoint CursorPos() {
    if (CursorOverride()) {
        return *CursorOverride();
    }
    return QCursor::pos();
}

void SetFullScreenSizeOverride(std::optional<QSize> size) {
    ScreenOverride() = size;
}

void SetCursorPosOverride(std::optional<QPoint> position) {
    CursorOverride() = position;
}
