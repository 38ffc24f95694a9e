// The calendar's date model, month display, painting and change events.

#include "CalendarTestKit.h"

#include "platform/seams/Clock.h"
#include "properties/CalendarMembers.h"
#include "properties/TypeLibrary.h"
#include "platform/objects/OleColor.h"
#include "platform/objects/PropertyError.h"
#include "platform/objects/StdFont.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QTest>

Q_DECLARE_METATYPE(std::function<void(ZVCalendar &)>)

using Action = std::function<void(ZVCalendar &)>;

class tst_ZVCalendar : public QObject
{
    Q_OBJECT

    SettableClock m_clock {QDateTime(QDate(2000, 1, 10), QTime(12, 0))};
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
    void init()
    {
        m_clock.set(QDateTime(QDate(2000, 1, 10), QTime(12, 0)));
        m_dialogs.clear();
    }

    void childrenAreNamedWidgets()
    {
        ZVCalendar cal;
        for (const char *name : {"pnlTitleBar0", "pnlTitleBar1", "pnlText", "pnlMonthYear"})
            QVERIFY2(calPanel(cal, name), name);
        QVERIFY(cal.findChild<QFrame *>(QStringLiteral("Picture1")));
        QCOMPARE(calPanel(cal, "pnlTitleBar1")->parentWidget(), calPanel(cal, "pnlTitleBar0"));
        QCOMPARE(calMonthList(cal)->parentWidget(), calPanel(cal, "pnlMonthYear"));
        QCOMPARE(calYearBox(cal)->maxLength(), 4);
        const QStringList captions {"<<", "<", ">", ">>"};
        const QStringList names {"Previous year", "Previous month", "Next month", "Next year"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(calButton(cal, i)->caption(), captions[i]);
            QCOMPARE(calButton(cal, i)->accessibleName(), names[i]);
        }
        for (int i = 1; i <= 7; ++i)
            QVERIFY(calTitle(cal, i));
        for (int n = 1; n <= 42; ++n)
            QVERIFY(calCell(cal, n));
        QCOMPARE(calPanel(cal, "pnlTitleBar1")->caption(), QStringLiteral("Calendar "));
    }

    void newControlShowsToday()
    {
        ZVCalendar cal;
        CalendarEventLog log(cal);
        QCOMPARE(cal.calValue(), calDate(2000, 1, 10));
        QCOMPARE(calPanel(cal, "pnlText")->caption(), QStringLiteral("January 2000"));
        QCOMPARE(calYearBox(cal)->text(), QStringLiteral("2000"));
        QCOMPARE(calMonthList(cal)->currentIndex(), 0);
        QCOMPARE(calMonthList(cal)->count(), 12);
        cal.InitProperties();
        QVERIFY(log.events.isEmpty());
        // 1 January 2000 is a Saturday: cell 7.
        QCOMPARE(calCell(cal, 7)->caption(), QStringLiteral("1"));
        QCOMPARE(calCell(cal, 16)->tag(), QStringLiteral("CurrSelected"));
        QCOMPARE(calCell(cal, 16)->accessibleName(), QLocale().toString(QDate(2000, 1, 10), QLocale::LongFormat));
        QCOMPARE(calCell(cal, 1)->accessibleName(), QLocale().toString(QDate(1999, 12, 26), QLocale::LongFormat));
        QCOMPARE(calCell(cal, 42)->accessibleName(), QLocale().toString(QDate(2000, 2, 5), QLocale::LongFormat));
    }

    void layoutFollowsTheSize()
    {
        ZVCalendar cal;
        cal.resize(150, 200);
        cal.show();
        QCOMPARE(calPanel(cal, "pnlTitleBar0")->geometry(), QRect(0, 0, 150, 22));
        QCOMPARE(calPanel(cal, "pnlTitleBar1")->geometry(), QRect(3, 3, 144, 16));
        QCOMPARE(calPanel(cal, "pnlText")->geometry(), QRect(0, 22, 150, 18));
        QCOMPARE(calTitle(cal, 7)->geometry(), QRect(126, 40, 24, 20));
        QCOMPARE(calCell(cal, 36)->geometry(), QRect(0, 160, 21, 20));
        QCOMPARE(calButton(cal, 3)->geometry(), QRect(114, 181, 36, 19));
        QVERIFY(calPanel(cal, "pnlMonthYear")->isHidden());

        cal.setCalShowDropdownMonth(true);
        QVERIFY(calPanel(cal, "pnlText")->isHidden());
        QVERIFY(!calPanel(cal, "pnlMonthYear")->isHidden());
        QCOMPARE(calPanel(cal, "pnlMonthYear")->geometry(), QRect(0, 22, 150, 28));
        QCOMPARE(calMonthList(cal)->geometry(), QRect(3, 3, 100, 22));
        QCOMPARE(calYearBox(cal)->geometry(), QRect(101, 3, 44, 22));
        QCOMPARE(calButton(cal, 0)->geometry(), QRect(0, 184, 38, 16));

        cal.setCalShowTitleBar(false);
        QVERIFY(calPanel(cal, "pnlTitleBar0")->isHidden());
        QCOMPARE(calPanel(cal, "pnlMonthYear")->geometry().top(), 0);

        cal.setCalScrollArrowsPos(0);
        for (int i = 0; i < 4; ++i)
            QVERIFY(calButton(cal, i)->isHidden());

        // The outline takes a pixel off each side of the inner area.
        cal.setCalShowDropdownMonth(false);
        cal.setCalOutline(true);
        QCOMPARE(calCell(cal, 1)->geometry().topLeft(), QPoint(1, 1 + 23 + 25));
        QCOMPARE(calCell(cal, 7)->geometry().right(), 148);

        cal.resize(140, 200);
        cal.setCalOutline(false);
        cal.setCalShowTitleBar(true);
        cal.setCalScrollArrowsPos(2);
        QCOMPARE(calPanel(cal, "pnlText")->geometry().topLeft(), QPoint(40, 22));
        QCOMPARE(calButton(cal, 2)->geometry().left(), 101);
    }

    void narrowYearBoxShowsTheStartOfTheYear()
    {
        // The default size with the arrows beside the month list leaves the
        // year box narrower than four digits.
        m_clock.set(QDateTime(QDate(1997, 4, 4), QTime(12, 0)));
        ZVCalendar cal;
        cal.setCalShowDropdownMonth(true);
        cal.setCalScrollArrowsPos(2);
        cal.resize(210, 200);
        cal.show();
        QLineEdit *year = calYearBox(cal);
        QCOMPARE(year->text(), QStringLiteral("1997"));
        QVERIFY(year->width() < year->fontMetrics().horizontalAdvance(QStringLiteral("1997")) + 8);
        // The caret decides which part of the text is in view.
        const auto caretX = [year] { return year->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(); };
        QVERIFY2(caretX() <= 4, qPrintable(QString::number(caretX())));
        cal.NextYear();
        QCOMPARE(year->text(), QStringLiteral("1998"));
        QVERIFY(caretX() <= 4);
        QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(year, &focusIn);
        QCOMPARE(year->selectedText(), QStringLiteral("1998"));
        QVERIFY(caretX() <= 4);
    }

    void narrowControlHasNoNegativeSizes()
    {
        ZVCalendar cal;
        cal.setCalShowDropdownMonth(true);
        cal.resize(5, 12);
        cal.show();
        for (QWidget *w : cal.findChildren<QWidget *>()) {
            if (w->isWindow())
                continue;
            QVERIFY2(w->width() >= 0 && w->height() >= 0, qPrintable(w->objectName()));
        }
        QVERIFY(calTitle(cal, 1)->width() <= 1);
    }

    void stepEvents_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<Action>("action");
        QTest::addColumn<double>("to");
        QTest::addColumn<QStringList>("events");
        const QStringList all {"ValueChanged", "MonthChanged", "YearChanged"};
        QTest::newRow("NextDay over the year end") << calDate(1997, 12, 31) << Action(&ZVCalendar::NextDay)
                                                   << calDate(1998, 1, 1) << all;
        QTest::newRow("NextYear same month") << calDate(1997, 3, 15) << Action(&ZVCalendar::NextYear)
                                             << calDate(1998, 3, 15) << QStringList {"ValueChanged", "YearChanged"};
        QTest::newRow("NextDay within month") << calDate(1997, 3, 15) << Action(&ZVCalendar::NextDay)
                                              << calDate(1997, 3, 16) << QStringList {"ValueChanged"};
        QTest::newRow("NextWeek into next month") << calDate(1997, 3, 28) << Action(&ZVCalendar::NextWeek)
                                                  << calDate(1997, 4, 4) << QStringList {"ValueChanged", "MonthChanged"};
        QTest::newRow("PreviousWeek over the year end") << calDate(1998, 1, 3) << Action(&ZVCalendar::PreviousWeek)
                                                        << calDate(1997, 12, 27) << all;
        QTest::newRow("PreviousMonth month end") << calDate(1997, 3, 31) << Action(&ZVCalendar::PreviousMonth)
                                                 << calDate(1997, 2, 28) << QStringList {"ValueChanged", "MonthChanged"};
        QTest::newRow("PreviousYear") << calDate(1997, 3, 31) << Action(&ZVCalendar::PreviousYear)
                                      << calDate(1996, 3, 31) << QStringList {"ValueChanged", "YearChanged"};
        QTest::newRow("Refresh alone") << calDate(1997, 3, 31) << Action(&ZVCalendar::Refresh)
                                       << calDate(1997, 3, 31) << QStringList {};
    }
    void stepEvents()
    {
        QFETCH(double, from);
        QFETCH(Action, action);
        QFETCH(double, to);
        QFETCH(QStringList, events);
        ZVCalendar cal;
        cal.setCalValue(from);
        CalendarEventLog log(cal);
        action(cal);
        QCOMPARE(cal.calValue(), to);
        QCOMPARE(log.events, events);
        QVERIFY(m_dialogs.messages().isEmpty());
    }

    void limitMessages_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("text");
        const QString max = QStringLiteral("Maximum Calendar Date Setting Reached.");
        const QString min = QStringLiteral("Minimum Calendar Date Setting Reached.");
        QTest::newRow("NextDay 31 Dec") << calDate(2010, 12, 31) << Action(&ZVCalendar::NextDay) << max;
        QTest::newRow("NextWeek 25 Dec") << calDate(2010, 12, 25) << Action(&ZVCalendar::NextWeek) << max;
        QTest::newRow("NextMonth Dec") << calDate(2010, 12, 1) << Action(&ZVCalendar::NextMonth) << max;
        QTest::newRow("NextYear Jan") << calDate(2010, 1, 1) << Action(&ZVCalendar::NextYear) << max;
        QTest::newRow("PreviousDay 1 Jan") << calDate(1990, 1, 1) << Action(&ZVCalendar::PreviousDay) << min;
        QTest::newRow("PreviousWeek 7 Jan") << calDate(1990, 1, 7) << Action(&ZVCalendar::PreviousWeek) << min;
        QTest::newRow("PreviousMonth Jan") << calDate(1990, 1, 31) << Action(&ZVCalendar::PreviousMonth) << min;
        QTest::newRow("PreviousYear Dec") << calDate(1990, 12, 31) << Action(&ZVCalendar::PreviousYear) << min;
        QTest::newRow("PreviousYear below the minimum") << calDate(1500, 6, 1) << Action(&ZVCalendar::PreviousYear) << min;
    }
    void limitMessages()
    {
        QFETCH(double, from);
        QFETCH(Action, action);
        QFETCH(QString, text);
        ZVCalendar cal;
        cal.setCalMaxYear(2010);
        cal.setCalMinYear(1990);
        cal.setCalValue(from);
        CalendarEventLog log(cal);
        action(cal);
        QCOMPARE(cal.calValue(), from);
        QVERIFY(log.events.isEmpty());
        QCOMPARE(m_dialogs.messages().size(), 1);
        const auto box = m_dialogs.messages().first();
        QCOMPARE(box.text, text);
        QCOMPARE(box.title, QStringLiteral("Calendar"));
        QCOMPARE(box.icon, Dialogs::Icon::Exclamation);
        QCOMPARE(box.buttons, Dialogs::Buttons::Ok);
    }

    void valueOutsideLimitsStepsForward()
    {
        ZVCalendar cal;
        cal.setCalValue(calDate(1500, 6, 1));
        QCOMPARE(cal.calValue(), calDate(1500, 6, 1));
        cal.NextYear();
        QCOMPARE(cal.calValue(), calDate(1501, 6, 1));
        QVERIFY(m_dialogs.messages().isEmpty());
    }

    void stepsKeepTheTimeOfDay()
    {
        ZVCalendar cal;
        cal.setCalValue(calDate(1997, 1, 31) + 0.5);
        cal.NextMonth();
        QCOMPARE(cal.calValue(), calDate(1997, 2, 28) + 0.5);
        // The month list follows from code without touching the value.
        QCOMPARE(calMonthList(cal)->currentIndex(), 1);
        QCOMPARE(calPanel(cal, "pnlText")->caption(), QStringLiteral("February 1997"));
    }

    void limitSettersPullTheValueIn()
    {
        ZVCalendar cal;
        cal.setCalValue(calDate(2000, 2, 29));
        CalendarEventLog log(cal);
        cal.setCalMinYear(2001);
        QCOMPARE(cal.calValue(), calDate(2001, 3, 1));
        QCOMPARE(log.events, (QStringList {"notify calMinYear", "ValueChanged", "MonthChanged", "YearChanged"}));

        cal.setCalMinYear(1600);
        cal.setCalValue(calDate(2000, 2, 29));
        log.events.clear();
        cal.setCalMaxYear(1997);
        QCOMPARE(cal.calValue(), calDate(1997, 3, 1));
        QCOMPARE(log.events.first(), QStringLiteral("notify calMaxYear"));

        cal.setCalMaxYear(9999);
        cal.setCalValue(calDate(2050, 7, 4));
        cal.setCalMaxYear(2020);
        QCOMPARE(cal.calValue(), calDate(2020, 7, 4));

        cal.setCalValue(calDate(1990, 6, 15));
        log.events.clear();
        cal.setCalMinYear(1990);
        QCOMPARE(cal.calValue(), calDate(1990, 6, 15));
        QCOMPARE(log.events, QStringList {"notify calMinYear"});
    }

    void julianAndLeapFollowTheValue()
    {
        ZVCalendar cal;
        cal.setCalValue(calDate(2000, 12, 31));
        QCOMPARE(cal.calJulianDateValue(), 2000366);
        QVERIFY(cal.calLeapYear());
        cal.setCalValue(calDate(1900, 3, 1));
        QVERIFY(!cal.calLeapYear());
        QCOMPARE(cal.calVersion(), QStringLiteral("2.1.1"));
    }

    void cellTagsColoursAndBold()
    {
        // Today is Saturday 10 January 1998, not selected.
        m_clock.set(QDateTime(QDate(1998, 1, 10), QTime(9, 0)));
        ZVCalendar cal;
        cal.setCalValue(calDate(1998, 1, 15));
        SSPanel *today = calDayCell(cal, 10);
        QCOMPARE(today->tag(), QStringLiteral("CurrToday"));
        QCOMPARE(today->backColor(), cal.calCurrentDateBackColor());
        QCOMPARE(today->foreColor(), cal.calCurrentDateForeColor());
        QVERIFY(today->bold());
        SSPanel *sunday = calDayCell(cal, 11);
        QCOMPARE(sunday->tag(), QStringLiteral("CurrWeekend"));
        QCOMPARE(sunday->foreColor(), 0x80);
        QVERIFY(!sunday->bold());
        SSPanel *selected = calDayCell(cal, 15);
        QCOMPARE(selected->tag(), QStringLiteral("CurrSelected"));
        QCOMPARE(selected->backColor(), 0x800000);
        QCOMPARE(selected->foreColor(), 0xFFFFFF);
        QCOMPARE(calCell(cal, 1)->tag(), QStringLiteral("Prev"));
        QCOMPARE(calCell(cal, 1)->foreColor(), 0x808080);
        QCOMPARE(calCell(cal, 42)->tag(), QStringLiteral("Next"));
        QCOMPARE(calTitle(cal, 1)->tag(), QStringLiteral("CurrWeekend"));
        QCOMPARE(calTitle(cal, 2)->tag(), QStringLiteral("Curr"));
        QCOMPARE(calTitle(cal, 2)->caption(), QStringLiteral("M"));

        // Selected today: selected colours, still bold.
        cal.setCalValue(calDate(1998, 1, 10));
        QCOMPARE(today->tag(), QStringLiteral("CurrSelected"));
        QVERIFY(today->bold());
        // A new day font makes bold only the cells tagged today, so the
        // selected today's cell shows plain until the month is filled again.
        cal.setCalFont(StdFont::create(QStringLiteral("Courier New"), 12));
        QVERIFY(!today->bold());
        cal.Refresh();
        QVERIFY(today->bold());

        // Today visible in a leading cell: January 1998 starts on a Thursday.
        m_clock.set(QDateTime(QDate(1997, 12, 30), QTime(9, 0)));
        cal.setCalValue(calDate(1998, 1, 14));
        QCOMPARE(calCell(cal, 3)->caption(), QStringLiteral("30"));
        QCOMPARE(calCell(cal, 3)->tag(), QStringLiteral("Prev"));
        QVERIFY(!calCell(cal, 3)->bold());
    }

    void colourSetters()
    {
        ZVCalendar cal;
        CalendarEventLog log(cal);
        cal.setCalCurrentMonthWeekendsBackColor(0x00FF00);
        QCOMPARE(log.events, QStringList {"notify calCurrentMonthWeekendsBackColor"});
        QCOMPARE(calTitle(cal, 1)->backColor(), 0x00FF00);
        QCOMPARE(calTitle(cal, 7)->backColor(), 0x00FF00);
        QCOMPARE(calTitle(cal, 2)->backColor(), 0xC0C0C0);
        for (int n = 1; n <= 42; ++n) {
            SSPanel *p = calCell(cal, n);
            if (p->tag() == QLatin1String("CurrWeekend"))
                QCOMPARE(p->backColor(), 0x00FF00);
        }
        cal.setCalSelectedDayBackColor(-1);
        QCOMPARE(cal.calSelectedDayBackColor(), 0);
        cal.setCalSelectedDayBackColor(0x1000000);
        QCOMPARE(cal.calSelectedDayBackColor(), 0xFFFFFF);
        cal.setCalNextMonthForeColor(int(0x8000000F));
        QCOMPARE(cal.calNextMonthForeColor(), 0);
        QCOMPARE(calCell(cal, 42)->foreColor(), 0);
    }

    // Both colours of every kind of cell and day title, each colour
    // property set to a value of its own, after the colours change and after
    // the month is filled again.
    void everyKindShowsItsColourPair_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("title");
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("fore");
        QTest::newRow("selected") << "CurrSelected" << false << "calSelectedDayBackColor" << "calSelectedDayForeColor";
        QTest::newRow("today") << "CurrToday" << false << "calCurrentDateBackColor" << "calCurrentDateForeColor";
        QTest::newRow("weekday") << "Curr" << false << "calCurrentMonthBackColor" << "calCurrentMonthForeColor";
        QTest::newRow("weekend") << "CurrWeekend" << false << "calCurrentMonthWeekendsBackColor" << "calCurrentMonthWeekendsForeColor";
        QTest::newRow("previous month") << "Prev" << false << "calPreviousMonthBackColor" << "calPreviousMonthForeColor";
        QTest::newRow("next month") << "Next" << false << "calNextMonthBackColor" << "calNextMonthForeColor";
        QTest::newRow("weekday title") << "Curr" << true << "calCurrentMonthBackColor" << "calCurrentMonthForeColor";
        QTest::newRow("weekend title") << "CurrWeekend" << true << "calCurrentMonthWeekendsBackColor" << "calCurrentMonthWeekendsForeColor";
    }
    void everyKindShowsItsColourPair()
    {
        QFETCH(QString, tag);
        QFETCH(bool, title);
        QFETCH(QString, back);
        QFETCH(QString, fore);
        const QStringList properties {
            "calSelectedDayBackColor", "calSelectedDayForeColor", "calCurrentDateBackColor", "calCurrentDateForeColor",
            "calCurrentMonthBackColor", "calCurrentMonthForeColor", "calCurrentMonthWeekendsBackColor",
            "calCurrentMonthWeekendsForeColor", "calPreviousMonthBackColor", "calPreviousMonthForeColor",
            "calNextMonthBackColor", "calNextMonthForeColor"};
        const auto colourOf = [&properties](const QString &name) { return 0x102030 + 0x10000 * int(properties.indexOf(name)); };
        // Today is Monday 10 January 2000; the 20th is selected.
        ZVCalendar cal;
        cal.setCalValue(calDate(2000, 1, 20));
        for (const QString &name : properties)
            zvcal::putCalendarProperty(cal, zvcal::calendarInterface().member(name)->dispid, Variant(std::int32_t(colourOf(name))));
        const auto check = [&] {
            SSPanel *panel = nullptr;
            for (int i = 1; i <= (title ? 7 : 42) && !panel; ++i) {
                SSPanel *p = title ? calTitle(cal, i) : calCell(cal, i);
                if (p->tag() == tag)
                    panel = p;
            }
            QVERIFY(panel);
            QCOMPARE(panel->backColor(), colourOf(back));
            QCOMPARE(panel->foreColor(), colourOf(fore));
        };
        check();
        cal.NextMonth();
        cal.PreviousMonth();
        check();
    }

    void bevelsFollowTheAppearance_data()
    {
        QTest::addColumn<int>("appearance");
        QTest::addColumn<int>("plain");
        QTest::addColumn<int>("selected");
        QTest::newRow("flat") << 0 << 0 << 1;
        QTest::newRow("sunken") << 1 << 1 << 2;
        QTest::newRow("raised") << 2 << 2 << 1;
    }
    void bevelsFollowTheAppearance()
    {
        QFETCH(int, appearance);
        QFETCH(int, plain);
        QFETCH(int, selected);
        ZVCalendar cal;
        cal.setCalAppearance(appearance);
        QCOMPARE(calDayCell(cal, 10)->bevel(), selected);
        QCOMPARE(calDayCell(cal, 11)->bevel(), plain);
        QCOMPARE(calCell(cal, 1)->bevel(), plain);
        QCOMPARE(calTitle(cal, 3)->bevel(), plain);
        QCOMPARE(calPanel(cal, "pnlText")->bevel(), plain);
        cal.NextMonth();
        QCOMPARE(calDayCell(cal, 10)->bevel(), selected);
        QCOMPARE(calDayCell(cal, 11)->bevel(), plain);
    }

    void dayTitlesFollowFirstDayAndStyle()
    {
        ZVCalendar cal;
        cal.setCalFirstDayofWeek(2);
        QStringList captions;
        for (int i = 1; i <= 7; ++i)
            captions << calTitle(cal, i)->caption();
        QCOMPARE(captions, (QStringList {"M", "T", "W", "T", "F", "S", "S"}));
        QCOMPARE(calTitle(cal, 6)->tag(), QStringLiteral("CurrWeekend"));
        QCOMPARE(calTitle(cal, 7)->tag(), QStringLiteral("CurrWeekend"));
        QCOMPARE(calTitle(cal, 1)->tag(), QStringLiteral("Curr"));
        cal.setCalDayTitle(1);
        QCOMPARE(calTitle(cal, 1)->caption(), QStringLiteral("Mon"));
        QCOMPARE(calTitle(cal, 7)->caption(), QStringLiteral("Sun"));
        cal.setCalDayTitle(2);
        QCOMPARE(calTitle(cal, 7)->caption(), QStringLiteral("Sunday"));
        // 1 January 2000 is a Saturday: column 6 with Monday first.
        QCOMPARE(calCell(cal, 6)->caption(), QStringLiteral("1"));

        cal.setCalMonthTitle(0);
        QCOMPARE(calPanel(cal, "pnlText")->caption(), QStringLiteral("Jan 2000"));
        QCOMPARE(calMonthList(cal)->itemText(2), QStringLiteral("Mar"));
    }

    void hoverHighlight()
    {
        ZVCalendar cal;
        cal.setCalAppearance(0);   // plain none, selected inset, hover raised
        cal.setCalMouseSensitiveDate(true);
        cal.resize(300, 300);
        cal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cal));
        SSPanel *ten = calCell(cal, 10);
        SSPanel *eleven = calCell(cal, 11);
        QTest::mouseMove(ten);
        QTRY_COMPARE(ten->bevel(), 2);
        QTest::mouseMove(calTitle(cal, 3));
        QTRY_COMPARE(ten->bevel(), 0);
        // Back onto the same cell: no hover look until another cell was entered.
        QTest::mouseMove(ten);
        QTest::qWait(20);
        QCOMPARE(ten->bevel(), 0);
        QTest::mouseMove(eleven);
        QTRY_COMPARE(eleven->bevel(), 2);
        QTest::mouseMove(ten);
        QTRY_COMPARE(ten->bevel(), 2);
        QCOMPARE(eleven->bevel(), 0);

        // Hovering the selected cell shows the hover bevel; leaving it brings
        // back the selected one.
        SSPanel *selected = calDayCell(cal, 10);
        QTest::mouseMove(selected);
        QTRY_COMPARE(selected->bevel(), 2);
        QTest::mouseMove(calPanel(cal, "pnlText"));
        QTRY_COMPARE(selected->bevel(), 1);
    }

    void noHoverWhenNotSensitive()
    {
        ZVCalendar cal;
        cal.resize(300, 300);
        cal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cal));
        QTest::mouseMove(calCell(cal, 10));
        QTest::mouseMove(calCell(cal, 11));
        QTest::qWait(20);
        QCOMPARE(calCell(cal, 10)->bevel(), 2);
        QCOMPARE(calCell(cal, 11)->bevel(), 2);
    }

    void sharedFontChangesShow()
    {
        ZVCalendar cal;
        auto font = StdFont::create(QStringLiteral("Courier New"), 10);
        cal.setCalScrollArrowsFont(font);
        CalendarEventLog log(cal);
        font->setSize(14);
        QCOMPARE(calButton(cal, 0)->font().pointSizeF(), 14.0);
        QCOMPARE(log.events, QStringList {"notify calScrollArrowsFont"});
    }
};

QTEST_MAIN(tst_ZVCalendar)
#include "tst_ZVCalendar.moc"
