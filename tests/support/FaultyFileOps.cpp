#include "support/FaultyFileOps.h"

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
    return fails("open") ? -1 : m_system.open(path, flags, mode);
}

int FaultyFileOps::close(int fd)
{
    // A failing close still releases the descriptor, as on Linux.
    if (fails("close")) {
        const int error = errno;
        m_system.close(fd);
        errno = error;
        return -1;
    }
    return m_system.close(fd);
}

ssize_t FaultyFileOps::pread(int fd, void *buffer, size_t count, off_t offset)
{
    if (fails("pread"))
        return -1;
    return m_system.pread(fd, buffer, shortens() && count > 1 ? count / 2 : count, offset);
}

ssize_t FaultyFileOps::pwrite(int fd, const void *buffer, size_t count, off_t offset)
{
    if (fails("pwrite"))
        return -1;
    return m_system.pwrite(fd, buffer, shortens() && count > 1 ? count / 2 : count, offset);
}

int FaultyFileOps::fsync(int fd) { return fails("fsync") ? -1 : m_system.fsync(fd); }
int FaultyFileOps::fdatasync(int fd) { return fails("fdatasync") ? -1 : m_system.fdatasync(fd); }
int FaultyFileOps::fstat(int fd, struct stat *status) { return fails("fstat") ? -1 : m_system.fstat(fd, status); }
int FaultyFileOps::lstat(const char *path, struct stat *status) { return fails("lstat") ? -1 : m_system.lstat(path, status); }
int FaultyFileOps::ftruncate(int fd, off_t length) { return fails("ftruncate") ? -1 : m_system.ftruncate(fd, length); }
int FaultyFileOps::rename(const char *from, const char *to) { return fails("rename") ? -1 : m_system.rename(from, to); }
int FaultyFileOps::unlink(const char *path) { return fails("unlink") ? -1 : m_system.unlink(path); }
int FaultyFileOps::flock(int fd, int operation) { return fails("flock") ? -1 : m_system.flock(fd, operation); }
