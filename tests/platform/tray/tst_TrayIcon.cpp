// Telling a single click on the tray icon from a double click.
#include "platform/tray/TrayIcon.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

void activate(TrayIcon &tray, QSystemTrayIcon::ActivationReason reason)
{
    auto *icon = tray.findChild<QSystemTrayIcon *>(QStringLiteral("traIcon"));
    QVERIFY(icon);
    emit icon->activated(reason);
}

} // namespace

class tst_TrayIcon : public QObject
{
    Q_OBJECT
private slots:
    void clicks_data();
    void clicks();
    void settingsAsGiven();
};

void tst_TrayIcon::clicks_data()
{
    QTest::addColumn<QList<int>>("reasons");
    QTest::addColumn<int>("singles");
    QTest::addColumn<int>("doubles");
    QTest::newRow("single click") << QList<int>{QSystemTrayIcon::Trigger} << 1 << 0;
    // A double click arrives as a click, then the double click.
    QTest::newRow("double click") << QList<int>{QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick} << 0 << 1;
    QTest::newRow("right click") << QList<int>{QSystemTrayIcon::Context} << 0 << 0;
}

void tst_TrayIcon::clicks()
{
    QFETCH(QList<int>, reasons);
    QFETCH(int, singles);
    QFETCH(int, doubles);
    TrayIcon tray({});
    QSignalSpy single(&tray, &TrayIcon::LeftButtonClick);
    QSignalSpy twice(&tray, &TrayIcon::LeftButtonDoubleClick);
    for (int reason : reasons)
        activate(tray, QSystemTrayIcon::ActivationReason(reason));
    // The single click is told only once the double-click interval is over.
    QCOMPARE(single.size(), 0);
    QTest::qWait(QApplication::doubleClickInterval() + 150);
    QCOMPARE(single.size(), singles);
    QCOMPARE(twice.size(), doubles);
}

void tst_TrayIcon::settingsAsGiven()
{
    TrayIcon::Settings settings;
    settings.tooltiptext = QStringLiteral("Tip");
    TrayIcon tray(settings);
    QCOMPARE(tray.findChild<QSystemTrayIcon *>(QStringLiteral("traIcon"))->toolTip(), QStringLiteral("Tip"));
    // Nothing shows the icon on a desktop without a notification area.
    QVERIFY(!tray.isAvailable());
}

QTEST_MAIN(tst_TrayIcon)
#include "tst_TrayIcon.moc"
