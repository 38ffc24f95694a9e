// The calendar and the drop-down button as assistive technology sees them,
// through Qt's accessibility interfaces and the events they send.
#include "CalendarTestKit.h"
#include "button/ZVCalButton.h"
#include "core/CalendarAccessible.h"
#include "platform/widgets/UpDown.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <tuple>
#include <utility>

namespace {

struct Sent
{
    QAccessible::Event type;
    QObject *object;
};

// Records what a calendar announces to assistive technology. (The test
// platform has no accessibility bridge, so Qt itself passes no event on.)
class Announcements : public QObject
{
public:
    explicit Announcements(const ZVCalendar &cal)
    {
        connect(cal.findChild<CalendarGrid *>(), &CalendarGrid::announced, this,
                [this](QAccessible::Event type, QObject *object) { sent.append({type, object}); });
    }

    QList<QAccessible::Event> eventsFor(QObject *object) const
    {
        QList<QAccessible::Event> types;
        for (const Sent &s : sent) {
            if (s.object == object)
                types << s.type;
        }
        return types;
    }

    QList<Sent> sent;
};

QAccessibleInterface *iface(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QList<QAccessibleInterface *> selectedCells(QAccessibleInterface *table)
{
    QList<QAccessibleInterface *> selected;
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface *c = table->child(i);
        if (c->role() == QAccessible::Cell && c->state().selected)
            selected << c;
    }
    return selected;
}

// Focus events follow only in an active window.
bool showWithFocus(QWidget &window, QWidget *focusTo)
{
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return false;
    focusTo->setFocus();
    QCoreApplication::processEvents();
    return true;
}

} // namespace

class tst_CalendarAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Dates are named in the long form of British English.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    void dayCellsFormATableNamedWithTheirDates()
    {
        ZVCalendar cal;
        cal.setCalValue(calDate(1997, 4, 4));
        // 1 April 1997 is a Tuesday: with Sunday first, the 4th is in row 1, column 6.
        SSPanel *fourth = calCell(cal, 6);
        QAccessibleInterface *cell = iface(fourth);
        QCOMPARE(cell->role(), QAccessible::Cell);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Friday, 4 April 1997"));
        QVERIFY(cell->state().selected);
        QVERIFY(cell->state().selectable);

        QAccessibleInterface *table = cell->parent();
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("April 1997"));
        QAccessibleTableInterface *grid = table->tableInterface();
        QCOMPARE(grid->rowCount(), 6);
        QCOMPARE(grid->columnCount(), 7);
        // Row and column of cells 6, 42 and 36, both ways round.
        for (const auto &[number, row, column] : {std::tuple {6, 0, 5}, {42, 5, 6}, {36, 5, 0}}) {
            QCOMPARE(grid->cellAt(row, column), iface(calCell(cal, number)));
            QCOMPARE(iface(calCell(cal, number))->tableCellInterface()->rowIndex(), row);
            QCOMPARE(iface(calCell(cal, number))->tableCellInterface()->columnIndex(), column);
        }
        QCOMPARE(table->indexOfChild(cell), table->indexOfChild(iface(calCell(cal, 1))) + 5);
        QCOMPARE(grid->selectedCells(), QList<QAccessibleInterface *>{cell});
        QCOMPARE(selectedCells(table).size(), 1);

        // Previous- and next-month days carry their own months' dates.
        QCOMPARE(iface(calCell(cal, 1))->text(QAccessible::Name), QStringLiteral("Sunday, 30 March 1997"));
        QCOMPARE(iface(calCell(cal, 42))->text(QAccessible::Name), QStringLiteral("Saturday, 10 May 1997"));

        // Column headers: the full weekday, whatever the title shows.
        const QList<QAccessibleInterface *> header = cell->tableCellInterface()->columnHeaderCells();
        QCOMPARE(header.size(), 1);
        QCOMPARE(header.first()->role(), QAccessible::ColumnHeader);
        QCOMPARE(header.first()->text(QAccessible::Name), QStringLiteral("Friday"));
        QCOMPARE(grid->columnDescription(0), QStringLiteral("Sunday"));
        QCOMPARE(grid->columnDescription(6), QStringLiteral("Saturday"));
        cal.setCalFirstDayofWeek(2);
        QCOMPARE(grid->columnDescription(0), QStringLiteral("Monday"));
        QCOMPARE(grid->columnDescription(6), QStringLiteral("Sunday"));
    }

    void titlesListsAndArrowsAreNamed()
    {
        ZVCalendar cal;
        cal.setCalValue(calDate(1997, 4, 4));
        cal.setCalCaption(QStringLiteral("Due date"));
        cal.show();
        QCOMPARE(iface(&cal)->text(QAccessible::Name), QStringLiteral("Due date"));
        QAccessibleInterface *title = iface(calPanel(cal, "pnlText"));
        QCOMPARE(title->role(), QAccessible::StaticText);
        QCOMPARE(title->text(QAccessible::Name), QStringLiteral("April 1997"));
        QCOMPARE(iface(calPanel(cal, "pnlTitleBar1"))->text(QAccessible::Name), QStringLiteral("Due date"));

        QAccessibleInterface *month = iface(calMonthList(cal));
        QCOMPARE(month->text(QAccessible::Name), QStringLiteral("Month"));
        QCOMPARE(month->text(QAccessible::Value), QStringLiteral("April"));
        QCOMPARE(iface(calYearBox(cal))->text(QAccessible::Name), QStringLiteral("Year"));

        const char *names[4] = {"Previous year", "Previous month", "Next month", "Next year"};
        for (int i = 0; i < 4; ++i) {
            QAccessibleInterface *arrow = iface(calButton(cal, i));
            QCOMPARE(arrow->role(), QAccessible::Button);
            QCOMPARE(arrow->text(QAccessible::Name), QString::fromLatin1(names[i]));
            QVERIFY(arrow->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        }
        iface(calButton(cal, 2))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(cal.calValue(), calDate(1997, 5, 4));
        iface(calButton(cal, 0))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(cal.calValue(), calDate(1996, 5, 4));
    }

    // Every way the selected day moves on by one tells assistive technology
    // which cell lost and which gained the selection, and moves the focus.
    void movingTheDaySendsSelectionAndFocus_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<DATE>("from");
        QTest::addColumn<int>("fromCell");
        QTest::addColumn<int>("toCell");
        QTest::addColumn<QString>("name");
        // 1 April 1997 is a Tuesday: with Sunday first, the 4th is in cell 6.
        for (const auto &[row, how] : {std::pair {"Right key", "right"}, {"click", "click"}, {"press action", "action"},
                                       {"property write", "property"}})
            QTest::newRow(row) << QString::fromLatin1(how) << calDate(1997, 4, 4) << 6 << 7 << "Saturday, 5 April 1997";
        // 1 May 1997 is a Thursday, in cell 5 of the new month.
        QTest::newRow("Right key into a new month") << "right" << calDate(1997, 4, 30) << 32 << 5 << "Thursday, 1 May 1997";
    }
    void movingTheDaySendsSelectionAndFocus()
    {
        QFETCH(QString, how);
        QFETCH(DATE, from);
        QFETCH(int, fromCell);
        QFETCH(int, toCell);
        const DATE to = from + 1;
        ZVCalendar cal;
        cal.setCalValue(from);
        Announcements log(cal);
        QVERIFY(showWithFocus(cal, &cal));
        SSPanel *before = calCell(cal, fromCell), *after = calCell(cal, toCell);
        QVERIFY(iface(before)->state().focused);
        log.sent.clear();

        if (how == QLatin1String("right"))
            QTest::keyClick(&cal, Qt::Key_Right);
        else if (how == QLatin1String("click"))
            QTest::mouseClick(after, Qt::LeftButton);
        else if (how == QLatin1String("action"))
            iface(after)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        else
            cal.setCalValue(to);

        QCOMPARE(cal.calValue(), to);
        QCOMPARE(log.eventsFor(before), QList<QAccessible::Event>{QAccessible::SelectionRemove});
        QCOMPARE(log.eventsFor(after), (QList<QAccessible::Event>{QAccessible::SelectionAdd, QAccessible::Focus}));
        QTEST(iface(after)->text(QAccessible::Name), "name");
        QVERIFY(!iface(before)->state().selected);
        QVERIFY(!iface(before)->state().focused);
        QVERIFY(iface(after)->state().selected);
        QVERIFY(iface(after)->state().focused);
        QCOMPARE(selectedCells(iface(after)->parent()).size(), 1);
    }

    // 1 February and 1 March 1998 are both Sundays, in cell 1: the selection
    // stays, the focus is announced again with the new date.
    void aNewMonthInTheSameCellAnnouncesTheFocusAgain()
    {
        ZVCalendar cal;
        cal.setCalValue(calDate(1998, 2, 1));
        Announcements log(cal);
        QVERIFY(showWithFocus(cal, &cal));
        log.sent.clear();
        cal.NextMonth();
        QCOMPARE(log.eventsFor(calCell(cal, 1)), QList<QAccessible::Event>{QAccessible::Focus});
        QCOMPARE(iface(calCell(cal, 1))->text(QAccessible::Name), QStringLiteral("Sunday, 1 March 1998"));
        QVERIFY(iface(calCell(cal, 1))->state().selected);
    }

    void withoutTheFocusNoFocusEventIsSent()
    {
        ZVCalendar cal;
        cal.setCalValue(calDate(1997, 4, 4));
        Announcements log(cal);
        cal.NextDay();
        QCOMPARE(log.eventsFor(calCell(cal, 7)), QList<QAccessible::Event>{QAccessible::SelectionAdd});
        QVERIFY(!iface(calCell(cal, 7))->state().focused);
    }

    void focusEnteringTheCalendarGoesToTheSelectedDay()
    {
        QWidget form;
        auto *before = new QLineEdit(&form);
        auto *cal = new ZVCalendar(&form);
        cal->move(0, 30);
        cal->setCalValue(calDate(1997, 4, 4));
        Announcements log(*cal);
        QVERIFY(showWithFocus(form, before));
        log.sent.clear();
        cal->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(log.eventsFor(calCell(*cal, 6)).contains(QAccessible::Focus));
        // The day is announced after the control, so it is the last focus.
        const auto lastFocus = std::find_if(log.sent.crbegin(), log.sent.crend(),
                                            [](const Sent &s) { return s.type == QAccessible::Focus; });
        QCOMPARE(lastFocus->object, calCell(*cal, 6));
        QCOMPARE(iface(cal)->focusChild(), iface(calCell(*cal, 6)));
    }

    void dropDownButtonIsANamedPushButtonThatOpensTheCalendar()
    {
        QWidget form;
        form.resize(400, 400);
        auto *control = new ZVCalButton(&form);
        control->move(10, 10);
        QVERIFY(showWithFocus(form, control->button()));
        control->calendar()->setCalValue(calDate(1997, 4, 4));
        Announcements log(*control->calendar());

        QAccessibleInterface *button = iface(control->button());
        QCOMPARE(button->role(), QAccessible::Button);
        QVERIFY(!button->text(QAccessible::Name).isEmpty());
        QVERIFY(button->state().focusable);
        // The control around the button takes no focus of its own.
        QVERIFY(!iface(control)->state().focusable);

        control->setToolTip(QStringLiteral("Click here to enter date."));
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Click here to enter date."));
        control->setAccessibleName(QStringLiteral("Pick a date"));
        QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Pick a date"));

        log.sent.clear();
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(control->isDroppedDown());
        // The calendar joins the form, and the focus goes to the selected day.
        QVERIFY(log.eventsFor(control->calendar()).contains(QAccessible::ObjectCreated));
        QCOMPARE(iface(control->calendar())->parent(), iface(&form));
        QTRY_VERIFY(log.eventsFor(calCell(*control->calendar(), 6)).contains(QAccessible::Focus));
        QVERIFY(iface(calCell(*control->calendar(), 6))->state().focused);

        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!control->isDroppedDown());
    }

    void commandButtonsAreNamedByCaptionOrTooltip_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<QString>("name");
        QTest::newRow("caption") << "&Save" << "" << "Save";
        QTest::newRow("doubled ampersand") << "Salt && Pepper" << "" << "Salt & Pepper";
        QTest::newRow("caption before tooltip") << "Open" << "Opens it" << "Open";
        QTest::newRow("dots take the tooltip") << "..." << "Choose a date" << "Choose a date";
        QTest::newRow("dots alone") << "..." << "" << "...";
    }
    void commandButtonsAreNamedByCaptionOrTooltip()
    {
        QFETCH(QString, caption);
        QFETCH(QString, tooltip);
        QFETCH(QString, name);
        SSCommand button;
        button.setCaption(caption);
        button.setToolTip(tooltip);
        QCOMPARE(iface(&button)->text(QAccessible::Name), name);
    }

    void disabledButtonOffersNoPress()
    {
        SSCommand button;
        button.show();
        int clicks = 0;
        connect(&button, &SSCommand::Click, this, [&clicks] { ++clicks; });
        QAccessibleActionInterface *actions = iface(&button)->actionInterface();
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks, 1);
        button.setEnabled(false);
        QVERIFY(!actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks, 1);
    }

    void spinButtonsReportValueAndRange()
    {
        QWidget form;
        auto *box = new QLineEdit(QStringLiteral("7"), &form);
        auto *spin = new UpDown(&form);
        spin->setBuddy(box);
        spin->setRange(2, 365);
        spin->setAccessibleName(QStringLiteral("Days before"));
        spin->stepUp();
        QAccessibleInterface *i = iface(spin);
        QCOMPARE(i->role(), QAccessible::SpinBox);
        QAccessibleValueInterface *value = i->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->currentValue().toInt(), 8);
        QCOMPARE(value->minimumValue().toInt(), 2);
        QCOMPARE(value->maximumValue().toInt(), 365);
        QCOMPARE(value->minimumStepSize().toInt(), 1);
        QStringList arrows;
        for (int c = 0; c < i->childCount(); ++c)
            arrows << i->child(c)->text(QAccessible::Name);
        arrows.sort();
        QCOMPARE(arrows, (QStringList{"Days before down", "Days before up"}));
    }
};

QTEST_MAIN(tst_CalendarAccessibility)
#include "tst_CalendarAccessibility.moc"
