#pragma once

#include "zvcal/ZVCal.h"

#include <QDate>
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
};
