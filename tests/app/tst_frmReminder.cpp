// The reminder scan of the main window and the reminder window.
#include "JotwellSession.h"
#include "platform/dates/LocaleServices.h"
#include "reminders/frmReminder.h"
#include "support/FaultyFileOps.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QTimer>
#include <cerrno>
#include <functional>

using NoteFiles::Note;

namespace {

Note due(const QString &contact, double date, qint16 interval = 0, qint16 flag = 1)
{
    Note note;
    note.date = date;
    note.contact = contact;
    note.notes = QStringLiteral("  call ") + contact + QStringLiteral("  ");
    note.interval = interval;
    note.reminder = flag;
    return note;
}

// Answers every reminder window that comes up: records what it shows and
// presses the button the script names ("ok" when the script has run out).
class ReminderDriver : public QObject
{
public:
    struct Seen
    {
        QString date, contact, note;
        int beeps = 0;
        bool modal = false;
    };

    ReminderDriver(JotwellSession &session, QStringList script = {}) : m_session(session), m_script(std::move(script))
    {
        connect(&m_poll, &QTimer::timeout, this, &ReminderDriver::poll);
        m_poll.start(0);
    }

    QList<Seen> seen;
    QStringList contacts() const
    {
        QStringList list;
        for (const Seen &window : seen)
            list << window.contact;
        return list;
    }
    // Runs once while the first window is up.
    std::function<void()> whileFirstOpen;

private:
    void poll()
    {
        auto *window = qobject_cast<frmReminder *>(QApplication::activeModalWidget());
        if (!window || !window->isVisible())
            return;
        const auto text = [window](const char *name) { return window->findChild<QLabel *>(QLatin1String(name))->text(); };
        seen.append({text("lbldDate"), text("lbldContact"), text("lbldNote"), m_session.dialogs->beeps(),
                     // Modal to the main window only, so that the tray keeps answering.
                     window->windowModality() == Qt::WindowModal && window->parentWidget() == m_session.form.get()});
        if (whileFirstOpen)
            std::exchange(whileFirstOpen, nullptr)();
        const QString action = m_script.isEmpty() ? QStringLiteral("ok") : m_script.takeFirst();
        auto *button = window->findChild<QPushButton *>(action == QLatin1String("ok") ? "cmdOK" : "cmdDelete");
        QTest::mouseClick(button, Qt::LeftButton);
    }

    JotwellSession &m_session;
    QStringList m_script;
    QTimer m_poll;
};

const double Mar10 = 45361; // the session's today

} // namespace

class tst_frmReminder : public QObject
{
    Q_OBJECT
private slots:
    void windowLayout();
    void textFitsItsBox_data();
    void textFitsItsBox();
    void dueNotes_data();
    void dueNotes();
    void storedDaysBeforeCountsNotTheShownOne();
    void dueNotesComeOneAfterAnother();
    void period_data();
    void period();
    void reminderSwitchAndTrayItemStayInStep();
    void deleteInAReminderDeletesTheNoteOnScreen();
    void noteDeletedDuringAPass();
    void readErrorInAPassIsShownOnce();
    void realTimerRemindsAndADeletedNoteNeverAgain();
};

void tst_frmReminder::windowLayout()
{
    QPushButton mainDelete;
    int pressed = 0;
    connect(&mainDelete, &QPushButton::clicked, [&] { ++pressed; });
    frmReminder window(&mainDelete, nullptr);
    QCOMPARE(window.windowTitle(), QStringLiteral("Jotwell - Reminder"));
    QCOMPARE(window.size(), QSize(343, 192));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!window.windowIcon().isNull());
    // A window of its own, with a taskbar button: a dialog would be kept
    // off the taskbar as a transient of the (possibly hidden) program.
    QCOMPARE(window.windowType(), Qt::Window);
    const auto at = [&](const char *name) { return window.findChild<QWidget *>(QLatin1String(name))->geometry(); };
    QCOMPARE(at("Image1"), QRect(8, 8, 32, 32));
    QCOMPARE(at("lbldNote"), QRect(96, 32, 233, 81));
    QCOMPARE(at("cmdDelete"), QRect(192, 160, 65, 25));
    QCOMPARE(at("cmdOK"), QRect(264, 160, 65, 25));
    QCOMPARE(at("Line1").top(), 152);
    QCOMPARE(at("Line2").top(), 153);
    auto *caption = window.findChild<QLabel *>(QStringLiteral("lblContact"));
    QCOMPARE(caption->text(), QStringLiteral("Contact:"));
    QVERIFY(caption->font().bold());
    QVERIFY(caption->alignment() & Qt::AlignRight);
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("lbldNote"))->wordWrap());

    const LocaleServices locale;
    NoteRecord note;
    note.NoteDate = 45352.75;
    note.Contact = QStringLiteral("  Ann  ");
    note.Notes = QStringLiteral("  ring back  ");
    window.showNote(note, locale);
    // A whole minute shows without its seconds.
    QCOMPARE(frmReminder::dateText(45352.75, locale),
             locale.shortDate(45352.75) + QLatin1Char(' ') + QLocale().toString(QTime(18, 0), QLocale::ShortFormat));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lbldContact"))->text(), QStringLiteral("Ann"));
    // The date with its time, and a contact of the full 20 characters, are
    // shown whole in their boxes (975 and 1455 twips wide).
    note.NoteDate = 46384 + (22 * 3600 + 58 * 60 + 58) / 86400.0;
    note.Contact = QStringLiteral("Wolfgang Mustermannn");
    window.showNote(note, locale);
    for (const char *name : {"lbldDate", "lbldContact"}) {
        auto *shown = window.findChild<QLabel *>(QLatin1String(name));
        const QRect needed = shown->fontMetrics().boundingRect(QRect(0, 0, 1000, 1000), 0, shown->text());
        QVERIFY2(needed.width() <= shown->contentsRect().width(), name);
        QVERIFY2(needed.height() <= shown->contentsRect().height(), name);
    }
    note.Contact = QStringLiteral("  Ann  ");
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lbldNote"))->text(), QStringLiteral("ring back"));
    QCOMPARE(frmReminder::dateText(45352, locale), locale.shortDate(45352));
    // What the user typed is shown as typed, never read as markup.
    note.Contact = QStringLiteral("<b>Ann</b>");
    note.Notes = QStringLiteral("<html><img src=\"x.png\"> call");
    window.showNote(note, locale);
    for (const char *name : {"lbldDate", "lbldContact", "lbldNote"})
        QCOMPARE(window.findChild<QLabel *>(QLatin1String(name))->textFormat(), Qt::PlainText);

    window.show();
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(pressed, 0);
    window.show();
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdDelete")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(pressed, 1);
}

void tst_frmReminder::dueNotes_data()
{
    QTest::addColumn<double>("date");
    QTest::addColumn<int>("daysBefore");
    QTest::addColumn<int>("flag");
    QTest::addColumn<bool>("isDue");
    QTest::newRow("0 days before, on its date") << Mar10 << 0 << 1 << true;
    QTest::newRow("0 days before, the day before") << Mar10 + 1 << 0 << 1 << false;
    QTest::newRow("3 days before the 13th") << Mar10 + 3 << 3 << 1 << true;
    QTest::newRow("3 days before the 14th") << Mar10 + 4 << 3 << 1 << false;
    QTest::newRow("in the past") << Mar10 - 400 << 0 << 1 << true;
    QTest::newRow("past, flag 0") << Mar10 - 400 << 0 << 0 << false;
    QTest::newRow("past, flag 2") << Mar10 - 400 << 0 << 2 << false;
}

void tst_frmReminder::dueNotes()
{
    QFETCH(double, date);
    QFETCH(int, daysBefore);
    QFETCH(int, flag);
    QFETCH(bool, isDue);
    JotwellSession s({due("Ann", date, qint16(daysBefore), qint16(flag))});
    frmJotwell &form = s.open();
    ReminderDriver driver(s);
    form.tmrReminder_Timer();
    QCOMPARE(driver.seen.size(), isDue ? 1 : 0);
    QCOMPARE(s.dialogs->beeps(), isDue ? 1 : 0);
    // The pass changes nothing on screen.
    QCOMPARE(s.text("txtContact"), QStringLiteral("Ann"));
}

void tst_frmReminder::storedDaysBeforeCountsNotTheShownOne()
{
    JotwellSession s({due("shown", Mar10 + 5, 0), due("other", Mar10 + 5, 5)});
    frmJotwell &form = s.open();
    s.type("txtInterval", QStringLiteral("9"));
    ReminderDriver driver(s);
    form.tmrReminder_Timer();
    QCOMPARE(driver.contacts(), QStringList{"other"});
    QCOMPARE(s.text("txtInterval"), QStringLiteral("9"));
}

void tst_frmReminder::dueNotesComeOneAfterAnother()
{
    JotwellSession s({due("Ann", Mar10 - 1), due("Bob", Mar10, 0, 0), due("Cid", 45352.75), due("Dan", Mar10 + 2, 2)});
    frmJotwell &form = s.open();
    ReminderDriver driver(s);
    // A tick while a window is up starts no second pass.
    driver.whileFirstOpen = [&] { form.tmrReminder_Timer(); };
    form.tmrReminder_Timer();
    QCOMPARE(driver.contacts(), (QStringList{"Ann", "Cid", "Dan"}));
    QCOMPARE(driver.seen.at(0).beeps, 1);
    QCOMPARE(driver.seen.at(1).beeps, 2);
    QCOMPARE(driver.seen.at(2).beeps, 3);
    QVERIFY(driver.seen.at(0).modal);
    QCOMPARE(driver.seen.at(1).note, QStringLiteral("call Cid"));
    const LocaleServices locale;
    QCOMPARE(driver.seen.at(1).date.simplified(), frmReminder::dateText(45352.75, locale));
    QCOMPARE(driver.seen.at(0).date, locale.shortDate(Mar10 - 1));
    // The next tick starts the next pass.
    form.tmrReminder_Timer();
    QCOMPARE(driver.seen.size(), 6);
}

void tst_frmReminder::period_data()
{
    QTest::addColumn<QString>("every");
    QTest::addColumn<int>("passAt");
    QTest::newRow("1 (10 seconds)") << "1" << 1;
    QTest::newRow("6 (a minute)") << "6" << 6;
}

void tst_frmReminder::period()
{
    QFETCH(QString, every);
    QFETCH(int, passAt);
    JotwellSession s({due("Ann", Mar10)});
    frmJotwell &form = s.open();
    s.type("txtEvery", every);
    ReminderDriver driver(s);
    for (int tick = 1; tick <= 2 * passAt; ++tick) {
        form.tmrReminder_Timer();
        QCOMPARE(driver.seen.size(), tick / passAt);
    }
}

void tst_frmReminder::reminderSwitchAndTrayItemStayInStep()
{
    JotwellSession s({due("Ann", Mar10)});
    frmJotwell &form = s.open(true);
    auto *timer = form.findChild<QTimer *>(QStringLiteral("tmrReminder"));
    auto *box = s.control<QCheckBox>("chkRemind");
    QAction *item = s.menu("mnuRemind");
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QVERIFY(!timer->isActive());
    QVERIFY(!item->isChecked());
    QCOMPARE(item->text(), QStringLiteral("Reminder on"));

    item->trigger();
    QVERIFY(box->isChecked());
    QVERIFY(timer->isActive());
    QVERIFY(item->isChecked());
    QCOMPARE(item->text(), QStringLiteral("Reminder on"));

    item->trigger();
    QVERIFY(!box->isChecked());
    QVERIFY(!timer->isActive());
    QCOMPARE(item->text(), QStringLiteral("Reminder off"));
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(item->isChecked());
    QCOMPARE(item->text(), QStringLiteral("Reminder off"));
    box->setChecked(false);
}

void tst_frmReminder::deleteInAReminderDeletesTheNoteOnScreen()
{
    JotwellSession s({due("Ann", Mar10 + 9), due("Bob", Mar10), due("Cid", Mar10 + 9)});
    frmJotwell &form = s.open();
    s.click("cmdNext");
    s.click("cmdNext");
    s.dialogs->queueAnswer(Dialogs::Answer::Yes);
    ReminderDriver driver(s, {"delete"});
    form.tmrReminder_Timer();
    // Place 3 now lies past the end: Bob, read last (by the window, after the
    // delete), is examined once more.
    QCOMPARE(driver.contacts(), (QStringList{"Bob", "Bob"}));
    QCOMPARE(s.messages().at(0).text, QStringLiteral("Delete this record?"));
    const QList<Note> left = s.notes();
    QCOMPARE(left.size(), 2);
    QCOMPARE(left.at(0).contact.trimmed(), QStringLiteral("Ann"));
    QCOMPARE(left.at(1).contact.trimmed(), QStringLiteral("Bob"));
    QCOMPARE(form.currentRecord(), 2);
    QCOMPARE(s.text("txtContact"), QStringLiteral("Bob"));
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_frmReminder::noteDeletedDuringAPass()
{
    JotwellSession s({due("Ann", Mar10), due("Bob", Mar10), due("Cid", Mar10)});
    frmJotwell &form = s.open();
    s.dialogs->queueAnswer(Dialogs::Answer::Yes);
    ReminderDriver driver(s, {"delete"});
    form.tmrReminder_Timer();
    // Bob moved into the deleted place and is skipped; the last place lies
    // past the new end and shows the note read before once more.
    QCOMPARE(driver.contacts(), (QStringList{"Ann", "Cid", "Cid"}));
    QCOMPARE(s.notes().size(), 2);
    QCOMPARE(form.recordCount(), 2);
}

// The running timer starts the pass; after the only note is deleted from its
// reminder window the later passes find an empty file and remind of nothing,
// though the window still shows the deleted note.
void tst_frmReminder::realTimerRemindsAndADeletedNoteNeverAgain()
{
    JotwellSession s({due("Ann", Mar10)});
    frmJotwell &form = s.open(true);
    auto *timer = form.findChild<QTimer *>(QStringLiteral("tmrReminder"));
    QVERIFY(timer && timer->isActive());
    timer->setInterval(20);
    s.dialogs->queueAnswer(Dialogs::Answer::Yes);
    ReminderDriver driver(s, {"delete"});
    QTRY_COMPARE(driver.seen.size(), 1);
    QCOMPARE(s.bytes().size(), 0);
    QTest::qWait(300);
    QCOMPARE(driver.seen.size(), 1);
    QCOMPARE(s.text("txtContact"), QStringLiteral("Ann"));
}

void tst_frmReminder::readErrorInAPassIsShownOnce()
{
    JotwellSession s({due("Ann", Mar10)});
    frmJotwell &form = s.open();
    // A save drops what the window had read ahead, so the pass reads the file.
    s.click("cmdSave");
    FaultyFileOps faults;
    faults.failFrom(1, EIO);
    ScopedFileOps use(&faults);
    // Ticks go on under the error box; while it is up they must not pile
    // further passes and boxes onto it.
    int ticksUnderTheBox = 3;
    s.dialogs->setWhileOpen([&](const ScriptedDialogs::Request &) {
        while (ticksUnderTheBox > 0) {
            --ticksUnderTheBox;
            form.tmrReminder_Timer();
        }
    });
    form.tmrReminder_Timer();
    QCOMPARE(s.messages().size(), 1);
    QCOMPARE(s.messages().at(0).icon, Dialogs::Icon::Critical);
    // Once it is answered, the next tick tries again.
    form.tmrReminder_Timer();
    QCOMPARE(s.messages().size(), 2);
}

void tst_frmReminder::textFitsItsBox_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<bool>("cut");
    const QString eight = QStringLiteral("one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\nseven\r\neight");
    const QString words = QStringLiteral("Call Dr. Mustermann about the offer for the new office furniture, then "
                                         "send the signed contract back before Friday. Bring the folder with the "
                                         "plans and the list of questions from last week's meeting too, please.");
    QTest::newRow("en_US, eight lines") << "en_US" << "12/28/2026\n6:00 PM" << eight << true;
    QTest::newRow("de_DE, eight lines") << "de_DE" << "28.12.2026 18:00" << eight << true;
    QTest::newRow("en_US, 200 characters") << "en_US" << "12/28/2026\n6:00 PM" << words << false;
    QTest::newRow("de_DE, three lines") << "de_DE" << "28.12.2026 18:00" << "a\r\nb\r\nc" << false;
}

// The note's text shows in whole lines within its 3495 x 1215 twips, and the
// date with its time in its 975 twips at a readable size.
void tst_frmReminder::textFitsItsBox()
{
    QFETCH(QString, locale);
    QFETCH(QString, notes);
    QFETCH(bool, cut);
    QLocale::setDefault(QLocale(locale));
    QPushButton mainDelete;
    frmReminder window(&mainDelete, nullptr);
    NoteRecord note;
    note.NoteDate = 46384.75;
    note.Notes = notes;
    window.showNote(note, LocaleServices());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    auto *date = window.findChild<QLabel *>(QStringLiteral("lbldDate"));
    QTEST(date->text(), "date");
    QVERIFY2(date->font().pointSizeF() >= 7, qPrintable(QString::number(date->font().pointSizeF())));
    for (const QString &line : date->text().split('\n'))
        QVERIFY(date->fontMetrics().horizontalAdvance(line) <= date->contentsRect().width());
    const QRect lines = date->fontMetrics().boundingRect(date->contentsRect(), 0, date->text());
    QVERIFY2(lines.height() <= date->contentsRect().height(),
             qPrintable(QStringLiteral("%1 > %2").arg(lines.height()).arg(date->contentsRect().height())));
    // Down to the note's text, which starts at 480 twips.
    QVERIFY(date->geometry().bottom() < 33);

    auto *text = window.findChild<QLabel *>(QStringLiteral("lbldNote"));
    QCOMPARE(text->size(), QSize(233, 81));
    const QRect needed = text->fontMetrics().boundingRect(QRect(0, 0, text->width(), 100000), Qt::TextWordWrap, text->text());
    QVERIFY2(needed.height() <= text->height(), qPrintable(QString::number(needed.height())));
    QVERIFY(text->font().pointSizeF() >= 7);
    QString shown = notes;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (cut) {
        QVERIFY(text->text().endsWith(QChar(0x2026)));
        QVERIFY2(shown.startsWith(text->text().chopped(1)), qPrintable(text->text()));
        QCOMPARE(text->toolTip(), shown);
    } else {
        QCOMPARE(text->text(), shown);
    }
}

QTEST_MAIN(tst_frmReminder)
#include "tst_frmReminder.moc"
