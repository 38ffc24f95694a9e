#include "startup/LaunchOptions.h"

#include "platform/startup/CommandLine.h"
#include "startup/Autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

LaunchOptions::LaunchOptions()
    : m_dataFolder(QStringLiteral("data-folder"),
                   QCoreApplication::translate("LaunchOptions",
                                               "Work in %1 (created when absent), as the desktop entry and the login entry do.")
                       .arg(QDir::toNativeSeparators(sessionDataFolder())))
    , m_autostart(QStringLiteral("autostart"),
                  QCoreApplication::translate("LaunchOptions",
                                              "on: start Jotwell at login, in that same folder; off: stop doing so. Writes or "
                                              "removes %1.")
                      .arg(QDir::toNativeSeparators(Autostart::entryPath())),
                  QStringLiteral("on|off"))
    , m_newNote(QStringLiteral("new-note"),
                QCoreApplication::translate("LaunchOptions",
                                            "Start a new note in the Jotwell of the folder, starting Jotwell when none runs there "
                                            "(the desktop entry's action \"New Note\")."))
    , m_newAlarm(QStringLiteral("new-alarm"),
                 QCoreApplication::translate("LaunchOptions",
                                             "Set a new alarm in the Jotwell of the folder, starting Jotwell when none runs there "
                                             "(the desktop entry's action \"New Alarm\")."))
{
    m_parser.setApplicationDescription(
        QCoreApplication::translate("LaunchOptions",
                                    "Jotwell keeps dated notes, reminds you of them and rings a daily alarm.\n"
                                    "It keeps Notes.dat, Category.cat and Names.cat in FOLDER, or in the current folder when "
                                    "none is given; started from the desktop menu or at login it works in %1.\n"
                                    "A second start in a folder where Jotwell runs brings that Jotwell's window back.")
            .arg(QDir::toNativeSeparators(sessionDataFolder())));
    CommandLine::addHelpOption(m_parser);
    m_parser.addVersionOption();
    m_parser.addOption(m_dataFolder);
    m_parser.addOption(m_newNote);
    m_parser.addOption(m_newAlarm);
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
    if (m_parser.isSet(m_newNote) && m_parser.isSet(m_newAlarm)) {
        *error = QCoreApplication::translate("LaunchOptions", "Give either --new-note or --new-alarm, not both.");
        return false;
    }
    const InstanceChannel::Request start = m_parser.isSet(m_newNote) ? InstanceChannel::Request::NewNote
        : m_parser.isSet(m_newAlarm)                                 ? InstanceChannel::Request::NewAlarm
                                                                     : InstanceChannel::Request::Open;
    if (m_parser.isSet(m_autostart)) {
        const QString value = m_parser.value(m_autostart);
        if (value != QLatin1String("on") && value != QLatin1String("off")) {
            *error = QStringLiteral("--autostart takes on or off, not \"%1\".").arg(value);
            return false;
        }
        if (!folders.isEmpty() || m_parser.isSet(m_dataFolder) || start != InstanceChannel::Request::Open) {
            *error = QStringLiteral("--autostart starts nothing and takes no folder.");
            return false;
        }
        *request = Request {value == QLatin1String("on") ? Action::AutostartOn : Action::AutostartOff, {}, false, start};
        return true;
    }
    if (m_parser.isSet(m_dataFolder)) {
        if (!folders.isEmpty()) {
            *error = QStringLiteral("Give either --data-folder or a FOLDER, not both.");
            return false;
        }
        *request = Request {Action::Run, QDir::cleanPath(dataFolder), true, start};
        return true;
    }
    const QString folder = folders.isEmpty() ? currentFolder : QDir(currentFolder).absoluteFilePath(folders.first());
    *request = Request {Action::Run, QDir::cleanPath(folder), false, start};
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
