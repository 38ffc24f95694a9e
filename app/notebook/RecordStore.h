#pragma once

#include "NoteRecord.h"

#include <QByteArray>
#include <QString>

#include <limits>

// The note file "Notes.dat" in one folder and the counters the main window works
// with. Every failing operation returns false, leaves the file as it was and
// puts a sentence for the user into lastError().
//
// The store always leaves Notes.dat as whole records. When opening finds a
// file whose length is not a whole number of records, the count decides: a
// partly present last record that the count includes is completed with zero
// bytes, and bytes the count leaves out are moved into a file of their own
// beside Notes.dat (notice() then tells the user where), so that they never
// turn into a note and are never lost.
//
// When "Notes.dat" is a symbolic link the store works on the real file: the
// delete rewrites it beside that file and renames over it, so the link stays.
class RecordStore
{
public:
    explicit RecordStore(const QString &folder);
    ~RecordStore();
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    // Opens (creating when absent) and counts: CurrentRecord = 1, RecordCount >= 1.
    // Refuses a file of more notes than RecordCount can count, and a link
    // that leads nowhere.
    bool openAndCount();
    // After a successful open: a sentence for the user when bytes that made
    // no whole note were moved out of Notes.dat, otherwise empty.
    QString notice() const { return m_notice; }
    // The number of whole records the file holds now (0 for an empty file).
    qint64 storedRecords() const { return m_size / RecordLength; }
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
            && offset + RecordLength <= m_size) {
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
    // The note file as the store works on it (a link's real file, once opened),
    // and the temporary file of the delete beside it.
    QString notesPath() const;
    QString tempPath() const;

    // The most notes the counters can number.
    static constexpr qint32 MaxRecords = std::numeric_limits<qint32>::max();

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
    bool failWrite(const QString &what, int error, qint64 offset, const QByteArray &before, qint64 oldSize);
    bool makeWhole(int fd, qint64 size, qint64 whole);

    QString m_folder;
    QString m_path; // the real Notes.dat once opened
    QString m_notice;
    int m_fd = -1; // NotesFile
    QString m_lastError;
    // The file's length: a whole number of records.
    qint64 m_size = 0;
    // Read-ahead of whole blocks of records for scans; dropped on every change.
    QByteArray m_cache;
    qint64 m_cacheOffset = 0;
    qint64 m_cacheLength = 0;
    // A partly present last record, completed with zero bytes.
    char m_partial[NoteRecord::Size] = {};
};
