#include "platform/com/Guid.h"

namespace {

bool hexValue(QChar c, int &out)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') out = u - u'0';
    else if (u >= u'a' && u <= u'f') out = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F') out = u - u'A' + 10;
    else return false;
    return true;
}

} // namespace

std::optional<Guid> Guid::parse(const QString &text)
{
    QString t = text.trimmed();
    if (t.startsWith(u'{') != t.endsWith(u'}'))
        return std::nullopt;
    if (t.startsWith(u'{'))
        t = t.mid(1, t.size() - 2);
    // 8-4-4-4-12 hexadecimal digits.
    if (t.size() != 36 || t[8] != u'-' || t[13] != u'-' || t[18] != u'-' || t[23] != u'-')
        return std::nullopt;
    std::array<std::uint8_t, 16> bytes {};
    int n = 0;
    for (int i = 0; i < t.size(); i += 2) {
        if (t[i] == u'-') {
            --i;
            continue;
        }
        int hi = 0, lo = 0;
        if (i + 1 >= t.size() || !hexValue(t[i], hi) || !hexValue(t[i + 1], lo))
            return std::nullopt;
        bytes[n++] = std::uint8_t(hi * 16 + lo);
    }
    if (n != 16)
        return std::nullopt;
    Guid g;
    g.data1 = (std::uint32_t(bytes[0]) << 24) | (std::uint32_t(bytes[1]) << 16) | (std::uint32_t(bytes[2]) << 8) | bytes[3];
    g.data2 = std::uint16_t((bytes[4] << 8) | bytes[5]);
    g.data3 = std::uint16_t((bytes[6] << 8) | bytes[7]);
    for (int i = 0; i < 8; ++i)
        g.data4[i] = bytes[8 + i];
    return g;
}

QString Guid::toString() const
{
    QString s = QStringLiteral("{%1-%2-%3-").arg(data1, 8, 16, QChar(u'0')).arg(data2, 4, 16, QChar(u'0')).arg(data3, 4, 16, QChar(u'0'));
    for (int i = 0; i < 8; ++i) {
        if (i == 2)
            s += u'-';
        s += QStringLiteral("%1").arg(data4[i], 2, 16, QChar(u'0'));
    }
    s += u'}';
    return s.toUpper();
}
