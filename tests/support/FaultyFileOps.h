#pragma once

#include "platform/files/FileOps.h"

#include <QHash>
#include <QStringList>

#include <functional>

// File operations that pass through to the system but fail chosen calls.
// Calls are counted from 1 over every operation, whatever its kind.
//     FaultyFileOps faults;
//     faults.failCall(3, ENOSPC);
//     ScopedFileOps use(&faults);
//     ... faults.calls(), faults.log()
class FaultyFileOps : public FileOps
{
public:
    // Call n fails with the error number err (and does nothing).
    void failCall(int n, int err);
    // Call n and every call after it fail with err.
    void failFrom(int n, int err);
    // Call n, when it reads or writes, moves only half of its bytes.
    void shortCall(int n);
    // Runs before every call with its number and name; a crash test ends the
    // process from here.
    std::function<void(int call, const char *name)> beforeCall;
    // Forgets the calls counted and the faults planned.
    void reset();

    int calls() const { return m_calls; }
    // The names of the calls made, in order ("open", "pwrite", ...).
    QStringList log() const { return m_log; }
    // The same calls with what each worked on: "pwrite Notes.tmp",
    // "fsync Notes.tmp", "rename Notes.tmp Notes.dat" (file names only; a
    // descriptor is named after the file it was opened on).
    QStringList trace() const { return m_trace; }

    int open(const char *path, int flags, mode_t mode) override;
    int close(int fd) override;
    ssize_t pread(int fd, void *buffer, size_t count, off_t offset) override;
    ssize_t pwrite(int fd, const void *buffer, size_t count, off_t offset) override;
    int fsync(int fd) override;
    int fdatasync(int fd) override;
    int fstat(int fd, struct stat *status) override;
    int lstat(const char *path, struct stat *status) override;
    int ftruncate(int fd, off_t length) override;
    int fchmod(int fd, mode_t mode) override;
    int rename(const char *from, const char *to) override;
    int unlink(const char *path) override;
    int flock(int fd, int operation) override;

private:
    // Counts the call; true when it is to fail (errno is then set).
    bool fails(const char *name);
    bool fails(const char *name, int fd);
    bool fails(const char *name, const char *path, const char *to = nullptr);
    bool shortens() const { return m_calls == m_shortCall; }

    FileOps m_system;
    int m_calls = 0;
    int m_failCall = 0;
    int m_failFrom = 0;
    int m_failError = 0;
    int m_shortCall = 0;
    QStringList m_log;
    QStringList m_trace;
    QHash<int, QString> m_fdNames;
};

// Installs file operations for the life of the object, then restores the ones before.
class ScopedFileOps
{
public:
    explicit ScopedFileOps(FileOps *ops) : m_previous(FileOps::install(ops)) {}
    ~ScopedFileOps() { FileOps::install(m_previous); }
    ScopedFileOps(const ScopedFileOps &) = delete;
    ScopedFileOps &operator=(const ScopedFileOps &) = delete;

private:
    FileOps *m_previous;
};
