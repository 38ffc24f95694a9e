#pragma once

#include "platform/com/Variant.h"

#include <QColor>
#include <QDate>
#include <QPixmap>
#include <optional>

// The control's values as Qt values and back.
namespace QtValues {

// A value that does not convert to the property's type.
inline constexpr int TypeMismatch = 13;
QString typeMismatchText();

// The day of a date value; its time of day is dropped.
QDate toQDate(DATE serial);
// No value for an invalid date or one outside 1 January 100 .. 31 December 9999.
std::optional<DATE> fromQDate(const QDate &date);

// 0x00BBGGRR; a system colour reads as what it shows now.
QColor toQColor(OLE_COLOR color);
OLE_COLOR fromQColor(const QColor &color);

// A null pixmap is no picture, and the other way round.
QPixmap toQPixmap(const PictureRef &picture);
PictureRef fromQPixmap(const QPixmap &pixmap);

// A 16-bit event argument a slot changed, kept within 16 bits.
std::int16_t toInt16(int value);

} // namespace QtValues
