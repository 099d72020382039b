#pragma once

#include "Fonts.h"
#include "MainWindow.h"
#include "ScreenMetrics.h"

#include <QPoint>
#include <QSize>
#include <QTest>
#include <memory>

// The program's windows as a test starts them: the fonts' substitutes in
// place, the work area and the cursor pinned, the quit question off unless
// asked for, the main window shown. The pins are undone when the windows go.
class TestWindows {
public:
    static constexpr QSize WorkArea{1024, 749};
    static constexpr QPoint Cursor{500, 400};

    enum class QuitQuestion { Off, Asked };

    explicit TestWindows(QuitQuestion quitQuestion = QuitQuestion::Off) {
        registerFontSubstitutes(); // as the program does before its first window
        setFullScreenSizeOverride(WorkArea);
        setCursorPosOverride(Cursor);
        m_window = std::make_unique<MainWindow>();
        m_window->preferences().askBeforeQuit = quitQuestion == QuitQuestion::Asked;
        m_window->show();
    }

    ~TestWindows() {
        m_window->preferences().askBeforeQuit = false;
        m_window.reset();
        setFullScreenSizeOverride(std::nullopt);
        setCursorPosOverride(std::nullopt);
        setCursorPosUnknownOverride(false);
    }

    MainWindow& mainWindow() { return *m_window; }

    // Makes the main window the active one. On Wayland a client cannot ask
    // for the keyboard and Qt's wait settles for the window being shown; the
    // compositor gives a newly shown window the keyboard soon after.
    bool activate() {
        m_window->activateWindow();
        return QTest::qWaitForWindowActive(m_window.get()) &&
               QTest::qWaitFor([this] { return m_window->isActiveWindow(); }, ActivationPatienceMs);
    }

private:
    static constexpr int ActivationPatienceMs = 10000;

    std::unique_ptr<MainWindow> m_window;
};
