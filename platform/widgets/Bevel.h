#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// The drawing shared by the 3-D panel and button.
namespace BevelPaint {

// The classic 3-D edge colours.
QColor shadowColor();
QColor highlightColor();

// `rect` shrunk by `width` on every side, never of negative size.
QRect shrink(const QRect &rect, int width);

// One-pixel rings from the outside in, `width` of them, each with its top and
// left edge in `topLeft` and its bottom and right edge in `bottomRight`. Stops
// when the rectangle is used up, so any size (0 included) is safe.
void drawRings(QPainter &painter, const QRect &rect, int width, const QColor &topLeft, const QColor &bottomRight);

// An inset (sunken) or raised bevel of `width` pixels.
void drawInset(QPainter &painter, const QRect &rect, int width);
void drawRaised(QPainter &painter, const QRect &rect, int width);

} // namespace BevelPaint
