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
    if (!parser.parse(arguments))
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
