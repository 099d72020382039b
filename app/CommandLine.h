#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. It is read before the application object
// exists, so --help, --version and a mistyped option answer without a display.
struct CommandLineRequest {
    enum class Action { Play, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Play;
    // For Refuse: one line naming the bad argument and pointing to --help.
    QString error;
};

// Exit code for a command line the program does not understand (as getopt
// programs do: 2 for usage errors).
inline constexpr int UsageErrorExitCode = 2;

// `arguments` as from main, the program's name first. Qt's own GUI options
// (-platform, -style, -display, ...) are accepted and left for Qt to apply.
CommandLineRequest parseCommandLine(const QStringList& arguments);

QString commandLineHelp();
QString versionText();

// Why the program cannot open a window, or empty if it may try: nothing names
// a platform and neither an X11 nor a Wayland display is set. Qt would abort
// there instead of saying so.
QString missingDisplayReason(const QStringList& arguments);
