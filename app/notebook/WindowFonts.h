#pragma once

#include <QFont>

// The faces the windows were designed with, each falling back to a close
// relative that is installed when the original is not.
namespace WindowFonts {

QFont title();          // Impact; else a bold condensed sans
QFont description();    // Times New Roman; else a serif
QFont noteText();       // MS Sans Serif 9.75 pt; else a sans of that size
QFont smallSans(bool bold); // 8.25 pt sans

} // namespace WindowFonts
