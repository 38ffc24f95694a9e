// The main window: start-up, display, save before every move, closing.
#include "JotwellSession.h"

#include <QApplication>
#include <QSet>
#include "platform/dates/DateValue.h"
#include "platform/dates/LocaleServices.h"
#include "platform/widgets/UpDown.h"
#include "support/FaultyFileOps.h"
#include "support/NoteBytes.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextCursor>
#include <QTimer>
#include <cerrno>
#include <limits>

using NoteFiles::Note;
using NoteFiles::sample;

class tst_frmJotwell : public QObject
{
    Q_OBJECT
private slots:
    void layoutHasEveryControlInPlace();
    void menusAndTrayMenu();
    void firstStartWithoutFile();
    void nextSavesTheNoteOnScreenFirst();
    void savedTextIsCutAndTrimmed();
    void followUpFlagsStayAsStored();
    void boxesShowTheirWholeText_data();
    void boxesShowTheirWholeText();
    void untouchedNoteIsWrittenBackAsStored_data();
    void untouchedNoteIsWrittenBackAsStored();
    void editedTextIsStoredWithCrLf();
    void intervalIsRoundedOrRefused_data();
    void intervalIsRoundedOrRefused();
    void invalidNoteIsNeverWritten_data();
    void invalidNoteIsNeverWritten();
    void reminderBoxSavesOnUserClickOnly();
    void intervalWarningOnUserEditsOnly();
    void editsAreLostOnClose_data();
    void editsAreLostOnClose();
    void categoryListFollowsTheFocusRule();
    void categoryIsNotTakenWhenTheWindowLosesFocus();
    void failedCategoryWriteIsShown();
    void unreadCategoryListIsNotOverwritten();
    void failedReadKeepsTheNoteOnScreen();
    void boxesTakeWhatTheFieldsHold_data();
    void boxesTakeWhatTheFieldsHold();
    void storedNoteShowsWhole();
    void sharedAccessKeyMovesBetweenItsSharers();
};

void tst_frmJotwell::layoutHasEveryControlInPlace()
{
    JotwellSession s;
    frmJotwell &form = s.open();
    QCOMPARE(form.windowTitle(), QStringLiteral("Jotwell"));
    QWidget *client = form.centralWidget();
    QCOMPARE(client->size(), QSize(426, 393));
    QCOMPARE(form.minimumSize(), form.maximumSize());

    const QStringList names = {"lblNotes", "lblDescription", "fraContact", "lblDate", "txtDate", "lblInterval_0",
                               "txtInterval", "udcDays", "lblInterval_1", "lblContact", "txtContact", "lblCategory",
                               "cboCategory", "fraNotes", "txtNotes", "fraTasks", "chkReminder", "chkFollowUp",
                               "chkRemind", "Label1", "txtEvery", "udcMins", "lblMin", "cmdPrevious", "cmdNew",
                               "cmdDelete", "cmdSearch", "cmdSave", "cmdNext", "cmdExit", "cmdAlarm", "cmdHide",
                               "txtTime", "Picture1"};
    for (const QString &name : names) {
        QWidget *widget = form.findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        // Inside its parent, and overlapping none of its siblings.
        QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(name));
        // Inside a frame: below its caption and border line, above its bottom border.
        if (auto *frame = qobject_cast<QGroupBox *>(widget->parentWidget()))
            QVERIFY2(frame->contentsRect().contains(widget->geometry()), qPrintable(name));
        for (const QString &other : names) {
            QWidget *sibling = form.findChild<QWidget *>(other);
            if (other != name && sibling->parentWidget() == widget->parentWidget())
                QVERIFY2(!widget->geometry().intersects(sibling->geometry()), qPrintable(name + " / " + other));
        }
    }
    QCOMPARE(s.control<QLabel>("lblNotes")->text(), QStringLiteral("The Jotwell Tracker"));
    QCOMPARE(s.control<QGroupBox>("fraContact")->title(), QStringLiteral("&Information:"));
    QCOMPARE(s.control<QPushButton>("cmdNew")->text(), QStringLiteral("Ne&w"));
    QCOMPARE(s.control<QPushButton>("cmdSearch")->text(), QStringLiteral("Searc&h"));
    QCOMPARE(s.control<QCheckBox>("chkFollowUp")->text(), QStringLiteral("Follow &Up"));
    QCOMPARE(s.text("txtEvery"), QStringLiteral("1"));
    // New over Delete, Search over Save; Previous and Next as tall as both rows.
    const QRect newRect = s.control<QPushButton>("cmdNew")->geometry();
    const QRect deleteRect = s.control<QPushButton>("cmdDelete")->geometry();
    QCOMPARE(newRect.left(), deleteRect.left());
    QVERIFY(newRect.bottom() < deleteRect.top());
    const QRect previousRect = s.control<QPushButton>("cmdPrevious")->geometry();
    QCOMPARE(previousRect.top(), newRect.top());
    QCOMPARE(previousRect.bottom(), deleteRect.bottom());
    QCOMPARE(s.control<QLineEdit>("txtDate")->toolTip(), QStringLiteral("Double click for more..."));
    QCOMPARE(s.control<QLineEdit>("txtContact")->toolTip(), QStringLiteral("Double click to enter names."));
    for (const char *name : {"txtDate", "txtInterval", "txtContact", "cboCategory"}) {
        const QPalette palette = s.control<QWidget>(name)->palette();
        QCOMPARE(palette.color(QPalette::Base), palette.color(QPalette::ToolTipBase));
    }
    QCOMPARE(s.control<QPlainTextEdit>("txtNotes")->font().pointSizeF(), 9.75);
    QVERIFY(!s.control<QPushButton>("cmdPrevious")->icon().isNull());
    QVERIFY(!s.control<QPushButton>("cmdNext")->icon().isNull());
    QVERIFY(!form.windowIcon().isNull());

    // The spin buttons step their boxes within 0 .. 365 days and 1 .. 60 periods.
    auto *days = s.control<UpDown>("udcDays");
    s.type("txtInterval", QStringLiteral("365"));
    days->stepUp();
    QCOMPARE(s.text("txtInterval"), QStringLiteral("365"));
    s.type("txtInterval", QStringLiteral("0"));
    days->stepDown();
    QCOMPARE(s.text("txtInterval"), QStringLiteral("0"));
    days->stepUp();
    QCOMPARE(s.text("txtInterval"), QStringLiteral("1"));
    auto *minutes = s.control<UpDown>("udcMins");
    minutes->stepDown();
    QCOMPARE(s.text("txtEvery"), QStringLiteral("1"));
    s.type("txtEvery", QStringLiteral("60"));
    minutes->stepUp();
    QCOMPARE(s.text("txtEvery"), QStringLiteral("60"));
    QVERIFY(s.messages().isEmpty());
}

void tst_frmJotwell::menusAndTrayMenu()
{
    JotwellSession s;
    frmJotwell &form = s.open(true);
    QCOMPARE(s.menu("mnuNewNote")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    QCOMPARE(s.menu("mnuSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(s.menu("mnuHide")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
    for (const char *name : {"mnuPrevious", "mnuNext", "mnuExit", "mnuAbout"})
        QVERIFY(s.menu(name));
    // The tray menu belongs to the window but not to its menu bar.
    QMenu *tray = form.trayMenu();
    QCOMPARE(tray->objectName(), QStringLiteral("mnuShell"));
    QCOMPARE(tray->title(), QStringLiteral("TrayMenu"));
    QVERIFY(!form.menuBar()->actions().contains(tray->menuAction()));
    QCOMPARE(s.menu("mnuRemind")->text(), QStringLiteral("Reminder on"));
    QVERIFY(s.menu("mnuRemind")->isChecked());
    auto *timer = form.findChild<QTimer *>(QStringLiteral("tmrReminder"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 10000);

    s.menu("mnuAbout")->trigger();
    QVERIFY(form.findChild<QDialog *>(QStringLiteral("frmAbout"))->isVisible());
}

void tst_frmJotwell::firstStartWithoutFile()
{
    JotwellSession s({}, false);
    frmJotwell &form = s.open();
    QCOMPARE(form.recordCount(), 1);
    QCOMPARE(form.currentRecord(), 1);
    QCOMPARE(s.text("txtDate"), LocaleServices().generalDate(0));
    QCOMPARE(s.text("txtInterval"), QStringLiteral("0"));
    QCOMPARE(s.text("txtContact"), QString());
    QCOMPARE(s.noteText(), QString());
    QVERIFY(!s.control<QCheckBox>("chkReminder")->isChecked());

    s.click("cmdNext");
    s.click("cmdPrevious");
    const auto messages = s.messages();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages.at(0).text, QStringLiteral("This is the Last Record!"));
    QCOMPARE(messages.at(1).text, QStringLiteral("This is the first Record!"));
    for (const auto &message : messages) {
        QCOMPARE(message.title, QStringLiteral("Jotwell"));
        QCOMPARE(message.icon, Dialogs::Icon::Exclamation);
        QCOMPARE(message.buttons, Dialogs::Buttons::Ok);
    }
    QVERIFY(QFile::exists(s.notesPath()));
    QCOMPARE(s.bytes().size(), 0);
}

void tst_frmJotwell::nextSavesTheNoteOnScreenFirst()
{
    QList<Note> notes;
    for (int i = 1; i <= 5; ++i)
        notes << sample(QStringLiteral("  Person %1").arg(i), QStringLiteral("text %1").arg(i));
    JotwellSession s(notes);
    frmJotwell &form = s.open();
    s.menu("mnuNext")->trigger();
    s.click("cmdNext");
    QCOMPARE(form.currentRecord(), 3);
    s.control<QPlainTextEdit>("txtNotes")->setPlainText(QStringLiteral("changed"));
    s.click("cmdNext");
    QCOMPARE(form.currentRecord(), 4);
    QCOMPARE(s.text("txtContact"), QStringLiteral("Person 4"));
    const QList<Note> stored = s.notes();
    QCOMPARE(stored.size(), 5);
    QCOMPARE(stored.at(2).notes.trimmed(), QStringLiteral("changed"));
    // Unchanged fields are written too: the stored leading spaces are gone.
    QCOMPARE(stored.at(2).contact, QStringLiteral("Person 3").leftJustified(20));
    QCOMPARE(stored.at(2).date, 45352.0);
    // Note 4 was only shown, not written.
    QCOMPARE(stored.at(3).contact, QStringLiteral("  Person 4").leftJustified(20));
    s.menu("mnuPrevious")->trigger();
    QCOMPARE(form.currentRecord(), 3);
    QCOMPARE(s.noteText(), QStringLiteral("changed"));
}

void tst_frmJotwell::savedTextIsCutAndTrimmed()
{
    JotwellSession s({sample("a"), sample("b")});
    s.open();
    const QString longText = QString(190, QLatin1Char('x')) + QStringLiteral("0123456789ABCDEFGHIJ");
    s.control<QPlainTextEdit>("txtNotes")->setPlainText(QStringLiteral("   ") + longText);
    s.type("txtContact", QStringLiteral("   Alexandra Katharina Smith"));
    s.control<QComboBox>("cboCategory")->setEditText(QStringLiteral("  Work"));
    s.click("cmdNext");
    s.click("cmdPrevious");
    QCOMPARE(s.noteText(), (QStringLiteral("   ") + longText).left(200).trimmed());
    // Cut to 20 as typed, spaces included, then trimmed for display.
    QCOMPARE(s.text("txtContact"), QStringLiteral("Alexandra Kathari"));
    QCOMPARE(s.control<QComboBox>("cboCategory")->currentText(), QStringLiteral("Work"));
    QCOMPARE(s.notes().at(0).category, QStringLiteral("  Work    "));
}

void tst_frmJotwell::followUpFlagsStayAsStored()
{
    Note first = sample("first", {}, 1);
    first.followUp = 0;
    Note second = sample("second", {}, 0);
    second.followUp = 1;
    JotwellSession s({first, second});
    s.open();
    s.click("cmdNext");
    QVERIFY(s.control<QCheckBox>("chkFollowUp")->isChecked());
    QVERIFY(!s.control<QCheckBox>("chkReminder")->isChecked());
    s.click("cmdPrevious");
    QVERIFY(!s.control<QCheckBox>("chkFollowUp")->isChecked());
    QVERIFY(s.control<QCheckBox>("chkReminder")->isChecked());
    s.click("cmdNext");
    const QList<Note> stored = s.notes();
    QCOMPARE(stored.at(0).followUp, qint16(0));
    QCOMPARE(stored.at(0).reminder, qint16(1));
    QCOMPARE(stored.at(1).followUp, qint16(1));
    QCOMPARE(stored.at(1).reminder, qint16(0));
}

void tst_frmJotwell::boxesShowTheirWholeText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qint16>("interval");
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << qint16(23130);
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << qint16(-32768);
}

void tst_frmJotwell::boxesShowTheirWholeText()
{
    // A date with its time of day ("12/28/2026 10:58:58 PM") and a
    // days-before of five digits and a sign fit their boxes.
    QFETCH(QLocale, locale);
    QFETCH(qint16, interval);
    const QLocale before;
    QLocale::setDefault(locale);
    Note note = sample("Anna-Katharina Mueller");
    note.date = 46384 + (22 * 3600 + 58 * 60 + 58) / 86400.0;
    note.interval = interval;
    JotwellSession s({sample("Ann"), note});
    s.open();
    s.click("cmdNext");
    QLocale::setDefault(before);
    for (const char *name : {"txtDate", "txtInterval"}) {
        auto *box = s.control<QLineEdit>(name);
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        // The text area less the box's margin of 2 pixels a side.
        const int room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - 4;
        QVERIFY2(box->fontMetrics().horizontalAdvance(box->text()) <= room,
                 qPrintable(QStringLiteral("%1: \"%2\" in %3 pixels").arg(name, box->text()).arg(room)));
    }
    QCOMPARE(s.control<QLineEdit>("txtInterval")->text(), QString::number(interval));
    QCOMPARE(s.control<QLineEdit>("txtContact")->cursorPosition(), 0);
}

namespace {

QByteArray withDateBits(QByteArray record, quint64 bits)
{
    for (int i = 0; i < 8; ++i)
        record[i] = char(bits >> (8 * i));
    return record;
}

} // namespace

// Moving over a note whose boxes were not touched writes it back byte for
// byte, whatever the boxes make of it; a damaged date never holds the user.
void tst_frmJotwell::untouchedNoteIsWrittenBackAsStored_data()
{
    using NoteBytes::record;
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("dateShown");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<Qt::CheckState>("boxes");
    const QByteArray plain = record(45352, "Work", "Ann", 1, "still here");
    QTest::newRow("date not a number") << withDateBits(plain, 0x7ff4000000000001ULL) << false << "still here" << Qt::Unchecked;
    QTest::newRow("date infinite") << withDateBits(plain, 0x7ff0000000000000ULL) << false << "still here" << Qt::Unchecked;
    QTest::newRow("date after 9999") << record(3e6, "", "Ann", 1, "still here") << false << "still here" << Qt::Unchecked;
    QTest::newRow("date before year 100") << record(-7e5, "", "Ann", 1, "still here") << false << "still here" << Qt::Unchecked;
    QTest::newRow("line breaks CR LF, LF, CR")
        << record(45352.25, "", "Ann", 1, "one\r\ntwo\nthree\rfour") << true << "one\ntwo\nthree\nfour" << Qt::Unchecked;
    QTest::newRow("non-breaking space and an unassigned byte")
        << record(45352, "Caf\xe9\xa0", "Ann\xa0Lee", 1, "a\xa0" "b\x81") << true << "a b\u0081" << Qt::Unchecked;
    QTest::newRow("greyed check boxes") << record(45352, "", "Ann", 1, "grey", 2, 2) << true << "grey" << Qt::PartiallyChecked;
}

void tst_frmJotwell::untouchedNoteIsWrittenBackAsStored()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, dateShown);
    QFETCH(QString, shownText);
    QFETCH(Qt::CheckState, boxes);
    const QByteArray file = stored + NoteBytes::numbered(2);
    JotwellSession s;
    NoteFiles::writeBytes(s.notesPath(), file);
    frmJotwell &form = s.open();
    QCOMPARE(s.text("txtDate").isEmpty(), !dateShown);
    QCOMPARE(s.noteText(), shownText);
    QCOMPARE(s.control<QCheckBox>("chkReminder")->checkState(), boxes);
    s.click("cmdNext");
    QCOMPARE(form.currentRecord(), 2);
    s.click("cmdPrevious");
    s.click("cmdSave");
    QCOMPARE(s.messageTexts(), QStringList());
    QCOMPARE(s.bytes(), file);
    QCOMPARE(s.control<QCheckBox>("chkFollowUp")->checkState(), boxes);
}

// Edited text is stored with CR LF line breaks, each counting two of the
// 200 bytes, and keeps the bytes the plain text form would lose.
void tst_frmJotwell::editedTextIsStoredWithCrLf()
{
    JotwellSession s;
    NoteFiles::writeBytes(s.notesPath(), NoteBytes::record(45352, "", "Ann", 1, "one\rtwo\xa0"));
    s.open();
    auto *text = s.control<QPlainTextEdit>("txtNotes");
    text->moveCursor(QTextCursor::End);
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, QStringLiteral("x"));
    s.click("cmdSave");
    QCOMPARE(s.bytes().mid(40, 200), QByteArray("one\r\ntwo\xa0\r\nx").leftJustified(200, ' '));

    text->setPlainText(QStringLiteral("ab\n").repeated(70));
    s.click("cmdSave");
    QCOMPARE(s.bytes().mid(40, 200), QByteArray("ab\r\n").repeated(50));
    QCOMPARE(s.bytes().size(), 244);
}

void tst_frmJotwell::intervalIsRoundedOrRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<int>("stored");
    QTest::newRow("spaces around") << " 7 " << true << 7;
    QTest::newRow("tie to even down") << "2.5" << true << 2;
    QTest::newRow("tie to even up") << "3.5" << true << 4;
    QTest::newRow("negative") << "-3" << true << -3;
    QTest::newRow("lowest") << "-32768" << true << -32768;
    QTest::newRow("highest") << "32767.4" << true << 32767;
    QTest::newRow("rounds past the top") << "32767.5" << false << 0;
    QTest::newRow("too large") << "40000" << false << 0;
    QTest::newRow("text") << "abc" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("not a number") << "nan" << false << 0;
}

void tst_frmJotwell::intervalIsRoundedOrRefused()
{
    QFETCH(QString, typed);
    QFETCH(bool, saved);
    QFETCH(int, stored);
    JotwellSession s({sample("Ann")});
    s.open();
    const QByteArray before = s.bytes();
    s.type("txtInterval", typed);
    s.click("cmdSave");
    if (saved) {
        QCOMPARE(s.notes().at(0).interval, qint16(stored));
        QVERIFY(s.messages().isEmpty());
    } else {
        QCOMPARE(s.bytes(), before);
        QCOMPARE(s.messages().size(), 1);
        QCOMPARE(s.messages().at(0).icon, Dialogs::Icon::Exclamation);
        QCOMPARE(s.messages().at(0).title, QStringLiteral("Jotwell"));
    }
}

void tst_frmJotwell::invalidNoteIsNeverWritten_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("command");
    const QStringList commands = {"cmdNext", "cmdPrevious", "cmdSave", "cmdNew", "cmdSearch", "chkReminder"};
    for (const QString &command : commands) {
        QTest::addRow("date, %s", qPrintable(command)) << "next Tuesday" << "1" << command;
        QTest::addRow("interval, %s", qPrintable(command)) << "2024-03-05" << "many" << command;
    }
}

void tst_frmJotwell::invalidNoteIsNeverWritten()
{
    QFETCH(QString, date);
    QFETCH(QString, interval);
    QFETCH(QString, command);
    JotwellSession s({sample("Ann"), sample("Bob"), sample("Cid")});
    frmJotwell &form = s.open();
    s.click("cmdNext");
    const QByteArray before = s.bytes();
    s.type("txtDate", date);
    s.type("txtInterval", interval);
    s.dialogs->queueText(QStringLiteral("cid"));
    if (command == QLatin1String("chkReminder"))
        QTest::mouseClick(s.control<QCheckBox>("chkReminder"), Qt::LeftButton);
    else
        s.click(qPrintable(command));
    QCOMPARE(s.bytes(), before);
    QCOMPARE(form.currentRecord(), 2);
    QCOMPARE(form.recordCount(), 3);
    QCOMPARE(s.text("txtContact"), QStringLiteral("Bob"));
    const auto messages = s.messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.at(0).icon, Dialogs::Icon::Exclamation);
    QVERIFY(messages.at(0).text.contains(date == QLatin1String("next Tuesday") ? date : interval));
}

void tst_frmJotwell::reminderBoxSavesOnUserClickOnly()
{
    Note flagged = sample("flagged", {}, 1);
    Note greyed = sample("greyed", {}, 2);
    JotwellSession s({sample("Ann"), flagged, greyed});
    frmJotwell &form = s.open();
    const QByteArray before = s.bytes();
    // Showing notes with other flags writes nothing.
    form.ShowCurrentRecord();
    form.cmdNext_Click(); // saves note 1 unchanged
    QCOMPARE(s.bytes(), before);
    form.cmdNext_Click();
    QCOMPARE(s.control<QCheckBox>("chkReminder")->checkState(), Qt::PartiallyChecked);
    QCOMPARE(s.bytes(), before);

    s.type("txtContact", QStringLiteral("changed"));
    QTest::mouseClick(s.control<QCheckBox>("chkReminder"), Qt::LeftButton);
    const Note stored = s.notes().at(2);
    QCOMPARE(stored.reminder, qint16(1));
    QCOMPARE(stored.contact.trimmed(), QStringLiteral("changed"));
    // The user's clicks never lead back to the greyed state.
    QTest::mouseClick(s.control<QCheckBox>("chkReminder"), Qt::LeftButton);
    QTest::mouseClick(s.control<QCheckBox>("chkReminder"), Qt::LeftButton);
    QCOMPARE(s.notes().at(2).reminder, qint16(1));
}

void tst_frmJotwell::intervalWarningOnUserEditsOnly()
{
    JotwellSession s({sample("Ann"), sample("Bob")});
    frmJotwell &form = s.open();
    auto *box = s.control<QLineEdit>("txtInterval");
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("12"));
    QCOMPARE(box->text(), QStringLiteral("12"));
    QVERIFY(s.messages().isEmpty());
    form.cmdNext_Click();
    form.cmdPrevious_Click();
    QVERIFY(s.messages().isEmpty());

    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(s.messages().size(), 1);
    QCOMPARE(s.messages().at(0).text, QStringLiteral("please enter number"));
    QCOMPARE(s.messages().at(0).title, QStringLiteral("Jotwell"));
    // A minus sign starts a number; a letter does not. The text stays as typed.
    QTest::keyClicks(box, QStringLiteral("-4x"));
    QCOMPARE(box->text(), QStringLiteral("-4x"));
    QCOMPARE(s.messages().size(), 2);
}

void tst_frmJotwell::editsAreLostOnClose_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << "cmdExit";
    QTest::newRow("Exit menu") << "mnuExit";
    QTest::newRow("title bar") << "close";
}

void tst_frmJotwell::editsAreLostOnClose()
{
    QFETCH(QString, how);
    JotwellSession s({sample("Ann")});
    frmJotwell &form = s.open();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QByteArray before = s.bytes();
    auto *category = s.control<QComboBox>("cboCategory");
    category->setFocus();
    category->setEditText(QStringLiteral("Work"));
    s.control<QLineEdit>("txtContact")->setFocus();
    s.type("txtContact", QStringLiteral("edited"));
    if (how == QLatin1String("cmdExit"))
        s.click("cmdExit");
    else if (how == QLatin1String("mnuExit"))
        s.menu("mnuExit")->trigger();
    else
        form.close();
    QVERIFY(!form.isVisible());
    QCOMPARE(s.bytes(), before);
    QCOMPARE(NoteFiles::readBytes(QDir(s.folder()).filePath("Category.cat")), QByteArray("Work\r\n"));
}

void tst_frmJotwell::categoryListFollowsTheFocusRule()
{
    JotwellSession s({sample("Ann")});
    NoteFiles::writeBytes(QDir(s.folder()).filePath("Category.cat"), "Home\r\n\r\nHome\r\n");
    frmJotwell &form = s.open();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *category = s.control<QComboBox>("cboCategory");
    QCOMPARE(category->count(), 3);
    QCOMPARE(category->currentText(), QString());
    auto *contact = s.control<QLineEdit>("txtContact");
    const auto leaveWith = [&](const QString &text) {
        category->setFocus();
        QVERIFY(category->hasFocus());
        category->setEditText(text);
        contact->setFocus();
    };
    leaveWith(QString());
    leaveWith(QStringLiteral("Home"));
    QCOMPARE(category->count(), 3);
    // Typed and entered: a case-blind match must not replace what was typed.
    category->setFocus();
    category->setEditText(QString());
    QTest::keyClicks(category, QStringLiteral("home"));
    QTest::keyClick(category, Qt::Key_Return);
    QCOMPARE(category->currentText(), QStringLiteral("home"));
    contact->setFocus();
    // The box holds what a note keeps, and the list takes what the box holds.
    leaveWith(QStringLiteral("A category longer than ten"));
    QCOMPARE(category->count(), 5);
    QCOMPARE(category->currentText(), QStringLiteral("A category"));
    form.close();
    QCOMPARE(NoteFiles::readBytes(QDir(s.folder()).filePath("Category.cat")),
             QByteArray("Home\r\nHome\r\nhome\r\nA category\r\n"));
    QVERIFY(s.messages().isEmpty());
}

void tst_frmJotwell::categoryIsNotTakenWhenTheWindowLosesFocus()
{
    JotwellSession s({sample("Ann")});
    frmJotwell &form = s.open();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *category = s.control<QComboBox>("cboCategory");
    category->setFocus();
    QTest::keyClicks(category, QStringLiteral("Wor"));
    // Another window comes up mid-word (a reminder, another program): the
    // focus is still in the box as far as this window is concerned.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.close();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(category->hasFocus());
    QTest::keyClicks(category, QStringLiteral("k"));
    s.control<QLineEdit>("txtContact")->setFocus();
    QCOMPARE(category->count(), 1);
    QCOMPARE(category->itemText(0), QStringLiteral("Work"));
}

void tst_frmJotwell::failedCategoryWriteIsShown()
{
    JotwellSession s({sample("Ann")});
    const QString path = QDir(s.folder()).filePath("Category.cat");
    NoteFiles::writeBytes(path, "Home\r\n");
    frmJotwell &form = s.open();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *category = s.control<QComboBox>("cboCategory");
    category->setFocus();
    category->setEditText(QStringLiteral("Work"));
    s.control<QLineEdit>("txtContact")->setFocus();
    QCOMPARE(category->count(), 2);

    FaultyFileOps faults;
    faults.failFrom(1, ENOSPC);
    {
        ScopedFileOps use(&faults);
        form.close();
    }
    QCOMPARE(s.messages().size(), 1);
    QCOMPARE(s.messages().at(0).icon, Dialogs::Icon::Critical);
    QCOMPARE(s.messages().at(0).title, QStringLiteral("Jotwell"));
    QCOMPARE(NoteFiles::readBytes(path), QByteArray("Home\r\n"));
}

void tst_frmJotwell::unreadCategoryListIsNotOverwritten()
{
    JotwellSession s({sample("Ann")});
    const QString path = QDir(s.folder()).filePath("Category.cat");
    NoteFiles::writeBytes(path, "Home\r\nWork\r\n");
    // The list is the last file the start-up opens.
    int listOpen = 0;
    {
        FaultyFileOps counting;
        ScopedFileOps use(&counting);
        frmJotwell dry(s.folder());
        listOpen = int(counting.log().lastIndexOf(QStringLiteral("open"))) + 1;
    }
    QVERIFY(listOpen > 1);
    s.dialogs->clear();
    FaultyFileOps faults;
    faults.failCall(listOpen, EIO);
    {
        ScopedFileOps use(&faults);
        s.open();
    }
    QCOMPARE(s.messages().size(), 1);
    QVERIFY(s.messages().at(0).text.contains(QStringLiteral("Category.cat")));
    QCOMPARE(s.control<QComboBox>("cboCategory")->count(), 0);
    s.form->close();
    QCOMPARE(NoteFiles::readBytes(path), QByteArray("Home\r\nWork\r\n"));
    QCOMPARE(s.messages().size(), 1);
}

void tst_frmJotwell::failedReadKeepsTheNoteOnScreen()
{
    JotwellSession s({sample("Ann"), sample("Bob")});
    frmJotwell &form = s.open();
    int readCall = 0;
    {
        FaultyFileOps counting;
        ScopedFileOps use(&counting);
        form.cmdNext_Click();
        readCall = int(counting.log().indexOf(QStringLiteral("pread"))) + 1;
        form.cmdPrevious_Click();
    }
    QVERIFY(readCall > 0);
    FaultyFileOps faults;
    faults.failCall(readCall, EIO);
    {
        ScopedFileOps use(&faults);
        s.click("cmdNext");
    }
    QCOMPARE(s.messages().size(), 1);
    QCOMPARE(s.messages().at(0).icon, Dialogs::Icon::Critical);
    // Screen and number still agree: a save now writes Ann's note as note 1.
    QCOMPARE(form.currentRecord(), 1);
    QCOMPARE(s.text("txtContact"), QStringLiteral("Ann"));
    s.type("txtContact", QStringLiteral("Ann Lee"));
    s.click("cmdSave");
    QCOMPARE(s.notes().at(0).contact.trimmed(), QStringLiteral("Ann Lee"));
    QCOMPARE(s.notes().at(1).contact.trimmed(), QStringLiteral("Bob"));
}

void tst_frmJotwell::boxesTakeWhatTheFieldsHold_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed"); // pasted at the end of the empty box
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("stored"); // the field as written, padding left off
    QTest::addColumn<bool>("beep");
    QTest::newRow("contact of 31") << "txtContact" << "Prof. Dr. Maximilian Mustermann" << "Prof. Dr. Maximilian"
                                   << QByteArray("Prof. Dr. Maximilian") << false;
    QTest::newRow("contact, code page") << "txtContact" << "Łódź ✓ Grüße" << "ód  Grüße" << QByteArray("\xf3\x64  Gr\xfc\xdf\x65") << true;
    QTest::newRow("category of 14") << "cboCategory" << "Arbeitsplanung" << "Arbeitspla" << QByteArray("Arbeitspla") << false;
    QTest::newRow("category, code page") << "cboCategory" << "Ærø ő €" << "Ærø  €" << QByteArray("\xc6r\xf8  \x80") << true;
    // A line break takes two bytes: 198 + 2 fill the field, "yz" finds no room.
    QTest::newRow("text of 200 bytes") << "txtNotes" << QString(198, QLatin1Char('x')) + "\nyz"
                                       << QString(198, QLatin1Char('x')) + "\n" << QByteArray(198, 'x') + "\r\n" << true;
    QTest::newRow("text, code page") << "txtNotes" << "Grüße ✓\nŁódź" << "Grüße \nód" << QByteArray("Gr\xfc\xdf\x65 \r\n\xf3\x64") << true;
    QTest::newRow("text, 100 breaks") << "txtNotes" << QString(101, QLatin1Char('\n')) << QString(100, QLatin1Char('\n'))
                                      << QByteArray("\r\n").repeated(100) << true;
}

void tst_frmJotwell::boxesTakeWhatTheFieldsHold()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, stored);
    JotwellSession s({sample("a")});
    s.open();
    QString text;
    int at = 0, width = 0;
    if (box == QLatin1String("txtNotes")) {
        auto *edit = s.control<QPlainTextEdit>("txtNotes");
        edit->clear();
        edit->insertPlainText(typed);
        text = edit->toPlainText();
        at = 40;
        width = 200;
    } else {
        QLineEdit *edit = box == QLatin1String("txtContact") ? s.control<QLineEdit>("txtContact")
                                                              : s.control<QComboBox>("cboCategory")->lineEdit();
        edit->clear();
        edit->insert(typed);
        text = edit->text();
        at = box == QLatin1String("txtContact") ? 18 : 8;
        width = box == QLatin1String("txtContact") ? 20 : 10;
    }
    QCOMPARE(text, shown);
    // A character the files cannot hold is answered with a beep, and so is
    // text the note box leaves out; a one-line box stops at its length.
    QTEST(s.dialogs->beeps() > 0, "beep");
    s.click("cmdSave");
    QCOMPARE(s.bytes().mid(at, width), stored.leftJustified(width, ' '));
}

// A stored note whose lone CRs show as line breaks of two bytes is shown whole.
void tst_frmJotwell::storedNoteShowsWhole()
{
    JotwellSession s;
    const QByteArray notes = QByteArray("a\r").repeated(100);
    NoteFiles::writeBytes(s.notesPath(), NoteBytes::record(45352, "", "Ann", 1, notes));
    s.open();
    QCOMPARE(s.noteText(), QStringLiteral("a\n").repeated(100));
    s.click("cmdSave");
    QCOMPARE(s.bytes().mid(40, 200), notes);
}

// "&Alarm" and "D&ate:" share Alt+A: each press moves the focus to the
// next of them and presses nothing.
void tst_frmJotwell::sharedAccessKeyMovesBetweenItsSharers()
{
    JotwellSession s({sample("a")});
    frmJotwell &form = s.open();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    s.control<QPlainTextEdit>("txtNotes")->setFocus();
    QSet<QString> reached;
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
        reached << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(reached, (QSet<QString>{"cmdAlarm", "txtDate"}));
    QTest::qWait(300);
    QVERIFY(s.dialogs->inputs().isEmpty());
}

QTEST_MAIN(tst_frmJotwell)
#include "tst_frmJotwell.moc"
