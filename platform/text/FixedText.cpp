#include "platform/text/FixedText.h"

#include <QList>
#include <QStringView>

namespace FixedText {

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves
// undefined decode to the C1 control of the same number, so that every byte
// survives a round trip.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char toByte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i)
        if (HighControls[i] == c)
            return char(0x80 + i);
    return '?';
}

} // namespace

QByteArray toCodePage(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (char32_t c : QStringView(text).toUcs4())
        out += toByte(c);
    return out;
}

QString fromCodePage(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        out += QChar(u >= 0x80 && u < 0xA0 ? HighControls[u - 0x80] : char16_t(u));
    }
    return out;
}

QByteArray encodeField(const QString &text, int width)
{
    if (width <= 0)
        return {};
    QByteArray out = toCodePage(text).left(width);
    out.append(width - out.size(), ' ');
    return out;
}

QString decodeField(QByteArrayView bytes)
{
    return fromCodePage(bytes);
}

QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.sliced(first, last - first);
}

} // namespace FixedText
