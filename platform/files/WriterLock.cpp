#include "platform/files/WriterLock.h"

#include "platform/files/FileOps.h"
#include "platform/files/LinkTarget.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

WriterLock::WriterLock(const QString &dataPath, const QString &lockName) : m_dataPath(dataPath), m_lockName(lockName) {}

WriterLock::~WriterLock()
{
    release();
}

WriterLock::Outcome WriterLock::acquire()
{
    if (isHeld())
        return Outcome::Held;
    m_error = 0;
    QString real;
    // A link that leads nowhere is the data file's to report; the lock then
    // stays beside the link.
    if (!LinkTarget::resolve(m_dataPath, &real, nullptr))
        real = m_dataPath;
    m_lockPath = QFileInfo(real).dir().filePath(m_lockName);
    FileOps &ops = FileOps::instance();
    const int fd = ops.open(FileOps::encodePath(m_lockPath).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_error = errno;
        return Outcome::OpenFailed;
    }
    if (ops.flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_error = errno;
        ops.close(fd);
        return m_error == EWOULDBLOCK ? Outcome::HeldByAnother : Outcome::LockFailed;
    }
    m_fd = fd;
    return Outcome::Held;
}

void WriterLock::release()
{
    // The file stays: removing it would let a third process lock a new file
    // while a second still waits on the old one.
    if (m_fd >= 0)
        FileOps::instance().close(m_fd);
    m_fd = -1;
}
