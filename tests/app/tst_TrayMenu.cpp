// The tray icon and its menu, hiding the main window and bringing it back.
#include "JotwellSession.h"
#include "platform/tray/TrayIcon.h"
#include "reminders/frmReminder.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {

QSystemTrayIcon *trayActivation(frmJotwell &form)
{
    return form.findChild<QSystemTrayIcon *>(QStringLiteral("traIcon"));
}

} // namespace

class tst_TrayMenu : public QObject
{
    Q_OBJECT
private slots:
    void menuItemsInOrder();
    void hideAndDoubleClickBack_data();
    void hideAndDoubleClickBack();
    void newNoteFromTheTrayShowsTheWindow();
    void clockWindowCheckMarkCycle();
    void singleClickPopsUpTheMenu_data();
    void singleClickPopsUpTheMenu();
    void trayAnswersUnderAReminder();
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

void tst_TrayMenu::singleClickPopsUpTheMenu_data()
{
    QTest::addColumn<bool>("hidden");
    QTest::newRow("window shown") << false;
    QTest::newRow("window hidden") << true;
}

void tst_TrayMenu::singleClickPopsUpTheMenu()
{
    QFETCH(bool, hidden);
    JotwellSession s({NoteFiles::sample("Ann"), NoteFiles::sample("Bob")});
    frmJotwell &form = s.open();
    form.trayIcon()->setAvailabilityProbe([] { return true; });
    s.click("cmdNext");
    if (hidden)
        form.cmdHide_Click();
    const QRect place = form.geometry();
    // One click through the icon's own handler: the menu comes up once the
    // double-click interval has passed, and stays up.
    emit trayActivation(form)->activated(QSystemTrayIcon::Trigger);
    QTRY_VERIFY(form.trayMenu()->isVisible());
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    QVERIFY(form.trayMenu()->isVisible());
    QCOMPARE(form.isHidden(), hidden);
    QCOMPARE(form.geometry(), place);
    QCOMPARE(form.currentRecord(), 2);
    QVERIFY(s.messages().isEmpty());
    form.trayMenu()->close();
}

void tst_TrayMenu::trayAnswersUnderAReminder()
{
    JotwellSession s({NoteFiles::sample("Ann", "due", 1)});
    frmJotwell &form = s.open();
    form.trayIcon()->setAvailabilityProbe([] { return true; });
    QSignalSpy ending(&form, &frmJotwell::exitRequested);
    QMenu *menu = form.trayMenu();
    // A real click on a menu item: it reaches the item only when nothing modal blocks the menu.
    const auto choose = [&](const char *name) {
        emit trayActivation(form)->activated(QSystemTrayIcon::Trigger);
        QTRY_VERIFY(menu->isVisible());
        const QPoint at = menu->actionGeometry(s.menu(name)).center();
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(!menu->isVisible());
    };
    const QString refusal = QStringLiteral("Can't display window!\rRemove current Reminders first.");
    // The icon is a window of its own, as this one.
    QPushButton own;
    own.show();
    int ownClicks = 0;
    connect(&own, &QPushButton::clicked, [&] { ++ownClicks; });
    bool done = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        auto *reminder = qobject_cast<frmReminder *>(QApplication::activeModalWidget());
        if (!reminder || done)
            return;
        done = true;
        // The main window takes no input: a click on New makes no note.
        auto *cmdNew = s.control<QPushButton>("cmdNew");
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, cmdNew->mapTo(&form, cmdNew->rect().center()));
        QCOMPARE(form.recordCount(), 1);
        QTest::mouseClick(own.windowHandle(), Qt::LeftButton, {}, own.rect().center());
        QCOMPARE(ownClicks, 1);

        choose("mnuOpen");
        choose("mnuNew");
        choose("mnuDate");
        QCOMPARE(s.messageTexts(), (QStringList{refusal, refusal, refusal}));
        QCOMPARE(s.messages().at(0).title, QStringLiteral("Error displaying Window!"));
        QCOMPARE(s.messages().at(0).icon, Dialogs::Icon::Critical);
        QCOMPARE(form.recordCount(), 1);
        QVERIFY(!s.menu("mnuDate")->isChecked());
        QVERIFY(!form.findChild<QWidget *>(QStringLiteral("frmCalendar")));

        // A double click brings the reminder forward, not the main window.
        form.cmdHide_Click();
        emit trayActivation(form)->activated(QSystemTrayIcon::Trigger);
        emit trayActivation(form)->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(form.isHidden());
        QVERIFY(reminder->isVisible());

        choose("mnuClose");
    });
    poll.start(0);
    form.tmrReminder_Timer();
    QVERIFY(done);
    QCOMPARE(ending.size(), 1);
    QVERIFY(!form.isVisible());
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
