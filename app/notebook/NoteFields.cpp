#include "notebook/NoteFields.h"

#include <QLocale>
#include <cfenv>
#include <cmath>
#include <limits>

namespace NoteFields {

std::optional<double> toNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint16> toInterval(const QString &text)
{
    const std::optional<double> number = toNumber(text);
    if (!number)
        return std::nullopt;
    // Round half to even whatever rounding mode the process runs in.
    const int savedMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double whole = std::nearbyint(*number);
    std::fesetround(savedMode);
    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(whole);
}

bool isNumberBeingTyped(const QString &text)
{
    const QString trimmed = text.trimmed();
    const QLocale locale;
    return trimmed == QLatin1String("-") || trimmed == QLatin1String("+") || trimmed == QLatin1String(".")
        || trimmed == locale.negativeSign() || trimmed == locale.decimalPoint();
}

} // namespace NoteFields
