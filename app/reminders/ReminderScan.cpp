#include "reminders/ReminderScan.h"

#include "notebook/RecordStore.h"
#include "platform/dates/DateValue.h"

#include <QtEndian>

#include <cmath>
#include <limits>

namespace ReminderScan {

namespace {

// Compares whole days, so that a note with a time of day is due from the morning
// of its day like any other. The whole part of a date value is its day, on both
// sides of 30 December 1899.
bool dueOn(double noteDate, qint16 interval, qint16 reminder, double today)
{
    if (reminder != 1 || !DateValue::isValid(noteDate))
        return false;
    // Within the range the whole part fits a 64-bit integer exactly.
    return qint64(noteDate) - interval <= qint64(std::trunc(today));
}

} // namespace

bool isDue(const NoteRecord &note, double today)
{
    return dueOn(note.NoteDate, note.Interval, note.Reminder, today);
}

bool isDue(const char *recordBytes, double today)
{
    return dueOn(qFromLittleEndian<double>(recordBytes + NoteRecord::DateOffset),
                 qFromLittleEndian<qint16>(recordBytes + NoteRecord::IntervalOffset),
                 qFromLittleEndian<qint16>(recordBytes + NoteRecord::ReminderOffset), today);
}

bool runPass(RecordStore &store, double today, const std::function<void()> &onDue)
{
    // A file without notes has nothing to remind of, whatever WorkingNote
    // still holds (the note just deleted, say).
    if (store.storedRecords() == 0)
        return true;
    const qint32 count = store.RecordCount;
    // The texts of a record are converted into WorkingNote only when someone
    // looks at it: for a due note, past the end, and at the end of the pass.
    // Until then WorkingNote lags behind by the records looked at since.
    int unconverted = 0;
    const auto settle = [&] {
        if (unconverted == 0)
            return true;
        const char *record = nullptr;
        const bool ok = store.peekRecord(unconverted, record);
        if (ok && record)
            store.WorkingNote = NoteRecord::fromBytes(record);
        unconverted = 0;
        return ok;
    };
    for (qint32 r = 1; r <= count; ++r) {
        const char *record = nullptr;
        if (!store.peekRecord(r, record)) {
            settle();
            return false;
        }
        bool due;
        if (record) {
            unconverted = r;
            due = isDue(record, today);
        } else {
            if (!settle())
                return false;
            due = isDue(store.WorkingNote, today);
        }
        if (due) {
            if (!settle())
                return false;
            onDue();
        }
    }
    return settle();
}

} // namespace ReminderScan

int ReminderTicker::period(const QString &periodText)
{
    bool ok = false;
    const int value = periodText.trimmed().toInt(&ok);
    if (!ok || value < 1 || value > std::numeric_limits<qint16>::max())
        return 0;
    return value;
}

bool ReminderTicker::tick(const QString &periodText)
{
    if (m_passRunning)
        return false;
    const int ticks = period(periodText);
    if (ticks == 0)
        return false;
    if (m_count < std::numeric_limits<qint16>::max())
        ++m_count;
    // "At least": a period lowered below the count already reached starts a
    // pass now instead of never again.
    if (m_count < ticks)
        return false;
    m_passRunning = true;
    return true;
}

void ReminderTicker::passFinished()
{
    m_count = 0;
    m_passRunning = false;
}
