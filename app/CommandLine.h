#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. It is read before the application object
// exists, so --help, --version and a mistyped option answer without a display.
struct CommandLineRequest {
    enum class Action { Play, ShowHelp, ShowHelpAll, ShowVersion, Refuse };
    Action action = Action::Play;
    // For Refuse: one line naming the bad argument and pointing to --help.
    QString error;
};

// Exit code for a command line the program does not understand (as getopt
// programs do: 2 for usage errors).
inline constexpr int UsageErrorExitCode = 2;
// Exit code when no window system can be reached.
inline constexpr int NoDisplayExitCode = 1;

// `arguments` as from main, the program's name first. Qt's own GUI options
// (-platform, -style, -display, ...) are accepted and left for Qt to apply.
CommandLineRequest parseCommandLine(const QStringList& arguments);

// Which options the help lists: the program's own, or Qt's standard ones too
// (--help and --help-all, as Qt programs have them).
enum class HelpScope { ProgramOptions, WithQtOptions };

QString commandLineHelp(HelpScope scope = HelpScope::ProgramOptions);
QString versionText();
