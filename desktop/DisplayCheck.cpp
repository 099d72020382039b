#include "DisplayCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <wayland-client.h>
#include <xcb/xcb.h>

namespace {

const QString X11Platform = QStringLiteral("xcb");
const QString WaylandPlatform = QStringLiteral("wayland");
// What Debian's Qt tries last, or alone where nothing points to Wayland.
const QString DefaultPlatform = X11Platform;
const QString PlatformsFolder = QStringLiteral("/platforms");
const QString PlatformPluginInterface =
    QStringLiteral("org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface");
const QString VirtualServerHint =
    QStringLiteral("to play without a screen, run it under a virtual X server: "
                   "xvfb-run -a ipponmichi");

// A value from the command line or the environment, safe to print on one line.
QString shown(QString text) {
    for (QChar& c : text) {
        if (!c.isPrint()) {
            c = QLatin1Char('?');
        }
    }
    return text;
}

// The value after the last `-name` or `--name`, read the way Qt reads it.
QString argumentValue(const QStringList& arguments, const QString& name) {
    QString value;
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1Char('-') + name || argument == QStringLiteral("--") + name) {
            value = arguments.at(++i);
        }
    }
    return value;
}

// Where Qt looks for platform plugins first: the folder named for them, the
// plugin paths, and where Qt's own were when the program was built. (Qt also
// asks its configuration and looks beside the program; see allPluginFolders.)
QStringList pluginFolders(const QStringList& arguments) {
    QStringList folders;
    QString direct = argumentValue(arguments, QStringLiteral("platformpluginpath"));
    if (direct.isEmpty()) {
        direct = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    }
    if (!direct.isEmpty()) {
        folders << direct << direct + PlatformsFolder;
    }
    const QStringList pluginPaths =
        qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString& path : pluginPaths) {
        folders << path + PlatformsFolder;
    }
#ifdef IPPON_QT_PLATFORMS_DIR
    folders << QStringLiteral(IPPON_QT_PLATFORMS_DIR);
#endif
    return folders;
}

// Every folder Qt looks in. Asking Qt's configuration takes most of a
// millisecond, so only a name not found by its file comes this far.
QStringList allPluginFolders(const QStringList& arguments) {
    QStringList folders = pluginFolders(arguments);
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + PlatformsFolder;
    folders << QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() + PlatformsFolder;
    folders.removeDuplicates();
    return folders;
}

// Whether a plugin for `name` is installed, judged by the file name Qt gives
// its own platform plugins. Reading every plugin's metadata takes some
// milliseconds, a good part of the program's start-up.
bool hasPluginFileFor(const QStringList& folders, const QString& name) {
    const QString fileName = name == WaylandPlatform ? QStringLiteral("libqwayland-generic.so")
                                                     : QStringLiteral("libq%1.so").arg(name);
    for (const QString& folder : folders) {
        if (QFileInfo::exists(folder + QLatin1Char('/') + fileName)) {
            return true;
        }
    }
    return false;
}

// The names of the platform plugins Qt can load, in lower case as Qt
// compares them. Only their metadata is read; nothing is loaded.
QStringList installedPlatforms(const QStringList& folders) {
    QStringList names;
    for (const QString& folder : folders) {
        const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files);
        for (const QFileInfo& file : files) {
            const QJsonObject metaData = QPluginLoader(file.filePath()).metaData();
            if (!metaData.value(QLatin1String("IID"))
                     .toString()
                     .startsWith(PlatformPluginInterface)) {
                continue;
            }
            const QJsonArray keys = metaData.value(QLatin1String("MetaData"))
                                        .toObject()
                                        .value(QLatin1String("Keys"))
                                        .toArray();
            for (const QJsonValue& key : keys) {
                names << key.toString().toLower();
            }
        }
    }
    names.removeDuplicates();
    names.sort();
    return names;
}

// Why no Wayland compositor answers where Qt will look for one, or empty if
// one does.
QString waylandFailure() {
    // An inherited socket can be taken by one connection only: Qt's.
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET")) {
        return {};
    }
    const bool named = qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    const QString where =
        named ? QStringLiteral("WAYLAND_DISPLAY=") + shown(qEnvironmentVariable("WAYLAND_DISPLAY"))
              : QStringLiteral("wayland-0 (WAYLAND_DISPLAY is not set)");
    const QString failure = QStringLiteral("no Wayland compositor answers at ") + where;
    // A relative name lies in XDG_RUNTIME_DIR; without it the library would
    // print an error line of its own.
    if (!qEnvironmentVariable("WAYLAND_DISPLAY").startsWith(QLatin1Char('/')) &&
        qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        return failure + QStringLiteral(", as XDG_RUNTIME_DIR is not set");
    }
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        return failure;
    }
    wl_display_disconnect(display);
    return {};
}

} // namespace

DisplayCheck::DisplayCheck(const QStringList& arguments) {
    QString named = argumentValue(arguments, QStringLiteral("platform"));
    QString namedBy = QStringLiteral("-platform");
    if (named.isEmpty()) {
        named = qEnvironmentVariable("QT_QPA_PLATFORM");
        namedBy = QStringLiteral("QT_QPA_PLATFORM");
    }
    QStringList platforms = named.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const bool waylandSet = qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (platforms.isEmpty()) {
        if (waylandSet || qgetenv("XDG_SESSION_TYPE") == "wayland") {
            platforms << WaylandPlatform;
        }
        platforms << DefaultPlatform;
    }

    const QStringList folders = pluginFolders(arguments);
    QStringList installed; // read only where a name is not found by its file
    QStringList failures;
    bool pluginMissing = false;
    bool usable = false;
    for (const QString& platform : platforms) {
        // "name:option=value,..." passes options to the plugin.
        const QString name = platform.section(QLatin1Char(':'), 0, 0).toLower();
        const bool found = hasPluginFileFor(folders, name);
        if (!found && installed.isEmpty()) {
            installed = installedPlatforms(allPluginFolders(arguments));
        }
        QString failure;
        if (!found && !installed.contains(name)) {
            failure = named.isEmpty()
                          ? QStringLiteral("Qt's platform '%1' is not installed").arg(name)
                          : QStringLiteral("%1 names '%2', which is not an installed Qt platform")
                                .arg(namedBy, shown(name));
            pluginMissing = true;
        } else if (name == X11Platform) {
            failure = connectToX11(arguments, named.isEmpty() && !waylandSet);
        } else if (name.startsWith(WaylandPlatform)) {
            failure = waylandFailure();
        } // else installed, and nothing to ask it beforehand: Qt tries it.
        if (failure.isEmpty()) {
            usable = true;
            break;
        }
        failures << failure;
    }
    if (!usable) {
        const QString hint =
            pluginMissing ? QStringLiteral("installed: ") + installed.join(QStringLiteral(", "))
                          : VirtualServerHint;
        m_failure = QStringLiteral("cannot open a window: %1 (%2)")
                        .arg(failures.join(QStringLiteral("; ")), hint);
    }
}

QString DisplayCheck::connectToX11(const QStringList& arguments, bool nothingNamed) {
    QString display = argumentValue(arguments, QStringLiteral("display"));
    QString where = QStringLiteral("-display ") + shown(display);
    if (display.isEmpty()) {
        display = qEnvironmentVariable("DISPLAY");
        where = QStringLiteral("DISPLAY=") + shown(display);
    }
    if (display.isEmpty()) {
        return nothingNamed ? QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set")
                            : QStringLiteral("DISPLAY is not set");
    }
    const QByteArray displayName = display.toLocal8Bit();
    xcb_connection_t* connection = xcb_connect(displayName.constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return QStringLiteral("no X server answers at ") + where;
    }
    // Open until Qt has its own (see release()).
    m_x = connection;
    return {};
}

DisplayCheck::~DisplayCheck() {
    release();
}

void DisplayCheck::release() {
    if (m_x) {
        xcb_disconnect(m_x);
        m_x = nullptr;
    }
}
