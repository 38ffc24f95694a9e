#include "properties/ZVCalendarObject.h"

#include "properties/CalendarMembers.h"

namespace zvcal {

ZVCalendarObject *ZVCalendarObject::create()
{
    return new ZVCalendarObject();
}

ZVCalendarObject::ZVCalendarObject()
    : CalendarAccessors({IID__ZVCalendar, DIID___ZVCalendar, &calendarInterface, QStringLiteral("ZVCalendar")})
{
    connectWidget();
}

MemberCalls ZVCalendarObject::memberCalls(ZVCalendar &w)
{
    return {
        [&w](DISPID member) { return getCalendarProperty(w, member); },
        [&w](DISPID member, const Variant &value) { putCalendarProperty(w, member, value); },
        [&w](DISPID member) { callCalendarMethod(w, member); },
    };
}

void ZVCalendarObject::connectWidget()
{
    namespace ev = dispid::calendarEvent;
    ZVCalendar *w = widget();
    QObject::connect(w, &ZVCalendar::MonthChanged, w, [this] { fire(ev::MonthChanged); });
    QObject::connect(w, &ZVCalendar::ValueChanged, w, [this] { fire(ev::ValueChanged); });
    QObject::connect(w, &ZVCalendar::YearChanged, w, [this] { fire(ev::YearChanged); });
    QObject::connect(w, &ZVCalendar::Click, w, [this] { fire(ev::Click); });
    QObject::connect(w, &ZVCalendar::DblClick, w, [this] { fire(ev::DblClick); });
    QObject::connect(w, &ZVCalendar::KeyDown, w, keyEvent(ev::KeyDown));
    QObject::connect(w, &ZVCalendar::KeyUp, w, keyEvent(ev::KeyUp));
    QObject::connect(w, &ZVCalendar::KeyPress, w, keyPressEvent(ev::KeyPress));
    QObject::connect(w, &ZVCalendar::MouseDown, w, mouseEvent(ev::MouseDown));
    QObject::connect(w, &ZVCalendar::MouseMove, w, mouseEvent(ev::MouseMove));
    QObject::connect(w, &ZVCalendar::MouseUp, w, mouseEvent(ev::MouseUp));
}

} // namespace zvcal
