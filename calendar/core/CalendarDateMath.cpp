#include "core/CalendarDateMath.h"

#include "platform/dates/DateValue.h"

#include <algorithm>

namespace CalendarDateMath {

double FirstOfMonth(double date)
{
    // Through the date type's own arithmetic: before 1899 the fraction does
    // not count in the same direction as the whole part.
    return DateValue::addDays(date, 1 - DateValue::day(date)).value_or(date);
}

int DaysInMonth(double date)
{
    if (DateValue::datePart(date) >= LastSafeMonthStart)
        return 31;
    return DateValue::daysInMonth(DateValue::year(date), DateValue::month(date));
}

bool LeapYear(int year)
{
    return (year % 400 == 0) || (year % 4 == 0 && year % 100 != 0);
}

bool LeapYear(double value)
{
    return LeapYear(DateValue::year(value));
}

int JulianDateValue(double value)
{
    const int y = DateValue::year(value);
    const int m = DateValue::month(value);
    int dayOfYear = DateValue::day(value);
    for (int month = 1; month < m; ++month)
        dayOfYear += DateValue::daysInMonth(y, month);
    return y * 1000 + dayOfYear;
}

bool StepIsForward(Step step)
{
    switch (step) {
    case Step::NextDay:
    case Step::NextWeek:
    case Step::NextMonth:
    case Step::NextYear:
        return true;
    default:
        return false;
    }
}

bool StepBlocked(Step step, int y, int m, int d, int minYear, int maxYear)
{
    switch (step) {
    case Step::NextDay: return y >= maxYear && m == 12 && d == 31;
    case Step::NextWeek: return y >= maxYear && m == 12 && d >= 25;
    case Step::NextMonth: return y >= maxYear && m == 12;
    case Step::NextYear: return y >= maxYear;
    case Step::PreviousDay: return y <= minYear && m == 1 && d == 1;
    case Step::PreviousWeek: return y <= minYear && m == 1 && d <= 7;
    case Step::PreviousMonth: return y <= minYear && m == 1;
    case Step::PreviousYear: return y <= minYear;
    }
    return true;
}

static std::optional<double> stepped(Step step, double value)
{
    switch (step) {
    case Step::NextDay: return DateValue::addDays(value, 1);
    case Step::NextWeek: return DateValue::addDays(value, 7);
    case Step::NextMonth: return DateValue::addMonths(value, 1);
    case Step::NextYear: return DateValue::addYears(value, 1);
    case Step::PreviousDay: return DateValue::addDays(value, -1);
    case Step::PreviousWeek: return DateValue::addDays(value, -7);
    case Step::PreviousMonth: return DateValue::addMonths(value, -1);
    case Step::PreviousYear: return DateValue::addYears(value, -1);
    }
    return std::nullopt;
}

StepOutcome ApplyStep(Step step, double value, int minYear, int maxYear)
{
    StepOutcome out;
    out.maximum = StepIsForward(step);
    out.value = value;
    if (StepBlocked(step, DateValue::year(value), DateValue::month(value), DateValue::day(value), minYear, maxYear)) {
        out.refused = true;
        return out;
    }
    // Limits loaded from a saved form are not validated and may lie beyond
    // the range of the date type; the edge of that range is a limit too.
    if (const auto next = stepped(step, value))
        out.value = *next;
    else
        out.refused = true;
    return out;
}

std::optional<double> MoveToYear(double value, int year)
{
    return DateValue::dateSerial(year, DateValue::month(value), DateValue::day(value));
}

int ClampYear(int year, int minYear, int maxYear)
{
    return std::max(minYear, std::min(year, maxYear));
}

} // namespace CalendarDateMath
