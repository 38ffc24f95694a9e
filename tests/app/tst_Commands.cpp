// The record commands New, Save, Delete and Search on the real window.
#include "JotwellSession.h"
#include "platform/dates/LocaleServices.h"
#include "support/FaultyFileOps.h"

#include <QFileInfo>

#include <cerrno>
#include <unistd.h>
#include <functional>

using NoteFiles::Note;
using NoteFiles::sample;

namespace {

const double Today = 45361; // 10 March 2024, the session's clock

QList<Note> named(const QStringList &contacts)
{
    QList<Note> notes;
    for (const QString &contact : contacts)
        notes << sample(contact, QStringLiteral("about ") + contact.trimmed());
    return notes;
}

void goTo(JotwellSession &s, int record)
{
    while (s.form->currentRecord() < record)
        s.click("cmdNext");
}

// The file operations, in order, of deleting note 2 of notes.
QStringList callsOfDeletingNote2(const QList<Note> &notes)
{
    JotwellSession dry(notes);
    dry.open();
    dry.click("cmdNext");
    FaultyFileOps counting;
    ScopedFileOps use(&counting);
    dry.click("cmdDelete");
    return counting.log();
}

} // namespace

class tst_Commands : public QObject
{
    Q_OBJECT
private slots:
    void newAppendsABlankNoteDatedToday_data();
    void newAppendsABlankNoteDatedToday();
    void newOnAFreshFile();
    void deleteRemovesTheNoteOnScreen_data();
    void deleteRemovesTheNoteOnScreen();
    void deleteAnsweredNoKeepsTheFile();
    void search_data();
    void search();
    void searchFindingTheNoteOnScreenSavesIt();
    void saveFailureIsShownAndWritesNothing();
    void newFailureKeepsCountersTrueToTheFile_data();
    void newFailureKeepsCountersTrueToTheFile();
    void deleteFailureAtAnyStepLeavesTheFile();
    void unreadableNoteAfterDeleteIsNotSavedOverAnother();
    void newAtTheCountLimitIsRefused();
    void fragmentIsReportedOnceAndNeverShown();
};

void tst_Commands::newAppendsABlankNoteDatedToday_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("button") << false;
    QTest::newRow("menu") << true;
}

void tst_Commands::newAppendsABlankNoteDatedToday()
{
    QFETCH(bool, fromMenu);
    JotwellSession s(named({"Ann", "Bob", "Cid", "Dan"}));
    frmJotwell &form = s.open();
    s.click("cmdNext");
    s.control<QPlainTextEdit>("txtNotes")->setPlainText(QStringLiteral("kept"));
    if (fromMenu)
        s.menu("mnuNewNote")->trigger();
    else
        s.click("cmdNew");
    QCOMPARE(s.bytes().size(), 5 * 244);
    QCOMPARE(form.recordCount(), 5);
    QCOMPARE(form.currentRecord(), 5);
    const QList<Note> stored = s.notes();
    QCOMPARE(stored.at(1).notes.trimmed(), QStringLiteral("kept"));
    const Note blank = stored.at(4);
    QCOMPARE(blank.date, Today);
    QCOMPARE(blank.interval, qint16(1));
    QCOMPARE(blank.contact, QString(20, QLatin1Char(' ')));
    QCOMPARE(blank.notes, QString(200, QLatin1Char(' ')));
    QCOMPARE(blank.reminder, qint16(0));
    QCOMPARE(s.text("txtDate"), LocaleServices().generalDate(Today));
    QCOMPARE(s.text("txtInterval"), QStringLiteral("1"));
    QCOMPARE(s.text("txtContact"), QString());
    QVERIFY(s.messages().isEmpty());
}

void tst_Commands::newOnAFreshFile()
{
    JotwellSession s({}, false);
    frmJotwell &form = s.open();
    s.click("cmdNew");
    const QList<Note> stored = s.notes();
    QCOMPARE(stored.size(), 2);
    QCOMPARE(stored.at(0).date, 0.0);
    QCOMPARE(stored.at(0).interval, qint16(0));
    QCOMPARE(stored.at(1).date, Today);
    QCOMPARE(form.currentRecord(), 2);
    s.click("cmdPrevious");
    QCOMPARE(s.text("txtInterval"), QStringLiteral("0"));
}

void tst_Commands::deleteRemovesTheNoteOnScreen_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("after");
    QTest::newRow("middle of 3") << 2 << QStringList{"Ann", "Cid"} << 2;
    QTest::newRow("last of 3") << 3 << QStringList{"Ann", "Bob"} << 2;
    QTest::newRow("first of 3") << 1 << QStringList{"Bob", "Cid"} << 1;
}

void tst_Commands::deleteRemovesTheNoteOnScreen()
{
    QFETCH(int, shown);
    QFETCH(QStringList, left);
    QFETCH(int, after);
    JotwellSession s(named({"Ann", "Bob", "Cid"}));
    frmJotwell &form = s.open();
    goTo(s, shown);
    s.type("txtContact", QStringLiteral("discarded edit"));
    s.dialogs->queueAnswer(Dialogs::Answer::Yes);
    s.click("cmdDelete");
    const auto question = s.messages().at(0);
    QCOMPARE(question.text, QStringLiteral("Delete this record?"));
    QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(question.icon, Dialogs::Icon::None);
    QCOMPARE(question.title, QStringLiteral("Jotwell"));
    QStringList stored;
    for (const Note &note : s.notes())
        stored << note.contact.trimmed();
    QCOMPARE(stored, left);
    QCOMPARE(form.recordCount(), 2);
    QCOMPARE(form.currentRecord(), after);
    QCOMPARE(s.text("txtContact"), left.at(after - 1));
    QVERIFY(!QFile::exists(QDir(s.folder()).filePath("Notes.tmp")));
}

void tst_Commands::deleteAnsweredNoKeepsTheFile()
{
    JotwellSession s(named({"Ann", "Bob", "Cid"}));
    frmJotwell &form = s.open();
    s.click("cmdNext");
    const QByteArray before = s.bytes();
    s.dialogs->queueAnswer(Dialogs::Answer::No);
    s.click("cmdDelete");
    QCOMPARE(s.bytes(), before);
    QCOMPARE(form.recordCount(), 3);
    QCOMPARE(form.currentRecord(), 2);
}

void tst_Commands::search_data()
{
    QTest::addColumn<QStringList>("contacts");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("found"); // 0: not found
    QTest::newRow("any case, spaces around") << QStringList{"Ann", "  Bob McKay "} << "bob mckay" << 2;
    QTest::newRow("first of two") << QStringList{"Ann", "Zoe", "ZOE"} << "zOe" << 2;
    QTest::newRow("beginning of a name") << QStringList{"Ann", "Bobby"} << "bob" << 0;
    QTest::newRow("spaces typed") << QStringList{"Ann", "Bob"} << " bob" << 0;
    QTest::newRow("cancel finds an empty contact") << QStringList{"Ann", "", "Bob"} << "" << 2;
}

void tst_Commands::search()
{
    QFETCH(QStringList, contacts);
    QFETCH(QString, answer);
    QFETCH(int, found);
    JotwellSession s(named(contacts));
    frmJotwell &form = s.open();
    s.type("txtContact", QStringLiteral("edited"));
    s.dialogs->queueText(answer);
    s.click("cmdSearch");
    const auto input = s.dialogs->inputs().at(0);
    QCOMPARE(input.text, QStringLiteral("Search For: "));
    QCOMPARE(input.title, QStringLiteral("SEARCH"));
    if (found) {
        QCOMPARE(form.currentRecord(), found);
        QCOMPARE(s.text("txtContact"), contacts.at(found - 1).trimmed());
        // The note on screen was saved first.
        QCOMPARE(s.notes().at(0).contact.trimmed(), QStringLiteral("edited"));
        QVERIFY(s.messages().isEmpty());
    } else {
        QCOMPARE(form.currentRecord(), 1);
        QCOMPARE(s.text("txtContact"), QStringLiteral("edited"));
        QCOMPARE(s.notes().at(0).contact.trimmed(), contacts.at(0));
        const auto message = s.messages().at(0);
        QCOMPARE(message.text, QStringLiteral("Name ") + answer.toUpper() + QStringLiteral(" was not found!"));
        QCOMPARE(message.icon, Dialogs::Icon::None);
        QCOMPARE(message.title, QStringLiteral("Jotwell"));
    }
}

void tst_Commands::searchFindingTheNoteOnScreenSavesIt()
{
    JotwellSession s(named({"Ann", "Bob"}));
    frmJotwell &form = s.open();
    s.click("cmdNext");
    s.control<QPlainTextEdit>("txtNotes")->setPlainText(QStringLiteral("   new text"));
    s.dialogs->queueText(QStringLiteral("BOB"));
    s.click("cmdSearch");
    QCOMPARE(form.currentRecord(), 2);
    QCOMPARE(s.noteText(), QStringLiteral("new text"));
    QCOMPARE(s.notes().at(1).notes.trimmed(), QStringLiteral("new text"));
}

void tst_Commands::saveFailureIsShownAndWritesNothing()
{
    JotwellSession s(named({"Ann", "Bob"}));
    frmJotwell &form = s.open();
    const QByteArray before = s.bytes();
    s.type("txtContact", QStringLiteral("not written"));
    FaultyFileOps faults;
    faults.failFrom(1, ENOSPC);
    {
        ScopedFileOps use(&faults);
        s.click("cmdSave");
        s.click("cmdNext");
    }
    QCOMPARE(s.bytes(), before);
    QCOMPARE(form.currentRecord(), 1);
    const auto messages = s.messages();
    QCOMPARE(messages.size(), 2);
    for (const auto &message : messages) {
        QCOMPARE(message.icon, Dialogs::Icon::Critical);
        QCOMPARE(message.title, QStringLiteral("Jotwell"));
    }
}

void tst_Commands::newFailureKeepsCountersTrueToTheFile_data()
{
    QTest::addColumn<bool>("failSave");
    QTest::newRow("saving the note on screen") << true;
    QTest::newRow("appending the new note") << false;
}

void tst_Commands::newFailureKeepsCountersTrueToTheFile()
{
    QFETCH(bool, failSave);
    JotwellSession s(named({"Ann", "Bob"}));
    // Find the call that appends, from a run without faults on a copy.
    int appendCall = 0;
    {
        JotwellSession dry(named({"Ann", "Bob"}));
        dry.open();
        FaultyFileOps counting;
        ScopedFileOps use(&counting);
        dry.click("cmdNew");
        appendCall = int(counting.log().lastIndexOf(QStringLiteral("pwrite"))) + 1;
    }
    QVERIFY(appendCall > 0);
    frmJotwell &form = s.open();
    const QByteArray before = s.bytes();
    FaultyFileOps faults;
    if (failSave)
        faults.failFrom(1, EIO);
    else
        faults.failCall(appendCall, ENOSPC);
    {
        ScopedFileOps use(&faults);
        s.click("cmdNew");
    }
    QCOMPARE(s.bytes(), before);
    QCOMPARE(form.recordCount(), 2);
    QCOMPARE(form.currentRecord(), 1);
    QCOMPARE(s.text("txtContact"), QStringLiteral("Ann"));
    QCOMPARE(s.messages().size(), 1);
    QCOMPARE(s.messages().at(0).icon, Dialogs::Icon::Critical);
    // The window goes on working with the file.
    s.click("cmdNew");
    QCOMPARE(s.notes().size(), 3);
    QCOMPARE(form.currentRecord(), 3);
}

void tst_Commands::deleteFailureAtAnyStepLeavesTheFile()
{
    const QList<Note> notes = named({"Ann", "Bob", "Cid"});
    const int calls = int(callsOfDeletingNote2(notes).size());
    QVERIFY(calls > 3);
    bool warnedAfterDelete = false;
    for (int n = 1; n <= calls; ++n) {
        JotwellSession s(notes);
        frmJotwell &form = s.open();
        s.click("cmdNext");
        const QByteArray before = s.bytes();
        FaultyFileOps faults;
        faults.failCall(n, EIO);
        {
            ScopedFileOps use(&faults);
            s.click("cmdDelete");
        }
        const QString at = QStringLiteral("failing call %1").arg(n);
        if (s.notes().size() == 2) {
            // A fault the store worked around, or one after the new file was in place.
            QVERIFY2(s.notes().at(0).contact.trimmed() == QLatin1String("Ann"), qPrintable(at));
            QVERIFY2(s.notes().at(1).contact.trimmed() == QLatin1String("Cid"), qPrintable(at));
            QVERIFY2(form.recordCount() == 2, qPrintable(at));
            // A deleted note whose folder could not be flushed is still deleted,
            // and the user hears of the flush as a warning.
            if (s.messages().size() == 2 && s.messages().at(1).icon == Dialogs::Icon::Exclamation)
                warnedAfterDelete = true;
        } else {
            // Not deleted: the file is as it was and the user was told.
            QVERIFY2(s.bytes() == before, qPrintable(at));
            QVERIFY2(form.recordCount() == 3 && form.currentRecord() == 2, qPrintable(at));
            QVERIFY2(s.messages().size() == 2, qPrintable(at));
            QVERIFY2(s.messages().at(1).icon == Dialogs::Icon::Critical, qPrintable(at));
        }
        // Whatever happened, the window still writes to the note file, but
        // never a note it could not read back over another one.
        const QByteArray beforeSave = s.bytes();
        const int told = s.messages().size();
        s.type("txtContact", QStringLiteral("after"));
        s.click("cmdSave");
        if (s.bytes() == beforeSave) {
            QVERIFY2(s.messages().size() == told + 1, qPrintable(at));
            s.click("cmdPrevious");
            s.type("txtContact", QStringLiteral("after"));
            s.click("cmdSave");
            QVERIFY2(s.notes().at(0).contact.trimmed() == QLatin1String("after"), qPrintable(at));
        } else {
            QVERIFY2(s.notes().at(1).contact.trimmed() == QLatin1String("after"), qPrintable(at));
        }
    }
    QVERIFY(warnedAfterDelete);
}

void tst_Commands::unreadableNoteAfterDeleteIsNotSavedOverAnother()
{
    const QList<Note> notes = named({"Ann", "Bob", "Cid"});
    // Which call reads the note shown after the delete: the first read once the
    // new file is in place.
    const QStringList log = callsOfDeletingNote2(notes);
    const int rename = int(log.indexOf(QStringLiteral("rename")));
    QVERIFY(rename >= 0);
    const int readAfterRename = int(log.indexOf(QStringLiteral("pread"), rename)) + 1;
    QVERIFY(readAfterRename > 0);
    JotwellSession s(notes);
    frmJotwell &form = s.open();
    s.click("cmdNext");
    FaultyFileOps faults;
    faults.failCall(readAfterRename, EIO);
    {
        ScopedFileOps use(&faults);
        s.click("cmdDelete");
    }
    // Bob is gone; the window still shows him, but note 2 is now Cid.
    const QByteArray afterDelete = s.bytes();
    QCOMPARE(s.notes().size(), 2);
    QCOMPARE(form.currentRecord(), 2);
    QCOMPARE(s.text("txtContact"), QStringLiteral("Bob"));

    s.click("cmdSave");
    QCOMPARE(s.bytes(), afterDelete);
    QCOMPARE(s.messages().last().icon, Dialogs::Icon::Exclamation);

    // Moving on needs no save of what the window shows, and the window then
    // works as before.
    s.click("cmdPrevious");
    QCOMPARE(s.bytes(), afterDelete);
    QCOMPARE(form.currentRecord(), 1);
    QCOMPARE(s.text("txtContact"), QStringLiteral("Ann"));
    s.type("txtContact", QStringLiteral("Anne"));
    s.click("cmdSave");
    QCOMPARE(s.notes().at(0).contact.trimmed(), QStringLiteral("Anne"));
    QCOMPARE(s.notes().at(1).contact.trimmed(), QStringLiteral("Cid"));
}


// With 2^31 - 1 notes (a sparse file) New refuses and overwrites nothing.
void tst_Commands::newAtTheCountLimitIsRefused()
{
    JotwellSession s;
    const qint64 size = qint64(2147483647) * 244;
    QVERIFY(::truncate(QFile::encodeName(s.notesPath()).constData(), off_t(size)) == 0);
    frmJotwell &form = s.open();
    QCOMPARE(form.recordCount(), 2147483647);
    s.type("txtContact", QStringLiteral("typed"));
    s.click("cmdNew");
    QCOMPARE(s.messages().size(), 1);
    QVERIFY(s.messages().at(0).text.contains(QStringLiteral("2147483647")));
    QCOMPARE(form.recordCount(), 2147483647);
    QCOMPARE(form.currentRecord(), 1);
    QCOMPARE(QFileInfo(s.notesPath()).size(), size);
    QFile file(s.notesPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(244), QByteArray(244, '\0'));
    QVERIFY(file.seek(size - 244));
    QCOMPARE(file.read(244), QByteArray(244, '\0'));
}

// Half a note after an even count is left out by the count: it is moved
// aside with one message, and the next New appends a whole note.
void tst_Commands::fragmentIsReportedOnceAndNeverShown()
{
    JotwellSession s(named({"Ann", "Bob"}));
    const QByteArray notes = s.bytes();
    QFile file(s.notesPath());
    QVERIFY(file.open(QIODevice::Append));
    file.write(QByteArray(122, 'Z'));
    file.close();
    s.open();
    QCOMPARE(s.messages().size(), 1);
    QVERIFY(s.messages().at(0).text.contains(QStringLiteral("Notes.dat.fragment")));
    s.click("cmdNew");
    QCOMPARE(s.notes().size(), 3);
    QCOMPARE(s.bytes().size(), 3 * 244);
    QCOMPARE(s.bytes().left(488), notes);
    s.form.reset();
    frmJotwell &again = s.open();
    QCOMPARE(s.messages().size(), 1);
    QCOMPARE(again.recordCount(), 3);
}

QTEST_MAIN(tst_Commands)
#include "tst_Commands.moc"
