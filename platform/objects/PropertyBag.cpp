#include "platform/objects/PropertyBag.h"

#include "platform/dates/DateValue.h"
#include "platform/objects/PropertyText.h"

#include <cmath>

namespace {

template<class... Ts>
struct Overloaded : Ts...
{
    using Ts::operator()...;
};
template<class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// What a stored value is, for messages: the type and, for short values, the value.
QString describe(const PropertyValue &value)
{
    return std::visit(Overloaded{
                          [](std::int32_t v) { return QStringLiteral("the whole number %1").arg(v); },
                          [](bool v) { return QStringLiteral("the boolean %1").arg(v ? "true" : "false"); },
                          [](double v) { return QStringLiteral("the number %1").arg(PropertyText::formatDouble(v)); },
                          [](const QString &v) { return QStringLiteral("the text %1").arg(PropertyText::quote(v.left(40))); },
                          [](PropertyDate v) { return QStringLiteral("the date %1").arg(PropertyText::formatDate(v.serial)); },
                          [](PropertyColor v) { return QStringLiteral("the colour %1").arg(PropertyText::formatColor(v.value)); },
                          [](const StdFontPtr &) { return QStringLiteral("a font"); },
                          [](const StdPicturePtr &) { return QStringLiteral("a picture"); },
                      },
                      value);
}

// Halves to the even neighbour, as the platform's integer conversion does.
std::optional<std::int32_t> roundToInt(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    const double r = std::nearbyint(v);
    if (r < double(INT32_MIN) || r > double(INT32_MAX))
        return std::nullopt;
    return std::int32_t(r);
}

std::optional<double> number(const PropertyValue &value)
{
    if (auto v = std::get_if<std::int32_t>(&value))
        return double(*v);
    if (auto v = std::get_if<bool>(&value))
        return *v ? -1.0 : 0.0;
    if (auto v = std::get_if<double>(&value))
        return *v;
    if (auto v = std::get_if<PropertyDate>(&value))
        return v->serial;
    if (auto v = std::get_if<PropertyColor>(&value))
        return double(v->value);
    if (auto v = std::get_if<QString>(&value))
        return PropertyText::parseDouble(*v);
    return std::nullopt;
}

} // namespace

QString propertyTypeName(const PropertyValue &value)
{
    static const char *const names[] = {"int", "bool", "double", "text", "date", "colour", "font", "picture"};
    return QString::fromLatin1(names[value.index()]);
}

bool samePropertyValue(const PropertyValue &a, const PropertyValue &b)
{
    if (a.index() != b.index())
        return false;
    if (auto fa = std::get_if<StdFontPtr>(&a))
        return sameFont(*fa, std::get<StdFontPtr>(b));
    if (auto pa = std::get_if<StdPicturePtr>(&a))
        return samePicture(*pa, std::get<StdPicturePtr>(b));
    return a == b;
}

namespace {

QString errorText(const QString &file, int line, const QString &key, const QString &message)
{
    QString where = file;
    if (line > 0)
        where += (where.isEmpty() ? QString() : QStringLiteral(" ")) + QStringLiteral("line %1").arg(line);
    QString out;
    if (!where.isEmpty())
        out = where + QStringLiteral(": ");
    if (!key.isEmpty())
        out += key + QStringLiteral(": ");
    return out + message;
}

} // namespace

PropertyBagError::PropertyBagError(const QString &key, int line, const QString &message, const QString &file)
    : std::runtime_error(errorText(file, line, key, message).toStdString())
    , m_file(file)
    , m_key(key)
    , m_line(line)
    , m_message(message)
{
}

QString PropertyBagError::text() const
{
    return errorText(m_file, m_line, m_key, m_message);
}

const PropertyValue *PropertyBag::lookUp(const QString &key) const
{
    m_lastKeyRead = key;
    return find(key);
}

PropertyError PropertyBag::locate(const PropertyError &error) const
{
    if (m_lastKeyRead.isEmpty())
        return error;
    return PropertyError(error.number(), errorText({}, lineOf(m_lastKeyRead), m_lastKeyRead, error.text()));
}

void PropertyBag::fail(const QString &key, const QString &message) const
{
    throw PropertyBagError(key, lineOf(key), message);
}

std::int32_t PropertyBag::readInt(const QString &key, std::int32_t defaultValue) const
{
    const PropertyValue *v = lookUp(key);
    if (!v)
        return defaultValue;
    if (auto i = std::get_if<std::int32_t>(v))
        return *i;
    if (auto text = std::get_if<QString>(v)) {
        if (auto i = PropertyText::parseInt(*text))
            return *i;
    }
    if (auto d = number(*v)) {
        if (auto i = roundToInt(*d))
            return *i;
        fail(key, QStringLiteral("%1 is too large for a whole number").arg(describe(*v)));
    }
    fail(key, QStringLiteral("%1 is not a whole number").arg(describe(*v)));
}

bool PropertyBag::readBool(const QString &key, bool defaultValue) const
{
    const PropertyValue *v = lookUp(key);
    if (!v)
        return defaultValue;
    if (auto b = std::get_if<bool>(v))
        return *b;
    if (auto text = std::get_if<QString>(v)) {
        const QString t = text->trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    if (!std::holds_alternative<PropertyDate>(*v)) {
        if (auto d = number(*v))
            return *d != 0;
    }
    fail(key, QStringLiteral("%1 is not a boolean").arg(describe(*v)));
}

double PropertyBag::readDouble(const QString &key, double defaultValue) const
{
    const PropertyValue *v = lookUp(key);
    if (!v)
        return defaultValue;
    if (auto d = number(*v))
        return *d;
    fail(key, QStringLiteral("%1 is not a number").arg(describe(*v)));
}

QString PropertyBag::readText(const QString &key, const QString &defaultValue) const
{
    const PropertyValue *v = lookUp(key);
    if (!v)
        return defaultValue;
    return std::visit(Overloaded{
                          [](std::int32_t i) { return QString::number(i); },
                          [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); },
                          [](double d) { return PropertyText::formatDouble(d); },
                          [](const QString &s) { return s; },
                          [](PropertyDate d) { return PropertyText::formatDate(d.serial); },
                          [](PropertyColor c) { return QString::number(c.value); },
                          [&](const StdFontPtr &) -> QString { fail(key, QStringLiteral("a font is not a text")); },
                          [&](const StdPicturePtr &) -> QString { fail(key, QStringLiteral("a picture is not a text")); },
                      },
                      *v);
}

double PropertyBag::readDate(const QString &key, double defaultSerial) const
{
    const PropertyValue *v = lookUp(key);
    if (!v)
        return defaultSerial;
    std::optional<double> serial;
    if (auto d = std::get_if<PropertyDate>(v))
        serial = d->serial;
    else if (auto text = std::get_if<QString>(v))
        serial = PropertyText::parseDate(*text);
    else if (std::holds_alternative<std::int32_t>(*v) || std::holds_alternative<double>(*v))
        serial = number(*v);
    if (!serial)
        fail(key, QStringLiteral("%1 is not a date").arg(describe(*v)));
    // Through the date type's own test: before 1899 the time of day takes
    // the serial below its whole day, so a plain bound on the number would
    // refuse the afternoon of 1 January 100.
    if (!DateValue::isValid(*serial))
        fail(key, QStringLiteral("%1 lies outside the years 100 to 9999").arg(describe(*v)));
    return *serial;
}

std::int32_t PropertyBag::readColor(const QString &key, std::int32_t defaultValue) const
{
    const PropertyValue *v = lookUp(key);
    if (!v)
        return defaultValue;
    if (auto c = std::get_if<PropertyColor>(v))
        return c->value;
    if (auto i = std::get_if<std::int32_t>(v))
        return *i;
    if (auto text = std::get_if<QString>(v)) {
        if (auto c = PropertyText::parseColor(*text))
            return *c;
    }
    if (auto d = std::get_if<double>(v)) {
        if (auto i = roundToInt(*d))
            return *i;
    }
    fail(key, QStringLiteral("%1 is not a colour").arg(describe(*v)));
}

StdFontPtr PropertyBag::readFont(const QString &key, const StdFontPtr &defaultValue) const
{
    const PropertyValue *v = lookUp(key);
    if (!v)
        return defaultValue;
    if (auto f = std::get_if<StdFontPtr>(v); f && *f)
        return (*f)->clone();
    fail(key, QStringLiteral("%1 is not a font").arg(describe(*v)));
}

StdPicturePtr PropertyBag::readPicture(const QString &key, const StdPicturePtr &defaultValue) const
{
    const PropertyValue *v = lookUp(key);
    if (!v)
        return defaultValue;
    if (auto p = std::get_if<StdPicturePtr>(v))
        return *p ? *p : std::make_shared<StdPicture>();
    fail(key, QStringLiteral("%1 is not a picture").arg(describe(*v)));
}

void PropertyBag::write(const QString &key, const PropertyValue &value, const PropertyValue &defaultValue)
{
    if (samePropertyValue(value, defaultValue))
        remove(key);
    else
        store(key, value);
}

void PropertyBag::writeInt(const QString &key, std::int32_t value, std::int32_t defaultValue)
{
    write(key, value, defaultValue);
}

void PropertyBag::writeBool(const QString &key, bool value, bool defaultValue)
{
    write(key, value, defaultValue);
}

void PropertyBag::writeDouble(const QString &key, double value, double defaultValue)
{
    write(key, value, defaultValue);
}

void PropertyBag::writeText(const QString &key, const QString &value, const QString &defaultValue)
{
    write(key, value, defaultValue);
}

void PropertyBag::writeDate(const QString &key, double serial, double defaultSerial)
{
    write(key, PropertyDate{serial}, PropertyDate{defaultSerial});
}

void PropertyBag::writeColor(const QString &key, std::int32_t value, std::int32_t defaultValue)
{
    write(key, PropertyColor{value}, PropertyColor{defaultValue});
}

void PropertyBag::writeFont(const QString &key, const StdFontPtr &value, const StdFontPtr &defaultValue)
{
    if (!value)
        remove(key);
    else
        write(key, value, defaultValue);
}

void PropertyBag::writePicture(const QString &key, const StdPicturePtr &value, const StdPicturePtr &defaultValue)
{
    write(key, value ? value : std::make_shared<StdPicture>(), defaultValue);
}
