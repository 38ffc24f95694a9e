#include "platform/dates/DateValue.h"

#include <QDate>
#include <QTest>

#include <climits>
#include <cmath>

using namespace DateValue;

namespace {

// Julian day number of 30 December 1899, day zero of the date value.
constexpr qint64 JulianOfZero = 2415019;

double at(int y, int m, int d, int hh = 0, int mm = 0, int ss = 0)
{
    const auto v = fromParts(Parts{y, m, d, hh, mm, ss});
    if (!v)
        qFatal("bad test date %d-%d-%d", y, m, d);
    return *v;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<double>)

class tst_DateValue : public QObject
{
    Q_OBJECT

private slots:
    void everyDayAgreesWithJulianDayCount();
    void everyDayAgreesWithCountingLoop();
    void rangeLimits_data();
    void rangeLimits();
    void negativeSerialsCountTimeForward();
    void secondsRoundToNearest();
    void fromPartsRejectsFieldsOutOfRange_data();
    void fromPartsRejectsFieldsOutOfRange();
    void dateSerialCarries_data();
    void dateSerialCarries();
    void addMonthsAndYears_data();
    void addMonthsAndYears();
    void addDaysKeepsTime_data();
    void addDaysKeepsTime();
    void invalidSerialGivesNoFields();
};

void tst_DateValue::everyDayAgreesWithJulianDayCount()
{
    const qint64 first = qint64(MinSerial);
    const qint64 last = qint64(std::trunc(MaxSerial));
    QCOMPARE(QDate::fromJulianDay(first + JulianOfZero), QDate(100, 1, 1));
    QCOMPARE(QDate::fromJulianDay(last + JulianOfZero), QDate(9999, 12, 31));
    for (qint64 s = first; s <= last; ++s) {
        const QDate q = QDate::fromJulianDay(s + JulianOfZero);
        const Parts p = toParts(double(s));
        if (p.year != q.year() || p.month != q.month() || p.day != q.day() || p.hour != 0)
            QFAIL(qPrintable(QStringLiteral("serial %1 gave %2-%3-%4, expected %5")
                                 .arg(s).arg(p.year).arg(p.month).arg(p.day).arg(q.toString(Qt::ISODate))));
        const auto back = fromDate(q.year(), q.month(), q.day());
        if (!back || *back != double(s))
            QFAIL(qPrintable(QStringLiteral("fromDate(%1) did not give %2").arg(q.toString(Qt::ISODate)).arg(s)));
        if (weekday(double(s)) != q.dayOfWeek() % 7 + 1 || dayOfYear(double(s)) != q.dayOfYear())
            QFAIL(qPrintable(QStringLiteral("weekday or day of year wrong for %1").arg(q.toString(Qt::ISODate))));
    }
}

void tst_DateValue::everyDayAgreesWithCountingLoop()
{
    // Walks the calendar one day at a time with its own month lengths and
    // leap rule, starting at the known zero.
    auto leap = [](int y) { return y % 400 == 0 || (y % 100 != 0 && y % 4 == 0); };
    auto length = [&](int y, int m) {
        if (m == 2)
            return leap(y) ? 29 : 28;
        return (m == 4 || m == 6 || m == 9 || m == 11) ? 30 : 31;
    };
    int y = 1899, m = 12, d = 30;
    for (qint64 s = 0; s <= qint64(MaxSerial); ++s) {
        QCOMPARE(toParts(double(s)), (Parts{y, m, d, 0, 0, 0}));
        QCOMPARE(isLeapYear(y), leap(y));
        QCOMPARE(daysInMonth(y, m), length(y, m));
        if (++d > length(y, m)) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
    y = 1899, m = 12, d = 30;
    for (qint64 s = 0; s >= qint64(MinSerial); --s) {
        QCOMPARE(toParts(double(s)), (Parts{y, m, d, 0, 0, 0}));
        if (--d < 1) {
            if (--m < 1) {
                m = 12;
                --y;
            }
            d = length(y, m);
        }
    }
    QCOMPARE(y, 99);
}

void tst_DateValue::rangeLimits_data()
{
    QTest::addColumn<double>("serial");
    QTest::addColumn<bool>("valid");
    QTest::newRow("first day") << MinSerial << true;
    QTest::newRow("first day noon") << MinSerial - 0.5 << true;
    QTest::newRow("first day last second") << MinSerial - 86399.0 / 86400 << true;
    QTest::newRow("day before first") << MinSerial - 1 << false;
    QTest::newRow("last second") << MaxSerial << true;
    QTest::newRow("last day midnight") << 2958465.0 << true;
    QTest::newRow("rounds past last second") << 2958465.0 + 86399.6 / 86400 << false;
    QTest::newRow("day after last") << 2958466.0 << false;
    QTest::newRow("nan") << std::nan("") << false;
    QTest::newRow("infinity") << HUGE_VAL << false;
    QTest::newRow("huge") << 1e300 << false;
}

void tst_DateValue::rangeLimits()
{
    QFETCH(double, serial);
    QFETCH(bool, valid);
    QCOMPARE(isValid(serial), valid);
}

void tst_DateValue::negativeSerialsCountTimeForward()
{
    QCOMPARE(toParts(-1.25), (Parts{1899, 12, 29, 6, 0, 0}));
    QCOMPARE(at(1899, 12, 29, 6), -1.25);
    QCOMPARE(at(1899, 12, 30, 18), 0.75);
    QCOMPARE(datePart(-1.25), -1.0);
    QCOMPARE(timePart(-1.25), 0.25);
    QCOMPARE(combine(-1.0, 0.25), -1.25);
    QCOMPARE(combine(2.0, 0.25), 2.25);
    QCOMPARE(toParts(at(100, 1, 1, 23, 59, 59)), (Parts{100, 1, 1, 23, 59, 59}));
    QCOMPARE(weekday(-1.25), 6); // a Friday
}

void tst_DateValue::secondsRoundToNearest()
{
    QCOMPARE(toParts(0.5 + 0.4 / 86400), (Parts{1899, 12, 30, 12, 0, 0}));
    QCOMPARE(toParts(0.5 + 0.6 / 86400), (Parts{1899, 12, 30, 12, 0, 1}));
    QCOMPARE(toParts(0.9999999), (Parts{1899, 12, 31, 0, 0, 0}));
    QCOMPARE(toParts(-1.9999999), (Parts{1899, 12, 30, 0, 0, 0}));
    QCOMPARE(toParts(MaxSerial), (Parts{9999, 12, 31, 23, 59, 59}));
    for (int s = 0; s < 86400; s += 7) {
        const Parts p{2024, 2, 29, s / 3600, s / 60 % 60, s % 60};
        QCOMPARE(toParts(*fromParts(p)), p);
        const Parts n{1800, 7, 4, s / 3600, s / 60 % 60, s % 60};
        QCOMPARE(toParts(*fromParts(n)), n);
    }
}

void tst_DateValue::fromPartsRejectsFieldsOutOfRange_data()
{
    QTest::addColumn<Parts>("parts");
    QTest::newRow("year 99") << Parts{99, 12, 31, 0, 0, 0};
    QTest::newRow("year 10000") << Parts{10000, 1, 1, 0, 0, 0};
    QTest::newRow("month 0") << Parts{2000, 0, 1, 0, 0, 0};
    QTest::newRow("month 13") << Parts{2000, 13, 1, 0, 0, 0};
    QTest::newRow("day 0") << Parts{2000, 1, 0, 0, 0, 0};
    QTest::newRow("31 April") << Parts{2000, 4, 31, 0, 0, 0};
    QTest::newRow("29 Feb 1900") << Parts{1900, 2, 29, 0, 0, 0};
    QTest::newRow("hour 24") << Parts{2000, 1, 1, 24, 0, 0};
    QTest::newRow("minute 60") << Parts{2000, 1, 1, 0, 60, 0};
    QTest::newRow("second -1") << Parts{2000, 1, 1, 0, 0, -1};
}

void tst_DateValue::fromPartsRejectsFieldsOutOfRange()
{
    QFETCH(Parts, parts);
    QVERIFY(!fromParts(parts));
}

void tst_DateValue::dateSerialCarries_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("d");
    QTest::addColumn<std::optional<double>>("expected");
    QTest::newRow("31 Feb 1997") << 1997 << 2 << 31 << std::optional(at(1997, 3, 3));
    QTest::newRow("29 Feb 1997") << 1997 << 2 << 29 << std::optional(at(1997, 3, 1));
    QTest::newRow("29 Feb 2000") << 2000 << 2 << 29 << std::optional(at(2000, 2, 29));
    QTest::newRow("month 13") << 1997 << 13 << 1 << std::optional(at(1998, 1, 1));
    QTest::newRow("month 0") << 1997 << 0 << 15 << std::optional(at(1996, 12, 15));
    QTest::newRow("month -11") << 1997 << -11 << 1 << std::optional(at(1996, 1, 1));
    QTest::newRow("day 0") << 1997 << 3 << 0 << std::optional(at(1997, 2, 28));
    QTest::newRow("day 0 leap") << 2000 << 3 << 0 << std::optional(at(2000, 2, 29));
    QTest::newRow("day -30") << 1997 << 1 << -30 << std::optional(at(1996, 12, 1));
    QTest::newRow("day 366") << 1999 << 1 << 366 << std::optional(at(2000, 1, 1));
    QTest::newRow("year 99 month 13") << 99 << 13 << 1 << std::optional(at(100, 1, 1));
    QTest::newRow("before range") << 100 << 1 << 0 << std::optional<double>();
    QTest::newRow("after range") << 9999 << 12 << 32 << std::optional<double>();
    QTest::newRow("year 10000") << 10000 << 1 << 1 << std::optional<double>();
    QTest::newRow("huge month") << 2000 << INT_MAX << 1 << std::optional<double>();
    QTest::newRow("huge day") << 2000 << 1 << INT_MAX << std::optional<double>();
    QTest::newRow("all minimum") << INT_MIN << INT_MIN << INT_MIN << std::optional<double>();
}

void tst_DateValue::dateSerialCarries()
{
    QFETCH(int, y);
    QFETCH(int, m);
    QFETCH(int, d);
    QFETCH(std::optional<double>, expected);
    QCOMPARE(DateValue::dateSerial(y, m, d), expected);
}

void tst_DateValue::addMonthsAndYears_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("years");
    QTest::addColumn<std::optional<double>>("expected");
    QTest::newRow("31 Jan + 1 month") << at(1997, 1, 31) << 1 << 0 << std::optional(at(1997, 2, 28));
    QTest::newRow("31 Jan + 1 month leap") << at(2000, 1, 31) << 1 << 0 << std::optional(at(2000, 2, 29));
    QTest::newRow("31 Mar - 1 month") << at(1997, 3, 31) << -1 << 0 << std::optional(at(1997, 2, 28));
    QTest::newRow("31 Oct + 1 month") << at(1997, 10, 31, 8, 30) << 1 << 0 << std::optional(at(1997, 11, 30, 8, 30));
    QTest::newRow("15 Dec + 1 month") << at(1997, 12, 15) << 1 << 0 << std::optional(at(1998, 1, 15));
    QTest::newRow("15 Jan - 13 months") << at(1997, 1, 15) << -13 << 0 << std::optional(at(1995, 12, 15));
    QTest::newRow("before 1899 keeps time") << at(1850, 1, 31, 6) << 1 << 0 << std::optional(at(1850, 2, 28, 6));
    QTest::newRow("across zero keeps time") << at(1899, 11, 30, 18) << 2 << 0 << std::optional(at(1900, 1, 30, 18));
    QTest::newRow("29 Feb + 1 year") << at(2000, 2, 29) << 0 << 1 << std::optional(at(2001, 2, 28));
    QTest::newRow("29 Feb + 4 years") << at(2000, 2, 29) << 0 << 4 << std::optional(at(2004, 2, 29));
    QTest::newRow("29 Feb + 100 years") << at(2000, 2, 29) << 0 << 100 << std::optional(at(2100, 2, 28));
    QTest::newRow("last month + 1") << at(9999, 12, 1) << 1 << 0 << std::optional<double>();
    QTest::newRow("first month - 1") << at(100, 1, 31) << -1 << 0 << std::optional<double>();
    QTest::newRow("last year + 1") << at(9999, 1, 1) << 0 << 1 << std::optional<double>();
    QTest::newRow("huge months") << at(2000, 1, 1) << INT_MAX << 0 << std::optional<double>();
    QTest::newRow("huge years") << at(2000, 1, 1) << 0 << INT_MAX << std::optional<double>();
    QTest::newRow("huge negative years") << at(2000, 1, 1) << 0 << INT_MIN << std::optional<double>();
}

void tst_DateValue::addMonthsAndYears()
{
    QFETCH(double, start);
    QFETCH(int, months);
    QFETCH(int, years);
    QFETCH(std::optional<double>, expected);
    QCOMPARE(years ? addYears(start, years) : addMonths(start, months), expected);
}

void tst_DateValue::addDaysKeepsTime_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<int>("days");
    QTest::addColumn<std::optional<double>>("expected");
    QTest::newRow("forward across zero") << -1.25 << 2 << std::optional(1.25);
    QTest::newRow("back across zero") << 0.25 << -1 << std::optional(-1.25);
    QTest::newRow("back further") << 1.75 << -3 << std::optional(-2.75);
    QTest::newRow("leap day") << at(2000, 2, 28, 23, 59, 59) << 1 << std::optional(at(2000, 2, 29, 23, 59, 59));
    QTest::newRow("past last day") << MaxSerial << 1 << std::optional<double>();
    QTest::newRow("before first day") << MinSerial - 0.5 << -1 << std::optional<double>();
    QTest::newRow("whole range") << MinSerial << int(std::trunc(MaxSerial) - MinSerial) << std::optional(2958465.0);
    QTest::newRow("huge") << 0.0 << INT_MAX << std::optional<double>();
}

void tst_DateValue::addDaysKeepsTime()
{
    QFETCH(double, start);
    QFETCH(int, days);
    QFETCH(std::optional<double>, expected);
    QCOMPARE(addDays(start, days), expected);
}

void tst_DateValue::invalidSerialGivesNoFields()
{
    QCOMPARE(year(1e9), 0);
    QCOMPARE(weekday(std::nan("")), 0);
    QCOMPARE(dayOfYear(-1e9), 0);
    QVERIFY(!addDays(1e9, -1));
    QVERIFY(!addMonths(std::nan(""), 0));
}

QTEST_APPLESS_MAIN(tst_DateValue)
#include "tst_DateValue.moc"
