// The calendar's property set: defaults, checks, notifications, persistence.

#include "CalendarTestKit.h"

#include "platform/seams/Clock.h"
#include "platform/objects/PropertyError.h"
#include "platform/objects/StdFont.h"
#include "platform/objects/TextPropertyBag.h"
#include "support/ScriptedDialogs.h"

#include <QTest>

using Setter = std::function<void(ZVCalendar &)>;
Q_DECLARE_METATYPE(Setter)

namespace {

const QStringList SavedKeys {
    "Enabled", "calValue", "calFont", "calMonthYearTitleFont", "calScrollArrowsFont", "calCaption",
    "calOutline", "calShowTitleBar", "calShowDropdownMonth", "calScrollArrowsPos", "calMouseSensitiveDate",
    "calAppearance", "calMinYear", "calMaxYear", "calFirstDayofWeek",
    "calSelectedDayBackColor", "calSelectedDayForeColor", "calCurrentDateBackColor", "calCurrentDateForeColor",
    "calCurrentMonthBackColor", "calCurrentMonthForeColor", "calCurrentMonthWeekendsBackColor",
    "calCurrentMonthWeekendsForeColor", "calPreviousMonthBackColor", "calPreviousMonthForeColor",
    "calNextMonthBackColor", "calNextMonthForeColor",
    "calMonthTitle", "calDayTitle", "calAlignmentNum", "calAlignmentDayTitle",
};

QString saved(const ZVCalendar &cal)
{
    TextPropertyBag bag;
    cal.WriteProperties(bag);
    return bag.toText();
}

// Every property away from its default.
void changeEverything(ZVCalendar &cal)
{
    cal.setEnabledProperty(false);
    cal.setCalValue(calDate(1997, 3, 15) + 0.25);
    auto font = StdFont::create(QStringLiteral("DejaVu Serif"), 11);
    font->setBold(true);
    cal.setCalFont(font);
    cal.setCalMonthYearTitleFont(StdFont::create(QStringLiteral("DejaVu Sans"), 12));
    cal.setCalScrollArrowsFont(StdFont::create(QStringLiteral("DejaVu Sans Mono"), 7));
    cal.setCalCaption(QStringLiteral("Due \"date\"\n"));
    cal.setCalOutline(true);
    cal.setCalShowTitleBar(false);
    cal.setCalShowDropdownMonth(true);
    cal.setCalScrollArrowsPos(1);
    cal.setCalMouseSensitiveDate(true);
    cal.setCalAppearance(0);
    cal.setCalMinYear(1700);
    cal.setCalMaxYear(2100);
    cal.setCalFirstDayofWeek(2);
    cal.setCalSelectedDayBackColor(0x000001);
    cal.setCalSelectedDayForeColor(0x000002);
    cal.setCalCurrentDateBackColor(0x000003);
    cal.setCalCurrentDateForeColor(0x000004);
    cal.setCalCurrentMonthBackColor(0x000005);
    cal.setCalCurrentMonthForeColor(0x000006);
    cal.setCalCurrentMonthWeekendsBackColor(0x000007);
    cal.setCalCurrentMonthWeekendsForeColor(0x000008);
    cal.setCalPreviousMonthBackColor(0x000009);
    cal.setCalPreviousMonthForeColor(0x00000A);
    cal.setCalNextMonthBackColor(0x00000B);
    cal.setCalNextMonthForeColor(0x00000C);
    cal.setCalMonthTitle(0);
    cal.setCalDayTitle(2);
    cal.setCalAlignmentNum(0);
    cal.setCalAlignmentDayTitle(8);
}

} // namespace

class tst_ZVCalendarProperties : public QObject
{
    Q_OBJECT

    SettableClock m_clock {QDateTime(QDate(2001, 5, 17), QTime(15, 30))};
    ScriptedDialogs m_dialogs;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Clock::install(&m_clock);
        Dialogs::install(&m_dialogs);
    }
    void cleanupTestCase()
    {
        Clock::install(nullptr);
        Dialogs::install(nullptr);
    }
    void init() { m_clock.set(QDateTime(QDate(2001, 5, 17), QTime(15, 30))); }

    void newControl()
    {
        ZVCalendar cal;
        cal.InitProperties();
        QCOMPARE(cal.calValue(), calDate(2001, 5, 17));
        QVERIFY(cal.Enabled());
        QCOMPARE(cal.calCaption(), QStringLiteral("Calendar"));
        QVERIFY(!cal.calOutline());
        QVERIFY(cal.calShowTitleBar());
        QVERIFY(!cal.calShowDropdownMonth());
        QCOMPARE(cal.calScrollArrowsPos(), 3);
        QVERIFY(!cal.calMouseSensitiveDate());
        QCOMPARE(cal.calAppearance(), 2);
        QCOMPARE(cal.calMinYear(), 1600);
        QCOMPARE(cal.calMaxYear(), 9999);
        QCOMPARE(cal.calFirstDayofWeek(), 1);
        QCOMPARE(cal.calMonthTitle(), 1);
        QCOMPARE(cal.calDayTitle(), 0);
        QCOMPARE(cal.calAlignmentNum(), 7);
        QCOMPARE(cal.calAlignmentDayTitle(), 7);
        QCOMPARE(cal.calSelectedDayBackColor(), 0x800000);
        QCOMPARE(cal.calSelectedDayForeColor(), 0xFFFFFF);
        QCOMPARE(cal.calCurrentMonthWeekendsForeColor(), 0x80);
        QCOMPARE(cal.calNextMonthForeColor(), 0x808080);
        // Three distinct font objects, each Courier New 10.
        QVERIFY(cal.calFont() != cal.calMonthYearTitleFont());
        QVERIFY(cal.calFont() != cal.calScrollArrowsFont());
        QVERIFY(cal.calMonthYearTitleFont() != cal.calScrollArrowsFont());
        for (const FontRef &f : {cal.calFont(), cal.calMonthYearTitleFont(), cal.calScrollArrowsFont()}) {
            QCOMPARE(f->name(), QStringLiteral("Courier New"));
            QCOMPARE(f->size(), 10.0);
        }
        cal.calFont()->setSize(20);
        QCOMPARE(cal.calMonthYearTitleFont()->size(), 10.0);
        // Nothing differs from the defaults except the fonts and the value of
        // the day, which are written as they stand.
        TextPropertyBag bag;
        cal.WriteProperties(bag);
        QCOMPARE(bag.keys(), (QStringList {"calFont", "calMonthYearTitleFont", "calScrollArrowsFont"}));
    }

    void sizeInTwips()
    {
        ZVCalendar cal;
        cal.resize(150, 200);
        QCOMPARE(cal.calWidth(), 2250);
        QCOMPARE(cal.calHeight(), 3000);
        CalendarEventLog log(cal);
        cal.setCalWidth(3000);
        cal.setCalHeight(1500);
        QCOMPARE(cal.size(), QSize(200, 100));
        QVERIFY(log.events.isEmpty());
    }

    void refusedValues_data()
    {
        QTest::addColumn<Setter>("setter");
        QTest::newRow("appearance 3") << Setter([](ZVCalendar &c) { c.setCalAppearance(3); });
        QTest::newRow("appearance -1") << Setter([](ZVCalendar &c) { c.setCalAppearance(-1); });
        QTest::newRow("alignmentNum 9") << Setter([](ZVCalendar &c) { c.setCalAlignmentNum(9); });
        QTest::newRow("alignmentDayTitle -1") << Setter([](ZVCalendar &c) { c.setCalAlignmentDayTitle(-1); });
        QTest::newRow("monthTitle 2") << Setter([](ZVCalendar &c) { c.setCalMonthTitle(2); });
        QTest::newRow("dayTitle 3") << Setter([](ZVCalendar &c) { c.setCalDayTitle(3); });
        QTest::newRow("scrollArrowsPos 4") << Setter([](ZVCalendar &c) { c.setCalScrollArrowsPos(4); });
        QTest::newRow("scrollArrowsPos -1") << Setter([](ZVCalendar &c) { c.setCalScrollArrowsPos(-1); });
        QTest::newRow("firstDayofWeek 0") << Setter([](ZVCalendar &c) { c.setCalFirstDayofWeek(0); });
        QTest::newRow("firstDayofWeek 8") << Setter([](ZVCalendar &c) { c.setCalFirstDayofWeek(8); });
        QTest::newRow("minYear 1599") << Setter([](ZVCalendar &c) { c.setCalMinYear(1599); });
        QTest::newRow("minYear above max") << Setter([](ZVCalendar &c) { c.setCalMinYear(2001); });
        QTest::newRow("maxYear below min") << Setter([](ZVCalendar &c) { c.setCalMaxYear(1699); });
        QTest::newRow("maxYear 10000") << Setter([](ZVCalendar &c) { c.setCalMaxYear(10000); });
        QTest::newRow("no font") << Setter([](ZVCalendar &c) { c.setCalFont(nullptr); });
        QTest::newRow("value past 9999") << Setter([](ZVCalendar &c) { c.setCalValue(3e6); });
        QTest::newRow("value not a number") << Setter([](ZVCalendar &c) { c.setCalValue(std::nan("")); });
    }
    void refusedValues()
    {
        QFETCH(Setter, setter);
        ZVCalendar cal;
        cal.setCalMinYear(1700);
        cal.setCalMaxYear(2000);
        const QString before = saved(cal);
        CalendarEventLog log(cal);
        try {
            setter(cal);
            QFAIL("the setter took the value");
        } catch (const PropertyError &e) {
            QCOMPARE(e.number(), 380);
            QCOMPARE(e.text(), QStringLiteral("Invalid property value"));
        }
        QVERIFY(log.events.isEmpty());
        QCOMPARE(saved(cal), before);
    }

    void yearLimitBoundaries()
    {
        ZVCalendar cal;
        cal.setCalMaxYear(2000);
        cal.setCalMinYear(2000);
        QCOMPARE(cal.calMinYear(), 2000);
        QVERIFY_THROWS_EXCEPTION(PropertyError, cal.setCalMinYear(2001));
        QVERIFY_THROWS_EXCEPTION(PropertyError, cal.setCalMaxYear(1999));
        cal.setCalMaxYear(9999);
        cal.setCalMinYear(1600);
        // The value is never checked against the limits.
        cal.setCalValue(calDate(1500, 2, 1));
        QCOMPARE(cal.calValue(), calDate(1500, 2, 1));
    }

    void settersNotifyByName()
    {
        ZVCalendar cal;
        CalendarEventLog log(cal);
        changeEverything(cal);
        QStringList notified;
        for (const QString &e : log.events) {
            if (e.startsWith(QLatin1String("notify ")))
                notified << e.mid(7);
        }
        // changeEverything sets each once, in the saved order.
        QCOMPARE(notified, SavedKeys);
    }

    void roundTrip()
    {
        ZVCalendar first;
        changeEverything(first);
        const QString text = saved(first);

        ZVCalendar second;
        TextPropertyBag bag = TextPropertyBag::fromText(text);
        second.ReadProperties(bag);
        QCOMPARE(saved(second), text);
        QCOMPARE(second.calValue(), calDate(1997, 3, 15) + 0.25);
        QCOMPARE(second.calCaption(), QStringLiteral("Due \"date\"\n"));
        QVERIFY(second.calFont()->bold());
        QCOMPARE(second.calFont()->name(), QStringLiteral("DejaVu Serif"));
        QVERIFY(second.calFont() != first.calFont());
        QCOMPARE(second.calNextMonthForeColor(), 0x00000C);
        // The display follows at once.
        QCOMPARE(calTitle(second, 1)->caption(), QStringLiteral("Monday"));
        QCOMPARE(calTitle(second, 1)->alignment(), 8);
        QCOMPARE(calCell(second, 1)->alignment(), 0);
        QVERIFY(!calCell(second, 10)->isEnabled());
        QCOMPARE(calPanel(second, "pnlText")->caption(), QStringLiteral("Mar 1997"));
        QCOMPARE(calButton(second, 0)->font().pointSizeF(), 7.0);
    }

    void writesEveryKeyInOrder()
    {
        ZVCalendar cal;
        changeEverything(cal);
        TextPropertyBag bag;
        cal.WriteProperties(bag);
        QCOMPARE(bag.keys(), SavedKeys);
    }

    void missingKeysGiveDefaults()
    {
        ZVCalendar cal;
        changeEverything(cal);
        TextPropertyBag empty;
        // Saved on one day, loaded on a later one: an absent value is today.
        m_clock.set(QDateTime(QDate(2001, 6, 2), QTime(8, 0)));
        cal.ReadProperties(empty);
        QCOMPARE(cal.calValue(), calDate(2001, 6, 2));
        QVERIFY(cal.Enabled());
        QCOMPARE(cal.calMinYear(), 1600);
        QCOMPARE(cal.calFirstDayofWeek(), 1);
        QCOMPARE(cal.calNextMonthForeColor(), 0x808080);
        QCOMPARE(cal.calCaption(), QStringLiteral("Calendar"));
        QVERIFY(cal.calFont() != cal.calScrollArrowsFont());
    }

    void fontEqualToTheAmbientOneLoadsBack()
    {
        // The host leaves out a font equal to its default (the ambient font);
        // loading must then give that font back, not some other.
        ZVCalendar cal;
        cal.setAmbientFont(StdFont::create(QStringLiteral("DejaVu Sans"), 9));
        cal.setCalFont(StdFont::create(QStringLiteral("DejaVu Sans"), 9));
        TextPropertyBag bag;
        cal.WriteProperties(bag);
        QVERIFY(!bag.contains(QStringLiteral("calFont")));
        ZVCalendar loaded;
        loaded.setAmbientFont(StdFont::create(QStringLiteral("DejaVu Sans"), 9));
        loaded.ReadProperties(bag);
        QCOMPARE(loaded.calFont()->attributes(), cal.calFont()->attributes());
        QVERIFY(loaded.calFont() != loaded.ambientFont());
    }

    void badValueFailsTheLoad_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::newRow("text for a year") << "calMinYear = text \"abc\"" << "calMinYear";
        QTest::newRow("picture for a font") << "calFont = picture none" << "calFont";
        QTest::newRow("date out of range") << "calValue = double 9000000" << "calValue";
    }
    void badValueFailsTheLoad()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        ZVCalendar cal;
        cal.setCalValue(calDate(1999, 9, 9));
        const QString before = saved(cal);
        TextPropertyBag bag = TextPropertyBag::fromText(QStringLiteral("calCaption = text \"Other\"\n") + text + "\n");
        CalendarEventLog log(cal);
        try {
            cal.ReadProperties(bag);
            QFAIL("the load succeeded");
        } catch (const PropertyBagError &e) {
            QCOMPARE(e.key(), key);
            QVERIFY(!e.text().isEmpty());
        }
        QCOMPARE(saved(cal), before);
        QVERIFY(log.events.isEmpty());
    }

    void loadedControlReportsItsValue_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("March") << "1997-03-15" << QStringList {"ValueChanged", "MonthChanged", "YearChanged"};
        QTest::newRow("December") << "1997-12-15" << QStringList {"ValueChanged", "YearChanged"};
    }
    void loadedControlReportsItsValue()
    {
        QFETCH(QString, date);
        QFETCH(QStringList, events);
        ZVCalendar cal;
        CalendarEventLog log(cal);
        TextPropertyBag bag = TextPropertyBag::fromText(QStringLiteral("calValue = date ") + date + "\n");
        cal.ReadProperties(bag);
        QCOMPARE(log.events, events);
        log.events.clear();
        cal.InitProperties();
        QVERIFY(log.events.isEmpty());
    }

    void loadingDoesNotCheck()
    {
        ZVCalendar cal;
        TextPropertyBag bag = TextPropertyBag::fromText(QStringLiteral(
            "calAppearance = int 5\n"
            "calMinYear = int 2050\n"
            "calMaxYear = int 2000\n"
            "calAlignmentDayTitle = int 0\n"
            "calScrollArrowsPos = int 9\n"
            "calFirstDayofWeek = int 0\n"
            "calNextMonthForeColor = int -5\n"
            "calScrollArrowsFont = font \"Courier New\" 16\n"
            "calValue = date 2020-02-29\n"));
        cal.ReadProperties(bag);
        QCOMPARE(cal.calAppearance(), 5);
        QCOMPARE(cal.calMinYear(), 2050);
        QCOMPARE(cal.calMaxYear(), 2000);
        QCOMPARE(cal.calNextMonthForeColor(), -5);
        QCOMPARE(calTitle(cal, 1)->alignment(), 0);
        QCOMPARE(calButton(cal, 0)->font().pointSizeF(), 16.0);
        for (int i = 0; i < 4; ++i)
            QVERIFY(calButton(cal, i)->isHidden());
        // A week starting on "day 0" is a week starting on Saturday.
        QCOMPARE(calTitle(cal, 1)->caption(), QStringLiteral("S"));
        QCOMPARE(calTitle(cal, 2)->caption(), QStringLiteral("S"));
        QCOMPARE(calTitle(cal, 3)->caption(), QStringLiteral("M"));
        // The crossed limits still give answers, not crashes.
        cal.NextYear();
        cal.PreviousYear();
        QCOMPARE(cal.calValue(), calDate(2020, 2, 29));
        QCOMPARE(m_dialogs.messages().size(), 2);

        // An appearance the cells cannot show leaves them in the look they
        // had (raised, selected inset); every repaint marks exactly the
        // selected cell, also after the selection moved.
        const auto insetCells = [&cal] {
            QStringList inset;
            for (int n = 1; n <= 42; ++n) {
                if (calCell(cal, n)->bevel() == 1)
                    inset << calCell(cal, n)->tag() + QLatin1Char(' ') + calCell(cal, n)->caption();
                else if (calCell(cal, n)->bevel() != 2)
                    inset << QStringLiteral("bevel %1").arg(calCell(cal, n)->bevel());
            }
            return inset;
        };
        QCOMPARE(insetCells(), QStringList {"CurrSelected 29"});
        cal.setCalValue(calDate(2020, 3, 5));
        QCOMPARE(insetCells(), QStringList {"CurrSelected 5"});
        QTest::mouseClick(calDayCell(cal, 12), Qt::LeftButton);
        QCOMPARE(insetCells(), QStringList {"CurrSelected 12"});
    }
};

QTEST_MAIN(tst_ZVCalendarProperties)
#include "tst_ZVCalendarProperties.moc"
