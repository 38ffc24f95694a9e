#pragma once

#include "core/ZVCalendar.h"
#include "platform/com/Variant.h"

#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <cstdint>

class PropertyBag;
class SSCommand;

// The drop-down calendar button: a 3-D button SSCommand1 filling the control
// and a month calendar ZVCalendar1 that a click on the button drops down onto
// the window holding the control (its top-left corner at the button's
// centre, see DropDownPlacement). A second click, a double click in the
// calendar, Enter or Esc in it, or the focus leaving button and calendar
// close it again. Enter and Esc end in the open calendar: the form it lies
// on never sees them.
//
// The calendar's properties are reached on calendar() (the object layer
// forwards them by dispatch identifier); calWidth and calHeight, the size the
// calendar drops down with, and the button's properties are here. Setters
// that validate throw PropertyError 380 before changing anything; every
// successful write emits propertyChanged(name), also those made on the
// calendar.
//
// Events are the signals below; the arguments of the calendar's and the
// button's key and mouse events are the very variables the child raised them
// with, so a handler's change reaches the child. Loading (InitProperties,
// ReadProperties) writes the children directly and emits propertyChanged
// only for the control's own writes among them.
class ZVCalButton : public QWidget
{
    Q_OBJECT
public:
    explicit ZVCalButton(QWidget *parent = nullptr);
    ~ZVCalButton() override;

    ZVCalendar *calendar() const { return m_calendar.data(); }
    SSCommand *button() const { return m_button; }
    bool isDroppedDown() const;

    // Calendar size in twips; a write resizes the calendar at once.
    std::int32_t calWidth() const { return m_calWidth; }
    void setCalWidth(std::int32_t twips);
    std::int32_t calHeight() const { return m_calHeight; }
    void setCalHeight(std::int32_t twips);

    std::int32_t hwnd() const;
    std::int32_t hDC() const { return 0; }

    // 0 none, 1 picture to button, 2 button to picture (the control follows).
    std::int32_t AutoSize() const;
    void setAutoSize(std::int32_t mode);
    std::int16_t BevelWidth() const;
    void setBevelWidth(std::int16_t width);
    QString Caption() const;
    void setCaption(const QString &caption);
    std::int32_t Font3D() const;
    void setFont3D(std::int32_t style);
    PictureRef MouseIcon() const;
    void setMouseIcon(PictureRef icon);
    std::int32_t MousePointer() const;
    void setMousePointer(std::int32_t pointer);
    bool Outline() const;
    void setOutline(bool on);
    PictureRef Picture() const;
    void setPicture(PictureRef picture);
    bool RoundedCorners() const;
    void setRoundedCorners(bool on);
    OLE_COLOR ForeColor() const;
    void setForeColor(OLE_COLOR colour);
    // Only the button is disabled; a disabled button cannot open the calendar.
    bool Enabled() const;
    void setEnabledProperty(bool enabled);
    // Held by reference; a null font is refused with 380.
    FontRef Font() const { return m_font; }
    void setFont(FontRef font);

    // Persistence hooks; errors of the calendar's setters pass through.
    void InitProperties();
    void ReadProperties(PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;
    void setAmbientFont(FontRef font);
    FontRef ambientFont() const;

    QSize sizeHint() const override;

signals:
    void MonthChanged();
    void ValueChanged();
    void YearChanged();
    void BtnClick();
    void BtnKeyDown(short &KeyCode, short &Shift);
    void BtnKeyPress(short &KeyAscii);
    void BtnKeyUp(short &KeyCode, short &Shift);
    void BtnMouseDown(short &Button, short &Shift, float &X, float &Y);
    void BtnMouseMove(short &Button, short &Shift, float &X, float &Y);
    void BtnMouseUp(short &Button, short &Shift, float &X, float &Y);
    void Click();
    void KeyDown(short &KeyCode, short &Shift);
    void KeyPress(short &KeyAscii);
    void KeyUp(short &KeyCode, short &Shift);
    void MouseDown(short &Button, short &Shift, float &X, float &Y);
    void MouseMove(short &Button, short &Shift, float &X, float &Y);
    void MouseUp(short &Button, short &Shift, float &X, float &Y);

    void propertyChanged(const QString &name);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SSCommand1_Click();
    void closeCalendar();
    void placeCalendar();
    void fitToButton();
    void applyFont();
    bool holdsFocusOf(const QWidget *widget) const;
    void connectCalendar();
    void connectButton();
    static bool isClosingKey(const QEvent *event);
    bool keepClosingKey(QEvent *event);

    SSCommand *m_button = nullptr;
    QPointer<ZVCalendar> m_calendar;
    std::int32_t m_calWidth = 3200;
    std::int32_t m_calHeight = 4000;
    FontRef m_font;
    FontRef m_ambient;
    QMetaObject::Connection m_fontWatch;
    // Set while the control itself writes the child (loading), whose change
    // notices then stay inside the control.
    bool m_writingChild = false;
};
