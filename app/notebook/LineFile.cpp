#include "notebook/LineFile.h"

#include "platform/files/SafeRead.h"
#include "platform/files/SafeReplace.h"
#include "platform/text/FixedText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace LineFile {

namespace {

bool failed(QString *error, const QString &sentence)
{
    if (error)
        *error = sentence;
    return false;
}

QString tooManyEntries(const QString &name)
{
    return QCoreApplication::translate("LineFile", "%1 holds more than %2 lines, more than a list can show.")
        .arg(name, QLocale().toString(MaxEntries));
}

// The lines a reader finds in data, counting no further than limit + 1, so
// that a file of millions of line ends is refused before a string is made.
qsizetype countLines(const QByteArray &data, qsizetype limit)
{
    const char *bytes = data.constData();
    const qsizetype length = data.size();
    qsizetype count = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < length && count <= limit; ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        ++count;
        if (bytes[i] == '\r' && i + 1 < length && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (count <= limit && start < length)
        ++count;
    return count;
}

QStringList splitLines(const QByteArray &data)
{
    QStringList lines;
    const char *bytes = data.constData();
    const qsizetype length = data.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < length; ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.append(FixedText::fromCodePage(QByteArrayView(bytes + start, i - start)));
        if (bytes[i] == '\r' && i + 1 < length && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < length)
        lines.append(FixedText::fromCodePage(QByteArrayView(bytes + start, length - start)));
    return lines;
}

} // namespace

bool read(const QString &path, QStringList &lines, QString *error)
{
    lines.clear();
    const QString name = QFileInfo(path).fileName();
    QByteArray data;
    // Non-blocking, so that a pipe put in the file's place cannot hang the window.
    const SafeRead::Result result = SafeRead::readAll(path, MaxBytes, &data);
    if (result.status == SafeRead::Status::Missing)
        return true;
    if (result.status == SafeRead::Status::TooLarge)
        return failed(error, QCoreApplication::translate("LineFile", "%1 is too large to be a list of names.").arg(name));
    if (!result.ok())
        return failed(error, SafeRead::problem(name, result));
    if (countLines(data, MaxEntries) > MaxEntries)
        return failed(error, tooManyEntries(name));
    lines = splitLines(data);
    return true;
}

bool write(const QString &path, const QStringList &lines, QString *error)
{
    const QString name = QFileInfo(path).fileName();
    // Counted as the reader will count them: an entry holding a line break
    // comes back as two.
    if (lines.size() > MaxEntries)
        return failed(error, tooManyEntries(name) + QCoreApplication::translate("LineFile", " It was not written."));
    QByteArray data;
    for (const QString &line : lines) {
        data += FixedText::toCodePage(line);
        data += "\r\n";
        if (data.size() > MaxBytes)
            return failed(error, QCoreApplication::translate("LineFile", "%1 would be too large to be a list of names. It was not written.").arg(name));
    }
    if (countLines(data, MaxEntries) > MaxEntries)
        return failed(error, tooManyEntries(name) + QCoreApplication::translate("LineFile", " It was not written."));
    return SafeReplace::writeFile(path, data, error);
}

} // namespace LineFile
