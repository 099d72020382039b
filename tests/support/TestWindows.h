#pragma once

#include "Fonts.h"
#include "MainWindow.h"
#include "ScreenMetrics.h"

#include <QPoint>
#include <QSize>
#include <memory>

// What every test of the whole window set does once: the fonts' substitutes.
inline void prepareProgramWindowTests() {
    registerFontSubstitutes();
}

// The program's windows as a test starts them: the work area and the cursor
// pinned, the quit question off, the main window shown. The pins are undone
// when the windows go.
class TestWindows {
public:
    static constexpr QSize WorkArea{1024, 749};
    static constexpr QPoint Cursor{500, 400};

    TestWindows() {
        setFullScreenSizeOverride(WorkArea);
        setCursorPosOverride(Cursor);
        m_window = std::make_unique<MainWindow>();
        m_window->preferences().askBeforeQuit = false;
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

private:
    std::unique_ptr<MainWindow> m_window;
};
