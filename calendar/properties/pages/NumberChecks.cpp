#include "properties/pages/NumberChecks.h"

namespace NumberChecks {

namespace {

// The other box's number as a comparison sees it: text that is not a number counts as 0.
qint64 numberIn(const QString &text)
{
    return wholeNumber(text).value_or(0);
}

} // namespace

std::optional<int> wholeNumber(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

bool minYear(const QString &text, const QString &maxYearText)
{
    const std::optional<int> n = wholeNumber(text);
    return n && *n >= 1600 && *n <= numberIn(maxYearText);
}

bool maxYear(const QString &text, const QString &minYearText)
{
    const std::optional<int> n = wholeNumber(text);
    return n && *n <= 9999 && *n >= numberIn(minYearText);
}

bool notNegative(const QString &text)
{
    const std::optional<int> n = wholeNumber(text);
    return n && *n >= 0;
}

} // namespace NumberChecks
