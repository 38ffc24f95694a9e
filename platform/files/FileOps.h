#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

struct stat;

// The one seam for file operations on the data files. Each call behaves like
// the POSIX function of the same name: -1 (or a short count) and errno on
// failure. The program uses the system calls; tests install an implementation
// that fails a chosen call, to prove that every failure leaves the data whole.
class FileOps
{
public:
    virtual ~FileOps() = default;

    virtual int open(const char *path, int flags, mode_t mode);
    virtual int close(int fd);
    virtual ssize_t pread(int fd, void *buffer, size_t count, off_t offset);
    virtual ssize_t pwrite(int fd, const void *buffer, size_t count, off_t offset);
    virtual int fsync(int fd);
    virtual int fdatasync(int fd);
    virtual int fstat(int fd, struct stat *status);
    virtual int lstat(const char *path, struct stat *status);
    virtual int ftruncate(int fd, off_t length);
    virtual int fchmod(int fd, mode_t mode);
    virtual int rename(const char *from, const char *to);
    virtual int unlink(const char *path);
    virtual int flock(int fd, int operation);

    // The installed implementation; the system one when none was installed.
    static FileOps &instance();
    // Installs an implementation the caller keeps alive; nullptr restores the
    // system one. Returns the one installed before.
    static FileOps *install(FileOps *ops);

    // Helpers over instance(), retrying on EINTR and on short counts.
    // Writes all of count bytes at offset; false with errno set otherwise.
    static bool pwriteAll(int fd, const char *data, qint64 count, qint64 offset);
    // Reads up to count bytes at offset, stopping only at the end of the file;
    // the number read, or -1 with errno set.
    static qint64 preadFull(int fd, char *data, qint64 count, qint64 offset);
    // Makes a rename or a creation in the folder durable.
    static bool syncDirectory(const QString &folder);
    // The operating system's text for an error number, e.g. "No space left on device".
    static QString errorText(int error);
    static QByteArray encodePath(const QString &path);
};
