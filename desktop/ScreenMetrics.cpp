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

bool& cursorUnknownOverride() {
    static bool value = false;
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

bool windowSystemPlacesWindows() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

std::optional<QPoint> cursorPos() {
    if (cursorUnknownOverride()) {
        return std::nullopt;
    }
    if (cursorOverride()) {
        return *cursorOverride();
    }
    if (windowSystemPlacesWindows()) {
        return std::nullopt;
    }
    return QCursor::pos();
}

void setFullScreenSizeOverride(std::optional<QSize> size) {
    screenOverride() = size;
}

void setCursorPosOverride(std::optional<QPoint> position) {
    cursorOverride() = position;
}

void setCursorPosUnknownOverride(bool unknown) {
    cursorUnknownOverride() = unknown;
}
