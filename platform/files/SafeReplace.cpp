#include "platform/files/SafeReplace.h"

#include "platform/files/FileOps.h"
#include "platform/files/LinkTarget.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace SafeReplace {

namespace {

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

QString sentence(const QString &what, int error)
{
    return QStringLiteral("%1: %2.").arg(what, FileOps::errorText(error));
}

} // namespace

int createTemp(const QString &tempPath, mode_t mode, QString *error)
{
    FileOps &ops = FileOps::instance();
    const QByteArray path = FileOps::encodePath(tempPath);
    struct stat status;
    if (ops.lstat(path.constData(), &status) == 0) {
        // unlink removes a symbolic link itself, never what it points to.
        if (ops.unlink(path.constData()) != 0) {
            if (error)
                *error = sentence(QStringLiteral("The old temporary file %1 could not be removed").arg(fileName(tempPath)), errno);
            return -1;
        }
    } else if (errno != ENOENT) {
        if (error)
            *error = sentence(QStringLiteral("The temporary file %1 could not be checked").arg(fileName(tempPath)), errno);
        return -1;
    }
    // Exclusive: if anything took the name since, we fail instead of writing through it.
    const int fd = ops.open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) {
        if (error)
            *error = sentence(QStringLiteral("The temporary file %1 could not be created").arg(fileName(tempPath)), errno);
        return -1;
    }
    // The umask narrowed the mode given to open; the new file is to have it exactly.
    if (ops.fchmod(fd, mode) != 0) {
        const int failure = errno;
        ops.close(fd);
        ops.unlink(path.constData());
        if (error)
            *error = sentence(QStringLiteral("The permissions of the temporary file %1 could not be set").arg(fileName(tempPath)), failure);
        return -1;
    }
    return fd;
}

int createUniqueTemp(const QString &path, mode_t mode, QString *tempPath, QString *error)
{
    FileOps &ops = FileOps::instance();
    // Names made up at random and created exclusively: writers in other
    // processes, through other links to the same file, each get their own.
    static constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    int failure = EEXIST;
    for (int attempt = 0; attempt < 100 && failure == EEXIST; ++attempt) {
        QString tag;
        for (int i = 0; i < 8; ++i)
            tag += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)]);
        *tempPath = QStringLiteral("%1.%2.tmp").arg(path, tag);
        const QByteArray encoded = FileOps::encodePath(*tempPath);
        const int fd = ops.open(encoded.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0) {
            failure = errno;
            continue;
        }
        // The umask narrowed the mode given to open; the new file is to have it exactly.
        if (ops.fchmod(fd, mode) != 0) {
            failure = errno;
            ops.close(fd);
            ops.unlink(encoded.constData());
            if (error)
                *error = sentence(QStringLiteral("The permissions of the temporary file %1 could not be set").arg(fileName(*tempPath)), failure);
            return -1;
        }
        return fd;
    }
    if (error)
        *error = sentence(QStringLiteral("A temporary file for %1 could not be created").arg(fileName(path)), failure);
    return -1;
}

bool writeFile(const QString &givenPath, const QByteArray &data, QString *error, Links links)
{
    FileOps &ops = FileOps::instance();
    const QString name = fileName(givenPath);
    // A linked file is replaced where it really lives and the link itself
    // stays, unless the caller replaces the link.
    QString path = givenPath;
    if (links == Links::WriteTarget && !LinkTarget::resolve(givenPath, &path, error)) {
        if (error)
            *error += QStringLiteral(" %1 was not written.").arg(name);
        return false;
    }

    // A new file keeps the permissions of the one it replaces; a first one is private.
    mode_t mode = 0600;
    struct stat status;
    if (ops.lstat(FileOps::encodePath(path).constData(), &status) == 0 && S_ISREG(status.st_mode))
        mode = status.st_mode & 0777;

    QString tempPath;
    const int fd = createUniqueTemp(path, mode, &tempPath, error);
    if (fd < 0)
        return false;
    const QByteArray encodedTemp = FileOps::encodePath(tempPath);

    QString failure;
    int failureError = 0;
    if (!FileOps::pwriteAll(fd, data.constData(), data.size(), 0)) {
        failure = QStringLiteral("%1 could not be written").arg(name);
        failureError = errno;
    } else if (ops.fsync(fd) != 0) {
        failure = QStringLiteral("%1 could not be flushed to the disk").arg(name);
        failureError = errno;
    }
    if (ops.close(fd) != 0 && failure.isEmpty()) {
        failure = QStringLiteral("%1 could not be written").arg(name);
        failureError = errno;
    }
    if (failure.isEmpty() && ops.rename(encodedTemp.constData(), FileOps::encodePath(path).constData()) != 0) {
        failure = QStringLiteral("%1 could not be replaced").arg(name);
        failureError = errno;
    }
    if (!failure.isEmpty()) {
        ops.unlink(encodedTemp.constData());
        if (error)
            *error = sentence(failure, failureError);
        return false;
    }
    if (!FileOps::syncDirectory(QFileInfo(path).absolutePath())) {
        if (error)
            *error = sentence(QStringLiteral("%1 was written, but its folder could not be flushed to the disk").arg(name), errno);
        return false;
    }
    return true;
}

} // namespace SafeReplace
