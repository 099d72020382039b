#include "Artwork.h"
#include "BenchmarkHook.h"
#include "ClassicLook.h"
#include "CommandLine.h"
#include "DisplayCheck.h"
#include "Fonts.h"
#include "GameApplication.h"
#include "LanguageChoice.h"
#include "MainWindow.h"
#include "SeatlessWayland.h"

#include <QLocale>
#include <cstdio>
#include <exception>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char** argv) {
    const QStringList arguments = argumentsOf(argc, argv);
    const CommandLineRequest request = parseCommandLine(arguments);
    switch (request.action) {
    case CommandLineRequest::Action::ShowHelp:
        print(stdout, commandLineHelp());
        return 0;
    case CommandLineRequest::Action::ShowHelpAll:
        print(stdout, commandLineHelp(HelpScope::WithQtOptions));
        return 0;
    case CommandLineRequest::Action::ShowVersion:
        print(stdout, versionText());
        return 0;
    case CommandLineRequest::Action::Refuse:
        print(stderr, QStringLiteral("ipponmichi: %1\n").arg(request.error));
        return UsageErrorExitCode;
    case CommandLineRequest::Action::Play:
        break;
    }
    // Qt would abort where it finds no window system; this says why instead.
    DisplayCheck display(arguments);
    if (!display.failure().isEmpty()) {
        print(stderr, QStringLiteral("ipponmichi: %1\n").arg(display.failure()));
        return NoDisplayExitCode;
    }

    chooseInputMethodWithoutSeat();
    GameApplication app(argc, argv);
    display.release();
    // Before any window is built, so every text is made in the player's language.
    LanguageChoice::use(LanguageChoice::forLocale(QLocale::system().uiLanguages()));
    //: The program's name, the title of its message boxes.
    GameApplication::setApplicationName(GameApplication::tr("ぽてりん 一本道"));
    try {
        registerFontSubstitutes();
        applyClassicLook();
        QApplication::setWindowIcon(Artwork::appIcon());
        MainWindow window;
        QuitWhenShownForBenchmark(window);
        window.show();
        GameApplication::exec();
    } catch (const std::exception& error) {
        GameApplication::showException(QString::fromUtf8(error.what()));
    }
    return 0;
}
