#pragma once

#include <QString>

#include <optional>

class QCommandLineParser;

// Reading a program's command line before its QApplication exists, so that
// --help, --version and a mistyped option are answered without a display and
// without touching any file.
namespace CommandLine {

// Exit status of a command line the program does not understand.
inline constexpr int UsageError = 2;

// Adds -h/--help. Qt's --help-all is left out.
void addHelpOption(QCommandLineParser &parser);

// Reads argv into parser, which has the help option, passing over Qt's own
// standard options (-platform offscreen, -style fusion, -reverse, ...): those
// are QApplication's, which takes them when it is created. Answers --help (usage
// on standard output, status 0), --version when the program
// has a version (name and version on standard output, status 0) and an unknown option or a missing value (the
// error and the usage on standard error, UsageError). nullopt: carry on.
std::optional<int> parse(QCommandLineParser &parser, int argc, char **argv);

// Lines of help text fit an 80-column terminal.
inline constexpr qsizetype HelpWidth = 79;

// text with every line longer than width broken at spaces; the continuation
// of an option's line stays under its description.
QString wrap(const QString &text, qsizetype width);

// The usage text, naming the program as it was started, wrapped to HelpWidth.
QString usage(const QCommandLineParser &parser, const char *argv0);

// Reports an error the program found in arguments the parser accepted:
// "<program>: <message>", a blank line and the usage, on standard error.
// Returns UsageError.
int reject(const QCommandLineParser &parser, const char *argv0, const QString &message);

} // namespace CommandLine
