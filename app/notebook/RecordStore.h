#pragma once

#include "NoteRecord.h"

#include <QByteArray>
#include <QString>

// The note file "Notes.dat" in one folder and the counters the main window works
// with. Every failing operation returns false, leaves the file as it was and
// puts a sentence for the user into lastError().
//
// A file whose length is not a whole number of records loses no byte: a
// partly present last record reads with its missing bytes as zero, and bytes
// beyond the counted records (less than half a record) are kept but not shown.
// They move along behind a note appended over them and stay at the end of the
// file through a delete.
class RecordStore
{
public:
    explicit RecordStore(const QString &folder);
    ~RecordStore();
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    // Opens (creating when absent) and counts: CurrentRecord = 1, RecordCount >= 1.
    bool openAndCount();
    bool isOpen() const { return m_fd >= 0; }
    // Record k into WorkingNote; past the end reads nothing and succeeds.
    bool readRecord(int k) { return readRecord(k, WorkingNote); }
    bool readRecord(int k, NoteRecord &into);
    // Record k in its 244-byte form into bytes; found is false (and bytes
    // untouched) when the record lies past the end. For scans that look at
    // a few fields of every record without converting the texts.
    bool readRecordBytes(int k, char *bytes, bool &found);
    // The same without copying: bytes points at record k's 244 bytes, valid
    // until the next call on the store, or is nullptr past the end. Returns
    // false when a read failed.
    bool peekRecord(int k, const char *&bytes)
    {
        const qint64 offset = (qint64(k) - 1) * RecordLength;
        if (k >= 1 && offset >= m_cacheOffset && offset + RecordLength <= m_cacheOffset + m_cacheLength
            && offset + RecordLength <= m_dataEnd) {
            bytes = m_cache.constData() + (offset - m_cacheOffset);
            return true;
        }
        return peekUncached(k, bytes);
    }
    // WorkingNote as record k; RecordCount + 1 appends. The record is flushed
    // to the disk before this returns true.
    bool writeRecord(int k);
    // Rewrites the file without record k through "Notes.tmp", then updates
    // RecordCount and CurrentRecord. Returns false when the note could not be
    // deleted: the file and the counters are then as before and the store
    // stays open and usable. In the rare case that the note was deleted but
    // the folder could not be flushed to the disk afterwards, it returns true
    // and lastError() holds a warning (empty after every other success).
    bool deleteRecord(int k);

    QString lastError() const { return m_lastError; }
    QString notesPath() const;
    QString tempPath() const;

    static constexpr qint32 RecordLength = NoteRecord::Size;
    NoteRecord WorkingNote;
    qint32 CurrentRecord = 1;
    qint32 RecordCount = 1;

private:
    bool fail(const QString &what, int error);
    void closeFile();
    bool ensureCached(qint64 offset);
    bool peekUncached(int k, const char *&bytes);
    void dropCache() { m_cacheLength = 0; }
    bool restoreAfterFailedWrite(qint64 offset, const QByteArray &before, qint64 oldSize);

    QString m_folder;
    int m_fd = -1; // NotesFile
    QString m_lastError;
    // The file's length, and where the shown records end: bytes from there
    // to the file's end are the hidden tail (dataEnd == size when there is none).
    qint64 m_size = 0;
    qint64 m_dataEnd = 0;
    // Read-ahead of whole blocks of records for scans; dropped on every change.
    QByteArray m_cache;
    qint64 m_cacheOffset = 0;
    qint64 m_cacheLength = 0;
    // A partly present last record, completed with zero bytes.
    char m_partial[NoteRecord::Size] = {};
};
