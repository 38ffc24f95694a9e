#include "core/CellLook.h"

#include <algorithm>

namespace CellLook {

Colours defaultColours()
{
    return {0x800000, 0xFFFFFF, 0xC0C0C0, 0x000000, 0xC0C0C0, 0x000000,
            0xC0C0C0, 0x000080, 0xC0C0C0, 0x808080, 0xC0C0C0, 0x808080};
}

QString colourPropertyName(int index)
{
    static const char *const names[ColourCount] = {
        "calSelectedDayBackColor", "calSelectedDayForeColor",
        "calCurrentDateBackColor", "calCurrentDateForeColor",
        "calCurrentMonthBackColor", "calCurrentMonthForeColor",
        "calCurrentMonthWeekendsBackColor", "calCurrentMonthWeekendsForeColor",
        "calPreviousMonthBackColor", "calPreviousMonthForeColor",
        "calNextMonthBackColor", "calNextMonthForeColor",
    };
    return (index >= 0 && index < ColourCount) ? QString::fromLatin1(names[index]) : QString();
}

std::int32_t ClampColor(std::int32_t colour)
{
    return std::clamp<std::int32_t>(colour, 0, 0xFFFFFF);
}

Pair cellColours(const Colours &c, MonthFill::Tag tag)
{
    using MonthFill::Tag;
    switch (tag) {
    case Tag::CurrSelected: return {c[SelectedDayBack], c[SelectedDayFore]};
    case Tag::CurrToday: return {c[CurrentDateBack], c[CurrentDateFore]};
    case Tag::Curr: return {c[CurrentMonthBack], c[CurrentMonthFore]};
    case Tag::CurrWeekend: return {c[CurrentMonthWeekendsBack], c[CurrentMonthWeekendsFore]};
    case Tag::Prev: return {c[PreviousMonthBack], c[PreviousMonthFore]};
    case Tag::Next: return {c[NextMonthBack], c[NextMonthFore]};
    }
    return {};
}

Pair titleColours(const Colours &c, bool weekend)
{
    return weekend ? Pair{c[CurrentMonthWeekendsBack], c[CurrentMonthWeekendsFore]}
                   : Pair{c[CurrentMonthBack], c[CurrentMonthFore]};
}

bool deriveBevels(int appearance, Bevels &bevels)
{
    switch (appearance) {
    case 0: bevels = {1, 2, 0}; return true;
    case 1: bevels = {2, 0, 1}; return true;
    case 2: bevels = {1, 0, 2}; return true;
    default: return false;
    }
}

int restoredBevel(int current, bool selectedTag, int appearance, const Bevels &bevels)
{
    if (current != bevels.hover)
        return current;
    return selectedTag ? bevels.selected : appearance;
}

} // namespace CellLook
