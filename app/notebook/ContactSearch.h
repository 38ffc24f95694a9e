#pragma once

#include <QString>

class RecordStore;

// The search of the main window: the first note whose stored contact, with
// the spaces around it removed and in upper case, equals the answer in upper
// case. Only the stored records are read; WorkingNote is not touched.
class ContactSearch
{
public:
    struct Result
    {
        int record = 0;  // the first matching note, 0 when none matched
        bool ok = true;  // false when a read failed; then error says why
        QString error;
    };

    // Scans records 1 .. store.RecordCount (taken once). A record past the end
    // of the file reads nothing, so the scratch record of the scan (empty at
    // the start) is compared once more.
    static Result find(RecordStore &store, const QString &answer);

    // Whether the stored contact field (ContactWidth bytes in the code page)
    // matches the answer already in upper case.
    static bool contactMatches(const char *contactField, const QString &upperAnswer);
};
