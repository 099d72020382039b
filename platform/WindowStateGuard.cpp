#include "WindowStateGuard.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

constexpr Qt::WindowStates GrowingStates = Qt::WindowMaximized | Qt::WindowFullScreen;

bool hasFixedSize(const QWidget& window) {
    return window.minimumSize() == window.maximumSize();
}

} // namespace

void WindowStateGuard::protect(QWidget* window) {
    window->installEventFilter(new WindowStateGuard(window));
}

WindowStateGuard::WindowStateGuard(QWidget* window) : QObject(window), m_window(window) {}

bool WindowStateGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window && event->type() == QEvent::WindowStateChange &&
        (m_window->windowState() & GrowingStates) && hasFixedSize(*m_window) && !m_restorePending) {
        // Changing the state from inside its own change notification would
        // reach the window system before it has finished the first request.
        m_restorePending = true;
        QTimer::singleShot(0, this, &WindowStateGuard::restoreNormalState);
    }
    return QObject::eventFilter(watched, event);
}

void WindowStateGuard::restoreNormalState() {
    m_restorePending = false;
    if (hasFixedSize(*m_window)) {
        m_window->setWindowState(m_window->windowState() & ~GrowingStates);
    }
}
