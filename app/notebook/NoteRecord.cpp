#include "notebook/NoteRecord.h"

#include "platform/text/FixedText.h"

#include <QtEndian>

#include <cstring>

namespace {

static_assert(NoteRecord::NotesOffset + NoteRecord::NotesWidth == NoteRecord::ReminderOffset);
static_assert(NoteRecord::FollowUpOffset + 2 == NoteRecord::Size);

void putText(char *record, int offset, const QString &text, int width)
{
    const QByteArray field = FixedText::encodeField(text, width);
    std::memcpy(record + offset, field.constData(), size_t(width));
}

} // namespace

QByteArray NoteRecord::toBytes() const
{
    QByteArray bytes(Size, '\0');
    char *record = bytes.data();
    qToLittleEndian(NoteDate, record + DateOffset);
    putText(record, CategoryOffset, Category, CategoryWidth);
    putText(record, ContactOffset, Contact, ContactWidth);
    qToLittleEndian(Interval, record + IntervalOffset);
    putText(record, NotesOffset, Notes, NotesWidth);
    qToLittleEndian(Reminder, record + ReminderOffset);
    qToLittleEndian(FollowUp, record + FollowUpOffset);
    return bytes;
}

NoteRecord NoteRecord::fromBytes(const char *bytes)
{
    NoteRecord note;
    note.NoteDate = qFromLittleEndian<double>(bytes + DateOffset);
    note.Category = FixedText::decodeField(QByteArrayView(bytes + CategoryOffset, CategoryWidth));
    note.Contact = FixedText::decodeField(QByteArrayView(bytes + ContactOffset, ContactWidth));
    note.Interval = qFromLittleEndian<qint16>(bytes + IntervalOffset);
    note.Notes = FixedText::decodeField(QByteArrayView(bytes + NotesOffset, NotesWidth));
    note.Reminder = qFromLittleEndian<qint16>(bytes + ReminderOffset);
    note.FollowUp = qFromLittleEndian<qint16>(bytes + FollowUpOffset);
    return note;
}
