#include "WindowStateGuard.h"

#include "ScreenMetrics.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

constexpr Qt::WindowStates GrowingStates = Qt::WindowMaximized | Qt::WindowFullScreen;

bool hasFixedSize(const QWidget& window) {
    return window.minimumSize() == window.maximumSize();
}

} // namespace

void WindowStateGuard::protect(QWidget* window) {
    window->installEventFilter(new WindowStateGuard(window));
}

WindowStateGuard::WindowStateGuard(QWidget* window) : QObject(window), m_window(window) {
    watchNativeWindow();
}

bool WindowStateGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_window) {
        if (event->type() == QEvent::WindowStateChange) {
            undoGrowth();
        } else if (event->type() == QEvent::Show) {
            watchNativeWindow();
        }
    }
    return QObject::eventFilter(watched, event);
}

// Qt's own Wayland title bar changes the state on the native window alone,
// without the widget hearing of it.
void WindowStateGuard::watchNativeWindow() {
    QWindow* window = m_window->windowHandle();
    if (!window || window == m_watchedWindow) {
        return;
    }
    m_watchedWindow = window;
    connect(window, &QWindow::windowStateChanged, this, [this] { undoGrowth(); });
}

void WindowStateGuard::undoGrowth() {
    if (m_undoing || !hasFixedSize(*m_window)) {
        return;
    }
    QWindow* window = m_window->windowHandle();
    const bool grown = (m_window->windowState() & GrowingStates) ||
                       (window && (window->windowStates() & GrowingStates));
    if (!grown) {
        return;
    }
    m_undoing = true;
    if (window) {
        window->setWindowStates(window->windowStates() & ~GrowingStates);
    }
    m_window->setWindowState(m_window->windowState() & ~GrowingStates);
    m_undoing = false;
    // On Wayland the request to grow has already gone out and cannot be taken
    // back before the compositor answers it; Weston would then expect the
    // window to fill the screen and end the connection of a client whose
    // window keeps its size. A window shown afresh has a new surface, which
    // the answer no longer concerns. Not from inside the title bar's own click
    // handling, which belongs to the surface being replaced.
    if (windowSystemPlacesWindows() && !m_remapPending) {
        m_remapPending = true;
        QTimer::singleShot(0, this, [this] {
            m_remapPending = false;
            if (m_window->isVisible()) {
                m_window->hide();
                m_window->show();
            }
        });
    }
}
