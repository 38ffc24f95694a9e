#pragma once

#include <QString>

// One writer per data file: an exclusive lock on a lock file beside the real
// file (beside the file a symbolic link leads to), so that folders linking
// to one file share one lock. The lock belongs to the open lock file, so a
// second lock fails even within one process; it ends with the object.
class WriterLock
{
public:
    enum class Outcome { Held, HeldByAnother, OpenFailed, LockFailed };

    // dataPath: the data file; lockName: the lock file's name ("Notes.lck").
    WriterLock(const QString &dataPath, const QString &lockName);
    ~WriterLock();
    WriterLock(const WriterLock &) = delete;
    WriterLock &operator=(const WriterLock &) = delete;

    // Takes the lock without waiting. OpenFailed, LockFailed: error() holds
    // the system's reason.
    Outcome acquire();
    void release();
    bool isHeld() const { return m_fd >= 0; }
    // The lock file's path as last worked out by acquire().
    QString lockPath() const { return m_lockPath; }
    int error() const { return m_error; }

private:
    QString m_dataPath;
    QString m_lockName;
    QString m_lockPath;
    int m_fd = -1;
    int m_error = 0;
};
