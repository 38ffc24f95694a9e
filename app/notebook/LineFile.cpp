#include "notebook/LineFile.h"

#include "platform/files/FileOps.h"
#include "platform/text/FixedText.h"
#include "platform/files/SafeReplace.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace LineFile {

namespace {

// A word list this large is not one of ours; refuse it rather than fill memory.
constexpr qint64 MaxBytes = 64 * 1024 * 1024;

bool failed(QString *error, const QString &sentence)
{
    if (error)
        *error = sentence;
    return false;
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
    FileOps &ops = FileOps::instance();
    const QString name = QFileInfo(path).fileName();
    // Non-blocking, so that a pipe put in the file's place cannot hang the window.
    const int fd = ops.open(FileOps::encodePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC, 0);
    if (fd < 0) {
        if (errno == ENOENT)
            return true;
        return failed(error, QCoreApplication::translate("LineFile", "%1 could not be opened: %2.").arg(name, FileOps::errorText(errno)));
    }
    struct stat status;
    QString problem;
    QByteArray data;
    if (ops.fstat(fd, &status) != 0) {
        problem = QCoreApplication::translate("LineFile", "%1 could not be read: %2.").arg(name, FileOps::errorText(errno));
    } else if (!S_ISREG(status.st_mode)) {
        problem = QCoreApplication::translate("LineFile", "%1 is not a regular file.").arg(name);
    } else if (status.st_size > MaxBytes) {
        problem = QCoreApplication::translate("LineFile", "%1 is too large to be a list of names.").arg(name);
    } else {
        data.resize(status.st_size);
        const qint64 got = FileOps::preadFull(fd, data.data(), data.size(), 0);
        if (got < 0)
            problem = QCoreApplication::translate("LineFile", "%1 could not be read: %2.").arg(name, FileOps::errorText(errno));
        else
            data.resize(got);
    }
    ops.close(fd);
    if (!problem.isEmpty())
        return failed(error, problem);
    lines = splitLines(data);
    return true;
}

bool write(const QString &path, const QStringList &lines, QString *error)
{
    QByteArray data;
    for (const QString &line : lines) {
        data += FixedText::toCodePage(line);
        data += "\r\n";
    }
    return SafeReplace::writeFile(path, data, error);
}

} // namespace LineFile
