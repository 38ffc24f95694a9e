#include "platform/startup/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
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

qsizetype leadingSpaces(const QString &line)
{
    qsizetype n = 0;
    while (n < line.size() && line.at(n) == QLatin1Char(' '))
        ++n;
    return n;
}

// Where the text of line goes on when it is broken: under the description of
// a labelled line ("  -h, --help    Shows ...", "  FOLDER    The ..."), else
// under the line's own first character.
qsizetype continuationIndent(const QString &line)
{
    static const QRegularExpression labelled(QStringLiteral("^ +\\S.*?\\s{2,}(?=\\S)"));
    if (const QRegularExpressionMatch m = labelled.match(line); m.hasMatch())
        return m.capturedLength();
    return leadingSpaces(line);
}

// Qt breaks a description where it sees fit, which is not always between
// words: its continuation lines are joined to the line they continue first.
// A piece without a space that fills its line is a word Qt cut at the edge.
QStringList logicalLines(const QString &text)
{
    QStringList lines;
    QString lastLine;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (!lines.isEmpty() && !line.trimmed().isEmpty()) {
            const QString &previous = lines.constLast();
            const qsizetype indent = continuationIndent(previous);
            if (indent > leadingSpaces(previous) && leadingSpaces(line) == indent) {
                const bool cutWord = lastLine.size() >= HelpWidth - 1
                    && !lastLine.mid(leadingSpaces(lastLine)).contains(QLatin1Char(' '));
                lines.last() += (cutWord ? QString() : QStringLiteral(" ")) + line.mid(indent);
                lastLine = line;
                continue;
            }
        }
        lines << line;
        lastLine = line;
    }
    return lines;
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

QString wrap(const QString &text, qsizetype width)
{
    QStringList out;
    for (const QString &line : logicalLines(text)) {
        if (line.size() <= width) {
            out << line;
            continue;
        }
        const qsizetype indent = continuationIndent(line);
        const QString margin(indent, QLatin1Char(' '));
        QString current = line.left(indent);
        bool empty = true;
        for (const QString &word : line.mid(indent).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            // A word longer than the room (a long path) stands on a line of its own.
            if (!empty && current.size() + 1 + word.size() > width) {
                out << current;
                current = margin;
                empty = true;
            }
            current += (empty ? QString() : QStringLiteral(" ")) + word;
            empty = false;
        }
        out << current;
    }
    return out.join(QLatin1Char('\n'));
}

QString usage(const QCommandLineParser &parser, const char *argv0)
{
    // Without an application object the parser cannot know the program's name.
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), programName(argv0));
    return wrap(text, HelpWidth);
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
