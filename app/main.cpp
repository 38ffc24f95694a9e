#include "Version.h"
#include "notebook/InstanceLock.h"
#include "notebook/frmJotwell.h"
#include "platform/seams/Dialogs.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(Version::title());
    QApplication::setApplicationVersion(Version::text());

    // The data files live in the folder the program was started in.
    const QString folder = QDir::currentPath();
    InstanceLock lock(folder);
    if (!lock.acquire()) {
        const QString headline = lock.heldByAnother() ? QObject::tr("Jotwell is already running in this folder:")
                                                      : QObject::tr("Jotwell cannot work in this folder:");
        Dialogs::instance().messageBox(
            QStringLiteral("%1\n%2\n\n%3").arg(headline, QDir::toNativeSeparators(folder), lock.lastError()),
            Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, QStringLiteral("Jotwell"));
        return 1;
    }

    frmJotwell form(folder);
    if (!form.isLoaded())
        return 1;
    // A message box closed while the main window sits in the tray is no
    // reason to end; the main window's close, Exit and the tray's Close are.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&form, &frmJotwell::exitRequested, &app, [] { QCoreApplication::exit(0); });
    form.show();
    return app.exec();
}
