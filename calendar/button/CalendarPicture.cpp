#include "button/CalendarPicture.h"

namespace {

// A page of a wall calendar: red heading, white body with the days as dots.
const char *const CalendarXpm[] = {
    "20 20 5 1",
    "  c None",
    ". c #000000",
    "r c #C00000",
    "w c #FFFFFF",
    "g c #808080",
    "                    ",
    " .................. ",
    " .rrrrrrrrrrrrrrrr. ",
    " .rrrwrrrrrrrrwrrr. ",
    " .rrrrrrrrrrrrrrrr. ",
    " .................. ",
    " .wwwwwwwwwwwwwwww.g",
    " .w.w.w.w.w.w.w.ww.g",
    " .wwwwwwwwwwwwwwww.g",
    " .w.w.w.w.w.w.w.ww.g",
    " .wwwwwwwwwwwwwwww.g",
    " .w.w.w.w.w.w.w.ww.g",
    " .wwwwwwwwwwwwwwww.g",
    " .w.w.w.w.w.w.w.ww.g",
    " .wwwwwwwwwwwwwwww.g",
    " .w.w.w.w.wwwwwwww.g",
    " .wwwwwwwwwwwwwwww.g",
    " .wwwwwwwwwwwwwwww.g",
    " ..................g",
    "  gggggggggggggggggg",
};

} // namespace

StdPicturePtr calendarButtonPicture()
{
    static const StdPicturePtr picture = StdPicture::create(QImage(CalendarXpm));
    return picture;
}
