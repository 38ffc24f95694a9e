#include "platform/startup/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace CommandLine {

namespace {

QString programName(const char *argv0)
{
    const QString name = argv0 ? QFileInfo(QFile::decodeName(argv0)).fileName() : QString();
    return name.isEmpty() ? QCoreApplication::applicationName() : name;
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// Qt's own options, which QApplication takes out of the command line when
// it is created; the program's parser is not to see them. Given with one
// dash or two, as Qt takes them.
QStringList withoutQtOptions(const QStringList &arguments)
{
    static const QStringList withValue = {
        QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
        QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"), QStringLiteral("session"), QStringLiteral("display"),
        QStringLiteral("geometry"), QStringLiteral("style"), QStringLiteral("stylesheet")};
    static const QStringList alone = {QStringLiteral("reverse"), QStringLiteral("widgetcount")};
    static const QStringList onlyJoined = {QStringLiteral("qmljsdebugger"), QStringLiteral("dialogs"),
                                           QStringLiteral("fontengine")};
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--")) {
            kept << arguments.mid(i);
            break;
        }
        if (i == 0 || !argument.startsWith(QLatin1Char('-'))) {
            kept << argument;
            continue;
        }
        const QString option = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = option.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? option : option.left(equals);
        if (equals < 0 && withValue.contains(name)) {
            ++i; // and its value
            continue;
        }
        if ((equals >= 0 && (withValue.contains(name) || onlyJoined.contains(name))) || (equals < 0 && alone.contains(name)))
            continue;
        kept << argument;
    }
    return kept;
}

} // namespace

QString usage(const QCommandLineParser &parser, const char *argv0)
{
    // Without an application object the parser cannot know the program's name.
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), programName(argv0));
    return text;
}

void addHelpOption(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help.")));
}

int reject(const QCommandLineParser &parser, const char *argv0, const QString &message)
{
    print(stderr, QStringLiteral("%1: %2\n\n%3").arg(programName(argv0), message, usage(parser, argv0)));
    return UsageError;
}

std::optional<int> parse(QCommandLineParser &parser, int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (!parser.parse(withoutQtOptions(arguments)))
        return reject(parser, argc > 0 ? argv[0] : nullptr, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        print(stdout, usage(parser, argc > 0 ? argv[0] : nullptr));
        return 0;
    }
    if (!QCoreApplication::applicationVersion().isEmpty() && parser.isSet(QStringLiteral("version"))) {
        print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

} // namespace CommandLine
