#pragma once

#include "platform/com/Dispatch.h"

class ZVCalendar;

// The members of _ZVCalendar reached by dispatch identifier on a calendar
// widget. ZVCalendar's own object and the button's forwarding of its cal
// properties both go through these, so a member behaves the same either way.
// Values handed to putCalendarProperty are already of the member's type
// (see TypeLibrary); setters' PropertyError propagates to the caller.
namespace zvcal {

Variant getCalendarProperty(const ZVCalendar &calendar, DISPID id);
void putCalendarProperty(ZVCalendar &calendar, DISPID id, const Variant &value);
void callCalendarMethod(ZVCalendar &calendar, DISPID id);

} // namespace zvcal
