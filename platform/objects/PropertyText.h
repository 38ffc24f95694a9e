#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The text forms of property values, shared by the text property bag and by
// the conversions of values read as text.
namespace PropertyText {

// The fewest digits that read back to exactly the same double.
QString formatDouble(double value);
std::optional<double> parseDouble(const QString &text);
std::optional<std::int32_t> parseInt(const QString &text);

// "1997-03-15", "1997-03-15 14:30:00" when the time is a whole number of
// seconds that gives back exactly this serial, otherwise the serial itself.
QString formatDate(double serial);
// The forms above (also with 'T' or without seconds) and plain serials.
std::optional<double> parseDate(const QString &text);

// "&H00BBGGRR&".
QString formatColor(std::int32_t color);
// "&HBBGGRR" with or without the closing '&', "0x..." or a decimal number.
std::optional<std::int32_t> parseColor(const QString &text);

// A double-quoted string with \" \\ \n \r \t and \u{hex} for other control
// characters.
QString quote(const QString &text);
// text with every control character (C0, DEL, C1, line and paragraph
// separators) written as \u{hex}, so that a message quoting a file's text
// cannot steer the terminal it is printed on.
QString printable(const QString &text);
// Reads a quoted string starting at text[pos]; pos is left after the closing
// quote. No value (and *error set) for a malformed string.
std::optional<QString> unquote(const QString &text, qsizetype &pos, QString *error);

} // namespace PropertyText
