#include "platform/objects/StdFont.h"

#include "platform/com/OwnedText.h"
#include "platform/objects/PropertyError.h"

#include <cmath>

namespace {

// The font object keeps sizes as a fixed-point number with four decimals.
double roundSize(double points)
{
    return std::round(points * 10000.0) / 10000.0;
}

} // namespace

// The name is the holders' to keep: never the constant text of the library
// that made the font.
StdFont::StdFont(const FontAttributes &attributes) : m_attr(attributes)
{
    m_attr.name = ownedText(m_attr.name);
}

StdFontPtr StdFont::create()
{
    return create(FontAttributes{});
}

StdFontPtr StdFont::create(const QString &name, double size)
{
    FontAttributes attributes;
    attributes.name = name;
    attributes.size = size;
    return create(attributes);
}

StdFontPtr StdFont::create(const FontAttributes &attributes)
{
    // Checked through the setters so that a bad attribute is refused here too.
    StdFontPtr font(new StdFont(FontAttributes{}));
    font->setAttributes(attributes);
    return font;
}

StdFontPtr StdFont::fromQFont(const QFont &font)
{
    FontAttributes attributes;
    attributes.name = font.family();
    if (font.pointSizeF() > 0)
        attributes.size = font.pointSizeF();
    attributes.weight = font.bold() ? 700 : 400;
    attributes.italic = font.italic();
    attributes.underline = font.underline();
    attributes.strikethrough = font.strikeOut();
    return create(attributes);
}

StdFontPtr StdFont::clone() const
{
    return create(m_attr);
}

void StdFont::setAttributes(const FontAttributes &attributes)
{
    // A size that rounds to nothing would make a font that no copy could take.
    if (attributes.name.isEmpty() || !(attributes.size > 0 && attributes.size <= 2048) || !(roundSize(attributes.size) > 0)
        || attributes.weight < 1 || attributes.weight > 1000 || attributes.charset < 0 || attributes.charset > 255)
        throw PropertyError::invalidValue();
    FontAttributes a = attributes;
    a.name = ownedText(a.name);
    a.size = roundSize(a.size);
    update(a);
}

void StdFont::setName(const QString &name)
{
    if (name.isEmpty())
        throw PropertyError::invalidValue();
    FontAttributes a = m_attr;
    a.name = ownedText(name);
    update(a);
}

void StdFont::setSize(double points)
{
    if (!(points > 0 && points <= 2048) || !(roundSize(points) > 0))
        throw PropertyError::invalidValue();
    FontAttributes a = m_attr;
    a.size = roundSize(points);
    update(a);
}

void StdFont::setBold(bool bold)
{
    FontAttributes a = m_attr;
    a.weight = bold ? 700 : 400;
    update(a);
}

void StdFont::setItalic(bool italic)
{
    FontAttributes a = m_attr;
    a.italic = italic;
    update(a);
}

void StdFont::setUnderline(bool underline)
{
    FontAttributes a = m_attr;
    a.underline = underline;
    update(a);
}

void StdFont::setStrikethrough(bool strikethrough)
{
    FontAttributes a = m_attr;
    a.strikethrough = strikethrough;
    update(a);
}

void StdFont::setWeight(short weight)
{
    if (weight < 1 || weight > 1000)
        throw PropertyError::invalidValue();
    FontAttributes a = m_attr;
    a.weight = weight;
    update(a);
}

void StdFont::setCharset(short charset)
{
    // A character set is one byte; anything else could be saved but never
    // loaded back.
    if (charset < 0 || charset > 255)
        throw PropertyError::invalidValue();
    FontAttributes a = m_attr;
    a.charset = charset;
    update(a);
}

void StdFont::update(const FontAttributes &attributes)
{
    if (attributes == m_attr)
        return;
    m_attr = attributes;
    ++m_version;
    emit changed();
}

QFont StdFont::toQFont() const
{
    return toQFont(m_attr);
}

QFont StdFont::toQFont(const FontAttributes &attributes)
{
    QFont font(attributes.name);
    font.setPointSizeF(attributes.size > 0 ? attributes.size : 8.25);
    // Qt uses the same 1..1000 scale but calls anything above 500 bold; keep
    // its idea of bold the same as ours (600 and up).
    const int weight = qBound(1, int(attributes.weight), 1000);
    font.setWeight(QFont::Weight(attributes.bold() ? qMax(weight, 600) : qMin(weight, 500)));
    font.setItalic(attributes.italic);
    font.setUnderline(attributes.underline);
    font.setStrikeOut(attributes.strikethrough);
    return font;
}

bool sameFont(const StdFontPtr &a, const StdFontPtr &b)
{
    if (!a || !b)
        return !a && !b;
    return a == b || *a == *b;
}
