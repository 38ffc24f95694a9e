#include "notebook/WindowFonts.h"

#include <QFontInfo>
#include <QStringList>

namespace {

QFont face(const QStringList &families, qreal points, QFont::StyleHint hint)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    return font;
}

} // namespace

namespace WindowFonts {

QFont title()
{
    QFont font = face({QStringLiteral("Impact"), QStringLiteral("Nimbus Sans Narrow"),
                       QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed")},
                      20, QFont::SansSerif);
    if (!QFontInfo(font).family().startsWith(QLatin1String("Impact"))) {
        font.setBold(true);
        font.setStretch(QFont::Condensed);
    }
    return font;
}

QFont description()
{
    return face({QStringLiteral("Times New Roman"), QStringLiteral("Nimbus Roman"),
                 QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")},
                9.75, QFont::Serif);
}

QFont noteText()
{
    return face({QStringLiteral("MS Sans Serif"),
                 QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
                9.75, QFont::SansSerif);
}

QFont smallSans(bool bold)
{
    QFont font = face({QStringLiteral("MS Sans Serif"),
                       QStringLiteral("Nimbus Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
                      8.25, QFont::SansSerif);
    font.setBold(bold);
    return font;
}

} // namespace WindowFonts
