#include "support/FaultyFileOps.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

void FaultyFileOps::failCall(int n, int err)
{
    m_failCall = n;
    m_failError = err;
}

void FaultyFileOps::failFrom(int n, int err)
{
    m_failFrom = n;
    m_failError = err;
}

void FaultyFileOps::shortCall(int n)
{
    m_shortCall = n;
}

void FaultyFileOps::reset()
{
    m_calls = 0;
    m_failCall = 0;
    m_failFrom = 0;
    m_failError = 0;
    m_shortCall = 0;
    m_log.clear();
    m_trace.clear();
}

bool FaultyFileOps::fails(const char *name, int fd)
{
    m_trace.append(QStringLiteral("%1 %2").arg(QLatin1String(name), m_fdNames.value(fd, QStringLiteral("?"))));
    return fails(name);
}

bool FaultyFileOps::fails(const char *name, const char *path, const char *to)
{
    QString entry = QStringLiteral("%1 %2").arg(QLatin1String(name), QFileInfo(QFile::decodeName(path)).fileName());
    if (to)
        entry += QLatin1Char(' ') + QFileInfo(QFile::decodeName(to)).fileName();
    m_trace.append(entry);
    return fails(name);
}

bool FaultyFileOps::fails(const char *name)
{
    ++m_calls;
    m_log.append(QString::fromLatin1(name));
    if (beforeCall)
        beforeCall(m_calls, name);
    if (m_calls == m_failCall || (m_failFrom > 0 && m_calls >= m_failFrom)) {
        errno = m_failError;
        return true;
    }
    return false;
}

int FaultyFileOps::open(const char *path, int flags, mode_t mode)
{
    if (fails("open", path))
        return -1;
    const int fd = m_system.open(path, flags, mode);
    if (fd >= 0)
        m_fdNames.insert(fd, QFileInfo(QFile::decodeName(path)).fileName());
    return fd;
}

int FaultyFileOps::close(int fd)
{
    // A failing close still releases the descriptor, as on Linux.
    const bool failing = fails("close", fd);
    m_fdNames.remove(fd);
    if (failing) {
        const int error = errno;
        m_system.close(fd);
        errno = error;
        return -1;
    }
    return m_system.close(fd);
}

ssize_t FaultyFileOps::pread(int fd, void *buffer, size_t count, off_t offset)
{
    if (fails("pread", fd))
        return -1;
    return m_system.pread(fd, buffer, shortens() && count > 1 ? count / 2 : count, offset);
}

ssize_t FaultyFileOps::pwrite(int fd, const void *buffer, size_t count, off_t offset)
{
    if (fails("pwrite", fd))
        return -1;
    return m_system.pwrite(fd, buffer, shortens() && count > 1 ? count / 2 : count, offset);
}

int FaultyFileOps::fsync(int fd) { return fails("fsync", fd) ? -1 : m_system.fsync(fd); }
int FaultyFileOps::fdatasync(int fd) { return fails("fdatasync", fd) ? -1 : m_system.fdatasync(fd); }
int FaultyFileOps::fstat(int fd, struct stat *status) { return fails("fstat", fd) ? -1 : m_system.fstat(fd, status); }
int FaultyFileOps::lstat(const char *path, struct stat *status) { return fails("lstat", path) ? -1 : m_system.lstat(path, status); }
int FaultyFileOps::ftruncate(int fd, off_t length) { return fails("ftruncate", fd) ? -1 : m_system.ftruncate(fd, length); }
int FaultyFileOps::rename(const char *from, const char *to) { return fails("rename", from, to) ? -1 : m_system.rename(from, to); }
int FaultyFileOps::unlink(const char *path) { return fails("unlink", path) ? -1 : m_system.unlink(path); }
int FaultyFileOps::flock(int fd, int operation) { return fails("flock", fd) ? -1 : m_system.flock(fd, operation); }
int FaultyFileOps::fchmod(int fd, mode_t mode) { return fails("fchmod", fd) ? -1 : m_system.fchmod(fd, mode); }
