#pragma once

#include "properties/ControlObject.h"

namespace zvcal {

// The typed accessors of the calendar properties that _ZVCalendar and
// _ZVCalButton both carry under the same names and identifiers.
template <typename Widget, typename Interface>
class CalendarAccessors : public ControlObject<Widget, Interface>
{
protected:
    using ControlObject<Widget, Interface>::ControlObject;
    using ControlObject<Widget, Interface>::typedGet;
    using ControlObject<Widget, Interface>::typedPut;

public:
    HRESULT get_calVersion(QString *value) override { return typedGet(dispid::calVersion, value); }
    HRESULT get_hwnd(LONG *value) override { return typedGet(dispid::hwnd, value); }
    HRESULT get_hDC(LONG *value) override { return typedGet(dispid::hDC, value); }
    HRESULT get_calHeight(LONG *value) override { return typedGet(dispid::calHeight, value); }
    HRESULT put_calHeight(LONG value) override { return typedPut(dispid::calHeight, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calWidth(LONG *value) override { return typedGet(dispid::calWidth, value); }
    HRESULT put_calWidth(LONG value) override { return typedPut(dispid::calWidth, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calLeapYear(VARIANT_BOOL *value) override { return typedGet(dispid::calLeapYear, value); }
    HRESULT get_calValue(DATE *value) override { return typedGet(dispid::calValue, value); }
    HRESULT put_calValue(DATE value) override { return typedPut(dispid::calValue, DISPATCH_PROPERTYPUT, dateVariant(value)); }
    HRESULT get_calJulianDateValue(LONG *value) override { return typedGet(dispid::calJulianDateValue, value); }
    HRESULT get_calMouseSensitiveDate(VARIANT_BOOL *value) override { return typedGet(dispid::calMouseSensitiveDate, value); }
    HRESULT put_calMouseSensitiveDate(VARIANT_BOOL value) override { return typedPut(dispid::calMouseSensitiveDate, DISPATCH_PROPERTYPUT, boolVariant(value)); }
    HRESULT get_calOutline(VARIANT_BOOL *value) override { return typedGet(dispid::calOutline, value); }
    HRESULT put_calOutline(VARIANT_BOOL value) override { return typedPut(dispid::calOutline, DISPATCH_PROPERTYPUT, boolVariant(value)); }
    HRESULT get_calAppearance(zvcal::enumCALAppearance *value) override { return typedGet(dispid::calAppearance, value); }
    HRESULT put_calAppearance(zvcal::enumCALAppearance value) override { return typedPut(dispid::calAppearance, DISPATCH_PROPERTYPUT, toVariant(std::int32_t(value))); }
    HRESULT get_calAlignmentNum(zvcal::enumCALAlignment *value) override { return typedGet(dispid::calAlignmentNum, value); }
    HRESULT put_calAlignmentNum(zvcal::enumCALAlignment value) override { return typedPut(dispid::calAlignmentNum, DISPATCH_PROPERTYPUT, toVariant(std::int32_t(value))); }
    HRESULT get_calAlignmentDayTitle(zvcal::enumCALAlignment *value) override { return typedGet(dispid::calAlignmentDayTitle, value); }
    HRESULT put_calAlignmentDayTitle(zvcal::enumCALAlignment value) override { return typedPut(dispid::calAlignmentDayTitle, DISPATCH_PROPERTYPUT, toVariant(std::int32_t(value))); }
    HRESULT get_calFont(FontRef *value) override { return typedGet(dispid::calFont, value); }
    HRESULT putref_calFont(FontRef value) override { return typedPut(dispid::calFont, DISPATCH_PROPERTYPUTREF, toVariant(value)); }
    HRESULT get_calMonthYearTitleFont(FontRef *value) override { return typedGet(dispid::calMonthYearTitleFont, value); }
    HRESULT putref_calMonthYearTitleFont(FontRef value) override { return typedPut(dispid::calMonthYearTitleFont, DISPATCH_PROPERTYPUTREF, toVariant(value)); }
    HRESULT get_calScrollArrowsFont(FontRef *value) override { return typedGet(dispid::calScrollArrowsFont, value); }
    HRESULT putref_calScrollArrowsFont(FontRef value) override { return typedPut(dispid::calScrollArrowsFont, DISPATCH_PROPERTYPUTREF, toVariant(value)); }
    HRESULT get_calMonthTitle(zvcal::enumCALMonthTitle *value) override { return typedGet(dispid::calMonthTitle, value); }
    HRESULT put_calMonthTitle(zvcal::enumCALMonthTitle value) override { return typedPut(dispid::calMonthTitle, DISPATCH_PROPERTYPUT, toVariant(std::int32_t(value))); }
    HRESULT get_calDayTitle(zvcal::enumCALDayTitle *value) override { return typedGet(dispid::calDayTitle, value); }
    HRESULT put_calDayTitle(zvcal::enumCALDayTitle value) override { return typedPut(dispid::calDayTitle, DISPATCH_PROPERTYPUT, toVariant(std::int32_t(value))); }
    HRESULT get_calCaption(QString *value) override { return typedGet(dispid::calCaption, value); }
    HRESULT put_calCaption(const QString &value) override { return typedPut(dispid::calCaption, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calShowTitleBar(VARIANT_BOOL *value) override { return typedGet(dispid::calShowTitleBar, value); }
    HRESULT put_calShowTitleBar(VARIANT_BOOL value) override { return typedPut(dispid::calShowTitleBar, DISPATCH_PROPERTYPUT, boolVariant(value)); }
    HRESULT get_calMinYear(LONG *value) override { return typedGet(dispid::calMinYear, value); }
    HRESULT put_calMinYear(LONG value) override { return typedPut(dispid::calMinYear, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calMaxYear(LONG *value) override { return typedGet(dispid::calMaxYear, value); }
    HRESULT put_calMaxYear(LONG value) override { return typedPut(dispid::calMaxYear, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calShowDropdownMonth(VARIANT_BOOL *value) override { return typedGet(dispid::calShowDropdownMonth, value); }
    HRESULT put_calShowDropdownMonth(VARIANT_BOOL value) override { return typedPut(dispid::calShowDropdownMonth, DISPATCH_PROPERTYPUT, boolVariant(value)); }
    HRESULT get_calScrollArrowsPos(zvcal::enumCALScrollArrowsPos *value) override { return typedGet(dispid::calScrollArrowsPos, value); }
    HRESULT put_calScrollArrowsPos(zvcal::enumCALScrollArrowsPos value) override { return typedPut(dispid::calScrollArrowsPos, DISPATCH_PROPERTYPUT, toVariant(std::int32_t(value))); }
    HRESULT get_calFirstDayofWeek(zvcal::enumCALFirstDayofWeek *value) override { return typedGet(dispid::calFirstDayofWeek, value); }
    HRESULT put_calFirstDayofWeek(zvcal::enumCALFirstDayofWeek value) override { return typedPut(dispid::calFirstDayofWeek, DISPATCH_PROPERTYPUT, toVariant(std::int32_t(value))); }
    HRESULT get_calSelectedDayBackColor(OLE_COLOR *value) override { return typedGet(dispid::calSelectedDayBackColor, value); }
    HRESULT put_calSelectedDayBackColor(OLE_COLOR value) override { return typedPut(dispid::calSelectedDayBackColor, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calSelectedDayForeColor(OLE_COLOR *value) override { return typedGet(dispid::calSelectedDayForeColor, value); }
    HRESULT put_calSelectedDayForeColor(OLE_COLOR value) override { return typedPut(dispid::calSelectedDayForeColor, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calCurrentDateBackColor(OLE_COLOR *value) override { return typedGet(dispid::calCurrentDateBackColor, value); }
    HRESULT put_calCurrentDateBackColor(OLE_COLOR value) override { return typedPut(dispid::calCurrentDateBackColor, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calCurrentDateForeColor(OLE_COLOR *value) override { return typedGet(dispid::calCurrentDateForeColor, value); }
    HRESULT put_calCurrentDateForeColor(OLE_COLOR value) override { return typedPut(dispid::calCurrentDateForeColor, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calCurrentMonthBackColor(OLE_COLOR *value) override { return typedGet(dispid::calCurrentMonthBackColor, value); }
    HRESULT put_calCurrentMonthBackColor(OLE_COLOR value) override { return typedPut(dispid::calCurrentMonthBackColor, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calCurrentMonthForeColor(OLE_COLOR *value) override { return typedGet(dispid::calCurrentMonthForeColor, value); }
    HRESULT put_calCurrentMonthForeColor(OLE_COLOR value) override { return typedPut(dispid::calCurrentMonthForeColor, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calCurrentMonthWeekendsBackColor(OLE_COLOR *value) override { return typedGet(dispid::calCurrentMonthWeekendsBackColor, value); }
    HRESULT put_calCurrentMonthWeekendsBackColor(OLE_COLOR value) override { return typedPut(dispid::calCurrentMonthWeekendsBackColor, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calCurrentMonthWeekendsForeColor(OLE_COLOR *value) override { return typedGet(dispid::calCurrentMonthWeekendsForeColor, value); }
    HRESULT put_calCurrentMonthWeekendsForeColor(OLE_COLOR value) override { return typedPut(dispid::calCurrentMonthWeekendsForeColor, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calPreviousMonthBackColor(OLE_COLOR *value) override { return typedGet(dispid::calPreviousMonthBackColor, value); }
    HRESULT put_calPreviousMonthBackColor(OLE_COLOR value) override { return typedPut(dispid::calPreviousMonthBackColor, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calPreviousMonthForeColor(OLE_COLOR *value) override { return typedGet(dispid::calPreviousMonthForeColor, value); }
    HRESULT put_calPreviousMonthForeColor(OLE_COLOR value) override { return typedPut(dispid::calPreviousMonthForeColor, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calNextMonthBackColor(OLE_COLOR *value) override { return typedGet(dispid::calNextMonthBackColor, value); }
    HRESULT put_calNextMonthBackColor(OLE_COLOR value) override { return typedPut(dispid::calNextMonthBackColor, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_calNextMonthForeColor(OLE_COLOR *value) override { return typedGet(dispid::calNextMonthForeColor, value); }
    HRESULT put_calNextMonthForeColor(OLE_COLOR value) override { return typedPut(dispid::calNextMonthForeColor, DISPATCH_PROPERTYPUT, toVariant(value)); }
};

} // namespace zvcal
