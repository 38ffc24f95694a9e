#include "QtValues.h"

#include "platform/dates/DateValue.h"
#include "platform/objects/OleColor.h"
#include "platform/objects/StdPicture.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

namespace QtValues {

QString typeMismatchText()
{
    return QCoreApplication::translate("QtValues", "Type mismatch");
}

QDate toQDate(DATE serial)
{
    if (!DateValue::isValid(serial))
        return {};
    const DateValue::Parts p = DateValue::toParts(DateValue::datePart(serial));
    return QDate(p.year, p.month, p.day);
}

std::optional<DATE> fromQDate(const QDate &date)
{
    if (!date.isValid())
        return std::nullopt;
    return DateValue::fromDate(date.year(), date.month(), date.day());
}

QColor toQColor(OLE_COLOR color)
{
    return OleColor::toQColor(color);
}

OLE_COLOR fromQColor(const QColor &color)
{
    return OleColor::fromQColor(color);
}

QPixmap toQPixmap(const PictureRef &picture)
{
    return picture && !picture->isNull() ? picture->pixmap() : QPixmap();
}

PictureRef fromQPixmap(const QPixmap &pixmap)
{
    return pixmap.isNull() ? PictureRef() : StdPicture::create(pixmap.toImage());
}

std::int16_t toInt16(int value)
{
    return std::int16_t(std::clamp<int>(value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

} // namespace QtValues
