#pragma once

#include "zvcal/ZVCalendarWidget.h"
#include "zvcal/ZVCalWidgetsGlobal.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QPixmap>
#include <QWidget>
#include <memory>

class ControlBinding;

// The drop-down calendar button ZVCalButton as a Qt widget: a 3-D button
// that drops a month calendar down onto the window that holds it. The control
// is made through libZVCal.so's class factory and fills this widget; its
// properties are Qt properties under their documented names (the calendar's
// with ZVCalendarWidget's enumerations) and its events are signals.
//
// The button's Enabled and Font are the widget's enabled and font; they are
// also reachable under those documented names. A value the control refuses
// is not stored: the property keeps its old value and propertyRefused() says
// which property, with the control's error number and text.
//
// Key and mouse arguments are passed by reference: a slot connected directly
// may change them, and the child that raised the event sees the change.
class ZVCAL_WIDGETS_EXPORT ZVCalButtonWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int calWidth READ calWidth WRITE setCalWidth)
    Q_PROPERTY(enumBTNAutoSize AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(ZVCalendarWidget::enumCALAlignment calAlignmentDayTitle READ calAlignmentDayTitle WRITE setCalAlignmentDayTitle)
    Q_PROPERTY(ZVCalendarWidget::enumCALAlignment calAlignmentNum READ calAlignmentNum WRITE setCalAlignmentNum)
    Q_PROPERTY(ZVCalendarWidget::enumCALAppearance calAppearance READ calAppearance WRITE setCalAppearance)
    Q_PROPERTY(QString calCaption READ calCaption WRITE setCalCaption)
    Q_PROPERTY(QColor calCurrentDateBackColor READ calCurrentDateBackColor WRITE setCalCurrentDateBackColor)
    Q_PROPERTY(QColor calCurrentDateForeColor READ calCurrentDateForeColor WRITE setCalCurrentDateForeColor)
    Q_PROPERTY(QColor calCurrentMonthBackColor READ calCurrentMonthBackColor WRITE setCalCurrentMonthBackColor)
    Q_PROPERTY(QColor calCurrentMonthForeColor READ calCurrentMonthForeColor WRITE setCalCurrentMonthForeColor)
    Q_PROPERTY(QColor calCurrentMonthWeekendsBackColor READ calCurrentMonthWeekendsBackColor WRITE setCalCurrentMonthWeekendsBackColor)
    Q_PROPERTY(QColor calCurrentMonthWeekendsForeColor READ calCurrentMonthWeekendsForeColor WRITE setCalCurrentMonthWeekendsForeColor)
    Q_PROPERTY(ZVCalendarWidget::enumCALDayTitle calDayTitle READ calDayTitle WRITE setCalDayTitle)
    Q_PROPERTY(ZVCalendarWidget::enumCALFirstDayofWeek calFirstDayofWeek READ calFirstDayofWeek WRITE setCalFirstDayofWeek)
    Q_PROPERTY(QFont calFont READ calFont WRITE setCalFont)
    Q_PROPERTY(int calJulianDateValue READ calJulianDateValue STORED false DESIGNABLE false)
    Q_PROPERTY(bool calLeapYear READ calLeapYear STORED false DESIGNABLE false)
    Q_PROPERTY(int calMaxYear READ calMaxYear WRITE setCalMaxYear)
    Q_PROPERTY(int calMinYear READ calMinYear WRITE setCalMinYear)
    Q_PROPERTY(ZVCalendarWidget::enumCALMonthTitle calMonthTitle READ calMonthTitle WRITE setCalMonthTitle)
    Q_PROPERTY(QFont calMonthYearTitleFont READ calMonthYearTitleFont WRITE setCalMonthYearTitleFont)
    Q_PROPERTY(bool calMouseSensitiveDate READ calMouseSensitiveDate WRITE setCalMouseSensitiveDate)
    Q_PROPERTY(QColor calNextMonthBackColor READ calNextMonthBackColor WRITE setCalNextMonthBackColor)
    Q_PROPERTY(QColor calNextMonthForeColor READ calNextMonthForeColor WRITE setCalNextMonthForeColor)
    Q_PROPERTY(bool calOutline READ calOutline WRITE setCalOutline)
    Q_PROPERTY(QColor calPreviousMonthBackColor READ calPreviousMonthBackColor WRITE setCalPreviousMonthBackColor)
    Q_PROPERTY(QColor calPreviousMonthForeColor READ calPreviousMonthForeColor WRITE setCalPreviousMonthForeColor)
    Q_PROPERTY(QFont calScrollArrowsFont READ calScrollArrowsFont WRITE setCalScrollArrowsFont)
    Q_PROPERTY(ZVCalendarWidget::enumCALScrollArrowsPos calScrollArrowsPos READ calScrollArrowsPos WRITE setCalScrollArrowsPos)
    Q_PROPERTY(QColor calSelectedDayBackColor READ calSelectedDayBackColor WRITE setCalSelectedDayBackColor)
    Q_PROPERTY(QColor calSelectedDayForeColor READ calSelectedDayForeColor WRITE setCalSelectedDayForeColor)
    Q_PROPERTY(bool calShowDropdownMonth READ calShowDropdownMonth WRITE setCalShowDropdownMonth)
    Q_PROPERTY(bool calShowTitleBar READ calShowTitleBar WRITE setCalShowTitleBar)
    Q_PROPERTY(QDate calValue READ calValue WRITE setCalValue)
    Q_PROPERTY(QString calVersion READ calVersion STORED false DESIGNABLE false)
    Q_PROPERTY(int hwnd READ hwnd STORED false DESIGNABLE false)
    Q_PROPERTY(int hDC READ hDC STORED false DESIGNABLE false)
    Q_PROPERTY(int calHeight READ calHeight WRITE setCalHeight)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(Font3DStyle Font3D READ font3D WRITE setFont3D)
    Q_PROPERTY(QPixmap MouseIcon READ mouseIcon WRITE setMouseIcon)
    Q_PROPERTY(MousePointerShape MousePointer READ mousePointer WRITE setMousePointer)
    Q_PROPERTY(bool Outline READ outline WRITE setOutline)
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)
    Q_PROPERTY(bool RoundedCorners READ roundedCorners WRITE setRoundedCorners)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(bool Enabled READ isControlEnabled WRITE setEnabled STORED false DESIGNABLE false)
    Q_PROPERTY(QFont Font READ font WRITE setFont STORED false DESIGNABLE false)

public:
    enum enumBTNAutoSize : int { ZORVbtnNone = 0, ZORVbtnPictureToButton = 1, ZORVbtnButtonToPicture = 2 };
    Q_ENUM(enumBTNAutoSize)
    // The 3-D button's text effects and mouse pointers, in the order of the
    // Button page's lists.
    enum Font3DStyle : int { Font3DNone = 0, RaisedLightShading = 1, RaisedHeavyShading = 2, InsetLightShading = 3, InsetHeavyShading = 4 };
    Q_ENUM(Font3DStyle)
    enum MousePointerShape : int {
        PointerDefault = 0, PointerArrow = 1, PointerCross = 2, PointerIBeam = 3, PointerIcon = 4,
        PointerSize = 5, PointerSizeNESW = 6, PointerSizeNS = 7, PointerSizeNWSE = 8, PointerSizeWE = 9,
        PointerUpArrow = 10, PointerHourglass = 11, PointerNoDrop = 12, PointerArrowHourglass = 13,
        PointerArrowQuestion = 14, PointerSizeAll = 15, PointerCustom = 99,
    };
    Q_ENUM(MousePointerShape)

    // Makes a new control (as newly placed: the calendar picture, Arial 8.25,
    // a 3200 x 4000 twips calendar showing today) and sites it in this widget.
    explicit ZVCalButtonWidget(QWidget *parent = nullptr);
    ~ZVCalButtonWidget() override;

    QSize sizeHint() const override;

    // The control's property dialog: its pages ("Button", "Calendar", then
    // Font, Color and Picture) as tabs over this control. True when it was
    // left with OK; what Apply wrote stays written either way.
    bool showPropertyDialog(QWidget *parent = nullptr);

    bool isControlEnabled() const;
    int calWidth() const;
    void setCalWidth(int twips);
    enumBTNAutoSize autoSize() const;
    void setAutoSize(enumBTNAutoSize value);
    ZVCalendarWidget::enumCALAlignment calAlignmentDayTitle() const;
    void setCalAlignmentDayTitle(ZVCalendarWidget::enumCALAlignment value);
    ZVCalendarWidget::enumCALAlignment calAlignmentNum() const;
    void setCalAlignmentNum(ZVCalendarWidget::enumCALAlignment value);
    ZVCalendarWidget::enumCALAppearance calAppearance() const;
    void setCalAppearance(ZVCalendarWidget::enumCALAppearance value);
    QString calCaption() const;
    void setCalCaption(const QString &caption);
    QColor calCurrentDateBackColor() const;
    void setCalCurrentDateBackColor(const QColor &color);
    QColor calCurrentDateForeColor() const;
    void setCalCurrentDateForeColor(const QColor &color);
    QColor calCurrentMonthBackColor() const;
    void setCalCurrentMonthBackColor(const QColor &color);
    QColor calCurrentMonthForeColor() const;
    void setCalCurrentMonthForeColor(const QColor &color);
    QColor calCurrentMonthWeekendsBackColor() const;
    void setCalCurrentMonthWeekendsBackColor(const QColor &color);
    QColor calCurrentMonthWeekendsForeColor() const;
    void setCalCurrentMonthWeekendsForeColor(const QColor &color);
    ZVCalendarWidget::enumCALDayTitle calDayTitle() const;
    void setCalDayTitle(ZVCalendarWidget::enumCALDayTitle value);
    ZVCalendarWidget::enumCALFirstDayofWeek calFirstDayofWeek() const;
    void setCalFirstDayofWeek(ZVCalendarWidget::enumCALFirstDayofWeek value);
    QFont calFont() const;
    void setCalFont(const QFont &font);
    int calJulianDateValue() const;
    bool calLeapYear() const;
    int calMaxYear() const;
    void setCalMaxYear(int year);
    int calMinYear() const;
    void setCalMinYear(int year);
    ZVCalendarWidget::enumCALMonthTitle calMonthTitle() const;
    void setCalMonthTitle(ZVCalendarWidget::enumCALMonthTitle value);
    QFont calMonthYearTitleFont() const;
    void setCalMonthYearTitleFont(const QFont &font);
    bool calMouseSensitiveDate() const;
    void setCalMouseSensitiveDate(bool on);
    QColor calNextMonthBackColor() const;
    void setCalNextMonthBackColor(const QColor &color);
    QColor calNextMonthForeColor() const;
    void setCalNextMonthForeColor(const QColor &color);
    bool calOutline() const;
    void setCalOutline(bool on);
    QColor calPreviousMonthBackColor() const;
    void setCalPreviousMonthBackColor(const QColor &color);
    QColor calPreviousMonthForeColor() const;
    void setCalPreviousMonthForeColor(const QColor &color);
    QFont calScrollArrowsFont() const;
    void setCalScrollArrowsFont(const QFont &font);
    ZVCalendarWidget::enumCALScrollArrowsPos calScrollArrowsPos() const;
    void setCalScrollArrowsPos(ZVCalendarWidget::enumCALScrollArrowsPos value);
    QColor calSelectedDayBackColor() const;
    void setCalSelectedDayBackColor(const QColor &color);
    QColor calSelectedDayForeColor() const;
    void setCalSelectedDayForeColor(const QColor &color);
    bool calShowDropdownMonth() const;
    void setCalShowDropdownMonth(bool on);
    bool calShowTitleBar() const;
    void setCalShowTitleBar(bool on);
    QDate calValue() const;
    void setCalValue(const QDate &value);
    QString calVersion() const;
    int hwnd() const;
    int hDC() const;
    int calHeight() const;
    void setCalHeight(int twips);
    int bevelWidth() const;
    void setBevelWidth(int width);
    QString caption() const;
    void setCaption(const QString &caption);
    Font3DStyle font3D() const;
    void setFont3D(Font3DStyle style);
    QPixmap mouseIcon() const;
    void setMouseIcon(const QPixmap &icon);
    MousePointerShape mousePointer() const;
    void setMousePointer(MousePointerShape pointer);
    bool outline() const;
    void setOutline(bool on);
    QPixmap picture() const;
    void setPicture(const QPixmap &picture);
    bool roundedCorners() const;
    void setRoundedCorners(bool on);
    QColor foreColor() const;
    void setForeColor(const QColor &color);

signals:
    void MonthChanged();
    // The control raises it with no arguments; the new date comes along.
    void ValueChanged(const QDate &calValue = QDate());
    void YearChanged();
    void BtnClick();
    void BtnKeyDown(int &KeyCode, int &Shift);
    void BtnKeyPress(int &KeyAscii);
    void BtnKeyUp(int &KeyCode, int &Shift);
    void BtnMouseDown(int &Button, int &Shift, qreal &X, qreal &Y);
    void BtnMouseMove(int &Button, int &Shift, qreal &X, qreal &Y);
    void BtnMouseUp(int &Button, int &Shift, qreal &X, qreal &Y);
    void Click();
    void KeyDown(int &KeyCode, int &Shift);
    void KeyPress(int &KeyAscii);
    void KeyUp(int &KeyCode, int &Shift);
    void MouseDown(int &Button, int &Shift, qreal &X, qreal &Y);
    void MouseMove(int &Button, int &Shift, qreal &X, qreal &Y);
    void MouseUp(int &Button, int &Shift, qreal &X, qreal &Y);

    // A write the control refused; the property kept its value.
    void propertyRefused(const QString &propertyName, int errorNumber, const QString &errorText);

private:
    std::unique_ptr<ControlBinding> d;
};
