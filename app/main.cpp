#include "Artwork.h"
#include "BenchmarkHook.h"
#include "ClassicLook.h"
#include "Fonts.h"
#include "GameApplication.h"
#include "GameMessageEvent.h"
#include "ProgramWindows.h"

#include <exception>

int main(int argc, char** argv) {
    GameApplication app(argc, argv);
    try {
        registerFontSubstitutes();
        applyClassicPalette();
        reserveGameMessageTypes();
        QApplication::setWindowIcon(Artwork::appIcon());
        ProgramWindows forms;
        QuitWhenShownForBenchmark(forms.mainWindow());
        forms.mainWindow().show();
        GameApplication::exec();
    } catch (const std::exception& error) {
        GameApplication::showException(QString::fromUtf8(error.what()));
    }
    return 0;
}
