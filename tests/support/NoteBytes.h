#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <cstring>

// Notes.dat built and taken apart byte by byte, independently of the record
// code under test, so that tests check the real layout on disk.
namespace NoteBytes {

inline void putAscii(QByteArray &record, int offset, const QByteArray &text, int width)
{
    for (int i = 0; i < width; ++i)
        record[offset + i] = i < text.size() ? text[i] : ' ';
}

inline void putInt16(QByteArray &record, int offset, int value)
{
    record[offset] = char(value & 0xff);
    record[offset + 1] = char((value >> 8) & 0xff);
}

inline int int16At(const QByteArray &record, int offset)
{
    return qint16(quint16(uchar(record[offset])) | quint16(uchar(record[offset + 1])) << 8);
}

inline double dateAt(const QByteArray &record)
{
    unsigned char little[8];
    std::memcpy(little, record.constData(), 8);
    quint64 bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = bits << 8 | little[i];
    double value;
    std::memcpy(&value, &bits, 8);
    return value;
}

// One 244-byte record: date at 0, category (10) at 8, contact (20) at 18,
// interval at 38, notes (200) at 40, reminder at 240, follow-up at 242.
inline QByteArray record(double date, const QByteArray &category, const QByteArray &contact, int interval,
                         const QByteArray &notes, int reminder = 0, int followUp = 0)
{
    QByteArray bytes(244, '\0');
    quint64 bits;
    std::memcpy(&bits, &date, 8);
    for (int i = 0; i < 8; ++i)
        bytes[i] = char((bits >> (8 * i)) & 0xff);
    putAscii(bytes, 8, category, 10);
    putAscii(bytes, 18, contact, 20);
    putInt16(bytes, 38, interval);
    putAscii(bytes, 40, notes, 200);
    putInt16(bytes, 240, reminder);
    putInt16(bytes, 242, followUp);
    return bytes;
}

// A record whose note text names it, for telling records apart.
inline QByteArray numbered(int n, int reminder = 0)
{
    return record(40000 + n, "cat" + QByteArray::number(n), "contact " + QByteArray::number(n), n % 7,
                  "note number " + QByteArray::number(n), reminder, n % 2);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace NoteBytes
