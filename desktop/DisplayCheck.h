#pragma once

#include <QString>
#include <QStringList>

struct xcb_connection_t;

// Whether Qt will find a window system to open the game's windows on, asked
// before the application object exists. Where Qt finds none it aborts with a
// long message that blames the installation; this names what was tried
// instead, in one line.
//
// It follows Qt's own choice: the -platform argument, else QT_QPA_PLATFORM,
// else Wayland (where WAYLAND_DISPLAY is set or the session is a Wayland one)
// and then X11. A platform whose plugin is not installed fails; an X server or
// a Wayland compositor fails when nothing answers there; any other installed
// platform is left for Qt to try.
class DisplayCheck {
public:
    // `arguments` as from main, the program's name first.
    explicit DisplayCheck(const QStringList& arguments);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // Empty when a platform is usable; otherwise one line naming each
    // platform tried, why it failed and what may help.
    QString failure() const { return m_failure; }

    // Closes the X connection the check opened. Call it once Qt has its own:
    // an X server may reset, or Xwayland end, when its last client leaves.
    void release();

private:
    // Why Qt cannot reach the X server named by -display or DISPLAY, or empty
    // if it can; then the connection made to find out stays open.
    QString connectToX11(const QStringList& arguments, bool nothingNamed);

    QString m_failure;
    xcb_connection_t* m_x = nullptr;
};
