#include "notebook/InstanceLock.h"

#include "platform/files/FileOps.h"

#include <QCoreApplication>
#include <QDir>

InstanceLock::InstanceLock(const QString &folder)
    : m_lock(QDir(folder).filePath(QStringLiteral("Notes.dat")), QStringLiteral("Notes.lck"))
{
}

bool InstanceLock::acquire()
{
    if (isHeld())
        return true;
    m_lastError.clear();
    const WriterLock::Outcome outcome = m_lock.acquire();
    m_heldByAnother = outcome == WriterLock::Outcome::HeldByAnother;
    switch (outcome) {
    case WriterLock::Outcome::Held:
        return true;
    case WriterLock::Outcome::HeldByAnother:
        m_lastError = QCoreApplication::translate("InstanceLock", "Another Jotwell is already working with the notes in this folder.");
        break;
    case WriterLock::Outcome::OpenFailed:
        m_lastError = QCoreApplication::translate("InstanceLock", "The lock file Notes.lck could not be opened: %1.").arg(FileOps::errorText(m_lock.error()));
        break;
    case WriterLock::Outcome::LockFailed:
        m_lastError = QCoreApplication::translate("InstanceLock", "The lock file Notes.lck could not be locked: %1.").arg(FileOps::errorText(m_lock.error()));
        break;
    }
    return false;
}
