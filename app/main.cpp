#include "notebook/InstanceLock.h"
#include "notebook/frmJotwell.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Jotwell"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.17"));

    // The data files live in the folder the program was started in.
    const QString folder = QDir::currentPath();
    InstanceLock lock(folder);
    if (!lock.acquire()) {
        Dialogs::instance().messageBox(
            QObject::tr("Jotwell is already running in this folder:\n%1\n\n%2").arg(QDir::toNativeSeparators(folder), lock.lastError()),
            Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, QStringLiteral("Jotwell"));
        return 1;
    }

    frmJotwell form(folder);
    if (!form.isLoaded())
        return 1;
    form.show();
    return app.exec();
}
