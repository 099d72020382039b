#include "Artwork.h"
#include "BenchmarkHook.h"
#include "ClassicLook.h"
#include "Fonts.h"
#include "ProgramWindows.h"
#include "GameApplication.h"
#include "GameMessageEvent.h"

#include <exception>

int main(int argc, char** argv) {
    GameApplication app(argc, argv);
    try {
        RegisterFontSubstitutes();
        ApplyClassicPalette();
        ReserveGameMessageTypes();
        QApplication::setWindowIcon(Artwork::AppIcon());
        ProgramWindows forms;
        QuitWhenShownForBenchmark(forms.Form1());
        forms.Form1().show();
        GameApplication::exec();
    } catch (const std::exception& error) {
        GameApplication::ShowException(QString::fromUtf8(error.what()));
    }
    return 0;
}
