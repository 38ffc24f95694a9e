#include "properties/CalendarMembers.h"

#include "core/ZVCalendar.h"
#include "zvcal/ZVCalDispIds.h"

namespace zvcal {

Variant getCalendarProperty(const ZVCalendar &calendar, DISPID id)
{
    switch (id) {
    case dispid::calVersion: return Variant(calendar.calVersion());
    case dispid::hwnd: return Variant(std::int32_t(calendar.hwnd()));
    case dispid::hDC: return Variant(std::int32_t(calendar.hDC()));
    case dispid::calHeight: return Variant(std::int32_t(calendar.calHeight()));
    case dispid::calWidth: return Variant(std::int32_t(calendar.calWidth()));
    case dispid::calLeapYear: return Variant(calendar.calLeapYear());
    case dispid::calValue: return Variant::fromDate(calendar.calValue());
    case dispid::calJulianDateValue: return Variant(std::int32_t(calendar.calJulianDateValue()));
    case dispid::Enabled: return Variant(calendar.Enabled());
    case dispid::calMouseSensitiveDate: return Variant(calendar.calMouseSensitiveDate());
    case dispid::calOutline: return Variant(calendar.calOutline());
    case dispid::calAppearance: return Variant(std::int32_t(calendar.calAppearance()));
    case dispid::calAlignmentNum: return Variant(std::int32_t(calendar.calAlignmentNum()));
    case dispid::calAlignmentDayTitle: return Variant(std::int32_t(calendar.calAlignmentDayTitle()));
    case dispid::calFont: return Variant(calendar.calFont());
    case dispid::calMonthYearTitleFont: return Variant(calendar.calMonthYearTitleFont());
    case dispid::calScrollArrowsFont: return Variant(calendar.calScrollArrowsFont());
    case dispid::calMonthTitle: return Variant(std::int32_t(calendar.calMonthTitle()));
    case dispid::calDayTitle: return Variant(std::int32_t(calendar.calDayTitle()));
    case dispid::calCaption: return Variant(calendar.calCaption());
    case dispid::calShowTitleBar: return Variant(calendar.calShowTitleBar());
    case dispid::calMinYear: return Variant(std::int32_t(calendar.calMinYear()));
    case dispid::calMaxYear: return Variant(std::int32_t(calendar.calMaxYear()));
    case dispid::calShowDropdownMonth: return Variant(calendar.calShowDropdownMonth());
    case dispid::calScrollArrowsPos: return Variant(std::int32_t(calendar.calScrollArrowsPos()));
    case dispid::calFirstDayofWeek: return Variant(std::int32_t(calendar.calFirstDayofWeek()));
    case dispid::calSelectedDayBackColor: return Variant(std::int32_t(calendar.calSelectedDayBackColor()));
    case dispid::calSelectedDayForeColor: return Variant(std::int32_t(calendar.calSelectedDayForeColor()));
    case dispid::calCurrentDateBackColor: return Variant(std::int32_t(calendar.calCurrentDateBackColor()));
    case dispid::calCurrentDateForeColor: return Variant(std::int32_t(calendar.calCurrentDateForeColor()));
    case dispid::calCurrentMonthBackColor: return Variant(std::int32_t(calendar.calCurrentMonthBackColor()));
    case dispid::calCurrentMonthForeColor: return Variant(std::int32_t(calendar.calCurrentMonthForeColor()));
    case dispid::calCurrentMonthWeekendsBackColor: return Variant(std::int32_t(calendar.calCurrentMonthWeekendsBackColor()));
    case dispid::calCurrentMonthWeekendsForeColor: return Variant(std::int32_t(calendar.calCurrentMonthWeekendsForeColor()));
    case dispid::calPreviousMonthBackColor: return Variant(std::int32_t(calendar.calPreviousMonthBackColor()));
    case dispid::calPreviousMonthForeColor: return Variant(std::int32_t(calendar.calPreviousMonthForeColor()));
    case dispid::calNextMonthBackColor: return Variant(std::int32_t(calendar.calNextMonthBackColor()));
    case dispid::calNextMonthForeColor: return Variant(std::int32_t(calendar.calNextMonthForeColor()));
    default: return Variant();
    }
}

void putCalendarProperty(ZVCalendar &calendar, DISPID id, const Variant &value)
{
    switch (id) {
    case dispid::calHeight: calendar.setCalHeight(value.toInt32()); return;
    case dispid::calWidth: calendar.setCalWidth(value.toInt32()); return;
    case dispid::calValue: calendar.setCalValue(value.toDate()); return;
    case dispid::Enabled: calendar.setEnabledProperty(value.toBool()); return;
    case dispid::calMouseSensitiveDate: calendar.setCalMouseSensitiveDate(value.toBool()); return;
    case dispid::calOutline: calendar.setCalOutline(value.toBool()); return;
    case dispid::calAppearance: calendar.setCalAppearance(value.toInt32()); return;
    case dispid::calAlignmentNum: calendar.setCalAlignmentNum(value.toInt32()); return;
    case dispid::calAlignmentDayTitle: calendar.setCalAlignmentDayTitle(value.toInt32()); return;
    case dispid::calFont: calendar.setCalFont(value.toFont()); return;
    case dispid::calMonthYearTitleFont: calendar.setCalMonthYearTitleFont(value.toFont()); return;
    case dispid::calScrollArrowsFont: calendar.setCalScrollArrowsFont(value.toFont()); return;
    case dispid::calMonthTitle: calendar.setCalMonthTitle(value.toInt32()); return;
    case dispid::calDayTitle: calendar.setCalDayTitle(value.toInt32()); return;
    case dispid::calCaption: calendar.setCalCaption(value.toString()); return;
    case dispid::calShowTitleBar: calendar.setCalShowTitleBar(value.toBool()); return;
    case dispid::calMinYear: calendar.setCalMinYear(value.toInt32()); return;
    case dispid::calMaxYear: calendar.setCalMaxYear(value.toInt32()); return;
    case dispid::calShowDropdownMonth: calendar.setCalShowDropdownMonth(value.toBool()); return;
    case dispid::calScrollArrowsPos: calendar.setCalScrollArrowsPos(value.toInt32()); return;
    case dispid::calFirstDayofWeek: calendar.setCalFirstDayofWeek(value.toInt32()); return;
    case dispid::calSelectedDayBackColor: calendar.setCalSelectedDayBackColor(value.toInt32()); return;
    case dispid::calSelectedDayForeColor: calendar.setCalSelectedDayForeColor(value.toInt32()); return;
    case dispid::calCurrentDateBackColor: calendar.setCalCurrentDateBackColor(value.toInt32()); return;
    case dispid::calCurrentDateForeColor: calendar.setCalCurrentDateForeColor(value.toInt32()); return;
    case dispid::calCurrentMonthBackColor: calendar.setCalCurrentMonthBackColor(value.toInt32()); return;
    case dispid::calCurrentMonthForeColor: calendar.setCalCurrentMonthForeColor(value.toInt32()); return;
    case dispid::calCurrentMonthWeekendsBackColor: calendar.setCalCurrentMonthWeekendsBackColor(value.toInt32()); return;
    case dispid::calCurrentMonthWeekendsForeColor: calendar.setCalCurrentMonthWeekendsForeColor(value.toInt32()); return;
    case dispid::calPreviousMonthBackColor: calendar.setCalPreviousMonthBackColor(value.toInt32()); return;
    case dispid::calPreviousMonthForeColor: calendar.setCalPreviousMonthForeColor(value.toInt32()); return;
    case dispid::calNextMonthBackColor: calendar.setCalNextMonthBackColor(value.toInt32()); return;
    case dispid::calNextMonthForeColor: calendar.setCalNextMonthForeColor(value.toInt32()); return;
    default: return;
    }
}

void callCalendarMethod(ZVCalendar &calendar, DISPID id)
{
    switch (id) {
    case dispid::Refresh: calendar.Refresh(); return;
    case dispid::NextDay: calendar.NextDay(); return;
    case dispid::NextMonth: calendar.NextMonth(); return;
    case dispid::NextYear: calendar.NextYear(); return;
    case dispid::NextWeek: calendar.NextWeek(); return;
    case dispid::PreviousDay: calendar.PreviousDay(); return;
    case dispid::PreviousWeek: calendar.PreviousWeek(); return;
    case dispid::PreviousMonth: calendar.PreviousMonth(); return;
    case dispid::PreviousYear: calendar.PreviousYear(); return;
    default: return;
    }
}

} // namespace zvcal
