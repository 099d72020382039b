#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

// Keeps a fixed-size window out of the maximised and full-screen states.
//
// The window flags already ask for no maximise button, and X11 window managers
// honour that. On Wayland without server-side decorations, Qt 6.4 draws its own
// title bar with a maximise button regardless, and a double click on the title
// bar maximises too. The window cannot grow, so such a state only shows a wrong
// button and leaves the compositor believing in a size the window never takes
// (Weston then ends the program's connection); the guard puts the window
// straight back into its normal state.
//
// Not for a window in a modal showing: on Wayland the guard shows the window
// afresh, and hiding ends a modal showing.
class WindowStateGuard : public QObject {
    Q_OBJECT
public:
    // Watches `window` for as long as it lives; the guard is its child.
    static void protect(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WindowStateGuard(QWidget* window);
    void watchNativeWindow();
    void undoGrowth();

    QWidget* m_window;
    QPointer<QWindow> m_watchedWindow;
    bool m_undoing = false;
    bool m_remapPending = false;
};
