#include "platform/widgets/Bevel.h"

#include <QPainter>
#include <algorithm>

namespace BevelPaint {

QColor shadowColor()
{
    return QColor(0x80, 0x80, 0x80);
}

QColor highlightColor()
{
    return QColor(0xFF, 0xFF, 0xFF);
}

QRect shrink(const QRect &rect, int width)
{
    const int w = std::max(0, rect.width() - 2 * width);
    const int h = std::max(0, rect.height() - 2 * width);
    return QRect(rect.x() + std::min(width, rect.width() / 2), rect.y() + std::min(width, rect.height() / 2), w, h);
}

void drawRings(QPainter &painter, const QRect &rect, int width, const QColor &topLeft, const QColor &bottomRight)
{
    QRect r = rect;
    for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
        // Bottom and right first, so that a one-pixel strip shows the top-left
        // colour where both edges fall on the same pixels.
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
        r = shrink(r, 1);
    }
}

void drawInset(QPainter &painter, const QRect &rect, int width)
{
    drawRings(painter, rect, width, shadowColor(), highlightColor());
}

void drawRaised(QPainter &painter, const QRect &rect, int width)
{
    drawRings(painter, rect, width, highlightColor(), shadowColor());
}

} // namespace BevelPaint
