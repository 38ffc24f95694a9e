#include "startup/DesktopSession.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace DesktopSession {

namespace {

// A message handler is a plain function, so what it needs lives here, and
// only while the application is being created.
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};
QString g_title;
QtMessageHandler g_previous = nullptr;
QList<HeldMessage> g_held;

QString environment(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

// While the application is being created the platform's messages are held
// back: on success they are passed on, on failure replaced by one sentence.
void holdMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        g_held.append({type, QByteArray(context.category), message});
        return;
    }
    QString where = environment("WAYLAND_DISPLAY");
    if (!environment("DISPLAY").isEmpty())
        where = environment("DISPLAY");
    if (!environment("QT_QPA_PLATFORM").isEmpty())
        where = environment("QT_QPA_PLATFORM");
    const QString sentence = QStringLiteral("%1 cannot open a window: the display \"%2\" does not answer.\n").arg(g_title, where);
    std::fputs(sentence.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

QString missingDisplay(const QString &title, int argc, char **argv)
{
    if (!environment("QT_QPA_PLATFORM").isEmpty())
        return {};
    // Qt's own -platform and -display options choose the platform or name the display.
    for (int i = 1; i < argc; ++i) {
        QByteArray option(argv[i]);
        if (option.startsWith("--"))
            option.remove(0, 1);
        if (option == "-platform" || option == "-display")
            return {};
    }
    if (!environment("DISPLAY").isEmpty() || !environment("WAYLAND_DISPLAY").isEmpty())
        return {};
    return QStringLiteral("%1 needs a desktop: no display was found (neither DISPLAY nor WAYLAND_DISPLAY is set).").arg(title);
}

std::unique_ptr<QApplication> open(const QString &title, int &argc, char **argv)
{
    g_title = title;
    g_previous = qInstallMessageHandler(holdMessages);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(g_previous);
    for (const HeldMessage &held : std::as_const(g_held))
        g_previous(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.constData()), held.text);
    g_held.clear();
    return app;
}

} // namespace DesktopSession
