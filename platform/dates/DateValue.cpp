#include "platform/dates/DateValue.h"

#include <cmath>
#include <cstdint>

namespace DateValue {

namespace {

constexpr std::int64_t FirstDay = -657434; // 1 January 100
constexpr std::int64_t LastDay = 2958465;  // 31 December 9999
constexpr std::int64_t SecondsPerDay = 86400;
// Days from 1 January 1970 to 30 December 1899, the zero of the date value.
constexpr std::int64_t EpochOffset = -25569;

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// Proleptic Gregorian day count relative to 1970-01-01, valid for any year
// that fits comfortably in 64 bits.
std::int64_t daysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d)
{
    y -= m <= 2;
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(std::int64_t z, int &year, int &month, int &day)
{
    z += 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(yoe + era * 400 + (month <= 2));
}

std::int64_t serialDay(std::int64_t y, std::int64_t m, std::int64_t d)
{
    return daysFromCivil(y, m, d) - EpochOffset;
}

bool dayInRange(std::int64_t day)
{
    return day >= FirstDay && day <= LastDay;
}

// The whole day and the time of day rounded to the second; a time that rounds
// up to midnight moves to the next day.
void split(double serial, std::int64_t &day, std::int64_t &seconds)
{
    const double whole = std::trunc(serial);
    day = std::int64_t(whole);
    seconds = std::llround(std::fabs(serial - whole) * SecondsPerDay);
    if (seconds >= SecondsPerDay) {
        seconds = 0;
        ++day;
    }
}

std::optional<double> fromDayAndFraction(std::int64_t day, double fraction)
{
    if (!dayInRange(day))
        return std::nullopt;
    const double result = combine(double(day), fraction);
    if (!isValid(result))
        return std::nullopt;
    return result;
}

} // namespace

bool isValid(double serial)
{
    if (!std::isfinite(serial) || serial <= double(FirstDay - 1) || serial >= double(LastDay + 1))
        return false;
    std::int64_t day, seconds;
    split(serial, day, seconds);
    return dayInRange(day);
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
}

std::optional<double> fromParts(const Parts &p)
{
    if (p.year < 100 || p.year > 9999 || p.month < 1 || p.month > 12 || p.day < 1
        || p.day > daysInMonth(p.year, p.month) || p.hour < 0 || p.hour > 23 || p.minute < 0
        || p.minute > 59 || p.second < 0 || p.second > 59)
        return std::nullopt;
    const double fraction = double(p.hour * 3600 + p.minute * 60 + p.second) / SecondsPerDay;
    return combine(double(serialDay(p.year, p.month, p.day)), fraction);
}

std::optional<double> fromDate(int year, int month, int day)
{
    Parts p;
    p.year = year;
    p.month = month;
    p.day = day;
    return fromParts(p);
}

Parts toParts(double serial)
{
    if (!isValid(serial))
        return Parts{0, 0, 0, 0, 0, 0};
    std::int64_t day, seconds;
    split(serial, day, seconds);
    Parts p;
    civilFromDays(day + EpochOffset, p.year, p.month, p.day);
    p.hour = int(seconds / 3600);
    p.minute = int(seconds / 60 % 60);
    p.second = int(seconds % 60);
    return p;
}

std::optional<double> dateSerial(int year, int month, int day)
{
    const std::int64_t months = std::int64_t(year) * 12 + (std::int64_t(month) - 1);
    const std::int64_t y = floorDiv(months, 12);
    const std::int64_t m = months - y * 12 + 1;
    const std::int64_t result = serialDay(y, m, 1) + (std::int64_t(day) - 1);
    if (!dayInRange(result))
        return std::nullopt;
    return double(result);
}

double datePart(double serial)
{
    return std::trunc(serial);
}

double timePart(double serial)
{
    return std::fabs(serial - std::trunc(serial));
}

double combine(double datePart, double timeFraction)
{
    // Before day zero the fraction still counts forward from midnight, so it
    // is subtracted from the negative day number.
    return datePart < 0 ? datePart - timeFraction : datePart + timeFraction;
}

int year(double serial)
{
    return toParts(serial).year;
}

int month(double serial)
{
    return toParts(serial).month;
}

int day(double serial)
{
    return toParts(serial).day;
}

int weekday(double serial)
{
    if (!isValid(serial))
        return 0;
    std::int64_t d, seconds;
    split(serial, d, seconds);
    // Day zero, 30 December 1899, was a Saturday.
    return int(((d + 6) % 7 + 7) % 7) + 1;
}

int dayOfYear(double serial)
{
    if (!isValid(serial))
        return 0;
    std::int64_t d, seconds;
    split(serial, d, seconds);
    const Parts p = toParts(serial);
    return int(d - serialDay(p.year, 1, 1)) + 1;
}

std::optional<double> addDays(double serial, int days)
{
    if (!isValid(serial))
        return std::nullopt;
    return fromDayAndFraction(std::int64_t(datePart(serial)) + days, timePart(serial));
}

std::optional<double> addMonths(double serial, int months)
{
    if (!isValid(serial))
        return std::nullopt;
    const Parts p = toParts(double(std::int64_t(datePart(serial))));
    const std::int64_t total = std::int64_t(p.year) * 12 + (p.month - 1) + months;
    const std::int64_t y = floorDiv(total, 12);
    const int m = int(total - y * 12 + 1);
    if (y < 100 || y > 9999)
        return std::nullopt;
    const int d = std::min(p.day, daysInMonth(int(y), m));
    return fromDayAndFraction(serialDay(y, m, d), timePart(serial));
}

std::optional<double> addYears(double serial, int years)
{
    if (!isValid(serial))
        return std::nullopt;
    const std::int64_t months = std::int64_t(years) * 12;
    if (months > 12 * 10000 || months < -12 * 10000)
        return std::nullopt;
    return addMonths(serial, int(months));
}

} // namespace DateValue
