#pragma once

#include "platform/com/Variant.h"

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class PropertyBag;
class QComboBox;
class QFrame;
class QLineEdit;
class SSCommand;
class SSPanel;
class StdFont;

// The month calendar control: a title bar, a month-year row (text or month
// list with year box), up to four arrow buttons, seven day titles and 42 day
// cells, all real child widgets named after their roles.
//
// Properties: each has a getter named exactly as the property and, when it
// can be written, a setter named set<Property> (setCalValue, setCalMinYear,
// ...). The one exception is Enabled, which would clash with QWidget's own
// enabled state: Enabled() / setEnabledProperty(bool). The control widget
// itself stays enabled whatever Enabled says, so that it can still take the
// focus and answer its methods; Enabled governs its child widgets.
//
// Setters that validate throw PropertyError (380 "Invalid property value")
// before changing anything. Every successful setter emits
// propertyChanged(name) (except calHeight/calWidth) and leaves the display
// consistent before returning.
//
// Events are the signals ValueChanged .. MouseUp. Their arguments are
// references: a directly connected handler may change them, and where the
// control passes a child's own variable on, the change reaches that child.
class ZVCalendar : public QWidget
{
    Q_OBJECT
public:
    explicit ZVCalendar(QWidget *parent = nullptr);
    ~ZVCalendar() override;

    // Read-only and computed properties.
    QString calVersion() const;
    // The window-system identifier of the control's window (that of its
    // native ancestor while it has none of its own), truncated to 32 bits.
    std::int32_t hwnd() const;
    // Painting goes through QPainter; there is no device context, so 0.
    std::int32_t hDC() const;
    bool calLeapYear() const;
    std::int32_t calJulianDateValue() const;

    // Size in twips (15 to the pixel).
    std::int32_t calHeight() const;
    void setCalHeight(std::int32_t twips);
    std::int32_t calWidth() const;
    void setCalWidth(std::int32_t twips);

    DATE calValue() const;
    void setCalValue(DATE value);

    bool Enabled() const;
    void setEnabledProperty(bool enabled);

    bool calMouseSensitiveDate() const;
    void setCalMouseSensitiveDate(bool on);
    bool calOutline() const;
    void setCalOutline(bool on);
    std::int32_t calAppearance() const;          // 0 flat, 1 sunken, 2 raised
    void setCalAppearance(std::int32_t value);
    std::int32_t calAlignmentNum() const;        // 0 .. 8
    void setCalAlignmentNum(std::int32_t value);
    std::int32_t calAlignmentDayTitle() const;   // 0 .. 8
    void setCalAlignmentDayTitle(std::int32_t value);

    // Fonts are held by reference: the setter stores the caller's object.
    // A null reference is refused with 380.
    FontRef calFont() const;
    void setCalFont(FontRef font);
    FontRef calMonthYearTitleFont() const;
    void setCalMonthYearTitleFont(FontRef font);
    FontRef calScrollArrowsFont() const;
    void setCalScrollArrowsFont(FontRef font);

    std::int32_t calMonthTitle() const;          // 0 short, 1 long
    void setCalMonthTitle(std::int32_t value);
    std::int32_t calDayTitle() const;            // 0 short, 1 medium, 2 long
    void setCalDayTitle(std::int32_t value);
    QString calCaption() const;
    void setCalCaption(const QString &caption);
    bool calShowTitleBar() const;
    void setCalShowTitleBar(bool on);
    std::int32_t calMinYear() const;
    void setCalMinYear(std::int32_t year);
    std::int32_t calMaxYear() const;
    void setCalMaxYear(std::int32_t year);
    bool calShowDropdownMonth() const;
    void setCalShowDropdownMonth(bool on);
    std::int32_t calScrollArrowsPos() const;     // 0 none, 1 top, 2 month-year row, 3 bottom
    void setCalScrollArrowsPos(std::int32_t value);
    std::int32_t calFirstDayofWeek() const;      // 1 Sunday .. 7 Saturday
    void setCalFirstDayofWeek(std::int32_t value);

    // Colours are 0x00BBGGRR; setters clamp to 0 .. 0xFFFFFF.
    OLE_COLOR calSelectedDayBackColor() const;
    void setCalSelectedDayBackColor(OLE_COLOR colour);
    OLE_COLOR calSelectedDayForeColor() const;
    void setCalSelectedDayForeColor(OLE_COLOR colour);
    OLE_COLOR calCurrentDateBackColor() const;
    void setCalCurrentDateBackColor(OLE_COLOR colour);
    OLE_COLOR calCurrentDateForeColor() const;
    void setCalCurrentDateForeColor(OLE_COLOR colour);
    OLE_COLOR calCurrentMonthBackColor() const;
    void setCalCurrentMonthBackColor(OLE_COLOR colour);
    OLE_COLOR calCurrentMonthForeColor() const;
    void setCalCurrentMonthForeColor(OLE_COLOR colour);
    OLE_COLOR calCurrentMonthWeekendsBackColor() const;
    void setCalCurrentMonthWeekendsBackColor(OLE_COLOR colour);
    OLE_COLOR calCurrentMonthWeekendsForeColor() const;
    void setCalCurrentMonthWeekendsForeColor(OLE_COLOR colour);
    OLE_COLOR calPreviousMonthBackColor() const;
    void setCalPreviousMonthBackColor(OLE_COLOR colour);
    OLE_COLOR calPreviousMonthForeColor() const;
    void setCalPreviousMonthForeColor(OLE_COLOR colour);
    OLE_COLOR calNextMonthBackColor() const;
    void setCalNextMonthBackColor(OLE_COLOR colour);
    OLE_COLOR calNextMonthForeColor() const;
    void setCalNextMonthForeColor(OLE_COLOR colour);

    // Methods.
    void NextDay();
    void NextWeek();
    void NextMonth();
    void NextYear();
    void PreviousDay();
    void PreviousWeek();
    void PreviousMonth();
    void PreviousYear();
    void Refresh();

    // The thin dark border of a pop-up around the whole control, for a calendar
    // that drops down over a form; the grid lies inside it.
    void setPopupFrame(bool on);

    // Persistence hooks. The constructor already leaves the control as
    // InitProperties would; hosts still call one of the two first.
    void InitProperties();
    // Reads every key; a value the bag cannot convert propagates the bag's
    // error and leaves the control as it was before the call.
    void ReadProperties(PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    // The container's ambient font, the default written for the three font
    // keys. Without one, a default StdFont is used.
    void setAmbientFont(FontRef font);
    FontRef ambientFont() const;

    QSize sizeHint() const override;

signals:
    void ValueChanged();
    void MonthChanged();
    void YearChanged();
    void Click();
    void DblClick();
    void KeyDown(short &KeyCode, short &Shift);
    void KeyPress(short &KeyAscii);
    void KeyUp(short &KeyCode, short &Shift);
    void MouseDown(short &Button, short &Shift, float &X, float &Y);
    void MouseMove(short &Button, short &Shift, float &X, float &Y);
    void MouseUp(short &Button, short &Shift, float &X, float &Y);

    // The property-changed notification to the host, by property name.
    void propertyChanged(const QString &name);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Private;
    std::unique_ptr<Private> d;
    friend struct Private;
};
