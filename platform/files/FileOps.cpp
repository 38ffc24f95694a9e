#include "platform/files/FileOps.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileOps systemOps;
FileOps *installedOps = nullptr;

} // namespace

int FileOps::open(const char *path, int flags, mode_t mode) { return ::open(path, flags, mode); }
int FileOps::close(int fd) { return ::close(fd); }
ssize_t FileOps::pread(int fd, void *buffer, size_t count, off_t offset) { return ::pread(fd, buffer, count, offset); }
ssize_t FileOps::pwrite(int fd, const void *buffer, size_t count, off_t offset) { return ::pwrite(fd, buffer, count, offset); }
int FileOps::fsync(int fd) { return ::fsync(fd); }
int FileOps::fdatasync(int fd) { return ::fdatasync(fd); }
int FileOps::fstat(int fd, struct stat *status) { return ::fstat(fd, status); }
int FileOps::lstat(const char *path, struct stat *status) { return ::lstat(path, status); }
int FileOps::ftruncate(int fd, off_t length) { return ::ftruncate(fd, length); }
int FileOps::fchmod(int fd, mode_t mode) { return ::fchmod(fd, mode); }
int FileOps::rename(const char *from, const char *to) { return ::rename(from, to); }
int FileOps::unlink(const char *path) { return ::unlink(path); }
int FileOps::flock(int fd, int operation) { return ::flock(fd, operation); }

FileOps &FileOps::instance()
{
    return installedOps ? *installedOps : systemOps;
}

FileOps *FileOps::install(FileOps *ops)
{
    FileOps *previous = installedOps;
    installedOps = ops;
    return previous;
}

bool FileOps::pwriteAll(int fd, const char *data, qint64 count, qint64 offset)
{
    while (count > 0) {
        const ssize_t written = instance().pwrite(fd, data, size_t(count), off_t(offset));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            // A write that moves nothing would loop for ever; the disk is as good as full.
            errno = ENOSPC;
            return false;
        }
        data += written;
        count -= written;
        offset += written;
    }
    return true;
}

qint64 FileOps::preadFull(int fd, char *data, qint64 count, qint64 offset)
{
    qint64 total = 0;
    while (total < count) {
        const ssize_t got = instance().pread(fd, data + total, size_t(count - total), off_t(offset + total));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

bool FileOps::syncDirectory(const QString &folder)
{
    const int fd = instance().open(encodePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool synced = instance().fsync(fd) == 0;
    const int syncError = errno;
    instance().close(fd);
    errno = syncError;
    return synced;
}

QString FileOps::errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray FileOps::encodePath(const QString &path)
{
    return QFile::encodeName(path);
}
