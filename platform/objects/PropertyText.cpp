#include "platform/objects/PropertyText.h"

#include <QDate>
#include <QRegularExpression>
#include <charconv>
#include <cmath>

namespace PropertyText {

namespace {

const QDate SerialZero(1899, 12, 30);

double toSerial(const QDate &date, int secondsOfDay)
{
    const double days = double(SerialZero.daysTo(date));
    const double time = secondsOfDay / 86400.0;
    // Before the zero date the whole part is negative and the time still
    // counts forward from midnight.
    return days < 0 ? days - time : days + time;
}

} // namespace

QString formatDouble(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

std::optional<double> parseDouble(const QString &text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.isEmpty())
        return std::nullopt;
    const char *begin = bytes.constData();
    const char *end = begin + bytes.size();
    // from_chars takes no leading '+'.
    if (*begin == '+' && end - begin > 1 && begin[1] != '-')
        ++begin;
    double value = 0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> parseInt(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return std::int32_t(value);
}

QString formatDate(double serial)
{
    if (!std::isfinite(serial) || std::fabs(serial) > 3.0e6)
        return formatDouble(serial);
    const double whole = std::trunc(serial);
    const double fraction = std::fabs(serial - whole);
    const QDate date = SerialZero.addDays(qint64(whole));
    const double secondsExact = fraction * 86400.0;
    const int seconds = int(std::lround(secondsExact));
    if (!date.isValid() || date.year() < 100 || date.year() > 9999 || seconds >= 86400
        || toSerial(date, seconds) != serial)
        return formatDouble(serial);
    const QString day = QStringLiteral("%1-%2-%3")
                            .arg(date.year(), 4, 10, QLatin1Char('0'))
                            .arg(date.month(), 2, 10, QLatin1Char('0'))
                            .arg(date.day(), 2, 10, QLatin1Char('0'));
    if (seconds == 0)
        return day;
    return day + QStringLiteral(" %1:%2:%3")
                     .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                     .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                     .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

std::optional<double> parseDate(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^(\d{4})-(\d{2})-(\d{2})(?:[ T](\d{2}):(\d{2})(?::(\d{2}))?)?$)"));
    const QString t = text.trimmed();
    const QRegularExpressionMatch m = form.match(t);
    if (!m.hasMatch())
        return parseDouble(t);
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!date.isValid() || date.year() < 100)
        return std::nullopt;
    int seconds = 0;
    if (m.hasCaptured(4)) {
        const int h = m.captured(4).toInt(), mi = m.captured(5).toInt();
        const int s = m.hasCaptured(6) ? m.captured(6).toInt() : 0;
        if (h > 23 || mi > 59 || s > 59)
            return std::nullopt;
        seconds = h * 3600 + mi * 60 + s;
    }
    return toSerial(date, seconds);
}

QString formatColor(std::int32_t color)
{
    return QStringLiteral("&H%1&").arg(quint32(color), 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<std::int32_t> parseColor(const QString &text)
{
    QString t = text.trimmed();
    int base = 10;
    if (t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        t = t.mid(2);
        if (t.endsWith(QLatin1Char('&')))
            t.chop(1);
        base = 16;
    } else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        t = t.mid(2);
        base = 16;
    }
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    if (base == 16) {
        if (t.size() > 8 || t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-')))
            return std::nullopt;
        const quint32 value = t.toUInt(&ok, 16);
        return ok ? std::optional<std::int32_t>(std::int32_t(value)) : std::nullopt;
    }
    return parseInt(t);
}

QString quote(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.unicode() == 0x2028 || c.unicode() == 0x2029)
                out += QStringLiteral("\\u{%1}").arg(c.unicode(), 0, 16);
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

namespace {

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

} // namespace

QString printable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (isControl(c.unicode()))
            out += QStringLiteral("\\u{%1}").arg(c.unicode(), 0, 16);
        else
            out += c;
    }
    return out;
}

std::optional<QString> unquote(const QString &text, qsizetype &pos, QString *error)
{
    auto fail = [&](const QString &message) -> std::optional<QString> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    if (pos >= text.size() || text.at(pos) != QLatin1Char('"'))
        return fail(QStringLiteral("a text must begin with a double quote"));
    QString out;
    for (qsizetype i = pos + 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"')) {
            pos = i + 1;
            return out;
        }
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (++i >= text.size())
            break;
        switch (text.at(i).unicode()) {
        case '"': out += QLatin1Char('"'); break;
        case '\\': out += QLatin1Char('\\'); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 'r': out += QLatin1Char('\r'); break;
        case 't': out += QLatin1Char('\t'); break;
        case 'u': {
            const qsizetype close = text.indexOf(QLatin1Char('}'), i);
            if (i + 1 >= text.size() || text.at(i + 1) != QLatin1Char('{') || close < 0)
                return fail(QStringLiteral("\\u must be followed by {hex}"));
            bool ok = false;
            const uint code = text.mid(i + 2, close - i - 2).toUInt(&ok, 16);
            if (!ok || code > 0xFFFF)
                return fail(QStringLiteral("\\u{%1} is not a character code").arg(text.mid(i + 2, close - i - 2)));
            out += QChar(char16_t(code));
            i = close;
            break;
        }
        default:
            return fail(QStringLiteral("unknown escape \\%1").arg(text.at(i)));
        }
    }
    return fail(QStringLiteral("the text has no closing double quote"));
}

} // namespace PropertyText
