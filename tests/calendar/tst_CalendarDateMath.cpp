#include "core/CalendarDateMath.h"
#include "platform/dates/DateValue.h"

#include <QTest>

using namespace CalendarDateMath;

namespace {

double date(int y, int m, int d)
{
    return DateValue::fromDate(y, m, d).value();
}

QString text(double v)
{
    const auto p = DateValue::toParts(v);
    return QStringLiteral("%1-%2-%3").arg(p.year).arg(p.month, 2, 10, QLatin1Char('0')).arg(p.day, 2, 10, QLatin1Char('0'));
}

} // namespace

Q_DECLARE_METATYPE(CalendarDateMath::Step)

class tst_CalendarDateMath : public QObject
{
    Q_OBJECT
private slots:
    void julianAndLeap_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("m");
        QTest::addColumn<int>("d");
        QTest::addColumn<int>("julian");
        QTest::addColumn<bool>("leap");
        QTest::newRow("1 Jan 1997") << 1997 << 1 << 1 << 1997001 << false;
        QTest::newRow("28 Feb 1997") << 1997 << 2 << 28 << 1997059 << false;
        QTest::newRow("15 Mar 1997") << 1997 << 3 << 15 << 1997074 << false;
        QTest::newRow("19 Jul 1997") << 1997 << 7 << 19 << 1997200 << false;
        QTest::newRow("29 Feb 1996") << 1996 << 2 << 29 << 1996060 << true;
        QTest::newRow("31 Dec 2000") << 2000 << 12 << 31 << 2000366 << true;
        QTest::newRow("31 Dec 9999") << 9999 << 12 << 31 << 9999365 << false;
        QTest::newRow("1900 not leap") << 1900 << 6 << 1 << 1900152 << false;
        QTest::newRow("before 1899") << 1600 << 3 << 1 << 1600061 << true;
    }
    void julianAndLeap()
    {
        QFETCH(int, y);
        QFETCH(int, m);
        QFETCH(int, d);
        QFETCH(int, julian);
        QFETCH(bool, leap);
        QCOMPARE(JulianDateValue(date(y, m, d)), julian);
        QCOMPARE(LeapYear(date(y, m, d)), leap);
    }

    void firstOfMonthKeepsTime()
    {
        QCOMPARE(FirstOfMonth(date(1997, 3, 15) + 0.75), date(1997, 3, 1) + 0.75);
        // Before 1899 the fraction runs the other way from the whole part.
        const double morning = DateValue::fromParts({1850, 5, 20, 6, 0, 0}).value();
        QCOMPARE(FirstOfMonth(morning), DateValue::fromParts({1850, 5, 1, 6, 0, 0}).value());
    }

    void daysInMonth_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("days");
        QTest::newRow("Feb 1997") << date(1997, 2, 10) << 28;
        QTest::newRow("Feb 1996") << date(1996, 2, 29) << 29;
        QTest::newRow("Feb 1900") << date(1900, 2, 1) << 28;
        QTest::newRow("Apr") << date(1997, 4, 30) << 30;
        QTest::newRow("Nov 9999") << date(9999, 11, 30) << 30;
        QTest::newRow("Dec 9999 guard") << date(9999, 12, 1) << 31;
        QTest::newRow("last day") << date(9999, 12, 31) + 0.5 << 31;
        QTest::newRow("Jan 100") << date(100, 1, 1) << 31;
    }
    void daysInMonth()
    {
        QFETCH(double, value);
        QFETCH(int, days);
        QCOMPARE(DaysInMonth(value), days);
    }

    void steps_data()
    {
        QTest::addColumn<Step>("step");
        QTest::addColumn<double>("from");
        QTest::addColumn<int>("minYear");
        QTest::addColumn<int>("maxYear");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("maximum");
        QTest::addColumn<QString>("to");

        QTest::newRow("NextDay 31 Dec max") << Step::NextDay << date(2000, 12, 31) << 1600 << 2000 << true << true << "2000-12-31";
        QTest::newRow("NextDay 30 Dec max") << Step::NextDay << date(2000, 12, 30) << 1600 << 2000 << false << true << "2000-12-31";
        QTest::newRow("NextWeek 25 Dec max") << Step::NextWeek << date(2000, 12, 25) << 1600 << 2000 << true << true << "2000-12-25";
        QTest::newRow("NextWeek 31 Dec max") << Step::NextWeek << date(2000, 12, 31) << 1600 << 2000 << true << true << "2000-12-31";
        QTest::newRow("NextWeek 24 Dec max") << Step::NextWeek << date(2000, 12, 24) << 1600 << 2000 << false << true << "2000-12-31";
        QTest::newRow("NextMonth Dec max") << Step::NextMonth << date(2000, 12, 1) << 1600 << 2000 << true << true << "2000-12-01";
        QTest::newRow("NextMonth Nov max") << Step::NextMonth << date(2000, 11, 30) << 1600 << 2000 << false << true << "2000-12-30";
        QTest::newRow("NextYear in max") << Step::NextYear << date(2000, 1, 1) << 1600 << 2000 << true << true << "2000-01-01";
        QTest::newRow("NextYear above max") << Step::NextYear << date(2050, 6, 1) << 1600 << 2000 << true << true << "2050-06-01";
        QTest::newRow("NextDay above max") << Step::NextDay << date(2050, 6, 1) << 1600 << 2000 << false << true << "2050-06-02";
        QTest::newRow("PreviousDay 1 Jan min") << Step::PreviousDay << date(1600, 1, 1) << 1600 << 9999 << true << false << "1600-01-01";
        QTest::newRow("PreviousDay 2 Jan min") << Step::PreviousDay << date(1600, 1, 2) << 1600 << 9999 << false << false << "1600-01-01";
        QTest::newRow("PreviousWeek 7 Jan min") << Step::PreviousWeek << date(1600, 1, 7) << 1600 << 9999 << true << false << "1600-01-07";
        QTest::newRow("PreviousWeek 8 Jan min") << Step::PreviousWeek << date(1600, 1, 8) << 1600 << 9999 << false << false << "1600-01-01";
        QTest::newRow("PreviousMonth Jan min") << Step::PreviousMonth << date(1600, 1, 31) << 1600 << 9999 << true << false << "1600-01-31";
        QTest::newRow("PreviousYear below min") << Step::PreviousYear << date(1500, 6, 1) << 1600 << 9999 << true << false << "1500-06-01";
        QTest::newRow("NextYear below min") << Step::NextYear << date(1500, 6, 1) << 1600 << 9999 << false << true << "1501-06-01";
        QTest::newRow("NextMonth 31 Jan 1997") << Step::NextMonth << date(1997, 1, 31) << 1600 << 9999 << false << true << "1997-02-28";
        QTest::newRow("NextMonth 31 Jan 1996") << Step::NextMonth << date(1996, 1, 31) << 1600 << 9999 << false << true << "1996-02-29";
        QTest::newRow("PreviousMonth 31 Mar 1997") << Step::PreviousMonth << date(1997, 3, 31) << 1600 << 9999 << false << false << "1997-02-28";
        QTest::newRow("NextYear 29 Feb 1996") << Step::NextYear << date(1996, 2, 29) << 1600 << 9999 << false << true << "1997-02-28";
        QTest::newRow("NextDay year end") << Step::NextDay << date(1997, 12, 31) << 1600 << 9999 << false << true << "1998-01-01";
        // Limits loaded unchecked from a saved form: the end of the date
        // range stops the step like a limit does.
        QTest::newRow("past 9999") << Step::NextYear << date(9999, 3, 1) << 1600 << 20000 << true << true << "9999-03-01";
        QTest::newRow("before 100") << Step::PreviousDay << date(100, 1, 1) << 50 << 9999 << true << false << "100-01-01";
    }
    void steps()
    {
        QFETCH(Step, step);
        QFETCH(double, from);
        QFETCH(int, minYear);
        QFETCH(int, maxYear);
        QFETCH(bool, refused);
        QFETCH(bool, maximum);
        QFETCH(QString, to);
        const StepOutcome out = ApplyStep(step, from, minYear, maxYear);
        QCOMPARE(out.refused, refused);
        QCOMPARE(out.maximum, maximum);
        QCOMPARE(text(out.value), to);
    }

    void stepKeepsTimeOfDay()
    {
        const StepOutcome out = ApplyStep(Step::NextMonth, date(1997, 1, 31) + 0.25, 1600, 9999);
        QCOMPARE(out.value, date(1997, 2, 28) + 0.25);
    }

    void moveToYear()
    {
        QCOMPARE(MoveToYear(date(2000, 2, 29), 2001).value(), date(2001, 3, 1));
        QCOMPARE(MoveToYear(date(2000, 2, 29), 1997).value(), date(1997, 3, 1));
        QCOMPARE(MoveToYear(date(2050, 7, 4) + 0.5, 2020).value(), date(2020, 7, 4));
        QVERIFY(!MoveToYear(date(2000, 1, 1), 10000));
        QCOMPARE(ClampYear(1234, 1600, 9999), 1600);
        QCOMPARE(ClampYear(12345, 1600, 9999), 9999);
        QCOMPARE(ClampYear(1800, 2000, 1900), 2000);
    }
};

QTEST_APPLESS_MAIN(tst_CalendarDateMath)
#include "tst_CalendarDateMath.moc"
