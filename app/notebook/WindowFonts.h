#pragma once

#include <QFont>

class QString;
class QWidget;

// The faces the windows were designed with, each falling back to a close
// relative that is installed when the original is not.
namespace WindowFonts {

QFont title();          // Impact; else a bold condensed sans
QFont description();    // Times New Roman; else a serif
QFont noteText();       // MS Sans Serif 9.75 pt; else a sans of that size
QFont smallSans(bool bold); // 8.25 pt sans

// The font, narrowed until text fits in width pixels: first a condensed
// face of the same size, then that face a quarter point smaller at a time,
// down to smallest (the text may still be wider there).
QFont fitted(const QFont &font, const QString &text, int width, qreal smallest = 6);

// What a one-line text box keeps of its width for the text (frame, margins
// and caret).
int textRoom(const QWidget *box);

} // namespace WindowFonts
