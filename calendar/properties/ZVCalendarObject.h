#pragma once

#include "properties/CalendarAccessors.h"

#include "core/ZVCalendar.h"

namespace zvcal {

// The ZVCalendar object a host receives (see ControlObject): its typed
// members, its methods and its events.
class ZVCalendarObject final : public CalendarAccessors<ZVCalendar, _ZVCalendar>
{
public:
    // A new object with one reference, owned by the caller.
    static ZVCalendarObject *create();

    // _ZVCalendar, beyond the shared calendar properties
    HRESULT get_Enabled(VARIANT_BOOL *value) override { return typedGet(dispid::Enabled, value); }
    HRESULT put_Enabled(VARIANT_BOOL value) override { return typedPut(dispid::Enabled, DISPATCH_PROPERTYPUT, boolVariant(value)); }
    HRESULT Refresh() override { return typedCall(dispid::Refresh); }
    HRESULT NextDay() override { return typedCall(dispid::NextDay); }
    HRESULT NextMonth() override { return typedCall(dispid::NextMonth); }
    HRESULT NextYear() override { return typedCall(dispid::NextYear); }
    HRESULT NextWeek() override { return typedCall(dispid::NextWeek); }
    HRESULT PreviousDay() override { return typedCall(dispid::PreviousDay); }
    HRESULT PreviousWeek() override { return typedCall(dispid::PreviousWeek); }
    HRESULT PreviousMonth() override { return typedCall(dispid::PreviousMonth); }
    HRESULT PreviousYear() override { return typedCall(dispid::PreviousYear); }

private:
    ZVCalendarObject();
    ~ZVCalendarObject() override = default;

    MemberCalls memberCalls(ZVCalendar &widget) override;
    void connectWidget();
};

} // namespace zvcal
