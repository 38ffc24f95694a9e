#pragma once

#include "platform/widgets/SSPanel.h"

#include <QAccessible>
#include <QFrame>

class ZVCalendar;

// The container of the calendar's rows, a class of its own so that assistive
// technology is told it holds a table of days.
class CalendarGrid : public QFrame
{
    Q_OBJECT
public:
    explicit CalendarGrid(QWidget *parent) : QFrame(parent) {}

signals:
    // Each event the calendar sends to assistive technology about its days
    // and itself, also while no assistive technology listens (Qt then drops
    // the event itself, on platforms without an accessibility bridge always).
    void announced(QAccessible::Event type, QObject *object);
};

// A day title (pnlCalDay_i) or a day cell (pnlCalNum_n): a header or a cell
// of the table of days.
class DayPanel : public SSPanel
{
    Q_OBJECT
public:
    explicit DayPanel(QWidget *parent) : SSPanel(parent) {}
};

// What assistive technology sees of the calendar: the month as a table of
// 7 day titles and 42 day cells, each cell named with its full date, the
// selected one selected (and focused while the calendar has the focus).
namespace CalendarAccessible {

// Registers the interfaces with Qt's accessibility; once per program.
void install();

// Passes the focus the calendar takes on to its selected day, and announces
// the calendar when it moves to another parent (a drop-down onto its form).
void attach(ZVCalendar *calendar);

// The selected day moved from cell oldCell to newCell of the grid (the same
// cell when a refilled month selects the same place).
void selectionMoved(QWidget *grid, int oldCell, int newCell);

} // namespace CalendarAccessible
