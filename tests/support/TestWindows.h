#pragma once

#include "Fonts.h"
#include "GameMessageEvent.h"
#include "ProgramWindows.h"
#include "ScreenMetrics.h"

#include <QPoint>
#include <QSize>
#include <memory>

// What every test of the whole form set does once: the fonts' substitutes and
// the game's message numbers.
inline void prepareProgramWindowTests() {
    registerFontSubstitutes();
    reserveGameMessageTypes();
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
        m_forms = std::make_unique<ProgramWindows>();
        m_forms->mainWindow().session().askBeforeQuit = false;
        m_forms->mainWindow().show();
    }

    ~TestWindows() {
        m_forms->mainWindow().session().askBeforeQuit = false;
        m_forms.reset();
        setFullScreenSizeOverride(std::nullopt);
        setCursorPosOverride(std::nullopt);
        setCursorPosUnknownOverride(false);
    }

    ProgramWindows& windows() { return *m_forms; }

private:
    std::unique_ptr<ProgramWindows> m_forms;
};
