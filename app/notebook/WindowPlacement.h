#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a small window opens near what it belongs to, always whole on the
// screen's available area. All rectangles are in screen pixels; a window's
// size is its frame's.
namespace WindowPlacement {

// Right of the owner window, tops aligned; left of it when the right has no
// room; over it when neither side has.
QPoint besideWindow(const QRect &owner, const QSize &window, const QRect &screen);
// Under a control, left edges aligned; above it when there is no room below.
QPoint underControl(const QRect &control, const QSize &window, const QRect &screen);

} // namespace WindowPlacement
