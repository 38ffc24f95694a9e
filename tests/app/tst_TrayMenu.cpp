// The tray icon and its menu, hiding the main window and bringing it back.
#include "JotwellSession.h"
#include "platform/tray/TrayIcon.h"
#include "reminders/frmReminder.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QSystemTrayIcon>

class tst_TrayMenu : public QObject
{
    Q_OBJECT
private slots:
    void menuItemsInOrder();
    void hideAndDoubleClickBack_data();
    void hideAndDoubleClickBack();
    void newNoteFromTheTrayShowsTheWindow();
    void clockWindowCheckMarkCycle();
    void openRefusedWhileAReminderIsUp();
    void closeUnloadsAndEnds();
};

void tst_TrayMenu::menuItemsInOrder()
{
    JotwellSession s;
    frmJotwell &form = s.open(true);
    QStringList items;
    for (const QAction *action : form.trayMenu()->actions())
        items << action->objectName() + '=' + (action->isSeparator() ? QStringLiteral("-") : action->text());
    QCOMPARE(items, (QStringList{"mnuOpen=Open", "mnuDate=Calendar", "mnuSep2=-", "mnuRemind=Reminder on",
                                 "mnuSep3=-", "mnuNew=New Note", "mnuAlarm=New Alarm", "mnuSep=-", "mnuClose=Close"}));
    QVERIFY(s.menu("mnuDate")->isCheckable());
    QVERIFY(!s.menu("mnuDate")->isChecked());
    QVERIFY(s.menu("mnuHide")->isEnabled());
    const TrayIcon::Settings &tray = form.trayIcon()->settings();
    QCOMPARE(tray.tooltiptext, QStringLiteral("Jotwell 1.0"));
    QVERIFY(!tray.flashenabled);
    QCOMPARE(tray.flashinterval, 1000);
    QVERIFY(!tray.icon.isNull());
}

void tst_TrayMenu::hideAndDoubleClickBack_data()
{
    QTest::addColumn<bool>("trayAvailable");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("minimized");
    QTest::newRow("with a notification area") << true << true << false;
    // Without one a hidden window could never be reached again.
    QTest::newRow("without") << false << false << true;
}

void tst_TrayMenu::hideAndDoubleClickBack()
{
    QFETCH(bool, trayAvailable);
    QFETCH(bool, hidden);
    QFETCH(bool, minimized);
    JotwellSession s({NoteFiles::sample("Ann"), NoteFiles::sample("Bob")});
    frmJotwell &form = s.open();
    form.trayIcon()->setAvailabilityProbe([=] { return trayAvailable; });
    s.click("cmdNext");
    s.click("cmdHide");
    QCOMPARE(form.isHidden(), hidden);
    QCOMPARE(form.isMinimized(), minimized);
    // Ticks go on while hidden.
    form.tmrTime_Timer();
    QCOMPARE(form.isHidden(), hidden);

    auto *icon = form.findChild<QSystemTrayIcon *>(QStringLiteral("traIcon"));
    emit icon->activated(QSystemTrayIcon::Trigger);
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(form.isVisible());
    QVERIFY(!form.isMinimized());
    QCOMPARE(form.currentRecord(), 2);
    QCOMPARE(s.text("txtContact"), QStringLiteral("Bob"));
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    QVERIFY(!form.trayMenu()->isVisible());

    s.menu("mnuHide")->trigger();
    QCOMPARE(form.isHidden(), hidden);
}

void tst_TrayMenu::newNoteFromTheTrayShowsTheWindow()
{
    JotwellSession s({NoteFiles::sample("Ann")});
    frmJotwell &form = s.open();
    form.trayIcon()->setAvailabilityProbe([] { return true; });
    form.cmdHide_Click();
    s.menu("mnuNew")->trigger();
    QVERIFY(form.isVisible());
    QCOMPARE(form.recordCount(), 2);
    QCOMPARE(form.currentRecord(), 2);
}

void tst_TrayMenu::clockWindowCheckMarkCycle()
{
    JotwellSession s;
    frmJotwell &form = s.open();
    QAction *item = s.menu("mnuDate");
    const auto clock = [&] { return form.findChild<QWidget *>(QStringLiteral("frmCalendar")); };
    const auto clockShown = [&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return clock() && clock()->isVisible();
    };

    item->trigger();
    QVERIFY(clockShown());
    QVERIFY(item->isChecked());
    item->trigger();
    QVERIFY(!clockShown());
    QVERIFY(!item->isChecked());
    item->trigger();
    QVERIFY(clockShown());
    // Closed by its own close box: the mark stays, so the next choice opens
    // and at once closes the window, and the one after opens it.
    clock()->close();
    QVERIFY(!clockShown());
    QVERIFY(item->isChecked());
    item->trigger();
    QVERIFY(!clockShown());
    QVERIFY(!item->isChecked());
    item->trigger();
    QVERIFY(clockShown());
    QVERIFY(item->isChecked());
}

void tst_TrayMenu::openRefusedWhileAReminderIsUp()
{
    JotwellSession s({NoteFiles::sample("Ann", "due", 1)});
    frmJotwell &form = s.open();
    form.trayIcon()->setAvailabilityProbe([] { return true; });
    form.cmdHide_Click();
    bool refused = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        auto *reminder = qobject_cast<frmReminder *>(QApplication::activeModalWidget());
        if (!reminder)
            return;
        s.menu("mnuOpen")->trigger();
        refused = form.isHidden();
        reminder->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    });
    poll.start(0);
    form.tmrReminder_Timer();
    QVERIFY(refused);
    QCOMPARE(s.messages().size(), 1);
    QCOMPARE(s.messages().at(0).text, QStringLiteral("Can't display window!\rRemove current Reminders first."));
    QCOMPARE(s.messages().at(0).title, QStringLiteral("Error displaying Window!"));
    QCOMPARE(s.messages().at(0).icon, Dialogs::Icon::Critical);

    // Once the reminder is answered, Open shows the window without a word.
    s.menu("mnuOpen")->trigger();
    QVERIFY(form.isVisible());
    QCOMPARE(s.messages().size(), 1);
}

void tst_TrayMenu::closeUnloadsAndEnds()
{
    JotwellSession s;
    frmJotwell &form = s.open();
    QSignalSpy ending(&form, &frmJotwell::exitRequested);
    s.menu("mnuDate")->trigger();
    s.control<QComboBox>("cboCategory")->setEditText(QStringLiteral("Work"));
    form.cboCategory_LostFocus();
    s.menu("mnuClose")->trigger();
    QCOMPARE(ending.size(), 1);
    QVERIFY(!form.isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form.findChild<QWidget *>(QStringLiteral("frmCalendar")));
    QCOMPARE(NoteFiles::readBytes(s.folder() + QStringLiteral("/Category.cat")), QByteArray("Work\r\n"));
}

QTEST_MAIN(tst_TrayMenu)
#include "tst_TrayMenu.moc"
