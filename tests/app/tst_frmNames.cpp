// The Contact List window and Names.cat.
#include "JotwellSession.h"
#include "support/FaultyFileOps.h"

#include "platform/files/WriterLock.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QTimer>
#include <cerrno>

namespace {

struct Names
{
    JotwellSession &s;
    QDialog *window = nullptr;

    QString path() const { return s.folder() + QStringLiteral("/Names.cat"); }
    // Opens the list by a real double click on the contact box.
    void open()
    {
        QTest::mouseDClick(s.control<QLineEdit>("txtContact"), Qt::LeftButton);
        window = s.form->findChild<QDialog *>(QStringLiteral("frmNames"));
        QVERIFY(window && window->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    template <typename W>
    W *get(const char *name) const { return window->findChild<W *>(QLatin1String(name)); }
    QPushButton *button(const char *name) const { return get<QPushButton>(name); }
    QListWidget *list() const { return get<QListWidget>("lstNames"); }
    QStringList entries() const
    {
        QStringList all;
        for (int i = 0; i < list()->count(); ++i)
            all << list()->item(i)->text();
        return all;
    }
    void add(const QString &name) const
    {
        get<QLineEdit>("Text1")->setText(name);
        QTest::mouseClick(button("cmdAdd"), Qt::LeftButton);
    }
    bool gone() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return !s.form->findChild<QDialog *>(QStringLiteral("frmNames"));
    }
};

} // namespace

class tst_frmNames : public QObject
{
    Q_OBJECT
private slots:
    void addRemoveAndUseAName();
    void removingTheOnlyNameLeavesAnEmptyFile();
    void okWithoutSelectionKeepsTheContact();
    void failedWriteKeepsTheFile();
    void unreadListIsNotWrittenBack();
    void exitWhileOpenWritesNothing();
    void titleBarCloseWaitsForTheKeptList();
    void listHeldByAnotherJotwellIsReadOnly();
    void tooLargeListIsLeftAsItIs();
    void fullListTakesNoMoreNames();
    void keysOnly_data();
    void keysOnly();
    void namesBoxTakesWhatTheContactHolds();
};

void tst_frmNames::addRemoveAndUseAName()
{
    JotwellSession s;
    s.open();
    Names n{s};
    NoteFiles::writeBytes(n.path(), QByteArray("Zed\r\n\r\nAnn\r\n"));
    s.type("txtContact", QStringLiteral("José"));
    n.open();
    QVERIFY(!n.window->isModal());
    QCOMPARE(n.get<QLineEdit>("Text1")->text(), QStringLiteral("José"));
    QVERIFY(n.button("cmdAdd")->isEnabled());
    QVERIFY(!n.button("cmdDelete")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), n.get<QLineEdit>("Text1"));

    QTest::mouseClick(n.button("cmdAdd"), Qt::LeftButton);
    n.add(QStringLiteral("José"));
    n.add(QStringLiteral("ann"));
    QCOMPARE(n.entries(), (QStringList{"Zed", "", "Ann", "José", "ann"}));
    QVERIFY(n.get<QLineEdit>("Text1")->text().isEmpty());
    QVERIFY(!n.button("cmdAdd")->isEnabled());

    n.list()->setCurrentRow(2);
    n.list()->setFocus();
    QVERIFY(n.button("cmdDelete")->isEnabled());
    QTest::mouseClick(n.button("cmdDelete"), Qt::LeftButton);
    // The first remaining name is selected and may be removed in turn.
    QCOMPARE(n.list()->currentRow(), 0);
    QVERIFY(n.button("cmdDelete")->isEnabled());

    QTest::mouseClick(n.button("cmdOK"), Qt::LeftButton);
    QVERIFY(n.gone());
    QCOMPARE(s.text("txtContact"), QStringLiteral("Zed"));
    QCOMPARE(NoteFiles::readBytes(n.path()), QByteArray("Zed\r\n\r\nJos\xe9\r\nann\r\n"));
}

void tst_frmNames::removingTheOnlyNameLeavesAnEmptyFile()
{
    JotwellSession s;
    s.open();
    Names n{s};
    NoteFiles::writeBytes(n.path(), QByteArray("Ann\r\n"));
    n.open();
    n.list()->setCurrentRow(0);
    QTest::mouseClick(n.button("cmdDelete"), Qt::LeftButton);
    QCOMPARE(n.list()->count(), 0);
    QVERIFY(!n.button("cmdDelete")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), n.get<QLineEdit>("Text1"));
    // Escape closes the window the same way as its close box.
    QTest::keyClick(n.window, Qt::Key_Escape);
    QVERIFY(n.gone());
    QCOMPARE(NoteFiles::readBytes(n.path()), QByteArray());
}

void tst_frmNames::okWithoutSelectionKeepsTheContact()
{
    // No Names.cat yet: an empty list, no message.
    JotwellSession s;
    s.open();
    Names n{s};
    s.type("txtContact", QStringLiteral("Bob"));
    n.open();
    QCOMPARE(n.list()->count(), 0);
    QTest::mouseClick(n.button("cmdOK"), Qt::LeftButton);
    QVERIFY(n.gone());
    QCOMPARE(s.text("txtContact"), QStringLiteral("Bob"));
    QVERIFY(s.messages().isEmpty());
}

void tst_frmNames::failedWriteKeepsTheFile()
{
    JotwellSession s;
    s.open();
    Names n{s};
    NoteFiles::writeBytes(n.path(), QByteArray("Ann\r\n"));
    n.open();
    n.add(QStringLiteral("Bob"));
    FaultyFileOps faults;
    faults.failFrom(1, ENOSPC);
    {
        ScopedFileOps use(&faults);
        // Cancel keeps the list open to try again; OK gives up.
        s.dialogs->queueAnswer(Dialogs::Answer::Cancel);
        n.window->close();
        QVERIFY(n.window->isVisible());
        n.window->close();
        QVERIFY(n.gone());
    }
    QCOMPARE(s.messages().size(), 2);
    QCOMPARE(s.messages().at(0).title, QStringLiteral("Jotwell"));
    QVERIFY(s.messages().at(0).text.contains(QStringLiteral("Names.cat")));
    QCOMPARE(NoteFiles::readBytes(n.path()), QByteArray("Ann\r\n"));
}

void tst_frmNames::unreadListIsNotWrittenBack()
{
    JotwellSession s;
    s.open();
    Names n{s};
    // Something Names.cat cannot be read from: a folder in its place.
    QVERIFY(QDir(s.folder()).mkdir(QStringLiteral("Names.cat")));
    n.open();
    QCOMPARE(s.messages().size(), 1);
    QVERIFY(s.messages().at(0).text.contains(QStringLiteral("Names.cat")));
    n.add(QStringLiteral("Bob"));
    n.window->close();
    QVERIFY(n.gone());
    QVERIFY(QFileInfo(n.path()).isDir());
    QCOMPARE(s.messages().size(), 1);
}

void tst_frmNames::exitWhileOpenWritesNothing()
{
    JotwellSession s;
    s.open();
    Names n{s};
    NoteFiles::writeBytes(n.path(), QByteArray("Ann\r\n"));
    n.open();
    n.add(QStringLiteral("Bob"));
    s.click("cmdExit");
    s.form.reset();
    QCOMPARE(NoteFiles::readBytes(n.path()), QByteArray("Ann\r\n"));
}

void tst_frmNames::titleBarCloseWaitsForTheKeptList()
{
    JotwellSession s;
    s.open();
    Names n{s};
    n.open();
    n.add(QStringLiteral("Bob"));
    auto *clockTimer = s.form->findChild<QTimer *>(QStringLiteral("tmrTime"));
    FaultyFileOps faults;
    faults.failFrom(1, ENOSPC);
    ScopedFileOps use(&faults);
    // The list could not be saved and the user keeps it open: Jotwell keeps
    // running whole, its clock and reminders with it, not half closed.
    s.dialogs->queueAnswer(Dialogs::Answer::Cancel);
    s.form->close();
    QVERIFY(n.window->isVisible());
    QVERIFY(s.form->isVisible());
    QVERIFY(clockTimer->isActive());
    QVERIFY(!QFileInfo::exists(s.folder() + QStringLiteral("/Category.cat")));
    // Giving the list up lets the window close.
    s.form->close();
    QVERIFY(n.gone());
    QVERIFY(!s.form->isVisible());
    QVERIFY(!clockTimer->isActive());
}

// Two folders whose Names.cat links to one file: while another Jotwell
// has the list open, this one says so and does not write it back, so that
// neither drops the other's names; once it is closed, this one writes again.
void tst_frmNames::listHeldByAnotherJotwellIsReadOnly()
{
    JotwellSession s;
    s.open();
    Names n{s};
    QTemporaryDir other;
    const QString real = other.filePath(QStringLiteral("Names.cat"));
    NoteFiles::writeBytes(real, QByteArray("Ann\r\n"));
    QVERIFY(QFile::link(real, n.path()));
    {
        WriterLock another(real, QStringLiteral("Names.lck"));
        QCOMPARE(another.acquire(), WriterLock::Outcome::Held);
        n.open();
        QCOMPARE(s.messages().size(), 1);
        QVERIFY(s.messages().at(0).text.contains(QStringLiteral("Another Jotwell has this contact list open")));
        QCOMPARE(n.entries(), QStringList{QStringLiteral("Ann")});
        n.add(QStringLiteral("Bob"));
        n.window->close();
        QVERIFY(n.gone());
        QCOMPARE(NoteFiles::readBytes(real), QByteArray("Ann\r\n"));
        // And ours, while open, keeps the other out.
        n.open();
        QCOMPARE(s.messages().size(), 2);
        n.window->close();
        QVERIFY(n.gone());
    }
    n.open();
    QCOMPARE(s.messages().size(), 2);
    {
        WriterLock another(real, QStringLiteral("Names.lck"));
        QCOMPARE(another.acquire(), WriterLock::Outcome::HeldByAnother);
    }
    n.add(QStringLiteral("Carl"));
    n.window->close();
    QVERIFY(n.gone());
    QCOMPARE(NoteFiles::readBytes(real), QByteArray("Ann\r\nCarl\r\n"));
    QVERIFY(QFileInfo(n.path()).isSymLink());
}

// A list of more lines than a list box shows is refused with a message and
// never written back, however the window is closed.
void tst_frmNames::tooLargeListIsLeftAsItIs()
{
    JotwellSession s;
    s.open();
    Names n{s};
    const QByteArray huge(4000000, '\n');
    NoteFiles::writeBytes(n.path(), huge);
    n.open();
    QCOMPARE(s.messages().size(), 1);
    QVERIFY(s.messages().at(0).text.contains(QStringLiteral("more than")));
    QCOMPARE(n.list()->count(), 0);
    n.add(QStringLiteral("Bob"));
    n.window->close();
    QVERIFY(n.gone());
    QCOMPARE(NoteFiles::readBytes(n.path()).size(), huge.size());
}

// The last name that fits is added; the one after it is refused with a
// message, so Names.cat never holds more than the next opening reads.
void tst_frmNames::fullListTakesNoMoreNames()
{
    JotwellSession s;
    s.open();
    Names n{s};
    QByteArray names;
    for (int i = 0; i < 32766; ++i)
        names += "Name " + QByteArray::number(i) + "\r\n";
    NoteFiles::writeBytes(n.path(), names);
    n.open();
    n.add(QStringLiteral("Bob"));
    QCOMPARE(n.list()->count(), 32767);
    QVERIFY(s.messages().isEmpty());
    n.add(QStringLiteral("Carl"));
    QCOMPARE(n.list()->count(), 32767);
    QCOMPARE(s.messages().size(), 1);
    QVERIFY(s.messages().at(0).text.contains(QStringLiteral("full")));
    n.window->close();
    QVERIFY(n.gone());
    QCOMPARE(NoteFiles::readBytes(n.path()), names + "Bob\r\n");
}

void tst_frmNames::keysOnly_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("step"); // the arrow key pressed first in the list
    QTest::addColumn<int>("use");  // the key that uses the name: Enter or Alt+O
    QTest::addColumn<QString>("contact");
    QTest::newRow("three names, Down, Alt+O") << QByteArray("Zed\r\nAnn\r\nBob\r\n") << int(Qt::Key_Down)
                                             << int(Qt::Key_O) << "Zed";
    QTest::newRow("three names, Up, Enter") << QByteArray("Zed\r\nAnn\r\nBob\r\n") << int(Qt::Key_Up)
                                           << int(Qt::Key_Return) << "Zed";
    QTest::newRow("one name, Down, Enter") << QByteArray("Zed\r\n") << int(Qt::Key_Down) << int(Qt::Key_Return)
                                          << "Zed";
    QTest::newRow("no file: the typed name") << QByteArray() << int(Qt::Key_Down) << int(Qt::Key_O) << "Kim";
}

void tst_frmNames::keysOnly()
{
    QFETCH(QByteArray, file);
    QFETCH(int, step);
    QFETCH(int, use);
    JotwellSession s;
    s.open();
    Names n{s};
    if (!file.isEmpty())
        NoteFiles::writeBytes(n.path(), file);
    n.open();
    auto *box = n.get<QLineEdit>("Text1");
    // Alt+A on the disabled Add does nothing, and types nothing.
    QTest::keyClick(box, Qt::Key_A, Qt::AltModifier);
    QCOMPARE(box->text(), QString());
    // Enter in an empty name box adds nothing; with a name it adds it.
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, QStringLiteral("Kim"));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(n.entries().size(), file.count('\n') + 1);
    QCOMPARE(n.entries().last(), QStringLiteral("Kim"));
    QCOMPARE(box->text(), QString());
    QVERIFY(n.window->isVisible());

    QTest::keyClick(box, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), n.list());
    QTest::keyClick(n.list(), Qt::Key(step));
    QCOMPARE(n.list()->selectedItems().size(), 1);
    QCOMPARE(n.list()->selectedItems().first()->text(), n.entries().first());
    if (use == Qt::Key_Return)
        QTest::keyClick(n.list(), Qt::Key_Return);
    else
        QTest::keyClick(n.list(), Qt::Key_O, Qt::AltModifier);
    // An access key presses its button as a click would, a moment later.
    QTRY_VERIFY(n.gone());
    QTEST(s.text("txtContact"), "contact");
}

// The name box and the contact box take 20 characters, all of the files' code page.
void tst_frmNames::namesBoxTakesWhatTheContactHolds()
{
    JotwellSession s;
    s.open();
    Names n{s};
    NoteFiles::writeBytes(n.path(), QByteArray("Prof. Dr. Maximilian Mustermann\r\n"));
    n.open();
    auto *box = n.get<QLineEdit>("Text1");
    // Pasted: what the code page cannot hold stays out, the box holds 20.
    box->insert(QStringLiteral("Łukasz Wójcik-Świątek ✓ and more"));
    QCOMPARE(box->text(), QStringLiteral("ukasz Wójcik-wite"));
    QVERIFY(s.dialogs->beeps() > 0);
    // A name longer than the contact shows in the contact box as the note keeps it.
    n.list()->setCurrentRow(0);
    QTest::mouseClick(n.button("cmdOK"), Qt::LeftButton);
    QCOMPARE(s.text("txtContact"), QStringLiteral("Prof. Dr. Maximilian"));
}
QTEST_MAIN(tst_frmNames)
#include "tst_frmNames.moc"
