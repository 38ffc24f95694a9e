// The record commands of the main window: New, Save, Delete and Search.
#include "notebook/ContactSearch.h"
#include "notebook/frmJotwell.h"
#include "platform/seams/Clock.h"
#include "platform/seams/Dialogs.h"

void frmJotwell::cmdNew_Click()
{
    if (m_store->RecordCount >= RecordStore::MaxRecords) {
        warn(tr("Notes.dat holds %1 notes, the most Jotwell can count. No new note can be added.")
                 .arg(m_store->RecordCount));
        return;
    }
    if (!saveBeforeMoving())
        return;
    RecordStore &store = *m_store;
    const qint32 oldCount = store.RecordCount;
    const qint32 oldCurrent = store.CurrentRecord;
    store.RecordCount += 1;
    store.WorkingNote = NoteRecord();
    store.WorkingNote.NoteDate = Clock::today();
    store.WorkingNote.Interval = 1;
    store.CurrentRecord = store.RecordCount;
    // The record one past the end reads nothing: the blank note stays and is shown.
    const bool shown = ShowCurrentRecord();
    if (shown && store.writeRecord(store.CurrentRecord))
        return;
    if (shown)
        showNoteError(store.lastError());
    // The note was not appended: the counters go back to what the file holds.
    store.RecordCount = oldCount;
    store.CurrentRecord = oldCurrent;
    ShowCurrentRecord();
}

void frmJotwell::cmdSave_Click()
{
    SaveCurrentRecord();
}

void frmJotwell::cmdDelete_Click()
{
    if (Dialogs::instance().messageBox(tr("Delete this record?"), Dialogs::Buttons::YesNo, Dialogs::Icon::None,
                                       QStringLiteral("Jotwell"))
        != Dialogs::Answer::Yes)
        return;
    if (!m_store->deleteRecord(m_store->CurrentRecord)) {
        showNoteError(m_store->lastError());
        return;
    }
    // The note is gone; a warning here means the folder could not be flushed,
    // which the user should know even though the delete itself succeeded.
    if (!m_store->lastError().isEmpty())
        warn(m_store->lastError());
    ShowCurrentRecord();
}

void frmJotwell::cmdSearch_Click()
{
    const QString answer = Dialogs::instance().inputBox(tr("Search For: "), tr("SEARCH")).toUpper();
    const ContactSearch::Result found = ContactSearch::find(*m_store, answer);
    if (!found.ok) {
        showNoteError(found.error);
        return;
    }
    if (found.record == 0) {
        Dialogs::instance().messageBox(tr("Name ") + answer + tr(" was not found!"), Dialogs::Buttons::Ok,
                                       Dialogs::Icon::None, QStringLiteral("Jotwell"));
        return;
    }
    if (saveBeforeMoving())
        moveTo(found.record);
}
