#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// Reading the main window's number boxes into record fields.
namespace NoteFields {

// The text as a number in the user's locale or in plain C form (1.5, -3, 2e1);
// surrounding blanks are ignored. Infinities and not-a-number are no numbers.
std::optional<double> toNumber(const QString &text);

// The days-before box as a note's Interval: a fraction is rounded to the
// nearest whole number with a tie going to the even one, and the result must
// lie within -32768 .. 32767.
std::optional<qint16> toInterval(const QString &text);

// A lone sign or decimal point: the start of a number still being typed.
bool isNumberBeingTyped(const QString &text);

} // namespace NoteFields
