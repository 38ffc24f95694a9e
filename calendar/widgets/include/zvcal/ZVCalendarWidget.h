#pragma once

#include "zvcal/ZVCalWidgetsGlobal.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QWidget>
#include <memory>

class ControlBinding;

// The month calendar ZVCalendar as a Qt widget. The control is made through
// libZVCal.so's class factory and fills this widget; its properties are Qt
// properties under their documented names and its events are signals.
//
// A value the control refuses (error 380 for an out-of-range setting) is not
// stored: the property keeps its old value and propertyRefused() says which
// property, with the control's error number and text.
//
// Key and mouse arguments are passed by reference: a slot connected directly
// may change them, and the calendar sees the change (KeyAscii = 0 swallows a
// key). Key codes, Shift states and buttons are the library's numbers; X and Y
// are in twips.
class ZVCAL_WIDGETS_EXPORT ZVCalendarWidget : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString calVersion READ calVersion STORED false DESIGNABLE false)
    Q_PROPERTY(int hwnd READ hwnd STORED false DESIGNABLE false)
    Q_PROPERTY(int hDC READ hDC STORED false DESIGNABLE false)
    // The widget's own size in twips; the form keeps the geometry instead.
    Q_PROPERTY(int calHeight READ calHeight WRITE setCalHeight STORED false DESIGNABLE false)
    Q_PROPERTY(int calWidth READ calWidth WRITE setCalWidth STORED false DESIGNABLE false)
    Q_PROPERTY(bool calLeapYear READ calLeapYear STORED false DESIGNABLE false)
    Q_PROPERTY(QDate calValue READ calValue WRITE setCalValue)
    Q_PROPERTY(int calJulianDateValue READ calJulianDateValue STORED false DESIGNABLE false)
    // The control's Enabled is the widget's enabled; this is its documented name.
    Q_PROPERTY(bool Enabled READ isControlEnabled WRITE setEnabled STORED false DESIGNABLE false)
    Q_PROPERTY(bool calMouseSensitiveDate READ calMouseSensitiveDate WRITE setCalMouseSensitiveDate)
    Q_PROPERTY(bool calOutline READ calOutline WRITE setCalOutline)
    Q_PROPERTY(enumCALAppearance calAppearance READ calAppearance WRITE setCalAppearance)
    Q_PROPERTY(enumCALAlignment calAlignmentNum READ calAlignmentNum WRITE setCalAlignmentNum)
    Q_PROPERTY(enumCALAlignment calAlignmentDayTitle READ calAlignmentDayTitle WRITE setCalAlignmentDayTitle)
    Q_PROPERTY(QFont calFont READ calFont WRITE setCalFont)
    Q_PROPERTY(QFont calMonthYearTitleFont READ calMonthYearTitleFont WRITE setCalMonthYearTitleFont)
    Q_PROPERTY(QFont calScrollArrowsFont READ calScrollArrowsFont WRITE setCalScrollArrowsFont)
    Q_PROPERTY(enumCALMonthTitle calMonthTitle READ calMonthTitle WRITE setCalMonthTitle)
    Q_PROPERTY(enumCALDayTitle calDayTitle READ calDayTitle WRITE setCalDayTitle)
    Q_PROPERTY(QString calCaption READ calCaption WRITE setCalCaption)
    Q_PROPERTY(bool calShowTitleBar READ calShowTitleBar WRITE setCalShowTitleBar)
    Q_PROPERTY(int calMinYear READ calMinYear WRITE setCalMinYear)
    Q_PROPERTY(int calMaxYear READ calMaxYear WRITE setCalMaxYear)
    Q_PROPERTY(bool calShowDropdownMonth READ calShowDropdownMonth WRITE setCalShowDropdownMonth)
    Q_PROPERTY(enumCALScrollArrowsPos calScrollArrowsPos READ calScrollArrowsPos WRITE setCalScrollArrowsPos)
    Q_PROPERTY(enumCALFirstDayofWeek calFirstDayofWeek READ calFirstDayofWeek WRITE setCalFirstDayofWeek)
    Q_PROPERTY(QColor calSelectedDayBackColor READ calSelectedDayBackColor WRITE setCalSelectedDayBackColor)
    Q_PROPERTY(QColor calSelectedDayForeColor READ calSelectedDayForeColor WRITE setCalSelectedDayForeColor)
    Q_PROPERTY(QColor calCurrentDateBackColor READ calCurrentDateBackColor WRITE setCalCurrentDateBackColor)
    Q_PROPERTY(QColor calCurrentDateForeColor READ calCurrentDateForeColor WRITE setCalCurrentDateForeColor)
    Q_PROPERTY(QColor calCurrentMonthBackColor READ calCurrentMonthBackColor WRITE setCalCurrentMonthBackColor)
    Q_PROPERTY(QColor calCurrentMonthForeColor READ calCurrentMonthForeColor WRITE setCalCurrentMonthForeColor)
    Q_PROPERTY(QColor calCurrentMonthWeekendsBackColor READ calCurrentMonthWeekendsBackColor WRITE setCalCurrentMonthWeekendsBackColor)
    Q_PROPERTY(QColor calCurrentMonthWeekendsForeColor READ calCurrentMonthWeekendsForeColor WRITE setCalCurrentMonthWeekendsForeColor)
    Q_PROPERTY(QColor calPreviousMonthBackColor READ calPreviousMonthBackColor WRITE setCalPreviousMonthBackColor)
    Q_PROPERTY(QColor calPreviousMonthForeColor READ calPreviousMonthForeColor WRITE setCalPreviousMonthForeColor)
    Q_PROPERTY(QColor calNextMonthBackColor READ calNextMonthBackColor WRITE setCalNextMonthBackColor)
    Q_PROPERTY(QColor calNextMonthForeColor READ calNextMonthForeColor WRITE setCalNextMonthForeColor)

public:
    // The library's enumerations, values as documented. Each holds any int,
    // so that a value out of range reaches the control, which refuses it.
    enum enumCALFirstDayofWeek : int {
        ZORVcalSunday = 1, ZORVcalMonday = 2, ZORVcalTuesday = 3, ZORVcalWednesday = 4,
        ZORVcalThursday = 5, ZORVcalFriday = 6, ZORVcalSaturday = 7,
    };
    Q_ENUM(enumCALFirstDayofWeek)
    enum enumCALAppearance : int { ZORVcalFlat = 0, ZORVcalSunken = 1, ZORVcalRaised = 2 };
    Q_ENUM(enumCALAppearance)
    // Published with the others; no property takes it.
    enum enumCALSize : int { ZORVcalSmall = 0, ZORVcalMedium = 1, ZORVcalLarge = 2 };
    Q_ENUM(enumCALSize)
    enum enumCALScrollArrowsPos : int { ZORVcalNoArrows = 0, ZORVcalTop = 1, ZORVcalMonthYear = 2, ZORVcalBottom = 3 };
    Q_ENUM(enumCALScrollArrowsPos)
    enum enumCALMonthTitle : int { ZORVcalMonthShort = 0, ZORVcalMonthLong = 1 };
    Q_ENUM(enumCALMonthTitle)
    enum enumCALDayTitle : int { ZORVcalDayShort = 0, ZORVcalDayMedium = 1, ZORVcalDayLong = 2 };
    Q_ENUM(enumCALDayTitle)
    enum enumCALAlignment : int {
        ZORVcalLeftTop = 0, ZORVcalLeftMiddle = 1, ZORVcalLeftBottom = 2,
        ZORVcalRightTop = 3, ZORVcalRightMiddle = 4, ZORVcalRightBottom = 5,
        ZORVcalCenterTop = 6, ZORVcalCenterMiddle = 7, ZORVcalCenterBottom = 8,
    };
    Q_ENUM(enumCALAlignment)

    // Makes a new control (as newly placed: today's date, the documented
    // defaults) and sites it in this widget.
    explicit ZVCalendarWidget(QWidget *parent = nullptr);
    ~ZVCalendarWidget() override;

    QSize sizeHint() const override;

    // The control's property dialog: its pages ("Calendar", then Color, Font
    // and Picture) as tabs over this control. True when it was left with OK;
    // what Apply wrote stays written either way.
    bool showPropertyDialog(QWidget *parent = nullptr);

    QString calVersion() const;
    int hwnd() const;
    int hDC() const;
    int calHeight() const;
    void setCalHeight(int twips);
    int calWidth() const;
    void setCalWidth(int twips);
    bool calLeapYear() const;
    QDate calValue() const;
    void setCalValue(const QDate &value);
    int calJulianDateValue() const;
    bool isControlEnabled() const;
    bool calMouseSensitiveDate() const;
    void setCalMouseSensitiveDate(bool on);
    bool calOutline() const;
    void setCalOutline(bool on);
    enumCALAppearance calAppearance() const;
    void setCalAppearance(enumCALAppearance value);
    enumCALAlignment calAlignmentNum() const;
    void setCalAlignmentNum(enumCALAlignment value);
    enumCALAlignment calAlignmentDayTitle() const;
    void setCalAlignmentDayTitle(enumCALAlignment value);
    QFont calFont() const;
    void setCalFont(const QFont &font);
    QFont calMonthYearTitleFont() const;
    void setCalMonthYearTitleFont(const QFont &font);
    QFont calScrollArrowsFont() const;
    void setCalScrollArrowsFont(const QFont &font);
    enumCALMonthTitle calMonthTitle() const;
    void setCalMonthTitle(enumCALMonthTitle value);
    enumCALDayTitle calDayTitle() const;
    void setCalDayTitle(enumCALDayTitle value);
    QString calCaption() const;
    void setCalCaption(const QString &caption);
    bool calShowTitleBar() const;
    void setCalShowTitleBar(bool on);
    int calMinYear() const;
    void setCalMinYear(int year);
    int calMaxYear() const;
    void setCalMaxYear(int year);
    bool calShowDropdownMonth() const;
    void setCalShowDropdownMonth(bool on);
    enumCALScrollArrowsPos calScrollArrowsPos() const;
    void setCalScrollArrowsPos(enumCALScrollArrowsPos value);
    enumCALFirstDayofWeek calFirstDayofWeek() const;
    void setCalFirstDayofWeek(enumCALFirstDayofWeek value);
    QColor calSelectedDayBackColor() const;
    void setCalSelectedDayBackColor(const QColor &color);
    QColor calSelectedDayForeColor() const;
    void setCalSelectedDayForeColor(const QColor &color);
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
    QColor calPreviousMonthBackColor() const;
    void setCalPreviousMonthBackColor(const QColor &color);
    QColor calPreviousMonthForeColor() const;
    void setCalPreviousMonthForeColor(const QColor &color);
    QColor calNextMonthBackColor() const;
    void setCalNextMonthBackColor(const QColor &color);
    QColor calNextMonthForeColor() const;
    void setCalNextMonthForeColor(const QColor &color);

public slots:
    // The control's methods: redraw and raise the change events, and step
    // the date within calMinYear .. calMaxYear.
    void Refresh();
    void NextDay();
    void NextMonth();
    void NextYear();
    void NextWeek();
    void PreviousDay();
    void PreviousWeek();
    void PreviousMonth();
    void PreviousYear();

signals:
    void MonthChanged();
    // The control raises it with no arguments; the new date comes along.
    void ValueChanged(const QDate &calValue = QDate());
    void YearChanged();
    void Click();
    void DblClick();
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
