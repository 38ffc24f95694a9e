#include "Version.h"
#include "notebook/InstanceLock.h"
#include "notebook/frmJotwell.h"
#include "platform/seams/Dialogs.h"
#include "platform/startup/CommandLine.h"
#include "startup/AppTranslations.h"
#include "startup/Autostart.h"
#include "startup/DesktopSession.h"
#include "startup/InstanceChannel.h"
#include "startup/LaunchOptions.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

void tell(std::FILE *stream, const QString &sentence)
{
    std::fprintf(stream, "%s\n", sentence.toLocal8Bit().constData());
}

int switchAutostart(bool on)
{
    const QString path = Autostart::entryPath();
    QString error;
    // The entry names this very program, wherever it is installed.
    const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (on ? !Autostart::enable(path, program, &error) : !Autostart::disable(path, &error)) {
        tell(stderr, QStringLiteral("jotwell: %1").arg(error));
        return 1;
    }
    tell(stdout, on ? QStringLiteral("Jotwell will start at login (%1).").arg(QDir::toNativeSeparators(path))
                    : QStringLiteral("Jotwell will not start at login."));
    return 0;
}

// How long a second start waits for the Jotwell of its folder to take its
// request; one that is still loading its notes gets that long to listen.
constexpr int HandOverTimeoutMs = 5000;

// What a start asks of this Jotwell, done as the tray menu does it, with the
// same refusal while a reminder is up.
void carryOut(frmJotwell &form, InstanceChannel::Request request)
{
    switch (request) {
    case InstanceChannel::Request::Open:
        form.mnuOpen_Click();
        break;
    case InstanceChannel::Request::NewNote:
        form.mnuNew_Click();
        break;
    case InstanceChannel::Request::NewAlarm:
        form.mnuAlarm_Click();
        break;
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(Version::title());
    QCoreApplication::setApplicationVersion(Version::text());

    // The command line is answered before there is a display to open.
    LaunchOptions options;
    if (const std::optional<int> status = CommandLine::parse(options.parser(), argc, argv))
        return *status;
    LaunchOptions::Request request;
    QString error;
    if (!options.interpret(LaunchOptions::currentFolder(), LaunchOptions::sessionDataFolder(), &request, &error))
        return CommandLine::reject(options.parser(), argv[0], error);
    if (request.action != LaunchOptions::Action::Run)
        return switchAutostart(request.action == LaunchOptions::Action::AutostartOn);
    if (!LaunchOptions::prepareFolder(request, &error)) {
        tell(stderr, QStringLiteral("jotwell: %1").arg(error));
        return 1;
    }
    if (const QString missing = DesktopSession::missingDisplay(QStringLiteral("Jotwell"), argc, argv); !missing.isEmpty()) {
        tell(stderr, missing);
        return 1;
    }
    const std::unique_ptr<QApplication> app = DesktopSession::open(QStringLiteral("Jotwell"), argc, argv);
    // Lets the desktop match the windows with the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("jotwell"));
    AppTranslations::install();

    // The data files live in the chosen folder, which is also the current one.
    const QString folder = request.folder;
    QDir::setCurrent(folder);
    InstanceLock lock(folder);
    if (!lock.acquire()) {
        // The Jotwell of this folder does what this start was for.
        if (lock.heldByAnother()
            && InstanceChannel::send(InstanceChannel::serverName(lock.path()), request.start, HandOverTimeoutMs))
            return 0;
        const QString headline = lock.heldByAnother() ? QObject::tr("Jotwell is already running in this folder:")
                                                      : QObject::tr("Jotwell cannot work in this folder:");
        const QString text =
            QStringLiteral("%1\n%2\n\n%3").arg(headline, QDir::toNativeSeparators(folder), lock.lastError());
        // Also for whoever started it from a terminal or a script.
        tell(stderr, text);
        Dialogs::instance().messageBox(text, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, QStringLiteral("Jotwell"));
        return 1;
    }

    InstanceChannel channel;
    if (!channel.listen(InstanceChannel::serverName(lock.path()), &error))
        tell(stderr, QStringLiteral("jotwell: %1 %2")
                         .arg(QObject::tr("A second start in this folder will not reach this Jotwell:"), error));

    frmJotwell form(folder);
    if (!form.isLoaded())
        return 1;
    QObject::connect(&channel, &InstanceChannel::requested, &form,
                     [&form](InstanceChannel::Request asked) { carryOut(form, asked); });
    // A message box closed while the main window sits in the tray is no
    // reason to end; the main window's close, Exit and the tray's Close are.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&form, &frmJotwell::exitRequested, app.get(), [] { QCoreApplication::exit(0); });
    form.show();
    if (request.start != InstanceChannel::Request::Open)
        QMetaObject::invokeMethod(&form, [&form, &request] { carryOut(form, request.start); }, Qt::QueuedConnection);
    return app->exec();
}
