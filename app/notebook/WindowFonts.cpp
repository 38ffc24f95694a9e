#include "notebook/WindowFonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>

#include <algorithm>
#include <cmath>

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
    // The font list answers without loading a face just to read its name.
    if (!QFontDatabase::hasFamily(QStringLiteral("Impact"))) {
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
    const auto advance = [&text](const QFont &f) { return QFontMetricsF(f).horizontalAdvance(text); };
    if (advance(font) <= width)
        return font;
    // The narrow companions of the sans faces above, by their metrics the
    // narrowest the free font packages offer.
    const QStringList narrowFaces {QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("Liberation Sans Narrow"),
                                   QStringLiteral("DejaVu Sans Condensed")};
    QFont narrow = font;
    narrow.setFamilies(narrowFaces);
    // Without any of them, the sans face is drawn narrower. Asking the font
    // list, not resolving the font, spares loading a face only to learn its name.
    if (std::none_of(narrowFaces.begin(), narrowFaces.end(), [](const QString &f) { return QFontDatabase::hasFamily(f); }))
        narrow.setStretch(QFont::Condensed);
    // Text width grows with the point size, nearly in proportion: one
    // measurement at the full size gives the step to start from, and
    // hinting is allowed for by moving a step at a time from there to the
    // largest that fits. Every size tried loads a face, so the steps are few.
    constexpr qreal Step = 0.25;
    const qreal points = font.pointSizeF();
    const auto fitsAt = [&](qreal size) {
        narrow.setPointSizeF(size);
        return advance(narrow) <= width;
    };
    if (points > smallest) {
        const qreal wide = advance(narrow);
        const int last = static_cast<int>(std::ceil((points - smallest) / Step)) - 1; // the last step above smallest
        const auto sizeAt = [points](int steps) { return points - steps * Step; };
        int steps = std::clamp(static_cast<int>(std::ceil((points - points * width / wide) / Step)), 0, last);
        if (fitsAt(sizeAt(steps))) {
            while (steps > 0 && fitsAt(sizeAt(steps - 1)))
                --steps;
            narrow.setPointSizeF(sizeAt(steps));
            return narrow;
        }
        while (++steps <= last)
            if (fitsAt(sizeAt(steps)))
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
