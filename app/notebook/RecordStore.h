#pragma once

#include "NoteRecord.h"

#include <QString>

// The note file "Notes.dat" in one folder and the counters the main window works
// with. Every failing operation returns false, leaves the file as it was and
// puts a sentence for the user into lastError().
class RecordStore
{
public:
    explicit RecordStore(const QString &folder);
    ~RecordStore();
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    // Opens (creating when absent) and counts: CurrentRecord = 1, RecordCount >= 1.
    bool openAndCount();
    // Record k into WorkingNote; past the end reads nothing and succeeds.
    bool readRecord(int k) { return readRecord(k, WorkingNote); }
    bool readRecord(int k, NoteRecord &into);
    // WorkingNote as record k; RecordCount + 1 appends.
    bool writeRecord(int k);
    // Rewrites the file without record k through "Notes.tmp", then updates
    // RecordCount and CurrentRecord.
    bool deleteRecord(int k);

    QString lastError() const { return m_lastError; }
    QString notesPath() const;

    static constexpr qint32 RecordLength = NoteRecord::Size;
    NoteRecord WorkingNote;
    qint32 CurrentRecord = 1;
    qint32 RecordCount = 1;

private:
    QString m_folder;
    int m_fd = -1; // NotesFile
    QString m_lastError;
};
