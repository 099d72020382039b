#include "ScreenMetrics.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace {

std::optional<QSize>& screenOverride() {
    static std::optional<QSize> value;
    return value;
}

std::optional<QPoint>& cursorOverride() {
    static std::optional<QPoint> value;
    return value;
}

} // namespace

QSize fullScreenSize() {
    if (screenOverride()) {
        return *screenOverride();
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        return screen->availableGeometry().size();
    }
    return QSize(1024, 768);
}

QPoint cursorPos() {
    if (cursorOverride()) {
        return *cursorOverride();
    }
    return QCursor::pos();
}

void setFullScreenSizeOverride(std::optional<QSize> size) {
    screenOverride() = size;
}

void setCursorPosOverride(std::optional<QPoint> position) {
    cursorOverride() = position;
}
