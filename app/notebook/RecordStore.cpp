#include "notebook/RecordStore.h"

#include "platform/files/FileOps.h"
#include "platform/files/LinkTarget.h"
#include "platform/files/SafeReplace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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
// even number.
qint64 countRecords(qint64 size)
{
    qint64 count = size / Length;
    const qint64 rest = size % Length;
    if (2 * rest > Length || (2 * rest == Length && (count & 1)))
        ++count;
    return count;
}

qint64 recordOffset(int k)
{
    return Length * (qint64(k) - 1);
}

// A name beside the note file for bytes moved out of it, never one in use.
QString freeFragmentPath(const QString &notesPath)
{
    const QString base = notesPath + QStringLiteral(".fragment");
    QString path = base;
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = base + QLatin1Char('.') + QString::number(n);
    return path;
}

} // namespace

RecordStore::RecordStore(const QString &folder) : m_folder(folder) {}

RecordStore::~RecordStore()
{
    closeFile();
}

QString RecordStore::notesPath() const
{
    return m_path.isEmpty() ? QDir(m_folder).filePath(QStringLiteral("Notes.dat")) : m_path;
}

QString RecordStore::tempPath() const
{
    return QFileInfo(notesPath()).dir().filePath(QStringLiteral("Notes.tmp"));
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
    m_notice.clear();
    closeFile();
    CurrentRecord = 1;
    RecordCount = 1;
    FileOps &ops = FileOps::instance();
    const QString linkPath = QDir(m_folder).filePath(QStringLiteral("Notes.dat"));
    QString real;
    if (!LinkTarget::resolve(linkPath, &real, &m_lastError))
        return false;
    m_path = real;
    const QByteArray encoded = FileOps::encodePath(m_path);
    int fd = ops.open(encoded.constData(), O_RDWR | O_NOFOLLOW | O_CLOEXEC, 0);
    bool created = false;
    if (fd < 0 && errno == ENOENT) {
        // The notes are private: a new file is readable by its owner only.
        fd = ops.open(encoded.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        created = fd >= 0;
    }
    if (fd < 0)
        return fail(QCoreApplication::translate("RecordStore", "Notes.dat could not be opened"), errno);
    struct stat status;
    if (ops.fstat(fd, &status) != 0) {
        const int error = errno;
        ops.close(fd);
        return fail(QCoreApplication::translate("RecordStore", "Notes.dat could not be opened"), error);
    }
    if (!S_ISREG(status.st_mode)) {
        ops.close(fd);
        m_lastError = QCoreApplication::translate("RecordStore", "Notes.dat is not a regular file.");
        return false;
    }
    const qint64 count = countRecords(status.st_size);
    if (count > MaxRecords) {
        ops.close(fd);
        m_lastError = QCoreApplication::translate("RecordStore", "Notes.dat holds %1 notes, more than Jotwell can count (at most %2). "
                                     "Jotwell leaves the file as it is.")
                          .arg(count)
                          .arg(MaxRecords);
        return false;
    }
    // A new file's name must reach the disk as well as its contents will.
    if (created && !FileOps::syncDirectory(QFileInfo(m_path).absolutePath())) {
        const int error = errno;
        ops.close(fd);
        return fail(QCoreApplication::translate("RecordStore", "Notes.dat was created, but its folder could not be flushed to the disk"), error);
    }
    const qint64 whole = Length * count;
    if (whole != status.st_size && !makeWhole(fd, status.st_size, whole)) {
        ops.close(fd);
        return false;
    }
    m_fd = fd;
    m_size = whole;
    // An empty file is worked with as a file of one note.
    RecordCount = qint32(std::max<qint64>(count, 1));
    return true;
}

bool RecordStore::makeWhole(int fd, qint64 size, qint64 whole)
{
    FileOps &ops = FileOps::instance();
    QString aside;
    if (size > whole) {
        QByteArray fragment(size - whole, Qt::Uninitialized);
        const qint64 got = FileOps::preadFull(fd, fragment.data(), fragment.size(), whole);
        if (got != fragment.size())
            return fail(QCoreApplication::translate("RecordStore", "Notes.dat could not be read"), got < 0 ? errno : EIO);
        aside = freeFragmentPath(m_path);
        QString error;
        if (!SafeReplace::writeFile(aside, fragment, &error)) {
            m_lastError = QCoreApplication::translate("RecordStore", "Notes.dat ends in %1 bytes that make no whole note, and they could not be "
                                         "kept aside in %2. %3 Notes.dat was left as it is.")
                              .arg(size - whole)
                              .arg(QFileInfo(aside).fileName(), error);
            return false;
        }
    }
    // The bytes cut off are safe in the file aside by now.
    if (ops.ftruncate(fd, off_t(whole)) != 0 || ops.fdatasync(fd) != 0)
        return fail(QCoreApplication::translate("RecordStore", "Notes.dat could not be made a file of whole notes"), errno);
    if (!aside.isEmpty()) {
        m_notice = QCoreApplication::translate("RecordStore", "Notes.dat ended in %1 bytes that make no whole note. They were moved into the "
                                  "file %2 beside it, so that nothing is lost, and Notes.dat now holds whole notes "
                                  "only.")
                       .arg(size - whole)
                       .arg(QDir::toNativeSeparators(aside));
    }
    return true;
}

bool RecordStore::ensureCached(qint64 offset)
{
    const qint64 wanted = std::min(Length, m_size - offset);
    if (offset >= m_cacheOffset && offset + wanted <= m_cacheOffset + m_cacheLength)
        return true;
    if (m_cache.size() < CacheBytes)
        m_cache.resize(CacheBytes);
    dropCache();
    const qint64 got = FileOps::preadFull(m_fd, m_cache.data(), std::min(CacheBytes, m_size - offset), offset);
    if (got < 0)
        return fail(QCoreApplication::translate("RecordStore", "Notes.dat could not be read"), errno);
    m_cacheOffset = offset;
    m_cacheLength = got;
    return true;
}

bool RecordStore::peekUncached(int k, const char *&bytes)
{
    bytes = nullptr;
    m_lastError.clear();
    if (m_fd < 0) {
        m_lastError = QCoreApplication::translate("RecordStore", "Notes.dat is not open.");
        return false;
    }
    if (k < 1)
        return true;
    const qint64 offset = recordOffset(k);
    if (offset >= m_size)
        return true;
    if (!ensureCached(offset))
        return false;
    // A file cut short by someone else since it was counted reads what is left.
    const qint64 present = std::min({Length, m_size - offset, m_cacheOffset + m_cacheLength - offset});
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
    return FileOps::instance().ftruncate(m_fd, off_t(oldSize)) == 0 && restored
        && FileOps::instance().fdatasync(m_fd) == 0;
}

bool RecordStore::failWrite(const QString &what, int error, qint64 offset, const QByteArray &before, qint64 oldSize)
{
    fail(what, error);
    if (!restoreAfterFailedWrite(offset, before, oldSize)) {
        m_lastError += QCoreApplication::translate("RecordStore", "\nPutting back what Notes.dat held there failed as well, so note %1 in the "
                                      "file may now be partly the new note and partly the old one.")
                           .arg(offset / Length + 1);
    }
    return false;
}

bool RecordStore::writeRecord(int k)
{
    m_lastError.clear();
    if (m_fd < 0) {
        m_lastError = QCoreApplication::translate("RecordStore", "Notes.dat is not open.");
        return false;
    }
    if (k < 1) {
        m_lastError = QCoreApplication::translate("RecordStore", "There is no note number %1.").arg(k);
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
            return fail(QCoreApplication::translate("RecordStore", "The note could not be saved, Notes.dat could not be read"), errno);
        before.resize(got);
    }

    if (!FileOps::pwriteAll(m_fd, bytes.constData(), Length, offset))
        return failWrite(QCoreApplication::translate("RecordStore", "The note could not be saved to Notes.dat"), errno, offset, before, oldSize);
    // Only the data and the length need to reach the disk, which keeps Save
    // quick. A note that may not have reached it is taken back, so that a
    // failure always means the file as it was.
    if (FileOps::instance().fdatasync(m_fd) != 0)
        return failWrite(QCoreApplication::translate("RecordStore", "The note could not be saved to the disk"), errno, offset, before, oldSize);
    m_size = std::max(m_size, offset + Length);
    return true;
}

bool RecordStore::deleteRecord(int k)
{
    m_lastError.clear();
    if (m_fd < 0) {
        m_lastError = QCoreApplication::translate("RecordStore", "Notes.dat is not open.");
        return false;
    }
    if (k < 1 || k > RecordCount) {
        m_lastError = QCoreApplication::translate("RecordStore", "There is no note number %1 to delete.").arg(k);
        return false;
    }
    const qint64 offset = recordOffset(k);
    // A note that was never written has nothing to remove from the file.
    const bool rewrite = offset < m_size;
    if (rewrite) {
        FileOps &ops = FileOps::instance();
        struct stat status;
        if (ops.fstat(m_fd, &status) != 0)
            return fail(QCoreApplication::translate("RecordStore", "The note could not be deleted, Notes.dat could not be examined"), errno);
        const qint64 cut = std::min(Length, m_size - offset);
        const qint64 size = status.st_size;

        QString error;
        const int temp = SafeReplace::createTemp(tempPath(), status.st_mode & 0777, &error);
        if (temp < 0) {
            m_lastError = QCoreApplication::translate("RecordStore", "The note could not be deleted. %1").arg(error);
            return false;
        }

        // Everything but the note's bytes, in large blocks.
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
                    what = QCoreApplication::translate("RecordStore", "Notes.dat could not be read");
                    failure = got < 0 ? errno : EIO;
                    break;
                }
                if (!FileOps::pwriteAll(temp, buffer.constData(), got, to)) {
                    what = QCoreApplication::translate("RecordStore", "Notes.tmp could not be written");
                    failure = errno;
                    break;
                }
                from += got;
                to += got;
            }
        }
        if (what.isEmpty() && ops.fsync(temp) != 0) {
            what = QCoreApplication::translate("RecordStore", "Notes.tmp could not be flushed to the disk");
            failure = errno;
        }
        const QByteArray tempName = FileOps::encodePath(tempPath());
        if (what.isEmpty() && ops.rename(tempName.constData(), FileOps::encodePath(notesPath()).constData()) != 0) {
            what = QCoreApplication::translate("RecordStore", "Notes.tmp could not be renamed to Notes.dat");
            failure = errno;
        }
        if (!what.isEmpty()) {
            ops.close(temp);
            ops.unlink(tempName.constData());
            return fail(QCoreApplication::translate("RecordStore", "The note could not be deleted, %1").arg(what), failure);
        }

        // The file written is the file renamed: its handle becomes the note file's,
        // so there is nothing to reopen and nothing that can fail after the rename
        // but the flush of the folder.
        ops.close(m_fd);
        m_fd = temp;
        dropCache();
        m_size = size - cut;
    }

    RecordCount = std::max(RecordCount - 1, 1);
    CurrentRecord = std::min(CurrentRecord, RecordCount);

    // The note is gone from the file either way; only the rename's durability is in doubt.
    if (rewrite && !FileOps::syncDirectory(QFileInfo(notesPath()).absolutePath()))
        fail(QCoreApplication::translate("RecordStore", "The note was deleted, but the folder of Notes.dat could not be flushed to the disk"), errno);
    return true;
}
