#include "core/CalendarAccessible.h"

#include "core/CalendarInterfaces.h"
#include "core/ZVCalendar.h"
#include "platform/widgets/WidgetAccessibility.h"

#include <QAccessible>
#include <QEvent>
#include <QPointer>

namespace {

struct Registration
{
    Registration()
    {
        // The platform's factory goes first, so that this one, added later,
        // is asked first.
        WidgetAccessibility::install();
        QAccessible::installFactory(CalendarInterfaces::create);
    }
    ~Registration() { QAccessible::removeFactory(CalendarInterfaces::create); }
};

void announce(CalendarGrid *grid, QObject *object, QAccessible::Event type)
{
    // Asked while no assistive technology listens, Qt would still build and
    // keep an interface for the object: code of this library that a host
    // may unload before Qt lets go of it.
    if (QAccessible::isActive()) {
        QAccessibleEvent event(object, type);
        QAccessible::updateAccessibility(&event);
    }
    if (grid)
        emit grid->announced(type, object);
}

CalendarGrid *gridOf(const ZVCalendar *calendar)
{
    return calendar ? calendar->findChild<CalendarGrid *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

// Watches the calendar for the focus and for a new parent.
class CalendarWatch : public QObject
{
public:
    explicit CalendarWatch(ZVCalendar *calendar) : QObject(calendar), m_calendar(calendar)
    {
        calendar->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_calendar)
            return false;
        if (event->type() == QEvent::FocusIn) {
            // Qt announces the calendar itself once the focus has moved;
            // the selected day is announced after it.
            QPointer<ZVCalendar> calendar(m_calendar);
            QMetaObject::invokeMethod(this, [calendar] {
                if (!calendar || !calendar->hasFocus())
                    return;
                CalendarGrid *grid = gridOf(calendar);
                if (DayPanel *cell = CalendarInterfaces::selectedCell(grid))
                    announce(grid, cell, QAccessible::Focus);
            }, Qt::QueuedConnection);
        } else if (event->type() == QEvent::ParentChange && m_calendar->parentWidget()) {
            announce(gridOf(m_calendar), m_calendar, QAccessible::ObjectCreated);
        }
        return false;
    }

private:
    ZVCalendar *m_calendar;
};

} // namespace

namespace CalendarAccessible {

void install()
{
    static Registration registration;
}

void attach(ZVCalendar *calendar)
{
    install();
    new CalendarWatch(calendar);
}

void selectionMoved(QWidget *gridWidget, int oldCell, int newCell)
{
    auto *grid = qobject_cast<CalendarGrid *>(gridWidget);
    DayPanel *now = CalendarInterfaces::cell(grid, newCell);
    if (!now)
        return;
    if (oldCell != newCell) {
        if (DayPanel *before = CalendarInterfaces::cell(grid, oldCell))
            announce(grid, before, QAccessible::SelectionRemove);
        announce(grid, now, QAccessible::SelectionAdd);
    }
    if (CalendarInterfaces::calendarHasFocus(grid))
        announce(grid, now, QAccessible::Focus);
}

} // namespace CalendarAccessible
