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

// A new picture each time: one kept for the life of the library would count
// as a live object for ever, and a host could still hold it after unloading.
StdPicturePtr calendarButtonPicture()
{
    return StdPicture::create(QImage(CalendarXpm));
}
