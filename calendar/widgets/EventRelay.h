#pragma once

#include "QtValues.h"

#include <QPointer>

// Raises a widget's signal for one of its control's events. The control's
// arguments are 16-bit integers and single-precision coordinates passed by
// reference; the signal's are int and qreal references, and what a slot
// connected directly leaves in them goes back to the control.
namespace EventRelay {

template <typename Widget>
void key(Widget *w, void (Widget::*signal)(int &, int &), short &keyCode, short &shift)
{
    int code = keyCode, state = shift;
    (w->*signal)(code, state);
    keyCode = QtValues::toInt16(code);
    shift = QtValues::toInt16(state);
}

template <typename Widget>
void keyPress(Widget *w, void (Widget::*signal)(int &), short &keyAscii)
{
    int ascii = keyAscii;
    (w->*signal)(ascii);
    keyAscii = QtValues::toInt16(ascii);
}

template <typename Widget>
void mouse(Widget *w, void (Widget::*signal)(int &, int &, qreal &, qreal &), short &button, short &shift, float &x, float &y)
{
    int b = button, s = shift;
    qreal px = x, py = y;
    (w->*signal)(b, s, px, py);
    button = QtValues::toInt16(b);
    shift = QtValues::toInt16(s);
    x = float(px);
    y = float(py);
}

} // namespace EventRelay
