// The reminder side of the main window: the scan switch, the timer tick and
// its pass, and the note's own reminder and days-before boxes.
#include "notebook/NoteFields.h"
#include "notebook/frmJotwell.h"
#include "platform/seams/Clock.h"
#include "platform/seams/Dialogs.h"
#include "reminders/frmReminder.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

void frmJotwell::tmrReminder_Timer()
{
    if (m_ticker.tick(txtEvery->text()))
        runReminderPass();
}

void frmJotwell::runReminderPass()
{
    const bool read = ReminderScan::runPass(*m_store, Clock::today(), [this] {
        // Close from the tray under a reminder ends the program: the rest of
        // the pass shows nothing more.
        if (m_unloaded)
            return;
        frmReminder reminder(cmdDelete, this);
        reminder.showNote(m_store->WorkingNote, m_locale);
        Dialogs::instance().beep();
        reminder.exec();
    });
    // The error box counts as part of the pass: ticks under it must not
    // start new passes that fail again and stack boxes on top of it.
    if (!read)
        showNoteError(m_store->lastError());
    m_ticker.passFinished();
}

void frmJotwell::chkRemind_Click()
{
    const bool on = chkRemind->isChecked();
    if (on)
        tmrReminder->start();
    else
        tmrReminder->stop();
    mnuRemind->setChecked(on);
}

void frmJotwell::mnuRemind_Click()
{
    // The action has already inverted its own check mark.
    const bool on = mnuRemind->isChecked();
    chkRemind->setChecked(on);
    mnuRemind->setText(on ? tr("Reminder on") : tr("Reminder off"));
}

void frmJotwell::chkReminder_Click()
{
    SaveCurrentRecord();
}

void frmJotwell::txtInterval_Change(const QString &text)
{
    if (NoteFields::toNumber(text) || NoteFields::isNumberBeingTyped(text))
        return;
    Dialogs::instance().messageBox(tr("please enter number"), Dialogs::Buttons::Ok, Dialogs::Icon::None,
                                   QStringLiteral("Jotwell"));
}
