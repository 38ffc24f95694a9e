#include "core/CellLook.h"
#include "core/MonthFill.h"
#include "platform/dates/DateValue.h"

#include <QTest>
#include <climits>

using MonthFill::Tag;

namespace {

double date(int y, int m, int d)
{
    return DateValue::fromDate(y, m, d).value();
}

QList<int> days(const MonthFill::Month &m, int from, int to)
{
    QList<int> out;
    for (int n = from; n <= to; ++n)
        out << m.cells[n - 1].day;
    return out;
}

QList<int> range(int from, int to)
{
    QList<int> out;
    for (int i = from; i <= to; ++i)
        out << i;
    return out;
}

} // namespace

class tst_MonthFill : public QObject
{
    Q_OBJECT
private slots:
    void february1998SundayFirst()
    {
        const auto m = MonthFill::fill(date(1998, 2, 15), 1, date(2000, 1, 1), false);
        QCOMPARE(m.firstCell, 1);
        QCOMPARE(days(m, 1, 28), range(1, 28));
        QCOMPARE(days(m, 29, 42), range(1, 14));
        QCOMPARE(m.cells[28].tag, Tag::Next);
        QCOMPARE(m.selectedIndex, 15);
        QCOMPARE(m.cells[14].tag, Tag::CurrSelected);
        QCOMPARE(m.cells[0].tag, Tag::CurrWeekend);   // Sunday 1st
        QCOMPARE(m.cells[6].tag, Tag::CurrWeekend);   // Saturday 7th
        QCOMPARE(m.cells[1].tag, Tag::Curr);
    }

    void february1998MondayFirst()
    {
        const auto m = MonthFill::fill(date(1998, 2, 15), 2, date(2000, 1, 1), false);
        QCOMPARE(m.firstCell, 7);
        QCOMPARE(days(m, 1, 6), range(26, 31));
        QCOMPARE(m.cells[0].tag, Tag::Prev);
        QCOMPARE(m.cells[6].day, 1);
        QCOMPARE(m.cells[6].tag, Tag::CurrWeekend);    // Sunday in column 7
        QCOMPARE(m.cells[12].tag, Tag::CurrWeekend);   // Saturday 7th in column 6
        QCOMPARE(m.cells[11].tag, Tag::Curr);          // Friday 6th
        QCOMPARE(m.cells[7].tag, Tag::Curr);           // Monday 2nd
        QCOMPARE(days(m, 35, 42), range(1, 8));
        QVERIFY(MonthFill::isWeekendColumn(6, 2));
        QVERIFY(MonthFill::isWeekendColumn(7, 2));
        QVERIFY(!MonthFill::isWeekendColumn(1, 2));
        QCOMPARE(MonthFill::weekdayOfColumn(1, 2), 2);
        QCOMPARE(MonthFill::weekdayOfColumn(7, 2), 1);
    }

    void weekStartsOnEveryDay_data()
    {
        QTest::addColumn<int>("firstDay");
        for (int f = 1; f <= 7; ++f)
            QTest::newRow(qPrintable(QString::number(f))) << f;
        // Saved forms are loaded unchecked; any number counts modulo 7.
        for (int f : {0, -6, 8, INT_MAX, INT_MIN, INT_MAX - 3})
            QTest::newRow(qPrintable(QStringLiteral("loaded %1").arg(f))) << f;
    }
    void weekStartsOnEveryDay()
    {
        // Whatever day starts the week, the 1st lands under its own weekday
        // and at least five days of the next month are shown.
        QFETCH(int, firstDay);
        for (int month = 1; month <= 12; ++month) {
            const double v = date(1997, month, 10);
            const auto m = MonthFill::fill(v, firstDay, 0, false);
            const int column = (m.firstCell - 1) % 7 + 1;
            QCOMPARE(MonthFill::weekdayOfColumn(column, firstDay), DateValue::weekday(date(1997, month, 1)));
            const int same = (firstDay % 7 + 7) % 7;
            QCOMPARE(m.firstCell, MonthFill::fill(v, same == 0 ? 7 : same, 0, false).firstCell);
            QVERIFY(42 - (m.firstCell + m.daysInMonth - 1) >= 5);
            QCOMPARE(m.cells[m.firstCell - 1].day, 1);
            if (m.firstCell > 1)
                QCOMPARE(m.cells[m.firstCell - 2].day, DateValue::daysInMonth(month == 1 ? 1996 : 1997, month == 1 ? 12 : month - 1));
        }
    }

    void todayPrecedence()
    {
        // January 1998 starts on a Thursday: cells 1..4 are 28..31 December.
        const double value = date(1998, 1, 15);

        auto m = MonthFill::fill(value, 1, date(1998, 1, 3), false);    // a Saturday, not selected
        QCOMPARE(m.cells[6].day, 3);
        QCOMPARE(m.cells[6].tag, Tag::CurrToday);
        QVERIFY(m.cells[6].bold);
        QVERIFY(!m.cells[7].bold);

        m = MonthFill::fill(value, 1, date(1998, 1, 15) + 0.5, false);  // today is the value's day
        QCOMPARE(m.cells[18].tag, Tag::CurrSelected);
        QVERIFY(m.cells[18].bold);

        m = MonthFill::fill(value, 1, date(1997, 12, 30), false);       // today in a leading cell
        QCOMPARE(m.cells[2].day, 30);
        QCOMPARE(m.cells[2].tag, Tag::Prev);
        QVERIFY(!m.cells[2].bold);

        m = MonthFill::fill(value, 1, date(1998, 2, 2), true);          // today in a trailing cell, bold font
        QCOMPARE(m.cells[36].day, 2);
        QCOMPARE(m.cells[36].tag, Tag::Next);
        QVERIFY(m.cells[36].bold);
    }

    void markCurrentWithoutSelection()
    {
        const auto c = MonthFill::markCurrent(7, 1998, 1, 3, 1, date(1998, 1, 3), false);
        QCOMPARE(c.tag, Tag::CurrToday);
        QVERIFY(c.bold);
        QCOMPARE(MonthFill::markCurrent(8, 1998, 1, 4, 1, date(1998, 1, 3), false).tag, Tag::CurrWeekend);
    }

    void tagTexts()
    {
        for (Tag t : {Tag::Prev, Tag::Next, Tag::Curr, Tag::CurrWeekend, Tag::CurrToday, Tag::CurrSelected})
            QCOMPARE(MonthFill::tagFromText(MonthFill::tagText(t)), t);
        QCOMPARE(MonthFill::tagText(Tag::CurrWeekend), QStringLiteral("CurrWeekend"));
        QVERIFY(!MonthFill::tagFromText(QStringLiteral("curr")));
    }

    void clampColor_data()
    {
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::newRow("-1") << -1 << 0;
        QTest::newRow("system colour") << int(0x8000000F) << 0;
        QTest::newRow("too big") << 0x1000000 << 0xFFFFFF;
        QTest::newRow("white") << 0xFFFFFF << 0xFFFFFF;
        QTest::newRow("dark blue") << 0x800000 << 0x800000;
    }
    void clampColor()
    {
        QFETCH(int, in);
        QFETCH(int, out);
        QCOMPARE(CellLook::ClampColor(in), out);
    }

    void bevelsPerAppearance_data()
    {
        QTest::addColumn<int>("appearance");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("hover");
        QTest::newRow("flat") << 0 << 1 << 2;
        QTest::newRow("sunken") << 1 << 2 << 0;
        QTest::newRow("raised") << 2 << 1 << 0;
    }
    void bevelsPerAppearance()
    {
        QFETCH(int, appearance);
        QFETCH(int, selected);
        QFETCH(int, hover);
        CellLook::Bevels b {7, 7};
        QVERIFY(CellLook::deriveBevels(appearance, b));
        QCOMPARE(b.selected, selected);
        QCOMPARE(b.hover, hover);
        // Taking the hover look off: back to the selected bevel or the plain one.
        QCOMPARE(CellLook::restoredBevel(hover, true, appearance, b), selected);
        QCOMPARE(CellLook::restoredBevel(hover, false, appearance, b), appearance);
    }

    void bevelsLeftAloneForUnknownAppearance()
    {
        CellLook::Bevels b {1, 2};
        QVERIFY(!CellLook::deriveBevels(5, b));
        QCOMPARE(b.selected, 1);
        QCOMPARE(b.hover, 2);
        // A cell not showing the hover bevel keeps what it has.
        QCOMPARE(CellLook::restoredBevel(1, false, 0, b), 1);
    }

    void colourTable()
    {
        CellLook::Colours c;
        for (int i = 0; i < CellLook::ColourCount; ++i)
            c[i] = i;
        QCOMPARE(CellLook::cellColours(c, Tag::CurrSelected).back, 0);
        QCOMPARE(CellLook::cellColours(c, Tag::CurrToday).fore, 3);
        QCOMPARE(CellLook::cellColours(c, Tag::Curr).back, 4);
        QCOMPARE(CellLook::cellColours(c, Tag::CurrWeekend).fore, 7);
        QCOMPARE(CellLook::cellColours(c, Tag::Prev).back, 8);
        QCOMPARE(CellLook::cellColours(c, Tag::Next).fore, 11);
        QCOMPARE(CellLook::titleColours(c, true).back, 6);
        QCOMPARE(CellLook::titleColours(c, false).fore, 5);
        QCOMPARE(CellLook::colourPropertyName(6), QStringLiteral("calCurrentMonthWeekendsBackColor"));
    }
};

QTEST_APPLESS_MAIN(tst_MonthFill)
#include "tst_MonthFill.moc"
