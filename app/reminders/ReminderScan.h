#pragma once

#include "notebook/NoteRecord.h"

#include <QString>

#include <functional>

class RecordStore;

// The reminder pass over the note file and the due test.
namespace ReminderScan {

// Due when the reminder flag is 1 and the day of NoteDate less Interval
// calendar days is not later than today's day. A date outside the supported
// range (a damaged record) is never due.
bool isDue(const NoteRecord &note, double today);
// The same test on a record in its 244-byte form.
bool isDue(const char *recordBytes, double today);

// One pass: takes store.RecordCount once as N, reads records 1 .. N into
// store.WorkingNote in turn (a record past the end reads nothing, so the note
// read before is examined once more) and calls onDue for every due note,
// going on only when it returns. onDue sees the note in store.WorkingNote and
// may run any command (a delete included). A pass over a file that holds no
// note examines none. Returns false when a read failed;
// the pass then stops and store.lastError() says why.
bool runPass(RecordStore &store, double today, const std::function<void()> &onDue);

} // namespace ReminderScan

// The tick count of the reminder timer. tick() is called on every timer tick
// with the text of the period box; it returns true when a pass is to run now,
// and the caller then runs it and calls passFinished().
class ReminderTicker
{
public:
    // Counts the tick; true when the count has reached the period. A period
    // that is not a whole number from 1 to 32767 never starts a pass, and a
    // tick that arrives while a pass runs (under its modal window) is ignored.
    bool tick(const QString &periodText);
    // Ends the pass: the count goes back to 0.
    void passFinished();

    bool passRunning() const { return m_passRunning; }
    qint16 count() const { return m_count; }
    // The period box's text as a period in ticks, 0 when it holds none.
    static int period(const QString &periodText);

private:
    qint16 m_count = 0;
    bool m_passRunning = false;
};
