#include "notebook/InstanceLock.h"
#include "notebook/frmJotwell.h"
#include "platform/seams/Dialogs.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Jotwell"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.17"));

    // The data files live in the folder the program was started in.
    const QString folder = QDir::currentPath();
    InstanceLock lock(folder);
    if (!lock.acquire()) {
        const QString headline = lock.heldByAnother() ? QObject::tr("Jotwell is already running in this folder:")
                                                      : QObject::tr("Jotwell cannot work in this folder:");
        const QString text =
            QStringLiteral("%1\n%2\n\n%3").arg(headline, QDir::toNativeSeparators(folder), lock.lastError());
        // Also for whoever started it from a terminal or a script.
        std::fprintf(stderr, "%s\n", qPrintable(text));
        Dialogs::instance().messageBox(text, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, QStringLiteral("Jotwell"));
        return 1;
    }

    frmJotwell form(folder);
    if (!form.isLoaded())
        return 1;
    form.show();
    return app.exec();
}
