#include "notebook/InstanceLock.h"

#include "platform/files/FileOps.h"
#include "platform/files/LinkTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace {

// Beside the real note file: folders whose "Notes.dat" links to one file
// share one lock, and so one writer.
QString lockPath(const QString &folder)
{
    const QDir dir(folder);
    QString real;
    if (LinkTarget::resolve(dir.filePath(QStringLiteral("Notes.dat")), &real, nullptr))
        return QFileInfo(real).dir().filePath(QStringLiteral("Notes.lck"));
    // A link that leads nowhere is the note file's to report.
    return dir.filePath(QStringLiteral("Notes.lck"));
}

} // namespace

InstanceLock::InstanceLock(const QString &folder) : m_folder(folder) {}

InstanceLock::~InstanceLock()
{
    release();
}

bool InstanceLock::acquire()
{
    if (isHeld())
        return true;
    m_lastError.clear();
    m_heldByAnother = false;
    m_path = lockPath(m_folder);
    FileOps &ops = FileOps::instance();
    const int fd = ops.open(FileOps::encodePath(m_path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_lastError = QCoreApplication::translate("InstanceLock", "The lock file Notes.lck could not be opened: %1.").arg(FileOps::errorText(errno));
        return false;
    }
    // flock belongs to this open file, so a second lock fails even within one process.
    if (ops.flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ops.close(fd);
        m_heldByAnother = error == EWOULDBLOCK;
        m_lastError = m_heldByAnother
            ? QCoreApplication::translate("InstanceLock", "Another Jotwell is already working with the notes in this folder.")
            : QCoreApplication::translate("InstanceLock", "The lock file Notes.lck could not be locked: %1.").arg(FileOps::errorText(error));
        return false;
    }
    m_fd = fd;
    return true;
}

void InstanceLock::release()
{
    // The file stays: removing it would let a third process lock a new file
    // while a second still waits on the old one.
    if (m_fd >= 0)
        FileOps::instance().close(m_fd);
    m_fd = -1;
}
