#pragma once

#include <QByteArray>
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
    // matches the answer already in upper case, character by character.
    static bool contactMatches(const char *contactField, const QString &upperAnswer);

    // The same rule on the stored bytes: the answer is encoded once, and each
    // byte of a contact is compared through its upper-case byte. Only a byte
    // whose upper case is no single byte of the code page (the sharp s, the
    // micro sign) sends its contact to contactMatches.
    class Matcher
    {
    public:
        explicit Matcher(const QString &upperAnswer);
        bool matches(const char *contactField) const;

    private:
        QString m_upper;
        QByteArray m_bytes;
        // False when the answer holds a character the code page lacks: then
        // only a contact of such bytes can match, and every one goes the long way.
        bool m_encodable = true;
    };
};
