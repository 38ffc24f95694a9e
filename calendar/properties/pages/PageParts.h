#pragma once

#include <QPixmap>
#include <QRect>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QWidget;
class NumericBox;
class PropertyPageWidget;

// Building blocks shared by the library's two pages: children placed in twips,
// the pages' font, the numeric boxes' leave test and the pages' icons.
namespace PageParts {

QRect twips(int left, int top, int width, int height);

// Arial 8.25 for the page and every child.
void usePageFont(QWidget *page);

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, QRect place);
QLabel *label(QWidget *parent, const char *name, const QString &caption, QRect place);
QComboBox *dropDownList(QWidget *parent, const char *name, QRect place);
// Widens a filled drop-down list so that its longest item shows whole in the
// box: to the right up to maxRight, then if need be to the left down to
// minLeft (both in its parent's coordinates).
void fitItems(QComboBox *list, int minLeft, int maxRight);
QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, QRect place);
QLabel *image(QWidget *parent, const char *name, const QPixmap &pixmap, QPoint topLeftTwips);

// What happens when the user leaves a numeric box: a text that passes the
// check and differs from *stored becomes the stored number and sets the
// page's changed flag; a text that fails shows "Invalid property value" /
// "Field Error", takes the focus back and puts the stored number back.
void watchNumber(PropertyPageWidget *page, NumericBox *box, int *stored, std::function<bool(const QString &)> check);

// 32 x 32 pictures drawn for the pages: a calendar sheet, and a calendar
// dropping from a button.
QPixmap calendarIcon();
QPixmap calendarButtonIcon();

} // namespace PageParts
