#pragma once

#include <QPoint>
#include <QSize>

// Where the drop-down calendar of ZVCalButton opens, in the coordinates of the
// form that holds the button (twips): its top-left corner at the centre of the
// button, flipped to the left of / above that centre when it would pass the
// form's right / bottom edge, and then kept from starting before the form's
// scale origin.
namespace DropDownPlacement {

struct Form
{
    int scaleLeft = 0;   // twips
    int scaleTop = 0;
    int scaleWidth = 0;
    int scaleHeight = 0;
};

// buttonOffset: the button's client origin minus the form's, in pixels;
// buttonSize and calendarSize in twips.
QPoint origin(const Form &form, QPoint buttonOffset, QSize buttonSize, QSize calendarSize, int twipsPerPixel = 15);

} // namespace DropDownPlacement
