#include "notebook/RecordStore.h"

#include "platform/files/FileOps.h"
#include "platform/files/SafeReplace.h"

#include <QDir>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>

namespace {

constexpr qint64 Length = RecordStore::RecordLength;
// Scans read ahead this many records at a time.
constexpr qint64 CacheBytes = 1024 * Length;
// The delete copies the file in blocks of this size.
constexpr qint64 CopyBytes = 1 << 20;

// The file's length in records, rounded to the nearest with a tie going to the
// even number, at least 1, and small enough that one more still fits.
qint32 countRecords(qint64 size)
{
    qint64 count = size / Length;
    const qint64 rest = size % Length;
    if (2 * rest > Length || (2 * rest == Length && (count & 1)))
        ++count;
    return qint32(std::clamp<qint64>(count, 1, std::numeric_limits<qint32>::max() - 1));
}

qint64 recordOffset(int k)
{
    return Length * (qint64(k) - 1);
}

} // namespace

RecordStore::RecordStore(const QString &folder) : m_folder(folder) {}

RecordStore::~RecordStore()
{
    closeFile();
}

QString RecordStore::notesPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("Notes.dat"));
}

QString RecordStore::tempPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("Notes.tmp"));
}

bool RecordStore::fail(const QString &what, int error)
{
    m_lastError = QStringLiteral("%1: %2.").arg(what, FileOps::errorText(error));
    return false;
}

void RecordStore::closeFile()
{
    if (m_fd >= 0)
        FileOps::instance().close(m_fd);
    m_fd = -1;
    dropCache();
}

bool RecordStore::openAndCount()
{
    m_lastError.clear();
    closeFile();
    CurrentRecord = 1;
    RecordCount = 1;
    FileOps &ops = FileOps::instance();
    // The notes are private: a new file is readable by its owner only.
    const int fd = ops.open(FileOps::encodePath(notesPath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return fail(QStringLiteral("Notes.dat could not be opened"), errno);
    struct stat status;
    if (ops.fstat(fd, &status) != 0) {
        const int error = errno;
        ops.close(fd);
        return fail(QStringLiteral("Notes.dat could not be opened"), error);
    }
    if (!S_ISREG(status.st_mode)) {
        ops.close(fd);
        m_lastError = QStringLiteral("Notes.dat is not a regular file.");
        return false;
    }
    m_fd = fd;
    m_size = status.st_size;
    RecordCount = countRecords(m_size);
    m_dataEnd = std::min(m_size, Length * RecordCount);
    return true;
}

bool RecordStore::ensureCached(qint64 offset)
{
    const qint64 wanted = std::min(Length, m_dataEnd - offset);
    if (offset >= m_cacheOffset && offset + wanted <= m_cacheOffset + m_cacheLength)
        return true;
    if (m_cache.size() < CacheBytes)
        m_cache.resize(CacheBytes);
    dropCache();
    const qint64 got = FileOps::preadFull(m_fd, m_cache.data(), std::min(CacheBytes, m_dataEnd - offset), offset);
    if (got < 0)
        return fail(QStringLiteral("Notes.dat could not be read"), errno);
    m_cacheOffset = offset;
    m_cacheLength = got;
    return true;
}

bool RecordStore::peekUncached(int k, const char *&bytes)
{
    bytes = nullptr;
    m_lastError.clear();
    if (m_fd < 0) {
        m_lastError = QStringLiteral("Notes.dat is not open.");
        return false;
    }
    if (k < 1)
        return true;
    const qint64 offset = recordOffset(k);
    if (offset >= m_dataEnd)
        return true;
    if (!ensureCached(offset))
        return false;
    // A file cut short by someone else since it was counted reads what is left.
    const qint64 present = std::min({Length, m_dataEnd - offset, m_cacheOffset + m_cacheLength - offset});
    if (present <= 0)
        return true;
    bytes = m_cache.constData() + (offset - m_cacheOffset);
    if (present < Length) {
        std::memcpy(m_partial, bytes, size_t(present));
        std::memset(m_partial + present, 0, size_t(Length - present));
        bytes = m_partial;
    }
    return true;
}

bool RecordStore::readRecordBytes(int k, char *bytes, bool &found)
{
    const char *record = nullptr;
    const bool ok = peekRecord(k, record);
    found = record != nullptr;
    if (found)
        std::memcpy(bytes, record, size_t(Length));
    return ok;
}

bool RecordStore::readRecord(int k, NoteRecord &into)
{
    char bytes[NoteRecord::Size];
    bool found = false;
    if (!readRecordBytes(k, bytes, found))
        return false;
    if (found)
        into = NoteRecord::fromBytes(bytes);
    return true;
}

bool RecordStore::restoreAfterFailedWrite(qint64 offset, const QByteArray &before, qint64 oldSize)
{
    // Best effort: the write that failed may have moved some of its bytes.
    bool restored = true;
    if (!before.isEmpty())
        restored = FileOps::pwriteAll(m_fd, before.constData(), before.size(), offset);
    return FileOps::instance().ftruncate(m_fd, off_t(oldSize)) == 0 && restored;
}

bool RecordStore::writeRecord(int k)
{
    m_lastError.clear();
    if (m_fd < 0) {
        m_lastError = QStringLiteral("Notes.dat is not open.");
        return false;
    }
    if (k < 1) {
        m_lastError = QStringLiteral("There is no note number %1.").arg(k);
        return false;
    }
    dropCache();
    const QByteArray bytes = WorkingNote.toBytes();
    const qint64 offset = recordOffset(k);
    const qint64 oldSize = m_size;

    // What the record overwrites, to put back if the write fails halfway.
    QByteArray before;
    if (offset < m_size) {
        before.resize(std::min(Length, m_size - offset));
        const qint64 got = FileOps::preadFull(m_fd, before.data(), before.size(), offset);
        if (got < 0)
            return fail(QStringLiteral("The note could not be saved, Notes.dat could not be read"), errno);
        before.resize(got);
    }

    // A hidden tail where this record goes moves on behind it.
    QByteArray tail;
    qint64 tailOffset = -1;
    if (m_dataEnd < m_size && offset < m_size && offset + Length > m_dataEnd) {
        tail = before;
        tailOffset = offset + Length;
    }

    if ((tailOffset >= 0 && !FileOps::pwriteAll(m_fd, tail.constData(), tail.size(), tailOffset))
        || !FileOps::pwriteAll(m_fd, bytes.constData(), Length, offset)) {
        const int error = errno;
        restoreAfterFailedWrite(offset, before, oldSize);
        return fail(QStringLiteral("The note could not be saved to Notes.dat"), error);
    }
    // Only the data and the length need to reach the disk, which keeps Save
    // quick. A note that may not have reached it is taken back, so that a
    // failure always means the file as it was.
    if (FileOps::instance().fdatasync(m_fd) != 0) {
        const int error = errno;
        restoreAfterFailedWrite(offset, before, oldSize);
        return fail(QStringLiteral("The note could not be saved to the disk"), error);
    }

    if (tailOffset >= 0) {
        m_size = tailOffset + tail.size();
        m_dataEnd = tailOffset;
    } else if (offset + Length > m_dataEnd) {
        m_size = std::max(m_size, offset + Length);
        m_dataEnd = offset + Length;
    }
    return true;
}

bool RecordStore::deleteRecord(int k)
{
    m_lastError.clear();
    if (m_fd < 0) {
        m_lastError = QStringLiteral("Notes.dat is not open.");
        return false;
    }
    if (k < 1 || k > RecordCount) {
        m_lastError = QStringLiteral("There is no note number %1 to delete.").arg(k);
        return false;
    }
    const qint64 offset = recordOffset(k);
    // A note that was never written has nothing to remove from the file.
    const bool rewrite = offset < m_dataEnd;
    if (rewrite) {
        FileOps &ops = FileOps::instance();
        struct stat status;
        if (ops.fstat(m_fd, &status) != 0)
            return fail(QStringLiteral("The note could not be deleted, Notes.dat could not be examined"), errno);
        const qint64 cut = std::min(Length, m_dataEnd - offset);
        const qint64 size = status.st_size;

        QString error;
        const int temp = SafeReplace::createTemp(tempPath(), status.st_mode & 0777, &error);
        if (temp < 0) {
            m_lastError = QStringLiteral("The note could not be deleted. %1").arg(error);
            return false;
        }

        // Everything but the note's bytes, the hidden tail included, in large blocks.
        QByteArray buffer(CopyBytes, Qt::Uninitialized);
        QString what;
        int failure = 0;
        qint64 to = 0;
        const qint64 ranges[2][2] = {{0, std::min(offset, size)}, {offset + cut, size}};
        for (const auto &range : ranges) {
            for (qint64 from = range[0]; from < range[1] && what.isEmpty();) {
                const qint64 got = FileOps::preadFull(m_fd, buffer.data(), std::min(CopyBytes, range[1] - from), from);
                if (got <= 0) {
                    // Shorter than measured a moment ago: someone else cut it.
                    what = QStringLiteral("Notes.dat could not be read");
                    failure = got < 0 ? errno : EIO;
                    break;
                }
                if (!FileOps::pwriteAll(temp, buffer.constData(), got, to)) {
                    what = QStringLiteral("Notes.tmp could not be written");
                    failure = errno;
                    break;
                }
                from += got;
                to += got;
            }
        }
        if (what.isEmpty() && ops.fsync(temp) != 0) {
            what = QStringLiteral("Notes.tmp could not be flushed to the disk");
            failure = errno;
        }
        const QByteArray tempName = FileOps::encodePath(tempPath());
        if (what.isEmpty() && ops.rename(tempName.constData(), FileOps::encodePath(notesPath()).constData()) != 0) {
            what = QStringLiteral("Notes.tmp could not be renamed to Notes.dat");
            failure = errno;
        }
        if (!what.isEmpty()) {
            ops.close(temp);
            ops.unlink(tempName.constData());
            return fail(QStringLiteral("The note could not be deleted, %1").arg(what), failure);
        }

        // The file written is the file renamed: its handle becomes the note file's,
        // so there is nothing to reopen and nothing that can fail after the rename
        // but the flush of the folder.
        ops.close(m_fd);
        m_fd = temp;
        dropCache();
        m_size = size - cut;
        m_dataEnd -= cut;
    }

    RecordCount = std::max(RecordCount - 1, 1);
    CurrentRecord = std::min(CurrentRecord, RecordCount);

    // The note is gone from the file either way; only the rename's durability is in doubt.
    if (rewrite && !FileOps::syncDirectory(m_folder))
        fail(QStringLiteral("The note was deleted, but the folder of Notes.dat could not be flushed to the disk"), errno);
    return true;
}
