#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// One note: 244 bytes on disk, seven packed little-endian fields, no header.
struct NoteRecord
{
    static constexpr int Size = 244;
    static constexpr int CategoryWidth = 10;
    static constexpr int ContactWidth = 20;
    static constexpr int NotesWidth = 200;
    // Where each field starts in the 244-byte form.
    static constexpr int DateOffset = 0;
    static constexpr int CategoryOffset = 8;
    static constexpr int ContactOffset = 18;
    static constexpr int IntervalOffset = 38;
    static constexpr int NotesOffset = 40;
    static constexpr int ReminderOffset = 240;
    static constexpr int FollowUpOffset = 242;

    double NoteDate = 0;  // offset 0, date value
    QString Category;     // offset 8, 10 characters
    QString Contact;      // offset 18, 20 characters
    qint16 Interval = 0;  // offset 38
    QString Notes;        // offset 40, 200 characters
    qint16 Reminder = 0;  // offset 240: 0 unchecked, 1 checked, 2 greyed
    qint16 FollowUp = 0;  // offset 242

    QByteArray toBytes() const;
    // bytes must hold at least Size bytes; text fields come back as stored.
    static NoteRecord fromBytes(const char *bytes);
};
