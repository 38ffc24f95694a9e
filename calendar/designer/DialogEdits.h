#pragma once

#include <QVariantMap>

class QWidget;

// What the property dialog of a control on a form changed, as the form's
// property values, so that the form editor can take each one over.
namespace DialogEdits {

// The values a form keeps of the widget, by property name: its own stored,
// designable, writable properties, and its enabled state and font. Pictures
// are left out: a form keeps a picture as the file or resource it names, and
// a picture chosen on the dialog's Picture page names none.
QVariantMap formValues(const QWidget *widget);

// Opens the widget's property dialog and returns the form values it changed,
// whichever button closed it: what Apply wrote before a Cancel stays written.
QVariantMap editInDialog(QWidget *widget, QWidget *dialogParent);

} // namespace DialogEdits
