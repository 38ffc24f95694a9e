#pragma once

#include <QEvent>
#include <functional>

class QWidget;

// Runs handler when widget gets a left-button click (MouseButtonRelease) or
// double click (MouseButtonDblClick): for controls whose Qt class has no
// signal for it, such as a picture's click or a text box's double click. The
// widget keeps handling the event as usual.
void onLeftMouse(QWidget *widget, QEvent::Type type, std::function<void()> handler);
