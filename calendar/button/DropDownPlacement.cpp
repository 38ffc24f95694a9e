#include "button/DropDownPlacement.h"

#include <cmath>
#include <cstdint>

namespace DropDownPlacement {

namespace {

// One axis of the rule. Sums are taken in 64 bits: a host may hand calWidth or
// calHeight any 32-bit value, and the sum of that and the centre must not wrap.
int place(int scaleStart, int scaleExtent, double centre, int calendarExtent)
{
    std::int64_t at = std::llround(centre);
    if (at + calendarExtent > scaleExtent) {
        at -= calendarExtent;
        if (at < scaleStart)
            at = scaleStart;
    }
    return int(at);
}

} // namespace

QPoint origin(const Form &form, QPoint buttonOffset, QSize buttonSize, QSize calendarSize, int twipsPerPixel)
{
    const double x = form.scaleLeft + buttonSize.width() / 2.0 + double(buttonOffset.x()) * twipsPerPixel;
    const double y = form.scaleTop + buttonSize.height() / 2.0 + double(buttonOffset.y()) * twipsPerPixel;
    return {place(form.scaleLeft, form.scaleWidth, x, calendarSize.width()),
            place(form.scaleTop, form.scaleHeight, y, calendarSize.height())};
}

} // namespace DropDownPlacement
