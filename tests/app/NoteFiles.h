#pragma once

// A reader and writer of Notes.dat for the window tests, written from the
// record layout alone so that it checks the program instead of repeating it.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QtEndian>
#include <bit>
#include <cstring>

namespace NoteFiles {

struct Note
{
    double date = 0;
    QString category;
    QString contact;
    qint16 interval = 0;
    QString notes;
    qint16 reminder = 0;
    qint16 followUp = 0;
};

inline QByteArray field(const QString &text, int width)
{
    return text.toLatin1().leftJustified(width, ' ', true);
}

inline QByteArray encode(const Note &note)
{
    QByteArray out(8, '\0');
    qToLittleEndian<quint64>(std::bit_cast<quint64>(note.date), out.data());
    out += field(note.category, 10);
    out += field(note.contact, 20);
    out += QByteArray(2, '\0');
    qToLittleEndian<qint16>(note.interval, out.data() + 38);
    out += field(note.notes, 200);
    out += QByteArray(4, '\0');
    qToLittleEndian<qint16>(note.reminder, out.data() + 240);
    qToLittleEndian<qint16>(note.followUp, out.data() + 242);
    return out;
}

inline Note decode(const char *p)
{
    Note note;
    quint64 bits;
    std::memcpy(&bits, p, 8);
    note.date = std::bit_cast<double>(qFromLittleEndian(bits));
    note.category = QString::fromLatin1(p + 8, 10);
    note.contact = QString::fromLatin1(p + 18, 20);
    note.interval = qFromLittleEndian<qint16>(p + 38);
    note.notes = QString::fromLatin1(p + 40, 200);
    note.reminder = qFromLittleEndian<qint16>(p + 240);
    note.followUp = qFromLittleEndian<qint16>(p + 242);
    return note;
}

inline QString notesPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("Notes.dat"));
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

inline void writeNotes(const QString &folder, const QList<Note> &notes)
{
    QByteArray bytes;
    for (const Note &note : notes)
        bytes += encode(note);
    writeBytes(notesPath(folder), bytes);
}

inline QList<Note> readNotes(const QString &folder)
{
    const QByteArray bytes = readBytes(notesPath(folder));
    QList<Note> notes;
    for (qsizetype at = 0; at + 244 <= bytes.size(); at += 244)
        notes.append(decode(bytes.constData() + at));
    return notes;
}

// A note with the given contact and text, dated 1 March 2024 (serial 45352).
inline Note sample(const QString &contact, const QString &text = {}, qint16 reminder = 0)
{
    Note note;
    note.date = 45352;
    note.contact = contact;
    note.notes = text;
    note.interval = 1;
    note.reminder = reminder;
    return note;
}

} // namespace NoteFiles
