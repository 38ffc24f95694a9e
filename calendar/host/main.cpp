// zvcal-host: places one control of a control library by ProgID, as any host
// would, and prints the events it raises.
//
//   zvcal-host --progid ZORVCalendar.ZVCalendar [--size WxH] [--value YYYY-MM-DD]
//              [--set name=value]... [--load FILE] [--save FILE]
//              [--form WxH] [--at X,Y] [--pages]

#include "ControlHost.h"

#include "platform/objects/PropertyText.h"
#include "platform/objects/TextPropertyBag.h"
#include "platform/startup/CommandLine.h"
#include "platform/pages/PropertyDialog.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

// The host window: the control fills its client area, unless it was placed
// at a size and spot of its own on a larger form (--form, --at).
class HostWindow : public QWidget
{
public:
    QWidget *control = nullptr;
    bool placed = false;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        if (control && !placed)
            control->setGeometry(rect());
    }
};

// "WxH" with both parts from 1 to 99999.
std::optional<QSize> parseSize(const QString &text)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$")).match(text);
    if (!m.hasMatch() || m.captured(1).toInt() == 0 || m.captured(2).toInt() == 0)
        return std::nullopt;
    return QSize(m.captured(1).toInt(), m.captured(2).toInt());
}

// "X,Y" with both parts from 0 to 99999.
std::optional<QPoint> parsePoint(const QString &text)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^(\\d{1,5}),(\\d{1,5})$")).match(text);
    if (!m.hasMatch())
        return std::nullopt;
    return QPoint(m.captured(1).toInt(), m.captured(2).toInt());
}

void complain(const QString &message)
{
    // Messages quote the user's files: their control characters are shown, not sent.
    std::fprintf(stderr, "zvcal-host: %s\n", qPrintable(PropertyText::printable(message)));
    std::fflush(stderr);
}

bool saveBag(ControlHost &host, const QString &path)
{
    TextPropertyBag bag;
    ExcepInfo excep;
    if (FAILED(host.control()->WriteProperties(bag, &excep))) {
        complain(QStringLiteral("--save %1: %2").arg(path, excep.description));
        return false;
    }
    QString error;
    if (!bag.saveToFile(path, &error)) {
        complain(QStringLiteral("--save %1: %2").arg(path, error));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication::setApplicationName(QStringLiteral("zvcal-host"));
    // The host comes with the library and carries its version.
    QApplication::setApplicationVersion(QStringLiteral(ZVCAL_HOST_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Places one control by ProgID and prints the events it raises."));
    CommandLine::addHelpOption(parser);
    parser.addVersionOption();
    const QCommandLineOption progIdOption(QStringLiteral("progid"), QStringLiteral("The control's ProgID."), QStringLiteral("progid"));
    const QCommandLineOption sizeOption(QStringLiteral("size"), QStringLiteral("The control's size in pixels (default 210x200)."), QStringLiteral("WxH"), QStringLiteral("210x200"));
    const QCommandLineOption valueOption(QStringLiteral("value"), QStringLiteral("Sets calValue."), QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption setOption(QStringLiteral("set"), QStringLiteral("Sets a property by name; may repeat."), QStringLiteral("name=value"));
    const QCommandLineOption loadOption(QStringLiteral("load"), QStringLiteral("Loads the control's properties from a property bag file."), QStringLiteral("file"));
    const QCommandLineOption saveOption(QStringLiteral("save"), QStringLiteral("Saves the control's properties to a property bag file (after start-up and at exit)."), QStringLiteral("file"));
    const QCommandLineOption formOption(QStringLiteral("form"), QStringLiteral("The host window's client size in pixels (default the control's size)."), QStringLiteral("WxH"));
    const QCommandLineOption atOption(QStringLiteral("at"), QStringLiteral("The control's position in the host window (default 0,0)."), QStringLiteral("X,Y"), QStringLiteral("0,0"));
    const QCommandLineOption pagesOption(QStringLiteral("pages"), QStringLiteral("Opens the control's property dialog at start."));
    parser.addOptions({progIdOption, sizeOption, valueOption, setOption, loadOption, saveOption, formOption, atOption, pagesOption});
    // Help and mistakes are answered before a display is opened.
    if (const std::optional<int> status = CommandLine::parse(parser, argc, argv))
        return *status;
    QApplication app(argc, argv);

    if (!parser.isSet(progIdOption)) {
        complain(QStringLiteral("--progid is required"));
        return 2;
    }
    const std::optional<QSize> size = parseSize(parser.value(sizeOption));
    if (!size) {
        complain(QStringLiteral("--size takes WxH in pixels, e.g. 210x200"));
        return 2;
    }
    // A control smaller than its form: the form's size and the control's spot.
    const std::optional<QSize> form = parser.isSet(formOption) ? parseSize(parser.value(formOption)) : size;
    if (!form) {
        complain(QStringLiteral("--form takes WxH in pixels, e.g. 400x320"));
        return 2;
    }
    const std::optional<QPoint> at = parsePoint(parser.value(atOption));
    if (!at) {
        complain(QStringLiteral("--at takes X,Y in pixels, e.g. 40,30"));
        return 2;
    }

    HostWindow window;
    window.setWindowTitle(parser.value(progIdOption));
    window.resize(*form);
    window.placed = parser.isSet(formOption) || parser.isSet(atOption);

    ControlHost host;
    QString error;
    // The library beside the program (build tree), in ../lib (installed), or
    // wherever the program's run path leads.
    QString fallback = QStringLiteral("libZVCal.so");
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString &candidate : {here.filePath(QStringLiteral("libZVCal.so")), here.filePath(QStringLiteral("../lib/libZVCal.so"))}) {
        if (QFileInfo::exists(candidate)) {
            fallback = QFileInfo(candidate).absoluteFilePath();
            break;
        }
    }
    if (!host.create(parser.value(progIdOption), fallback, &window, &error)) {
        complain(error);
        return 1;
    }
    window.control = host.widget();
    host.widget()->setGeometry(window.placed ? QRect(*at, *size) : window.rect());

    if (parser.isSet(loadOption)) {
        try {
            TextPropertyBag bag = TextPropertyBag::fromFile(parser.value(loadOption));
            ExcepInfo excep;
            if (FAILED(host.control()->ReadProperties(bag, &excep))) {
                complain(QStringLiteral("--load %1: %2").arg(parser.value(loadOption), excep.description));
                return 1;
            }
        } catch (const PropertyBagError &e) {
            // The file is named once, as for the errors of ReadProperties.
            complain(QStringLiteral("--load %1: %2").arg(parser.value(loadOption), PropertyBagError(e.key(), e.line(), e.message()).text()));
            return 1;
        }
    } else {
        host.control()->InitProperties();
    }

    if (parser.isSet(valueOption) && !host.setProperty(QStringLiteral("calValue"), parser.value(valueOption), &error))
        complain(QStringLiteral("--value %1: %2").arg(parser.value(valueOption), error));
    for (const QString &assignment : parser.values(setOption)) {
        const qsizetype eq = assignment.indexOf(u'=');
        if (eq <= 0) {
            complain(QStringLiteral("--set takes name=value, not \"%1\"").arg(assignment));
            continue;
        }
        if (!host.setProperty(assignment.left(eq).trimmed(), assignment.mid(eq + 1), &error))
            complain(QStringLiteral("--set %1: %2").arg(assignment, error));
    }

    if (parser.isSet(saveOption) && !saveBag(host, parser.value(saveOption)))
        return 1;

    window.show();
    if (parser.isSet(pagesOption))
        QTimer::singleShot(0, &window, [&host, &window] {
            PropertyDialog dialog(QCoreApplication::translate("PropertyDialog", "%1 Properties").arg(host.className()), host.propertyPages(),
                                  [&host](const QString &name) { return host.createPage(name); }, {host.dispatch()}, &window);
            dialog.exec();
        });
    const int rc = app.exec();
    if (parser.isSet(saveOption) && !saveBag(host, parser.value(saveOption)))
        return 1;
    host.release();
    return rc;
}
