#include "startup/LaunchOptions.h"

#include "platform/startup/CommandLine.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

LaunchOptions::LaunchOptions()
    : m_dataFolder(QStringLiteral("data-folder"),
                   QStringLiteral("Work in %1/jotwell (created when absent), as the desktop entry and the login entry do.")
                       .arg(QStringLiteral("${XDG_DATA_HOME:-~/.local/share}")))
    , m_autostart(QStringLiteral("autostart"),
                  QStringLiteral("on: start Jotwell at login, in that same folder; off: stop doing so. Writes or removes "
                                 "jotwell.desktop in ${XDG_CONFIG_HOME:-~/.config}/autostart."),
                  QStringLiteral("on|off"))
{
    m_parser.setApplicationDescription(
        QStringLiteral("Jotwell keeps dated notes, reminds you of them and rings a daily alarm.\n"
                       "It keeps Notes.dat, Category.cat and Names.cat in FOLDER, or in the current folder when none is "
                       "given; started from the desktop menu or at login it works in "
                       "${XDG_DATA_HOME:-~/.local/share}/jotwell."));
    CommandLine::addHelpOption(m_parser);
    m_parser.addVersionOption();
    m_parser.addOption(m_dataFolder);
    m_parser.addOption(m_autostart);
    m_parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("The folder that holds the notes."),
                                   QStringLiteral("[FOLDER]"));
}

bool LaunchOptions::interpret(const QString &currentFolder, const QString &dataFolder, Request *request, QString *error) const
{
    const QStringList folders = m_parser.positionalArguments();
    if (folders.size() > 1) {
        *error = QStringLiteral("Give one folder, not %1.").arg(folders.size());
        return false;
    }
    if (m_parser.isSet(m_autostart)) {
        const QString value = m_parser.value(m_autostart);
        if (value != QLatin1String("on") && value != QLatin1String("off")) {
            *error = QStringLiteral("--autostart takes on or off, not \"%1\".").arg(value);
            return false;
        }
        if (!folders.isEmpty() || m_parser.isSet(m_dataFolder)) {
            *error = QStringLiteral("--autostart starts nothing and takes no folder.");
            return false;
        }
        *request = Request {value == QLatin1String("on") ? Action::AutostartOn : Action::AutostartOff, {}, false};
        return true;
    }
    if (m_parser.isSet(m_dataFolder)) {
        if (!folders.isEmpty()) {
            *error = QStringLiteral("Give either --data-folder or a FOLDER, not both.");
            return false;
        }
        *request = Request {Action::Run, QDir::cleanPath(dataFolder), true};
        return true;
    }
    const QString folder = folders.isEmpty() ? currentFolder : QDir(currentFolder).absoluteFilePath(folders.first());
    *request = Request {Action::Run, QDir::cleanPath(folder), false};
    return true;
}

QString LaunchOptions::sessionDataFolder()
{
    // GenericDataLocation follows XDG_DATA_HOME when it is set and absolute.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("jotwell"));
}

bool LaunchOptions::prepareFolder(const Request &request, QString *error)
{
    if (request.createFolder && !QDir().mkpath(request.folder)) {
        *error = QStringLiteral("Jotwell cannot create its folder %1.").arg(QDir::toNativeSeparators(request.folder));
        return false;
    }
    if (!QFileInfo(request.folder).isDir()) {
        *error = QStringLiteral("There is no folder %1.").arg(QDir::toNativeSeparators(request.folder));
        return false;
    }
    return true;
}
