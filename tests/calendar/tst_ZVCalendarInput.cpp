// The calendar's reaction to the mouse and the keyboard on its children.

#include "CalendarTestKit.h"

#include "platform/seams/Clock.h"
#include "platform/objects/OleColor.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A window holding the calendar and one other focusable widget.
struct Host
{
    QWidget window;
    ZVCalendar *cal;
    QLineEdit *other;

    Host()
    {
        auto *layout = new QVBoxLayout(&window);
        cal = new ZVCalendar(&window);
        cal->setMinimumSize(300, 300);
        other = new QLineEdit(&window);
        other->setObjectName(QStringLiteral("other"));
        layout->addWidget(cal);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
    }
    bool active() { return QTest::qWaitForWindowActive(&window); }
};

// The platform's order: press, release (Click), then the double click.
void doubleClick(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton);
    QTest::mouseDClick(w, Qt::LeftButton);
}

QRgb titleBack(const ZVCalendar &cal)
{
    return OleColor::toQColor(calPanel(cal, "pnlTitleBar1")->backColor()).rgb();
}

} // namespace

class tst_ZVCalendarInput : public QObject
{
    Q_OBJECT

    SettableClock m_clock {QDateTime(QDate(1997, 12, 10), QTime(12, 0))};
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
    void init() { m_dialogs.clear(); }

    void clickAnotherDayOfTheMonth()
    {
        Host h;
        ZVCalendar &cal = *h.cal;
        cal.setCalValue(calDate(1997, 12, 3));
        CalendarEventLog log(cal);
        SSPanel *three = calDayCell(cal, 3);
        SSPanel *five = calDayCell(cal, 5);
        QTest::mouseClick(five, Qt::LeftButton);
        QCOMPARE(log.changes(), (QStringList {"ValueChanged", "Click"}));
        QCOMPARE(cal.calValue(), calDate(1997, 12, 5));
        QCOMPARE(five->tag(), QStringLiteral("CurrSelected"));
        QCOMPARE(five->bevel(), 1);
        QCOMPARE(three->tag(), QStringLiteral("Curr"));
        QCOMPARE(three->bevel(), 2);
        QCOMPARE(three->backColor(), cal.calCurrentMonthBackColor());

        // The click did not refresh: the next refresh still reports the change.
        log.events.clear();
        cal.Refresh();
        QCOMPARE(log.events, QStringList {"ValueChanged"});

        // The selected day again: only Click.
        log.events.clear();
        QTest::mouseClick(five, Qt::LeftButton);
        QCOMPARE(log.changes(), QStringList {"Click"});
    }

    void clickAwayFromToday()
    {
        // Today (10 December 1997) selected; clicking elsewhere re-marks it as today.
        Host h;
        ZVCalendar &cal = *h.cal;
        SSPanel *ten = calDayCell(cal, 10);
        QCOMPARE(ten->tag(), QStringLiteral("CurrSelected"));
        QTest::mouseClick(calDayCell(cal, 12), Qt::LeftButton);
        QCOMPARE(ten->tag(), QStringLiteral("CurrToday"));
        QVERIFY(ten->bold());
        QCOMPARE(ten->backColor(), cal.calCurrentDateBackColor());
        // Saturday 13th re-marked as a weekend day after being selected.
        QTest::mouseClick(calDayCell(cal, 13), Qt::LeftButton);
        QTest::mouseClick(calDayCell(cal, 15), Qt::LeftButton);
        QCOMPARE(calDayCell(cal, 13)->tag(), QStringLiteral("CurrWeekend"));
    }

    void clickNeighbouringMonths()
    {
        Host h;
        ZVCalendar &cal = *h.cal;
        cal.setCalValue(calDate(1997, 12, 20));
        CalendarEventLog log(cal);
        // December 1997 starts on a Monday: cells 33.. hold 1, 2, ... January.
        SSPanel *cell = calCell(cal, 34);
        QCOMPARE(cell->caption(), QStringLiteral("2"));
        QCOMPARE(cell->tag(), QStringLiteral("Next"));
        QTest::mouseClick(cell, Qt::LeftButton);
        QCOMPARE(cal.calValue(), calDate(1998, 1, 2));
        QCOMPARE(log.changes(), (QStringList {"ValueChanged", "MonthChanged", "YearChanged", "Click"}));
        QCOMPARE(calDayCell(cal, 2)->tag(), QStringLiteral("CurrSelected"));

        log.events.clear();
        QTest::mouseClick(calCell(cal, 1), Qt::LeftButton);   // 28 December
        QCOMPARE(cal.calValue(), calDate(1997, 12, 28));
        QCOMPARE(log.changes(), (QStringList {"ValueChanged", "MonthChanged", "YearChanged", "Click"}));
    }

    void clicksPastTheLimitsAreIgnored()
    {
        Host h;
        ZVCalendar &cal = *h.cal;
        cal.setCalMaxYear(1997);
        cal.setCalValue(calDate(1997, 12, 20));
        CalendarEventLog log(cal);
        QTest::mouseClick(calCell(cal, 40), Qt::LeftButton);
        QCOMPARE(cal.calValue(), calDate(1997, 12, 20));
        QCOMPARE(log.changes(), QStringList {"Click"});

        cal.setCalMinYear(1997);
        cal.setCalValue(calDate(1997, 1, 20));   // starts on a Wednesday
        log.events.clear();
        QTest::mouseClick(calCell(cal, 1), Qt::LeftButton);
        QCOMPARE(cal.calValue(), calDate(1997, 1, 20));
        QCOMPARE(log.changes(), QStringList {"Click"});
        QVERIFY(m_dialogs.messages().isEmpty());
    }

    void doubleClicks()
    {
        Host h;
        ZVCalendar &cal = *h.cal;
        cal.setCalValue(calDate(1997, 12, 20));
        CalendarEventLog log(cal);
        doubleClick(calDayCell(cal, 14));   // a Sunday
        QCOMPARE(log.changes().last(), QStringLiteral("DblClick"));
        QVERIFY(log.changes().contains("DblClick"));

        // A trailing day moves the month; the cell then shows a plain weekday
        // (30 January 1998), so no DblClick.
        log.events.clear();
        doubleClick(calCell(cal, 34));
        QCOMPARE(log.changes(), (QStringList {"ValueChanged", "MonthChanged", "YearChanged", "Click"}));
        QCOMPARE(calCell(cal, 34)->tag(), QStringLiteral("Curr"));
        QVERIFY(!log.changes().contains("DblClick"));

        log.events.clear();
        doubleClick(calPanel(cal, "pnlText"));
        QVERIFY(log.changes().contains("DblClick"));

        // The year box too: the release ending a double click is no click.
        cal.setCalShowDropdownMonth(true);
        log.events.clear();
        doubleClick(calYearBox(cal));
        QTest::mouseRelease(calYearBox(cal), Qt::LeftButton);
        QCOMPARE(log.changes(), (QStringList {"Click", "DblClick"}));
    }

    // The coordinates are those inside the child that was pressed, x and y
    // each as they were, from cells, day titles and arrow buttons alike.
    void mouseEventsAreForwarded_data()
    {
        QTest::addColumn<QString>("child");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("day cell") << "pnlCalNum_20" << QPoint(3, 7);
        QTest::newRow("day title") << "pnlCalDay_3" << QPoint(9, 2);
        QTest::newRow("first arrow") << "cmdButton_0" << QPoint(5, 11);
        QTest::newRow("last arrow") << "cmdButton_3" << QPoint(12, 4);
        QTest::newRow("month-year text") << "pnlText" << QPoint(8, 6);
    }
    void mouseEventsAreForwarded()
    {
        QFETCH(QString, child);
        QFETCH(QPoint, at);
        Host h;
        ZVCalendar &cal = *h.cal;
        CalendarEventLog log(cal);
        QWidget *pressed = cal.findChild<QWidget *>(child);
        QTest::mousePress(pressed, Qt::LeftButton, Qt::ShiftModifier, at);
        QTest::mouseRelease(pressed, Qt::LeftButton, Qt::ShiftModifier, at);
        const QString where = QStringLiteral("1 1 %1 %2").arg(at.x()).arg(at.y());
        QVERIFY2(log.events.contains("MouseDown " + where), qPrintable(log.events.join(u',')));
        QVERIFY2(log.events.contains("MouseUp " + where), qPrintable(log.events.join(u',')));
        log.events.clear();
        QTest::mouseClick(calPanel(cal, "pnlTitleBar1"), Qt::LeftButton, {}, QPoint(3, 4));
        QCOMPARE(log.events, QStringList {"Click"});
    }

    void arrowButtons()
    {
        Host h;
        ZVCalendar &cal = *h.cal;
        cal.setCalValue(calDate(1997, 12, 20));
        CalendarEventLog log(cal);
        QTest::mouseClick(calButton(cal, 2), Qt::LeftButton);
        QCOMPARE(cal.calValue(), calDate(1998, 1, 20));
        QCOMPARE(log.changes(), (QStringList {"ValueChanged", "MonthChanged", "YearChanged", "Click"}));
        QTest::mouseClick(calButton(cal, 0), Qt::LeftButton);
        QCOMPARE(cal.calValue(), calDate(1997, 1, 20));
        QTest::mouseClick(calButton(cal, 1), Qt::LeftButton);
        QCOMPARE(cal.calValue(), calDate(1996, 12, 20));
        QTest::mouseClick(calButton(cal, 3), Qt::LeftButton);
        QCOMPARE(cal.calValue(), calDate(1997, 12, 20));

        cal.setCalMaxYear(1997);
        log.events.clear();
        QTest::mouseClick(calButton(cal, 3), Qt::LeftButton);
        QCOMPARE(m_dialogs.messages().size(), 1);
        QCOMPARE(m_dialogs.messages().first().text, QStringLiteral("Maximum Calendar Date Setting Reached."));
        QCOMPARE(log.changes(), QStringList {"Click"});
    }

    void arrowKeysOnTheControl()
    {
        Host h;
        ZVCalendar &cal = *h.cal;
        cal.setCalValue(calDate(1997, 12, 20));
        CalendarEventLog log(cal);
        QTest::keyClick(&cal, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(cal.calValue(), calDate(1997, 12, 21));
        QCOMPARE(log.events, (QStringList {"KeyDown 16 1", "ValueChanged", "KeyDown 0 1", "KeyUp 39 1", "KeyUp 16 0"}));
        QTest::keyClick(&cal, Qt::Key_Up);
        QCOMPARE(cal.calValue(), calDate(1997, 12, 14));
        QTest::keyClick(&cal, Qt::Key_Down);
        QTest::keyClick(&cal, Qt::Key_Down);
        QCOMPARE(cal.calValue(), calDate(1997, 12, 28));
        QTest::keyClick(&cal, Qt::Key_Left);
        QCOMPARE(cal.calValue(), calDate(1997, 12, 27));
        log.events.clear();
        QTest::keyClick(&cal, Qt::Key_A);
        QCOMPARE(log.events, (QStringList {"KeyDown 65 0", "KeyPress 97", "KeyUp 65 0"}));
    }

    void hostCanZeroAnArrowButtonsKey()
    {
        // A directly connected host's change to KeyAscii reaches the button:
        // Tab zeroed by the control is seen as 0 by the host.
        Host h;
        QVERIFY(h.active());
        ZVCalendar &cal = *h.cal;
        CalendarEventLog log(cal);
        calButton(cal, 3)->setFocus();
        QTest::keyClick(calButton(cal, 3), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), calButton(cal, 0));
        QCOMPARE(log.events, (QStringList {"KeyDown 9 0", "KeyPress 0", "KeyUp 9 0"}));
        QTest::keyClick(calButton(cal, 0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), calButton(cal, 1));
        // Shift+Tab leaves the ring the ordinary way.
        QTest::keyClick(calButton(cal, 1), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), calButton(cal, 0));
    }

    void arrowKeyOnAButtonSteps()
    {
        Host h;
        ZVCalendar &cal = *h.cal;
        cal.setCalValue(calDate(1997, 12, 20));
        CalendarEventLog log(cal);
        QTest::keyClick(calButton(cal, 1), Qt::Key_Right);
        QCOMPARE(cal.calValue(), calDate(1997, 12, 21));
        QVERIFY(log.events.contains("KeyDown 0 0"));
    }

    void yearBoxKeys()
    {
        Host h;
        ZVCalendar &cal = *h.cal;
        cal.setCalShowDropdownMonth(true);
        cal.setCalValue(calDate(1997, 12, 20));
        QLineEdit *year = calYearBox(cal);
        CalendarEventLog log(cal);

        year->setCursorPosition(1);
        QTest::keyClick(year, Qt::Key_Right);
        QCOMPARE(cal.calValue(), calDate(1997, 12, 21));
        QCOMPARE(year->cursorPosition(), 1);
        QVERIFY(log.events.contains("KeyDown 0 0"));

        log.events.clear();
        QTest::keyClick(year, Qt::Key_A);
        QCOMPARE(year->text(), QStringLiteral("1997"));
        QCOMPARE(log.events, (QStringList {"KeyDown 65 0", "KeyPress 97", "KeyUp 65 0"}));

        // Delete types no character (though X11 gives it the text DEL): the
        // box deletes and the host sees no KeyPress.
        log.events.clear();
        year->setCursorPosition(0);
        QTest::sendKeyEvent(QTest::Click, year, Qt::Key_Delete, char(0x7f), Qt::NoModifier);
        QCOMPARE(year->text(), QStringLiteral("997"));
        QCOMPARE(log.events, (QStringList {"KeyDown 46 0", "KeyUp 46 0"}));
        year->setText(QStringLiteral("1997"));

        // A host changing its copy of KeyAscii does not change what the box takes.
        auto zeroing = QObject::connect(&cal, &ZVCalendar::KeyPress, [](short &a) { a = 0; });
        year->selectAll();
        QTest::keyClicks(year, "1234");
        QObject::disconnect(zeroing);
        QCOMPARE(year->text(), QStringLiteral("1234"));
        QTest::keyClick(year, Qt::Key_5);
        QCOMPARE(year->text(), QStringLiteral("1234"));
        log.events.clear();
        QTest::keyClick(year, Qt::Key_Return);
        QCOMPARE(cal.calValue(), calDate(1600, 12, 21));
        QCOMPARE(year->text(), QStringLiteral("1600"));
        QCOMPARE(log.changes(), (QStringList {"ValueChanged", "YearChanged"}));
        QVERIFY(log.events.contains("KeyPress 13"));

        year->selectAll();
        QTest::keyClicks(year, "99999");
        QTest::keyClick(year, Qt::Key_Enter);
        QCOMPARE(year->text(), QStringLiteral("9999"));
        QCOMPARE(cal.calValue(), calDate(9999, 12, 21));

        // Text that is no number (pasted) goes back to the year.
        year->setText(QStringLiteral("x1"));
        QTest::keyClick(year, Qt::Key_Return);
        QCOMPARE(year->text(), QStringLiteral("9999"));
        QCOMPARE(cal.calValue(), calDate(9999, 12, 21));
    }

    void keysOfTheMonthRowReachTheHostOnce()
    {
        Host h;
        QVERIFY(h.active());
        ZVCalendar &cal = *h.cal;
        cal.setCalShowDropdownMonth(true);
        cal.setCalValue(calDate(1997, 12, 20));
        CalendarEventLog log(cal);
        QLineEdit *year = calYearBox(cal);
        year->setFocus();
        QTest::keyClick(year, Qt::Key_F5);
        QCOMPARE(log.events, (QStringList {"KeyDown 116 0", "KeyUp 116 0"}));

        log.events.clear();
        calMonthList(cal)->setFocus();
        QTest::keyClick(calMonthList(cal), Qt::Key_Left);
        QTest::keyClick(calMonthList(cal), Qt::Key_F5);
        QCOMPARE(cal.calValue(), calDate(1997, 12, 20));
        QCOMPARE(log.events, QStringList {});
    }

    void yearBoxCarriesTheDayOver()
    {
        Host h;
        ZVCalendar &cal = *h.cal;
        cal.setCalShowDropdownMonth(true);
        cal.setCalValue(calDate(2000, 2, 29) + 0.5);
        QLineEdit *year = calYearBox(cal);
        year->selectAll();
        QTest::keyClicks(year, "2001");
        QTest::keyClick(year, Qt::Key_Return);
        QCOMPARE(cal.calValue(), calDate(2001, 3, 1));
    }

    void yearBoxValidatesWhenLeft()
    {
        Host h;
        QVERIFY(h.active());
        ZVCalendar &cal = *h.cal;
        cal.setCalShowDropdownMonth(true);
        cal.setCalValue(calDate(1997, 6, 1));
        QLineEdit *year = calYearBox(cal);
        year->setFocus();
        QCOMPARE(year->selectedText(), QStringLiteral("1997"));
        QTest::keyClicks(year, "2003");
        h.other->setFocus();
        QCOMPARE(cal.calValue(), calDate(2003, 6, 1));

        // Tab in the year box goes to the month list.
        year->setFocus();
        QTest::keyClick(year, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), calMonthList(cal));
    }

    void monthList_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<double>("expected");
        QTest::newRow("common year") << 1997 << calDate(1997, 3, 3);
        QTest::newRow("leap year") << 1996 << calDate(1996, 3, 2);
    }
    void monthList()
    {
        QFETCH(int, year);
        QFETCH(double, expected);
        Host h;
        ZVCalendar &cal = *h.cal;
        cal.setCalShowDropdownMonth(true);
        cal.setCalValue(calDate(year, 1, 31));
        CalendarEventLog log(cal);
        QTest::keyClick(calMonthList(cal), Qt::Key_Down);   // January -> February
        QCOMPARE(cal.calValue(), expected);
        QCOMPARE(log.changes(), (QStringList {"ValueChanged", "MonthChanged", "Click"}));
        QCOMPARE(calMonthList(cal)->currentIndex(), 2);
        QCOMPARE(calYearBox(cal)->text(), QString::number(year));
    }

    void titleBarShowsTheFocus()
    {
        Host h;
        QVERIFY(h.active());
        ZVCalendar &cal = *h.cal;
        const QRgb active = cal.palette().color(QPalette::Active, QPalette::Highlight).rgb();
        const QRgb inactive = cal.palette().color(QPalette::Active, QPalette::Dark).rgb();
        QVERIFY(active != inactive);
        cal.setFocus();
        QCOMPARE(titleBack(cal), active);
        h.other->setFocus();
        QCOMPARE(titleBack(cal), inactive);
        calButton(cal, 2)->setFocus();
        QCOMPARE(titleBack(cal), active);

        cal.setEnabledProperty(false);
        QCOMPARE(titleBack(cal), inactive);
        h.other->setFocus();
        cal.setFocus();
        QCOMPARE(QApplication::focusWidget(), &cal);
        QCOMPARE(titleBack(cal), inactive);
    }

    void focusLeavingTakesTheHoverOff()
    {
        Host h;
        QVERIFY(h.active());
        ZVCalendar &cal = *h.cal;
        cal.setCalMouseSensitiveDate(true);
        cal.setFocus();
        QTest::mouseMove(calCell(cal, 20));
        QTRY_COMPARE(calCell(cal, 20)->bevel(), 0);   // raised appearance: hover is flat
        h.other->setFocus();
        QCOMPARE(calCell(cal, 20)->bevel(), 2);
    }

    void disabledControlTakesNoInput()
    {
        Host h;
        ZVCalendar &cal = *h.cal;
        cal.setCalShowDropdownMonth(true);
        cal.setCalValue(calDate(1997, 12, 20));
        CalendarEventLog log(cal);
        cal.setEnabledProperty(false);
        QCOMPARE(log.events, QStringList {"notify Enabled"});
        QVERIFY(!calCell(cal, 10)->isEnabled());
        QVERIFY(!calTitle(cal, 1)->isEnabled());
        QVERIFY(!calButton(cal, 0)->isEnabled());
        QVERIFY(!calYearBox(cal)->isEnabled());
        QVERIFY(!calMonthList(cal)->isEnabled());
        QVERIFY(!calPanel(cal, "pnlText")->isEnabled());
        QVERIFY(cal.isEnabled());
        log.events.clear();
        QTest::mouseClick(calCell(cal, 12), Qt::LeftButton);
        QTest::mouseClick(calButton(cal, 2), Qt::LeftButton);
        QTest::mouseClick(calPanel(cal, "pnlTitleBar1"), Qt::LeftButton);
        QTest::mouseDClick(calPanel(cal, "pnlTitleBar0"), Qt::LeftButton);
        QTest::keyClick(&cal, Qt::Key_Right);
        QCOMPARE(cal.calValue(), calDate(1997, 12, 20));
        QVERIFY(log.events.isEmpty());
        // The methods still work.
        cal.NextDay();
        QCOMPARE(cal.calValue(), calDate(1997, 12, 21));
        cal.setEnabledProperty(true);
        QVERIFY(calCell(cal, 10)->isEnabled());
    }
};

QTEST_MAIN(tst_ZVCalendarInput)
#include "tst_ZVCalendarInput.moc"
