#pragma once

#include "zvcal/ZVCal.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QWidget>

// A control of libZVCal.so placed on a form: created through the library's
// class factory, sited in this widget and filling it. The main properties are
// Qt properties, so that a form editor shows them and a form file sets them;
// each reads and writes the control by name.
class ZVCalDesignerControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString calCaption READ calCaption WRITE setCalCaption)
    Q_PROPERTY(QDate calValue READ calValue WRITE setCalValue)
    Q_PROPERTY(int calMinYear READ calMinYear WRITE setCalMinYear)
    Q_PROPERTY(int calMaxYear READ calMaxYear WRITE setCalMaxYear)
    Q_PROPERTY(FirstDayofWeek calFirstDayofWeek READ calFirstDayofWeek WRITE setCalFirstDayofWeek)
    Q_PROPERTY(Appearance calAppearance READ calAppearance WRITE setCalAppearance)
    Q_PROPERTY(ScrollArrowsPos calScrollArrowsPos READ calScrollArrowsPos WRITE setCalScrollArrowsPos)
    Q_PROPERTY(MonthTitle calMonthTitle READ calMonthTitle WRITE setCalMonthTitle)
    Q_PROPERTY(DayTitle calDayTitle READ calDayTitle WRITE setCalDayTitle)
    Q_PROPERTY(Alignment calAlignmentNum READ calAlignmentNum WRITE setCalAlignmentNum)
    Q_PROPERTY(Alignment calAlignmentDayTitle READ calAlignmentDayTitle WRITE setCalAlignmentDayTitle)
    Q_PROPERTY(bool calShowTitleBar READ calShowTitleBar WRITE setCalShowTitleBar)
    Q_PROPERTY(bool calOutline READ calOutline WRITE setCalOutline)
    Q_PROPERTY(bool calMouseSensitiveDate READ calMouseSensitiveDate WRITE setCalMouseSensitiveDate)
    Q_PROPERTY(bool calShowDropdownMonth READ calShowDropdownMonth WRITE setCalShowDropdownMonth)
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
    Q_PROPERTY(QFont calFont READ calFont WRITE setCalFont)
    Q_PROPERTY(QFont calMonthYearTitleFont READ calMonthYearTitleFont WRITE setCalMonthYearTitleFont)
    Q_PROPERTY(QFont calScrollArrowsFont READ calScrollArrowsFont WRITE setCalScrollArrowsFont)

public:
    enum FirstDayofWeek { ZORVcalSunday = 1, ZORVcalMonday, ZORVcalTuesday, ZORVcalWednesday, ZORVcalThursday, ZORVcalFriday, ZORVcalSaturday };
    Q_ENUM(FirstDayofWeek)
    enum Appearance { ZORVcalFlat, ZORVcalSunken, ZORVcalRaised };
    Q_ENUM(Appearance)
    enum ScrollArrowsPos { ZORVcalNoArrows, ZORVcalTop, ZORVcalMonthYear, ZORVcalBottom };
    Q_ENUM(ScrollArrowsPos)
    enum MonthTitle { ZORVcalMonthShort, ZORVcalMonthLong };
    Q_ENUM(MonthTitle)
    enum DayTitle { ZORVcalDayShort, ZORVcalDayMedium, ZORVcalDayLong };
    Q_ENUM(DayTitle)
    enum Alignment { ZORVcalLeftTop, ZORVcalLeftMiddle, ZORVcalLeftBottom, ZORVcalRightTop, ZORVcalRightMiddle, ZORVcalRightBottom,
                     ZORVcalCenterTop, ZORVcalCenterMiddle, ZORVcalCenterBottom };
    Q_ENUM(Alignment)

    ~ZVCalDesignerControl() override;

    IDispatch *dispatch() const { return m_dispatch.get(); }
    QSize sizeHint() const override { return m_defaultSize; }

    // The control's property dialog with the pages bound to its class.
    // True when the user left it with OK.
    bool editProperties();

    // A property by name, as a Qt value; an invalid value when it cannot be read.
    QVariant readProperty(const QString &name) const;
    // Writes by name; a value the control refuses is dropped (the editor then
    // shows the control's value again).
    void writeProperty(const QString &name, const QVariant &value);
    // Colours cross as 0x00BBGGRR; a system colour reads as what it shows now.
    QColor readColor(const QString &name) const;
    void writeColor(const QString &name, const QColor &color);
    QFont readFont(const QString &name) const { return readProperty(name).value<QFont>(); }

    QString calCaption() const { return readProperty(QStringLiteral("calCaption")).toString(); }
    void setCalCaption(const QString &v) { writeProperty(QStringLiteral("calCaption"), v); }
    QDate calValue() const { return readProperty(QStringLiteral("calValue")).toDate(); }
    void setCalValue(const QDate &v) { writeProperty(QStringLiteral("calValue"), v); }
    int calMinYear() const { return readProperty(QStringLiteral("calMinYear")).toInt(); }
    void setCalMinYear(int v) { writeProperty(QStringLiteral("calMinYear"), v); }
    int calMaxYear() const { return readProperty(QStringLiteral("calMaxYear")).toInt(); }
    void setCalMaxYear(int v) { writeProperty(QStringLiteral("calMaxYear"), v); }
    FirstDayofWeek calFirstDayofWeek() const { return FirstDayofWeek(readProperty(QStringLiteral("calFirstDayofWeek")).toInt()); }
    void setCalFirstDayofWeek(FirstDayofWeek v) { writeProperty(QStringLiteral("calFirstDayofWeek"), int(v)); }
    Appearance calAppearance() const { return Appearance(readProperty(QStringLiteral("calAppearance")).toInt()); }
    void setCalAppearance(Appearance v) { writeProperty(QStringLiteral("calAppearance"), int(v)); }
    ScrollArrowsPos calScrollArrowsPos() const { return ScrollArrowsPos(readProperty(QStringLiteral("calScrollArrowsPos")).toInt()); }
    void setCalScrollArrowsPos(ScrollArrowsPos v) { writeProperty(QStringLiteral("calScrollArrowsPos"), int(v)); }
    MonthTitle calMonthTitle() const { return MonthTitle(readProperty(QStringLiteral("calMonthTitle")).toInt()); }
    void setCalMonthTitle(MonthTitle v) { writeProperty(QStringLiteral("calMonthTitle"), int(v)); }
    DayTitle calDayTitle() const { return DayTitle(readProperty(QStringLiteral("calDayTitle")).toInt()); }
    void setCalDayTitle(DayTitle v) { writeProperty(QStringLiteral("calDayTitle"), int(v)); }
    Alignment calAlignmentNum() const { return Alignment(readProperty(QStringLiteral("calAlignmentNum")).toInt()); }
    void setCalAlignmentNum(Alignment v) { writeProperty(QStringLiteral("calAlignmentNum"), int(v)); }
    Alignment calAlignmentDayTitle() const { return Alignment(readProperty(QStringLiteral("calAlignmentDayTitle")).toInt()); }
    void setCalAlignmentDayTitle(Alignment v) { writeProperty(QStringLiteral("calAlignmentDayTitle"), int(v)); }
    bool calShowTitleBar() const { return readProperty(QStringLiteral("calShowTitleBar")).toBool(); }
    void setCalShowTitleBar(bool v) { writeProperty(QStringLiteral("calShowTitleBar"), v); }
    bool calOutline() const { return readProperty(QStringLiteral("calOutline")).toBool(); }
    void setCalOutline(bool v) { writeProperty(QStringLiteral("calOutline"), v); }
    bool calMouseSensitiveDate() const { return readProperty(QStringLiteral("calMouseSensitiveDate")).toBool(); }
    void setCalMouseSensitiveDate(bool v) { writeProperty(QStringLiteral("calMouseSensitiveDate"), v); }
    bool calShowDropdownMonth() const { return readProperty(QStringLiteral("calShowDropdownMonth")).toBool(); }
    void setCalShowDropdownMonth(bool v) { writeProperty(QStringLiteral("calShowDropdownMonth"), v); }
    QColor calSelectedDayBackColor() const { return readColor(QStringLiteral("calSelectedDayBackColor")); }
    void setCalSelectedDayBackColor(const QColor &v) { writeColor(QStringLiteral("calSelectedDayBackColor"), v); }
    QColor calSelectedDayForeColor() const { return readColor(QStringLiteral("calSelectedDayForeColor")); }
    void setCalSelectedDayForeColor(const QColor &v) { writeColor(QStringLiteral("calSelectedDayForeColor"), v); }
    QColor calCurrentDateBackColor() const { return readColor(QStringLiteral("calCurrentDateBackColor")); }
    void setCalCurrentDateBackColor(const QColor &v) { writeColor(QStringLiteral("calCurrentDateBackColor"), v); }
    QColor calCurrentDateForeColor() const { return readColor(QStringLiteral("calCurrentDateForeColor")); }
    void setCalCurrentDateForeColor(const QColor &v) { writeColor(QStringLiteral("calCurrentDateForeColor"), v); }
    QColor calCurrentMonthBackColor() const { return readColor(QStringLiteral("calCurrentMonthBackColor")); }
    void setCalCurrentMonthBackColor(const QColor &v) { writeColor(QStringLiteral("calCurrentMonthBackColor"), v); }
    QColor calCurrentMonthForeColor() const { return readColor(QStringLiteral("calCurrentMonthForeColor")); }
    void setCalCurrentMonthForeColor(const QColor &v) { writeColor(QStringLiteral("calCurrentMonthForeColor"), v); }
    QColor calCurrentMonthWeekendsBackColor() const { return readColor(QStringLiteral("calCurrentMonthWeekendsBackColor")); }
    void setCalCurrentMonthWeekendsBackColor(const QColor &v) { writeColor(QStringLiteral("calCurrentMonthWeekendsBackColor"), v); }
    QColor calCurrentMonthWeekendsForeColor() const { return readColor(QStringLiteral("calCurrentMonthWeekendsForeColor")); }
    void setCalCurrentMonthWeekendsForeColor(const QColor &v) { writeColor(QStringLiteral("calCurrentMonthWeekendsForeColor"), v); }
    QColor calPreviousMonthBackColor() const { return readColor(QStringLiteral("calPreviousMonthBackColor")); }
    void setCalPreviousMonthBackColor(const QColor &v) { writeColor(QStringLiteral("calPreviousMonthBackColor"), v); }
    QColor calPreviousMonthForeColor() const { return readColor(QStringLiteral("calPreviousMonthForeColor")); }
    void setCalPreviousMonthForeColor(const QColor &v) { writeColor(QStringLiteral("calPreviousMonthForeColor"), v); }
    QColor calNextMonthBackColor() const { return readColor(QStringLiteral("calNextMonthBackColor")); }
    void setCalNextMonthBackColor(const QColor &v) { writeColor(QStringLiteral("calNextMonthBackColor"), v); }
    QColor calNextMonthForeColor() const { return readColor(QStringLiteral("calNextMonthForeColor")); }
    void setCalNextMonthForeColor(const QColor &v) { writeColor(QStringLiteral("calNextMonthForeColor"), v); }
    QFont calFont() const { return readFont(QStringLiteral("calFont")); }
    void setCalFont(const QFont &v) { writeProperty(QStringLiteral("calFont"), v); }
    QFont calMonthYearTitleFont() const { return readFont(QStringLiteral("calMonthYearTitleFont")); }
    void setCalMonthYearTitleFont(const QFont &v) { writeProperty(QStringLiteral("calMonthYearTitleFont"), v); }
    QFont calScrollArrowsFont() const { return readFont(QStringLiteral("calScrollArrowsFont")); }
    void setCalScrollArrowsFont(const QFont &v) { writeProperty(QStringLiteral("calScrollArrowsFont"), v); }

protected:
    ZVCalDesignerControl(const Guid &clsid, QSize defaultSize, QWidget *parent);
    void resizeEvent(QResizeEvent *event) override;

private:
    ComPtr<IDispatch> m_dispatch;
    ComPtr<IControl> m_control;
    QWidget *m_widget = nullptr;
    QSize m_defaultSize;
};

// The month calendar on a form.
class ZVCalendar : public ZVCalDesignerControl
{
    Q_OBJECT

public:
    explicit ZVCalendar(QWidget *parent = nullptr);
};

// The drop-down calendar button on a form, with its own button properties.
class ZVCalButton : public ZVCalDesignerControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(AutoSizeMode AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(int Font3D READ font3D WRITE setFont3D)
    Q_PROPERTY(int MousePointer READ mousePointer WRITE setMousePointer)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(bool Outline READ outline WRITE setOutline)
    Q_PROPERTY(bool RoundedCorners READ roundedCorners WRITE setRoundedCorners)
    Q_PROPERTY(bool Enabled READ controlEnabled WRITE setControlEnabled)
    Q_PROPERTY(QColor ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QFont Font READ buttonFont WRITE setButtonFont)

public:
    enum AutoSizeMode { ZORVbtnNone, ZORVbtnPictureToButton, ZORVbtnButtonToPicture };
    Q_ENUM(AutoSizeMode)

    explicit ZVCalButton(QWidget *parent = nullptr);

    QString caption() const { return readProperty(QStringLiteral("Caption")).toString(); }
    void setCaption(const QString &v) { writeProperty(QStringLiteral("Caption"), v); }
    AutoSizeMode autoSize() const { return AutoSizeMode(readProperty(QStringLiteral("AutoSize")).toInt()); }
    void setAutoSize(AutoSizeMode v) { writeProperty(QStringLiteral("AutoSize"), int(v)); }
    int font3D() const { return readProperty(QStringLiteral("Font3D")).toInt(); }
    void setFont3D(int v) { writeProperty(QStringLiteral("Font3D"), v); }
    int mousePointer() const { return readProperty(QStringLiteral("MousePointer")).toInt(); }
    void setMousePointer(int v) { writeProperty(QStringLiteral("MousePointer"), v); }
    int bevelWidth() const { return readProperty(QStringLiteral("BevelWidth")).toInt(); }
    void setBevelWidth(int v) { writeProperty(QStringLiteral("BevelWidth"), v); }
    bool outline() const { return readProperty(QStringLiteral("Outline")).toBool(); }
    void setOutline(bool v) { writeProperty(QStringLiteral("Outline"), v); }
    bool roundedCorners() const { return readProperty(QStringLiteral("RoundedCorners")).toBool(); }
    void setRoundedCorners(bool v) { writeProperty(QStringLiteral("RoundedCorners"), v); }
    // The control's own Enabled, not the form widget's: the form editor keeps
    // its widgets enabled while the saved value still reaches the control.
    bool controlEnabled() const { return readProperty(QStringLiteral("Enabled")).toBool(); }
    void setControlEnabled(bool v) { writeProperty(QStringLiteral("Enabled"), v); }
    QColor foreColor() const { return readColor(QStringLiteral("ForeColor")); }
    void setForeColor(const QColor &v) { writeColor(QStringLiteral("ForeColor"), v); }
    QFont buttonFont() const { return readFont(QStringLiteral("Font")); }
    void setButtonFont(const QFont &v) { writeProperty(QStringLiteral("Font"), v); }
};
