#pragma once

#include <QString>
#include <array>
#include <optional>

// Which day goes into which of the 42 day cells and what kind of day each
// cell shows. Pure: the control turns the result into captions, tags,
// colours and bevels.
namespace MonthFill {

enum class Tag { Prev, Next, Curr, CurrWeekend, CurrToday, CurrSelected };

// The exact tag strings the cells and day titles carry.
QString tagText(Tag tag);
std::optional<Tag> tagFromText(const QString &text);

// The weekday (1 = Sunday .. 7 = Saturday) shown in grid column 1 .. 7 when
// weeks start on firstDayOfWeek; any firstDayOfWeek is taken modulo 7.
int weekdayOfColumn(int column, int firstDayOfWeek);
bool isWeekendColumn(int column, int firstDayOfWeek);

struct Cell
{
    int day = 0;
    Tag tag = Tag::Curr;
    bool bold = false;
};

struct Month
{
    std::array<Cell, 42> cells;   // cell n at index n - 1
    int firstCell = 1;            // the cell of the 1st of the month
    int daysInMonth = 0;
    int selectedIndex = 1;        // the cell of the value's day
};

// Fills the grid for the month of value. today is the day serial of today;
// fontBold is the bold flag of the day font.
Month fill(double value, int firstDayOfWeek, double today, bool fontBold);

// The marking of a day cell n of the shown month (year, month) holding day,
// without the selected marking: Curr, then weekend, then today.
Cell markCurrent(int n, int year, int month, int day, int firstDayOfWeek, double today, bool fontBold);

} // namespace MonthFill
