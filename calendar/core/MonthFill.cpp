#include "core/MonthFill.h"

#include "core/CalendarDateMath.h"
#include "platform/dates/DateValue.h"

namespace MonthFill {

QString tagText(Tag tag)
{
    switch (tag) {
    case Tag::Prev: return QStringLiteral("Prev");
    case Tag::Next: return QStringLiteral("Next");
    case Tag::Curr: return QStringLiteral("Curr");
    case Tag::CurrWeekend: return QStringLiteral("CurrWeekend");
    case Tag::CurrToday: return QStringLiteral("CurrToday");
    case Tag::CurrSelected: return QStringLiteral("CurrSelected");
    }
    return {};
}

std::optional<Tag> tagFromText(const QString &text)
{
    for (Tag t : {Tag::Prev, Tag::Next, Tag::Curr, Tag::CurrWeekend, Tag::CurrToday, Tag::CurrSelected}) {
        if (text == tagText(t))
            return t;
    }
    return std::nullopt;
}

static int mod7(int v)
{
    return ((v % 7) + 7) % 7;
}

int weekdayOfColumn(int column, int firstDayOfWeek)
{
    // Reduced first: a value loaded unchecked may sit at the edge of int.
    const int w = mod7(mod7(firstDayOfWeek) + column - 1);
    return w == 0 ? 7 : w;
}

bool isWeekendColumn(int column, int firstDayOfWeek)
{
    const int w = weekdayOfColumn(column, firstDayOfWeek);
    return w == 1 || w == 7;
}

static bool isToday(int year, int month, int day, double today)
{
    const auto date = DateValue::fromDate(year, month, day);
    return date && *date == DateValue::datePart(today);
}

Cell markCurrent(int n, int year, int month, int day, int firstDayOfWeek, double today, bool fontBold)
{
    Cell c;
    c.day = day;
    c.tag = Tag::Curr;
    c.bold = fontBold;
    if (isWeekendColumn((n - 1) % 7 + 1, firstDayOfWeek))
        c.tag = Tag::CurrWeekend;
    if (isToday(year, month, day, today)) {
        c.tag = Tag::CurrToday;
        c.bold = true;
    }
    return c;
}

Month fill(double value, int firstDayOfWeek, double today, bool fontBold)
{
    Month m;
    const double first = CalendarDateMath::FirstOfMonth(value);
    const int s = mod7(DateValue::weekday(first) - mod7(firstDayOfWeek)) + 1;
    const int y = DateValue::year(value);
    const int mon = DateValue::month(value);
    const int selectedDay = DateValue::day(value);

    // The month before the value's; at the bottom of the range there is
    // none, and its cells are then counted back from 31.
    const auto previous = DateValue::addMonths(value, -1);
    const int p = previous ? CalendarDateMath::DaysInMonth(*previous) : 31;
    for (int n = s - 1, d = p; n >= 1; --n, --d)
        m.cells[n - 1] = Cell{d, Tag::Prev, fontBold};

    const int dc = CalendarDateMath::DaysInMonth(value);
    for (int d = 1; d <= dc; ++d) {
        const int n = s + d - 1;
        Cell c = markCurrent(n, y, mon, d, firstDayOfWeek, today, fontBold);
        if (d == selectedDay) {
            c.tag = Tag::CurrSelected;
            m.selectedIndex = n;
        }
        m.cells[n - 1] = c;
    }

    for (int n = s + dc, d = 1; n <= 42; ++n, ++d)
        m.cells[n - 1] = Cell{d, Tag::Next, fontBold};

    m.firstCell = s;
    m.daysInMonth = dc;
    return m;
}

} // namespace MonthFill
