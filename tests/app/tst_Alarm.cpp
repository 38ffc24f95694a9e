// The alarm and the one-second clock tick of the main window, driven by the
// settable clock; the tick is called directly, its timer once for real.
#include "JotwellSession.h"
#include "platform/dates/LocaleServices.h"

#include <QTimer>

namespace {

const QDate Day1(2024, 3, 10);

QDateTime at(int dayOffset, const QString &time)
{
    return QDateTime(Day1.addDays(dayOffset), QTime::fromString(time, QStringLiteral("HH:mm:ss")));
}

// Ticks once every step seconds from the clock's time up to until, and
// returns the clock times at which the alarm rang.
QStringList tickUntil(JotwellSession &s, const QDateTime &until, int step)
{
    QStringList rang;
    for (; s.clock.now() <= until; s.clock.advanceSeconds(step)) {
        const int before = s.dialogs->beeps();
        s.form->tmrTime_Timer();
        if (s.dialogs->beeps() != before)
            rang << s.clock.now().toString(QStringLiteral("d HH:mm:ss"));
    }
    return rang;
}

} // namespace

class tst_Alarm : public QObject
{
    Q_OBJECT
private slots:
    void ringsOncePerPassingOfTheTime_data();
    void ringsOncePerPassingOfTheTime();
    void ringMessage();
    void clockTicksUnderTheOpenMessage();
    void invalidTimeIsRefused();
    void captionFollowsTheWindowState();
    void clockTimerRunsFromTheStart();
};

void tst_Alarm::ringsOncePerPassingOfTheTime_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<bool>("rangBefore"); // an alarm at 07:00 rang just before
    QTest::addColumn<QStringList>("answers"); // memo, then time
    QTest::addColumn<int>("step");
    QTest::addColumn<QDateTime>("until");
    QTest::addColumn<QStringList>("rings");

    const QStringList eight = {"call bob", "08:00"};
    // Ticks at half past each minute over three days and two midnights.
    QTest::newRow("once a day, three days") << at(0, "07:30:30") << false << eight << 60 << at(2, "23:59:30")
                                            << QStringList{"10 08:00:30", "11 08:00:30", "12 08:00:30"};
    QTest::newRow("earlier time, mark clear: rings at once") << at(0, "09:00:30") << false << eight << 60
                                                             << at(1, "09:00:30")
                                                             << QStringList{"10 09:00:30", "11 08:00:30"};
    QTest::newRow("earlier time, mark set: next day") << at(0, "09:00:30") << true << eight << 60 << at(1, "09:00:30")
                                                      << QStringList{"11 08:00:30"};
    QTest::newRow("later time, mark set: today") << at(0, "09:30:30") << true << QStringList{"x", "10:00"} << 60
                                                 << at(0, "10:30:30") << QStringList{"10 10:00:30"};
    // The tick on the alarm's own second ends early; the next one rings.
    QTest::newRow("second after the time") << at(0, "14:29:58") << false << QStringList{"x", "14:30"} << 1
                                           << at(0, "14:30:03") << QStringList{"10 14:30:01"};
    // No time of day lies before 00:00: the new day clears the rung mark.
    QTest::newRow("midnight, every day") << at(0, "23:58:30") << true << QStringList{"x", "00:00"} << 60
                                         << at(2, "00:05:30") << QStringList{"11 00:00:30", "12 00:00:30"};
    QTest::newRow("a second after midnight, every day") << at(0, "23:59:59") << false << QStringList{"x", "00:00:01"}
                                                        << 2 << at(1, "00:00:10")
                                                        << QStringList{"10 23:59:59", "11 00:00:03"};
    QTest::newRow("typed date never rings") << at(0, "07:59:30") << false
                                            << QStringList{"x", LocaleServices().shortDate(45361) + " 08:00"} << 60
                                            << at(1, "09:00:30") << QStringList{};
    QTest::newRow("memo cancelled: no alarm") << at(0, "07:59:30") << false << QStringList{"", "08:00"} << 60
                                              << at(0, "09:00:30") << QStringList{};
    QTest::newRow("time cancelled: no alarm") << at(0, "07:59:30") << false << QStringList{"x", ""} << 60
                                              << at(0, "09:00:30") << QStringList{};
}

void tst_Alarm::ringsOncePerPassingOfTheTime()
{
    QFETCH(QDateTime, start);
    QFETCH(bool, rangBefore);
    QFETCH(QStringList, answers);
    QFETCH(int, step);
    QFETCH(QDateTime, until);
    QFETCH(QStringList, rings);

    JotwellSession s;
    frmJotwell &form = s.open();
    if (rangBefore) {
        s.clock.set(start.addSecs(-60));
        s.dialogs->queueText(QStringLiteral("earlier"));
        s.dialogs->queueText(QStringLiteral("07:00"));
        form.cmdAlarm_Click();
        form.tmrTime_Timer();
        QCOMPARE(s.dialogs->beeps(), 1);
        s.dialogs->clear();
    }
    s.clock.set(start);
    for (const QString &answer : answers)
        s.dialogs->queueText(answer);
    // Ticks under the input boxes change nothing of the alarm being replaced.
    s.dialogs->setWhileOpen([&](const ScriptedDialogs::Request &) { form.tmrTime_Timer(); });
    form.mnuAlarm_Click();
    s.dialogs->setWhileOpen(nullptr);
    QCOMPARE(s.dialogs->beeps(), 0);
    QCOMPARE(tickUntil(s, until, step), rings);
}

void tst_Alarm::ringMessage()
{
    JotwellSession s;
    frmJotwell &form = s.open();
    s.clock.set(at(0, "09:00:00"));
    s.dialogs->queueText(QStringLiteral("Call Bob about the café"));
    s.dialogs->queueText(QStringLiteral("08:15"));
    form.cmdAlarm_Click();

    const auto inputs = s.dialogs->inputs();
    QCOMPARE(inputs.size(), 2);
    QCOMPARE(inputs.at(0).text, QStringLiteral("Enter Memo For Alarm:"));
    QCOMPARE(inputs.at(0).title, QStringLiteral("MEMO"));
    QCOMPARE(inputs.at(0).defaultText, QString());
    QCOMPARE(inputs.at(1).text, QStringLiteral("Enter alarm time:"));
    QCOMPARE(inputs.at(1).title, QStringLiteral("ALARM"));
    QCOMPARE(inputs.at(1).defaultText, QStringLiteral("09:00"));

    s.clock.set(at(0, "23:05:09"));
    form.tmrTime_Timer();
    QCOMPARE(s.dialogs->beeps(), 1);
    QTRY_COMPARE(s.messages().size(), 1);
    const auto ring = s.messages().at(0);
    QCOMPARE(ring.text, "You have to: CALL BOB ABOUT THE CAFÉ at " + LocaleServices().longTime(0.0 + (23 * 3600 + 5 * 60 + 9) / 86400.0));
    QCOMPARE(ring.title, QStringLiteral("ALARM"));
    QCOMPARE(ring.icon, Dialogs::Icon::Information);
}

void tst_Alarm::clockTicksUnderTheOpenMessage()
{
    JotwellSession s;
    frmJotwell &form = s.open();
    form.showMinimized();
    s.clock.set(at(0, "08:00:30"));
    s.dialogs->queueText(QStringLiteral("x"));
    s.dialogs->queueText(QStringLiteral("08:00"));
    form.cmdAlarm_Click();
    const LocaleServices locale;
    QStringList shown;
    s.dialogs->setWhileOpen([&](const ScriptedDialogs::Request &) {
        // The real one-second timer goes on while the box is up; each of its
        // ticks shows the new time in the box and the minimized caption.
        for (int i = 0; i < 2; ++i) {
            s.clock.advanceSeconds(1);
            const QString now = locale.longTime(45361 + (8 * 3600 + 31 + i) / 86400.0);
            QTRY_COMPARE_WITH_TIMEOUT(s.text("txtTime"), now, 3000);
            QCOMPARE(form.windowTitle(), now);
            shown << now;
        }
    });
    form.tmrTime_Timer();
    QTRY_COMPARE(s.messages().size(), 1);
    QCOMPARE(shown.size(), 2);
    // Rung once, though the time of day stayed past the alarm on every tick.
    QCOMPARE(s.dialogs->beeps(), 1);
}

void tst_Alarm::invalidTimeIsRefused()
{
    JotwellSession s;
    frmJotwell &form = s.open();
    s.clock.set(at(0, "09:00:30"));
    s.dialogs->queueText(QStringLiteral("x"));
    s.dialogs->queueText(QStringLiteral("half past eight"));
    form.cmdAlarm_Click();
    QCOMPARE(s.messages().size(), 1);
    QCOMPARE(s.messages().at(0).text, QStringLiteral("The time you entered was not valid."));
    QCOMPARE(s.messages().at(0).title, QStringLiteral("Jotwell"));
    QCOMPARE(s.messages().at(0).icon, Dialogs::Icon::None);
    QCOMPARE(form.alarm().text(), QStringLiteral("half past eight"));
    QCOMPARE(tickUntil(s, at(1, "09:00:30"), 60), QStringList{});
}

void tst_Alarm::captionFollowsTheWindowState()
{
    JotwellSession s;
    frmJotwell &form = s.open();
    QCOMPARE(form.windowTitle(), QStringLiteral("Jotwell"));
    form.tmrTime_Timer();
    QCOMPARE(form.windowTitle(), QStringLiteral("Jotwell 1.0"));
    const QString time = LocaleServices().longTime(45361 + 9.5 / 24);
    QCOMPARE(s.text("txtTime"), time);
    form.showMinimized();
    form.tmrTime_Timer();
    QCOMPARE(form.windowTitle(), time);
    form.showNormal();
    form.tmrTime_Timer();
    QCOMPARE(form.windowTitle(), QStringLiteral("Jotwell 1.0"));
}

void tst_Alarm::clockTimerRunsFromTheStart()
{
    JotwellSession s;
    s.open();
    auto *timer = s.form->findChild<QTimer *>(QStringLiteral("tmrTime"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    QTRY_COMPARE_WITH_TIMEOUT(s.text("txtTime"), LocaleServices().longTime(45361 + 9.5 / 24), 3000);
}

QTEST_MAIN(tst_Alarm)
#include "tst_Alarm.moc"
