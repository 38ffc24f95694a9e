#pragma once

// One run of the main window on a temporary folder, with scripted dialogs and
// a clock that stands still.

#include "NoteFiles.h"
#include "notebook/frmJotwell.h"
#include "support/ClockScope.h"
#include "support/ScriptedDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class JotwellSession
{
public:
    // Today is 10 March 2024 (serial 45361) unless a test moves the clock.
    explicit JotwellSession(const QList<NoteFiles::Note> &notes = {}, bool createFile = true)
        : clock(QDateTime(QDate(2024, 3, 10), QTime(9, 30))), m_clockScope(clock)
    {
        if (createFile)
            NoteFiles::writeNotes(folder(), notes);
    }

    QString folder() const { return m_dir.path(); }
    QString notesPath() const { return NoteFiles::notesPath(folder()); }
    QByteArray bytes() const { return NoteFiles::readBytes(notesPath()); }
    QList<NoteFiles::Note> notes() const { return NoteFiles::readNotes(folder()); }

    // Opens the window; the reminder timer is left running only when asked,
    // so that no pass starts while a test waits on something else.
    frmJotwell &open(bool reminding = false)
    {
        form = std::make_unique<frmJotwell>(folder());
        form->show();
        if (!reminding)
            control<QCheckBox>("chkRemind")->setChecked(false);
        return *form;
    }

    template <typename W>
    W *control(const char *name) const
    {
        W *widget = form->findChild<W *>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QAction *menu(const char *name) const
    {
        QAction *item = form->findChild<QAction *>(QLatin1String(name));
        if (!item)
            qFatal("no menu item %s", name);
        return item;
    }
    void click(const char *button) const { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    QString text(const char *box) const { return control<QLineEdit>(box)->text(); }
    void type(const char *box, const QString &value) const { control<QLineEdit>(box)->setText(value); }
    QString noteText() const { return control<QPlainTextEdit>("txtNotes")->toPlainText(); }

    QList<ScriptedDialogs::Request> messages() { return dialogs->messages(); }
    QStringList messageTexts()
    {
        QStringList texts;
        for (const auto &request : dialogs->messages())
            texts << request.text;
        return texts;
    }

    SettableClock clock;
    ScriptedDialogsScope dialogs;

private:
    QTemporaryDir m_dir;
    ClockScope m_clockScope;

public:
    // Last, so that the window goes before its folder, clock and dialogs.
    std::unique_ptr<frmJotwell> form;
};
