#include "Artwork.h"
#include "BenchmarkHook.h"
#include "ClassicLook.h"
#include "Fonts.h"
#include "GameApplication.h"
#include "GameMessageEvent.h"
#include "LanguageChoice.h"
#include "ProgramWindows.h"

#include <QLocale>
#include <exception>

int main(int argc, char** argv) {
    GameApplication app(argc, argv);
    // Before any window is built, so every text is made in the player's language.
    LanguageChoice::use(LanguageChoice::forLocale(QLocale::system().uiLanguages()));
    //: The program's name, the title of its message boxes.
    GameApplication::setApplicationName(GameApplication::tr("ぽてりん 一本道"));
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
