#pragma once

#include "platform/com/Dispatch.h"

// Dispatch identifiers of the members of _ZVCalendar and _ZVCalButton. The
// button reaches its inner calendar's properties through the calendar's
// identifiers, so the cal members, hwnd and hDC are defined once here.
namespace zvcal::dispid {

inline constexpr DISPID calVersion = 1;
inline constexpr DISPID hwnd = 2;
inline constexpr DISPID hDC = 3;
inline constexpr DISPID calHeight = 4;
inline constexpr DISPID calWidth = 5;
inline constexpr DISPID calLeapYear = 6;
inline constexpr DISPID calValue = 7;
inline constexpr DISPID calJulianDateValue = 8;
inline constexpr DISPID Enabled = DISPID_ENABLED; // the calendar's Enabled
inline constexpr DISPID calMouseSensitiveDate = 10;
inline constexpr DISPID calOutline = 11;
inline constexpr DISPID calAppearance = 12;
inline constexpr DISPID calAlignmentNum = 13;
inline constexpr DISPID calAlignmentDayTitle = 14;
inline constexpr DISPID calFont = 15;
inline constexpr DISPID calMonthYearTitleFont = 16;
inline constexpr DISPID calScrollArrowsFont = 17;
inline constexpr DISPID calMonthTitle = 18;
inline constexpr DISPID calDayTitle = 19;
inline constexpr DISPID calCaption = 20;
inline constexpr DISPID calShowTitleBar = 21;
inline constexpr DISPID calMinYear = 22;
inline constexpr DISPID calMaxYear = 23;
inline constexpr DISPID Refresh = 24;
inline constexpr DISPID calShowDropdownMonth = 25;
inline constexpr DISPID calScrollArrowsPos = 26;
inline constexpr DISPID calFirstDayofWeek = 27;
inline constexpr DISPID calSelectedDayBackColor = 28;
inline constexpr DISPID calSelectedDayForeColor = 29;
inline constexpr DISPID calCurrentDateBackColor = 30;
inline constexpr DISPID calCurrentDateForeColor = 31;
inline constexpr DISPID calCurrentMonthBackColor = 32;
inline constexpr DISPID calCurrentMonthForeColor = 33;
inline constexpr DISPID calCurrentMonthWeekendsBackColor = 34;
inline constexpr DISPID calCurrentMonthWeekendsForeColor = 35;
inline constexpr DISPID calPreviousMonthBackColor = 36;
inline constexpr DISPID calPreviousMonthForeColor = 37;
inline constexpr DISPID calNextMonthBackColor = 38;
inline constexpr DISPID calNextMonthForeColor = 39;
inline constexpr DISPID NextDay = 40;
inline constexpr DISPID NextMonth = 41;
inline constexpr DISPID NextYear = 42;
inline constexpr DISPID NextWeek = 43;
inline constexpr DISPID PreviousDay = 44;
inline constexpr DISPID PreviousWeek = 45;
inline constexpr DISPID PreviousMonth = 46;
inline constexpr DISPID PreviousYear = 47;

// The button's own members.
inline constexpr DISPID btnAutoSize = 101;
inline constexpr DISPID btnBevelWidth = 102;
inline constexpr DISPID btnCaption = 103;
inline constexpr DISPID btnFont3D = 104;
inline constexpr DISPID btnMouseIcon = 105;
inline constexpr DISPID btnMousePointer = 106;
inline constexpr DISPID btnOutline = 107;
inline constexpr DISPID btnPicture = 108;
inline constexpr DISPID btnRoundedCorners = 109;
inline constexpr DISPID btnForeColor = 110;
inline constexpr DISPID btnEnabled = 111;
inline constexpr DISPID btnFont = 112;

// Events of __ZVCalendar, numbered from 1 in their order.
namespace calendarEvent {
inline constexpr DISPID MonthChanged = 1;
inline constexpr DISPID ValueChanged = 2;
inline constexpr DISPID YearChanged = 3;
inline constexpr DISPID Click = 4;
inline constexpr DISPID DblClick = 5;
inline constexpr DISPID KeyDown = 6;
inline constexpr DISPID KeyPress = 7;
inline constexpr DISPID KeyUp = 8;
inline constexpr DISPID MouseDown = 9;
inline constexpr DISPID MouseMove = 10;
inline constexpr DISPID MouseUp = 11;
} // namespace calendarEvent

// Events of __ZVCalButton, numbered from 1 in their order.
namespace buttonEvent {
inline constexpr DISPID MonthChanged = 1;
inline constexpr DISPID ValueChanged = 2;
inline constexpr DISPID YearChanged = 3;
inline constexpr DISPID BtnClick = 4;
inline constexpr DISPID BtnKeyDown = 5;
inline constexpr DISPID BtnKeyPress = 6;
inline constexpr DISPID BtnKeyUp = 7;
inline constexpr DISPID BtnMouseDown = 8;
inline constexpr DISPID BtnMouseMove = 9;
inline constexpr DISPID BtnMouseUp = 10;
inline constexpr DISPID Click = 11;
inline constexpr DISPID KeyDown = 12;
inline constexpr DISPID KeyPress = 13;
inline constexpr DISPID KeyUp = 14;
inline constexpr DISPID MouseDown = 15;
inline constexpr DISPID MouseMove = 16;
inline constexpr DISPID MouseUp = 17;
} // namespace buttonEvent

} // namespace zvcal::dispid
