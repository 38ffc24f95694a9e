#pragma once

#include <QString>

class QWidget;

// What assistive technology sees of the platform widgets: SSCommand as a push
// button with a press action, SSPanel as the text it shows, UpDown as a spin
// control with its value and range, and a combo box named after its label
// rather than after the entry it shows.
namespace WidgetAccessibility {

// Registers the interfaces with Qt's accessibility; once per program, any
// number of calls.
void install();

// Tells assistive technology that the caption a widget is named after has
// changed.
void captionChanged(QWidget *widget);

// The text of a caption as a name: mnemonic markers taken out, spaces at the
// ends trimmed.
QString nameFromCaption(const QString &caption);

} // namespace WidgetAccessibility
