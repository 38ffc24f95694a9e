#pragma once

#include "platform/files/WriterLock.h"

#include <QString>

// One writer per note file: a lock on "Notes.lck" next to "Notes.dat" (next to
// the real file when "Notes.dat" is a symbolic link), held for the life of
// the object. A second Jotwell working in the same folder (or a
// second lock in this process) fails to acquire it.
class InstanceLock
{
public:
    explicit InstanceLock(const QString &folder);

    // True when the lock is now held; otherwise lastError() says why.
    bool acquire();
    void release() { m_lock.release(); }
    bool isHeld() const { return m_lock.isHeld(); }
    // After a failed acquire(): true when another Jotwell holds the lock,
    // false when the lock file itself could not be opened or locked.
    bool heldByAnother() const { return m_heldByAnother; }
    QString lastError() const { return m_lastError; }
    // After acquire(), held or not: the lock file every Jotwell of these notes locks.
    QString path() const { return m_lock.lockPath(); }

private:
    WriterLock m_lock;
    QString m_lastError;
    bool m_heldByAnother = false;
};
