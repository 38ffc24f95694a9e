#pragma once

class DayPanel;
class QAccessibleInterface;
class QObject;
class QString;
class QWidget;

// The accessible interfaces of the calendar's parts (the control, its grid,
// the table of days, day titles and cells, the drop-down button's frame), and
// what the calendar's announcements need to know of its grid.
namespace CalendarInterfaces {

// The factory Qt asks for an interface of an object of class className.
QAccessibleInterface *create(const QString &className, QObject *object);

// Day cell n (1 .. 42) of the grid, and the one the selection is on.
DayPanel *cell(const QWidget *grid, int n);
DayPanel *selectedCell(const QWidget *grid);

// The calendar control itself holds the keyboard focus for its days.
bool calendarHasFocus(const QWidget *grid);

} // namespace CalendarInterfaces
