#include "startup/LaunchOptions.h"

#include "platform/files/FileOps.h"
#include "platform/files/XdgFolders.h"
#include "platform/startup/CommandLine.h"
#include "startup/Autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

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
    if (!folders.isEmpty() && folders.first().isEmpty()) {
        *error = QCoreApplication::translate("LaunchOptions", "The folder given is empty; name a folder, or give none for the current one.");
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
    QString folder;
    if (!folders.isEmpty() && QDir::isAbsolutePath(folders.first()))
        folder = QDir::cleanPath(folders.first());
    else if (!currentFolder.isEmpty())
        folder = QDir::cleanPath(folders.isEmpty() ? currentFolder : QDir(currentFolder).absoluteFilePath(folders.first()));
    // Otherwise the current folder cannot be named and the folder stays
    // empty: prepareFolder() says why, and Jotwell works nowhere else.
    *request = Request {Action::Run, folder, false, start};
    return true;
}

QString LaunchOptions::currentFolder(QString *error)
{
    // QDir::currentPath() gives no reason when getcwd fails, as it does for a
    // path longer than the system allows.
    char *path = ::getcwd(nullptr, 0);
    if (!path) {
        if (error)
            *error = QCoreApplication::translate("LaunchOptions", "Jotwell cannot work in the current folder: %1.")
                         .arg(FileOps::errorText(errno));
        return {};
    }
    const QString folder = QFile::decodeName(path);
    std::free(path);
    return folder;
}

QString LaunchOptions::sessionDataFolder()
{
    return QDir(XdgFolders::dataHome()).filePath(QStringLiteral("jotwell"));
}

bool LaunchOptions::prepareFolder(const Request &request, QString *error)
{
    if (request.folder.isEmpty()) {
        currentFolder(error);
        return false;
    }
    if (request.createFolder && !QDir().mkpath(request.folder)) {
        *error = QStringLiteral("Jotwell cannot create its folder %1.").arg(QDir::toNativeSeparators(request.folder));
        return false;
    }
    const QByteArray path = QFile::encodeName(request.folder);
    struct stat status;
    const bool missing = ::stat(path.constData(), &status) != 0 ? errno == ENOENT || errno == ENOTDIR : !S_ISDIR(status.st_mode);
    if (missing) {
        *error = QStringLiteral("There is no folder %1.").arg(QDir::toNativeSeparators(request.folder));
        return false;
    }
    // The data files are named relative to the folder, so it becomes the
    // current one here, and a folder that cannot be entered (a path longer
    // than the system allows, say) ends the start instead of leaving Jotwell
    // somewhere else.
    if (::chdir(path.constData()) != 0) {
        *error = QCoreApplication::translate("LaunchOptions", "Jotwell cannot work in the folder %1: %2.")
                     .arg(QDir::toNativeSeparators(request.folder), FileOps::errorText(errno));
        return false;
    }
    return true;
}
