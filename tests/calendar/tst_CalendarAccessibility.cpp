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
        auto *grid = cal.findChild<CalendarGrid *>();
        connect(grid, &CalendarGrid::announced, this, [this](QAccessible::Event type, QObject *object) {
            sent.append({type, object});
        });
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
        QCOMPARE(grid->cellAt(0, 5), cell);
        QCOMPARE(grid->cellAt(5, 6), iface(calCell(cal, 42)));
        QCOMPARE(grid->cellAt(5, 0), iface(calCell(cal, 36)));
        QCOMPARE(cell->tableCellInterface()->rowIndex(), 0);
        QCOMPARE(cell->tableCellInterface()->columnIndex(), 5);
        QCOMPARE(iface(calCell(cal, 36))->tableCellInterface()->rowIndex(), 5);
        QCOMPARE(iface(calCell(cal, 36))->tableCellInterface()->columnIndex(), 0);
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

    // Every way the selected day moves tells assistive technology which cell
    // lost and which gained the selection, and moves the focus with it.
    void movingTheDaySendsSelectionAndFocus_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Right key") << "right";
        QTest::newRow("click") << "click";
        QTest::newRow("press action") << "action";
        QTest::newRow("property write") << "property";
    }
    void movingTheDaySendsSelectionAndFocus()
    {
        QFETCH(QString, how);
        ZVCalendar cal;
        cal.setCalValue(calDate(1997, 4, 4));
        Announcements log(cal);
        cal.show();
        cal.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&cal));
        cal.setFocus();
        QCoreApplication::processEvents();
        SSPanel *fourth = calCell(cal, 6);
        SSPanel *fifth = calCell(cal, 7);
        QVERIFY(iface(fourth)->state().focused);
        log.sent.clear();

        if (how == QLatin1String("right"))
            QTest::keyClick(&cal, Qt::Key_Right);
        else if (how == QLatin1String("click"))
            QTest::mouseClick(fifth, Qt::LeftButton);
        else if (how == QLatin1String("action"))
            iface(fifth)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        else
            cal.setCalValue(calDate(1997, 4, 5));

        QCOMPARE(cal.calValue(), calDate(1997, 4, 5));
        QCOMPARE(log.eventsFor(fourth), QList<QAccessible::Event>{QAccessible::SelectionRemove});
        QCOMPARE(log.eventsFor(fifth), (QList<QAccessible::Event>{QAccessible::SelectionAdd, QAccessible::Focus}));
        QVERIFY(!iface(fourth)->state().selected);
        QVERIFY(!iface(fourth)->state().focused);
        QVERIFY(iface(fifth)->state().selected);
        QVERIFY(iface(fifth)->state().focused);
        QCOMPARE(selectedCells(iface(fifth)->parent()).size(), 1);
    }

    void aNewMonthAnnouncesTheDayAlsoInTheSameCell()
    {
        ZVCalendar cal;
        cal.setCalValue(calDate(1997, 4, 30)); // 1 April is a Tuesday: cell 32
        Announcements log(cal);
        cal.show();
        cal.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&cal));
        cal.setFocus();
        QCoreApplication::processEvents();
        log.sent.clear();
        QTest::keyClick(&cal, Qt::Key_Right); // 1 May 1997, a Thursday: cell 5
        QCOMPARE(log.eventsFor(calCell(cal, 32)), QList<QAccessible::Event>{QAccessible::SelectionRemove});
        QCOMPARE(log.eventsFor(calCell(cal, 5)), (QList<QAccessible::Event>{QAccessible::SelectionAdd, QAccessible::Focus}));
        QCOMPARE(iface(calCell(cal, 5))->text(QAccessible::Name), QStringLiteral("Thursday, 1 May 1997"));

        // 1 February and 1 March 1998 are both Sundays, in cell 1: the
        // selection stays, the focus is announced again with the new date.
        cal.setCalValue(calDate(1998, 2, 1));
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
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        before->setFocus();
        QCoreApplication::processEvents();
        log.sent.clear();
        cal->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(log.eventsFor(calCell(*cal, 6)).contains(QAccessible::Focus));
        // The day is announced after the control, so it is the last focus.
        QList<QObject *> focused;
        for (const Sent &s : log.sent) {
            if (s.type == QAccessible::Focus)
                focused << s.object;
        }
        QCOMPARE(focused.last(), calCell(*cal, 6));
        QCOMPARE(iface(cal)->focusChild(), iface(calCell(*cal, 6)));
    }

    void dropDownButtonIsANamedPushButtonThatOpensTheCalendar()
    {
        QWidget form;
        form.resize(400, 400);
        auto *control = new ZVCalButton(&form);
        control->move(10, 10);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
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
