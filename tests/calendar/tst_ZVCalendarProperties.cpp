// The calendar's property set: defaults, checks, notifications, persistence.

#include "CalendarTestKit.h"

#include "platform/seams/Clock.h"
#include "properties/CalendarMembers.h"
#include "properties/TypeLibrary.h"
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

// Properties by name, the way hosts and property pages reach them.
Variant byName(const ZVCalendar &cal, const QString &name)
{
    return zvcal::getCalendarProperty(cal, zvcal::calendarInterface().member(name)->dispid);
}

void setByName(ZVCalendar &cal, const QString &name, const Variant &value)
{
    zvcal::putCalendarProperty(cal, zvcal::calendarInterface().member(name)->dispid, value);
}

// A value of the tables below as the control's type: QDate for dates,
// "face,size" for fonts.
Variant asVariant(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Bool: return Variant(v.toBool());
    case QMetaType::Int: return Variant(std::int32_t(v.toInt()));
    case QMetaType::QDate: return Variant::fromDate(calDate(v.toDate().year(), v.toDate().month(), v.toDate().day()));
    default: return Variant(v.toString());
    }
}

QVariant asShown(const Variant &value, const QVariant &like)
{
    switch (like.typeId()) {
    case QMetaType::Bool: return value.toBool();
    case QMetaType::Int: return int(value.toInt32());
    case QMetaType::QDate: {
        const DateValue::Parts p = DateValue::toParts(value.toDate());
        return DateValue::timePart(value.toDate()) == 0 ? QVariant(QDate(p.year, p.month, p.day)) : QVariant(value.toDate());
    }
    default:
        if (const FontRef f = value.toFont())
            return QStringLiteral("%1,%2").arg(f->name()).arg(f->size());
        return value.toString();
    }
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

    // The property table: what a new control holds, and the default handed
    // to the bag under each key when reading and writing. Today is 17 May 2001.
    void everyDefaultOfTheTables_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("fresh");
        QTest::addColumn<QVariant>("bagDefault"); // invalid: not saved, or a default of its own (fonts)
        QTest::addColumn<QVariant>("other");      // a value away from the default
        const QDate today(2001, 5, 17);
        const auto row = [](const char *key, const QVariant &fresh, const QVariant &bagDefault, const QVariant &other) {
            QTest::newRow(key) << QString::fromLatin1(key) << fresh << bagDefault << other;
        };
        row("calVersion", QStringLiteral("2.1.1"), QVariant(), QVariant());
        row("calValue", today, today, QDate(1997, 3, 15));
        row("Enabled", true, true, false);
        row("calMouseSensitiveDate", false, false, true);
        row("calOutline", false, false, true);
        row("calAppearance", 2, 2, 0);
        row("calAlignmentNum", 7, 7, 0);
        row("calAlignmentDayTitle", 7, 7, 8);
        row("calFont", QStringLiteral("Courier New,10"), QVariant(), QVariant());
        row("calMonthYearTitleFont", QStringLiteral("Courier New,10"), QVariant(), QVariant());
        row("calScrollArrowsFont", QStringLiteral("Courier New,10"), QVariant(), QVariant());
        row("calMonthTitle", 1, 1, 0);
        row("calDayTitle", 0, 0, 2);
        row("calCaption", QStringLiteral("Calendar"), QStringLiteral("Calendar"), QStringLiteral("Due"));
        row("calShowTitleBar", true, true, false);
        row("calMinYear", 1600, 1600, 1700);
        row("calMaxYear", 9999, 9999, 2100);
        row("calShowDropdownMonth", false, false, true);
        row("calScrollArrowsPos", 3, 3, 1);
        row("calFirstDayofWeek", 1, 1, 7);
        row("calSelectedDayBackColor", 0x800000, 0x800000, 1);
        row("calSelectedDayForeColor", 0xFFFFFF, 0xFFFFFF, 1);
        row("calCurrentDateBackColor", 0xC0C0C0, 0xC0C0C0, 1);
        row("calCurrentDateForeColor", 0, 0, 1);
        row("calCurrentMonthBackColor", 0xC0C0C0, 0xC0C0C0, 1);
        row("calCurrentMonthForeColor", 0, 0, 1);
        row("calCurrentMonthWeekendsBackColor", 0xC0C0C0, 0xC0C0C0, 1);
        row("calCurrentMonthWeekendsForeColor", 0x80, 0x80, 1);
        row("calPreviousMonthBackColor", 0xC0C0C0, 0xC0C0C0, 1);
        row("calPreviousMonthForeColor", 0x808080, 0x808080, 1);
        row("calNextMonthBackColor", 0xC0C0C0, 0xC0C0C0, 1);
        row("calNextMonthForeColor", 0x808080, 0x808080, 1);
    }
    void everyDefaultOfTheTables()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, fresh);
        QFETCH(QVariant, bagDefault);
        QFETCH(QVariant, other);
        ZVCalendar placed;
        placed.InitProperties();
        QCOMPARE(asShown(byName(placed, key), fresh), fresh);
        TextPropertyBag bag;
        placed.WriteProperties(bag);
        if (!bagDefault.isValid()) {
            // Not saved at all, or saved as it stands (fonts).
            QCOMPARE(bag.contains(key), key.endsWith(QLatin1String("Font")));
            return;
        }
        QVERIFY(!bag.contains(key));

        ZVCalendar loaded;
        TextPropertyBag empty;
        loaded.ReadProperties(empty);
        QCOMPARE(asShown(byName(loaded, key), bagDefault), bagDefault);
        // Away from the default the value is saved and loads back; at the
        // default it is left out.
        setByName(loaded, key, asVariant(other));
        TextPropertyBag changed;
        loaded.WriteProperties(changed);
        QVERIFY(changed.contains(key));
        ZVCalendar reloaded;
        reloaded.ReadProperties(changed);
        QCOMPARE(asShown(byName(reloaded, key), other), other);
        setByName(loaded, key, asVariant(bagDefault));
        TextPropertyBag back;
        loaded.WriteProperties(back);
        QVERIFY(!back.contains(key));
    }

    void newControlOwnsThreeFonts()
    {
        ZVCalendar cal;
        cal.InitProperties();
        QVERIFY(cal.calFont() != cal.calMonthYearTitleFont());
        QVERIFY(cal.calFont() != cal.calScrollArrowsFont());
        QVERIFY(cal.calMonthYearTitleFont() != cal.calScrollArrowsFont());
        cal.calFont()->setSize(20);
        QCOMPARE(cal.calMonthYearTitleFont()->size(), 10.0);
        QCOMPARE(cal.calScrollArrowsFont()->size(), 10.0);
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

    // Every ranged property at both ends and one step beyond each. With the
    // year limits at 1700 and 2000, calMinYear runs from 1600 to 2000 and
    // calMaxYear from 1700 to 9999. Colours are clamped, not refused.
    void rangeEnds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<bool>("clamped");
        const auto row = [](const char *name, int low, int high, bool clamped = false) {
            QTest::newRow(name) << QString::fromLatin1(name) << low << high << clamped;
        };
        row("calAppearance", 0, 2);
        row("calAlignmentNum", 0, 8);
        row("calAlignmentDayTitle", 0, 8);
        row("calMonthTitle", 0, 1);
        row("calDayTitle", 0, 2);
        row("calScrollArrowsPos", 0, 3);
        row("calFirstDayofWeek", 1, 7);
        row("calMinYear", 1600, 2000);
        row("calMaxYear", 1700, 9999);
        for (const char *colour : {"calSelectedDayBackColor", "calSelectedDayForeColor", "calCurrentDateBackColor",
                                   "calCurrentDateForeColor", "calCurrentMonthBackColor", "calCurrentMonthForeColor",
                                   "calCurrentMonthWeekendsBackColor", "calCurrentMonthWeekendsForeColor",
                                   "calPreviousMonthBackColor", "calPreviousMonthForeColor", "calNextMonthBackColor",
                                   "calNextMonthForeColor"})
            row(colour, 0, 0xFFFFFF, true);
    }
    void rangeEnds()
    {
        QFETCH(QString, name);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(bool, clamped);
        ZVCalendar cal;
        cal.setCalMinYear(1700);
        cal.setCalMaxYear(2000);
        for (const int end : {low, high}) {
            setByName(cal, name, Variant(std::int32_t(end)));
            QCOMPARE(byName(cal, name).toInt32(), end);
        }
        for (const auto &[beyond, end] : {std::pair {low - 1, low}, std::pair {high + 1, high}}) {
            setByName(cal, name, Variant(std::int32_t(end == low ? high : low)));
            const QString before = saved(cal);
            CalendarEventLog log(cal);
            if (clamped) {
                setByName(cal, name, Variant(std::int32_t(beyond)));
                QCOMPARE(byName(cal, name).toInt32(), end);
                continue;
            }
            try {
                setByName(cal, name, Variant(std::int32_t(beyond)));
                QFAIL(qPrintable(QStringLiteral("%1 took %2").arg(name).arg(beyond)));
            } catch (const PropertyError &e) {
                QCOMPARE(e.number(), 380);
                QCOMPARE(e.text(), QStringLiteral("Invalid property value"));
            }
            QVERIFY(log.events.isEmpty());
            QCOMPARE(saved(cal), before);
        }
    }

    void refusedValues_data()
    {
        QTest::addColumn<Setter>("setter");
        QTest::newRow("no font") << Setter([](ZVCalendar &c) { c.setCalFont(nullptr); });
        QTest::newRow("value past 9999") << Setter([](ZVCalendar &c) { c.setCalValue(3e6); });
        QTest::newRow("value not a number") << Setter([](ZVCalendar &c) { c.setCalValue(std::nan("")); });
    }
    void refusedValues()
    {
        QFETCH(Setter, setter);
        ZVCalendar cal;
        const QString before = saved(cal);
        CalendarEventLog log(cal);
        QVERIFY_THROWS_EXCEPTION(PropertyError, setter(cal));
        QVERIFY(log.events.isEmpty());
        QCOMPARE(saved(cal), before);
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
