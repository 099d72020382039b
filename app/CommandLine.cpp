#include "CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

const QString ProgramName = QStringLiteral("ipponmichi");

// Qt's standard options for GUI programs; QGuiApplication and QApplication
// read them from the arguments themselves.
struct QtOption {
    const char* name;
    const char* valueName; // nullptr for a switch
    const char* description;
};
constexpr QtOption QtOptions[] = {
    {"platform", "name", "Qt: the windowing platform (xcb, wayland, offscreen, ...)."},
    {"platformpluginpath", "path", "Qt: where to look for platform plugins."},
    {"platformtheme", "name", "Qt: the platform theme."},
    {"plugin", "plugin", "Qt: load an additional input plugin."},
    {"display", "display", "Qt: the X11 display to use."},
    {"style", "style", "Qt: the widget style."},
    {"stylesheet", "file", "Qt: a style sheet for the widgets."},
    {"qwindowgeometry", "geometry", "Qt: the main window's geometry."},
    {"geometry", "geometry", "Qt: the main window's geometry (X11)."},
    {"qwindowtitle", "title", "Qt: the main window's title."},
    {"title", "title", "Qt: the main window's title (X11)."},
    {"qwindowicon", "icon", "Qt: the main window's icon."},
    {"icon", "icon", "Qt: the main window's icon (X11)."},
    {"session", "session", "Qt: restore a session."},
    {"name", "name", "Qt: the application's resource name (X11)."},
    {"reverse", nullptr, "Qt: lay out right to left."},
    {"widgetcount", nullptr, "Qt: report the widgets left at the end."},
    {"nograb", nullptr, "Qt: never grab the mouse or keyboard."},
    {"dograb", nullptr, "Qt: allow grabs even under a debugger."},
    {"sync", nullptr, "Qt: synchronous X11 calls, for debugging."},
};

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();

    explicit Parser(HelpScope scope = HelpScope::WithQtOptions) {
        parser.setApplicationDescription(QStringLiteral(
            "Poterin Ipponmichi (ぽてりん 一本道): a board game on a straight course "
            "of 101 squares.\nSpin the slot drum, walk the number beside its arrow, "
            "and reach the goal before your pep runs out."));
        // Qt's options are single-dash words; so -h and -v stay what users expect.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        for (const QtOption& option : QtOptions) {
            QCommandLineOption qtOption(QString::fromLatin1(option.name),
                                        QString::fromLatin1(option.description));
            if (option.valueName) {
                qtOption.setValueName(QString::fromLatin1(option.valueName));
            }
            if (scope == HelpScope::ProgramOptions) {
                qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
            }
            parser.addOption(qtOption);
        }
    }
};

// The argument as the user typed it, dashes and all, for an option `name`.
QString asTyped(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments.mid(1)) {
        QString bare = argument.section(QLatin1Char('='), 0, 0);
        while (bare.startsWith(QLatin1Char('-'))) {
            bare.remove(0, 1);
        }
        if (bare == name) {
            return argument.section(QLatin1Char('='), 0, 0).simplified();
        }
    }
    return QStringLiteral("--") + name;
}

} // namespace

CommandLineRequest parseCommandLine(const QStringList& arguments) {
    Parser p;
    CommandLineRequest request;
    const QString hint = QStringLiteral(" (see '%1 --help')").arg(ProgramName);
    if (!p.parser.parse(arguments)) {
        request.action = CommandLineRequest::Action::Refuse;
        const QStringList unknown = p.parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            request.error =
                QStringLiteral("unknown option '%1'").arg(asTyped(arguments, unknown.constFirst()));
        } else {
            QString why = p.parser.errorText().simplified();
            if (why.endsWith(QLatin1Char('.'))) {
                why.chop(1);
            }
            if (!why.isEmpty()) {
                why[0] = why[0].toLower();
            }
            request.error = why;
        }
        request.error += hint;
        return request;
    }
    if (p.parser.isSet(QStringLiteral("help-all"))) {
        request.action = CommandLineRequest::Action::ShowHelpAll;
    } else if (p.parser.isSet(p.help)) {
        request.action = CommandLineRequest::Action::ShowHelp;
    } else if (p.parser.isSet(p.version)) {
        request.action = CommandLineRequest::Action::ShowVersion;
    } else if (!p.parser.positionalArguments().isEmpty()) {
        request.action = CommandLineRequest::Action::Refuse;
        request.error = QStringLiteral("unexpected argument '%1'")
                            .arg(p.parser.positionalArguments().constFirst().simplified()) +
                        hint;
    }
    return request;
}

QString commandLineHelp(HelpScope scope) {
    Parser p(scope);
    // helpText() takes the program's name from the application object, which
    // does not exist yet.
    QString text = p.parser.helpText();
    const int firstLineEnd = text.indexOf(QLatin1Char('\n'));
    text.replace(0, firstLineEnd, QStringLiteral("Usage: %1 [options]").arg(ProgramName));
    if (scope == HelpScope::ProgramOptions) {
        text += QStringLiteral("\nQt's standard options (-platform, -display, -style, ...) are "
                               "accepted too; --help-all lists them.\n");
    }
    text += QStringLiteral("\nDuring a game Space or Enter plays every turn; F10 or Alt opens "
                           "the menu bar.\nSee ipponmichi(6) for the whole story.\n");
    return text;
}

QString versionText() {
    return QStringLiteral("%1 %2\n").arg(ProgramName, QStringLiteral(IPPON_VERSION));
}
