#include "notebook/WindowFonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>

#include <algorithm>

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

QFont fitted(const QFont &font, const QString &text, int width, qreal smallest)
{
    const auto fits = [&text, width](const QFont &f) { return QFontMetricsF(f).horizontalAdvance(text) <= width; };
    if (fits(font))
        return font;
    // The narrow companions of the sans faces above, by their metrics the
    // narrowest the free font packages offer.
    const QStringList narrowFaces {QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("Liberation Sans Narrow"),
                                   QStringLiteral("DejaVu Sans Condensed")};
    QFont narrow = font;
    narrow.setFamilies(narrowFaces);
    // Without any of them, the sans face is drawn narrower.
    const QString found = QFontInfo(narrow).family();
    if (std::none_of(narrowFaces.begin(), narrowFaces.end(), [&found](const QString &f) { return found.startsWith(f); }))
        narrow.setStretch(QFont::Condensed);
    for (qreal points = font.pointSizeF(); points > smallest; points -= 0.25) {
        narrow.setPointSizeF(points);
        if (fits(narrow))
            return narrow;
    }
    narrow.setPointSizeF(smallest);
    return narrow;
}

int textRoom(const QWidget *box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    // The line edit's own margin of 2 pixels a side, and a pixel for the caret.
    return box->width() - 2 * frame - 2 * 2 - 1;
}

} // namespace WindowFonts
