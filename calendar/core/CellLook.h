#pragma once

#include "core/MonthFill.h"

#include <QString>
#include <array>
#include <cstdint>

// Colours and bevels of the day cells and day titles.
namespace CellLook {

// The twelve colour properties, in their saved order.
enum ColourIndex {
    SelectedDayBack, SelectedDayFore,
    CurrentDateBack, CurrentDateFore,
    CurrentMonthBack, CurrentMonthFore,
    CurrentMonthWeekendsBack, CurrentMonthWeekendsFore,
    PreviousMonthBack, PreviousMonthFore,
    NextMonthBack, NextMonthFore,
    ColourCount
};
using Colours = std::array<std::int32_t, ColourCount>;

Colours defaultColours();
// "calSelectedDayBackColor" .. "calNextMonthForeColor".
QString colourPropertyName(int index);

// Below 0 becomes 0, above 0xFFFFFF becomes 0xFFFFFF (a system-colour
// reference is negative and so becomes black).
std::int32_t ClampColor(std::int32_t colour);

struct Pair
{
    std::int32_t back = 0;
    std::int32_t fore = 0;
};
Pair cellColours(const Colours &colours, MonthFill::Tag tag);
Pair titleColours(const Colours &colours, bool weekend);

// Bevel numbers: 0 none, 1 inset, 2 raised (the appearance values).
struct Bevels
{
    int selected = 1;
    int hover = 0;
    int ordinary = 2; // every other cell, the day titles and the month-year text
};
// The selected, hover and ordinary bevels of an appearance; false (bevels
// left as they were) for a value outside 0 .. 2, which a loaded form may
// hold: the cells then keep the look of the last appearance they could show.
bool deriveBevels(int appearance, Bevels &bevels);

// The bevel a cell returns to when the hover look is taken off it; the
// current bevel when it is not the hover bevel.
int restoredBevel(int current, bool selectedTag, int appearance, const Bevels &bevels);

} // namespace CellLook
