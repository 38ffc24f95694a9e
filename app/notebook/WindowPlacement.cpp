#include "notebook/WindowPlacement.h"

#include <algorithm>

namespace WindowPlacement {

namespace {

constexpr int Gap = 4;

// Moved by the least amount that puts the window whole on the screen; a
// window larger than the screen keeps its top-left corner on it.
QPoint keptOnScreen(QPoint at, const QSize &window, const QRect &screen)
{
    at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - window.width())));
    at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - window.height())));
    return at;
}

} // namespace

QPoint besideWindow(const QRect &owner, const QSize &window, const QRect &screen)
{
    QPoint at(owner.right() + 1 + Gap, owner.top());
    if (at.x() + window.width() > screen.right() + 1) {
        at.setX(owner.left() - Gap - window.width());
        if (at.x() < screen.left())
            at = owner.topLeft() + QPoint(Gap, Gap) * 4;
    }
    return keptOnScreen(at, window, screen);
}

QPoint underControl(const QRect &control, const QSize &window, const QRect &screen)
{
    QPoint at(control.left(), control.bottom() + 1);
    if (at.y() + window.height() > screen.bottom() + 1)
        at.setY(control.top() - window.height());
    return keptOnScreen(at, window, screen);
}

} // namespace WindowPlacement
