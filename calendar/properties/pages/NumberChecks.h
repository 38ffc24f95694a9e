#pragma once

#include <QString>
#include <optional>

// The tests a numeric box of the property pages puts its text to when the
// user leaves it. Each fails when the text is not a whole number (an empty box
// included) or does not fit the 32-bit property it stands for.
namespace NumberChecks {

std::optional<int> wholeNumber(const QString &text);

// At least 1600 and not greater than the number in the maximum-year box.
bool minYear(const QString &text, const QString &maxYearText);
// At most 9999 and not less than the number in the minimum-year box.
bool maxYear(const QString &text, const QString &minYearText);
// At least 0.
bool notNegative(const QString &text);

} // namespace NumberChecks
