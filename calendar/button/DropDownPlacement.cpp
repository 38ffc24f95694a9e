#include "button/DropDownPlacement.h"

#include <cmath>

namespace DropDownPlacement {

QPoint origin(const Form &form, QPoint buttonOffset, QSize buttonSize, QSize calendarSize, int twipsPerPixel)
{
    int x = int(std::lround(form.scaleLeft + buttonSize.width() / 2.0 + double(buttonOffset.x()) * twipsPerPixel));
    int y = int(std::lround(form.scaleTop + buttonSize.height() / 2.0 + double(buttonOffset.y()) * twipsPerPixel));
    if (x + calendarSize.width() > form.scaleWidth) {
        x -= calendarSize.width();
        if (x < form.scaleLeft)
            x = form.scaleLeft;
    }
    if (y + calendarSize.height() > form.scaleHeight) {
        y -= calendarSize.height();
        if (y < form.scaleTop)
            y = form.scaleTop;
    }
    return {x, y};
}

} // namespace DropDownPlacement
