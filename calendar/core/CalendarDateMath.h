#pragma once

#include <optional>

// Date arithmetic of the month calendar, on the system's date values (days
// since 30 December 1899, fraction = time of day).
namespace CalendarDateMath {

// The last day serial whose month may still have a month added to it.
constexpr double LastSafeMonthStart = 2958435.0; // 1 December 9999

// The first day of the month of date, time of day kept.
double FirstOfMonth(double date);
// Days in the month of date; 31 for any date in December 9999, so that no
// month is ever added past the end of the supported range.
int DaysInMonth(double date);

bool LeapYear(int year);
bool LeapYear(double value);
// Year x 1000 + day of the year (1 January is day 1).
int JulianDateValue(double value);

enum class Step { NextDay, NextWeek, NextMonth, NextYear, PreviousDay, PreviousWeek, PreviousMonth, PreviousYear };

// True when the step is refused at the year limits for a value of year y,
// month m and day d.
bool StepBlocked(Step step, int y, int m, int d, int minYear, int maxYear);
bool StepIsForward(Step step);

struct StepOutcome
{
    bool refused = false;       // the limit message is due
    bool maximum = false;       // which message: "Maximum" or "Minimum"
    double value = 0;           // the new value (the old one when refused)
};
// Applies a stepping method. Besides the year-limit guards, a step whose
// result would leave the supported date range is refused the same way.
StepOutcome ApplyStep(Step step, double value, int minYear, int maxYear);

// The date of the given year with the month and day of value, a day beyond
// the month's end carried into the next month (29 February -> 1 March).
// No value when the result is outside the supported range.
std::optional<double> MoveToYear(double value, int year);

// A year clamped to minYear .. maxYear (minYear wins should the limits cross,
// which only a hand-edited saved form can cause).
int ClampYear(int year, int minYear, int maxYear);

} // namespace CalendarDateMath
