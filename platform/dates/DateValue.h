#pragma once

#include <optional>

// The system's date type: a double counting days from 30 December 1899, the
// fraction being the time of day, for 1 January 100 .. 31 December 9999.
// Before 1899-12-30 the whole part is negative and the fraction still counts
// forward from midnight (-1.25 is 29 December 1899 06:00).
// Every operation whose result would leave the range returns no value.
namespace DateValue {

constexpr double MinSerial = -657434.0;          // 1 January 100, 00:00
constexpr double MaxSerial = 2958465.999988426;  // 31 December 9999, 23:59:59

struct Parts
{
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
    bool operator==(const Parts &) const = default;
};

bool isValid(double serial);
bool isLeapYear(int year);
int daysInMonth(int year, int month);

// Exact conversions: no value when a field is out of its range.
std::optional<double> fromParts(const Parts &parts);
std::optional<double> fromDate(int year, int month, int day);
// Valid serial in, its calendar fields out (seconds rounded to the nearest).
Parts toParts(double serial);

// Builds a date with an overflowing (or underflowing) month or day carried on:
// day 31 of February 1997 is 3 March 1997, month 13 is January of the next year.
std::optional<double> dateSerial(int year, int month, int day);

// The day part (time removed) and the time of day as a fraction in [0, 1).
double datePart(double serial);
double timePart(double serial);
// Joins a day (a whole serial) with a time of day fraction.
double combine(double datePart, double timeFraction);

int year(double serial);
int month(double serial);
int day(double serial);
int weekday(double serial);   // 1 = Sunday .. 7 = Saturday
int dayOfYear(double serial); // 1 .. 366

// Day, month and year arithmetic; the time of day is kept. Months and years
// keep the day number when the target month has it, else take its last day.
std::optional<double> addDays(double serial, int days);
std::optional<double> addMonths(double serial, int months);
std::optional<double> addYears(double serial, int years);

} // namespace DateValue
