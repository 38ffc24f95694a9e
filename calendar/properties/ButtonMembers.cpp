#include "properties/ButtonMembers.h"

#include "button/ZVCalButton.h"
#include "core/ZVCalendar.h"
#include "properties/CalendarMembers.h"
#include "zvcal/ZVCalDispIds.h"

namespace zvcal {

Variant getButtonProperty(const ZVCalButton &button, DISPID id)
{
    switch (id) {
    case dispid::calWidth: return Variant(button.calWidth());
    case dispid::calHeight: return Variant(button.calHeight());
    case dispid::hwnd: return Variant(button.hwnd());
    case dispid::hDC: return Variant(button.hDC());
    case dispid::btnAutoSize: return Variant(button.AutoSize());
    case dispid::btnBevelWidth: return Variant(button.BevelWidth());
    case dispid::btnCaption: return Variant(button.Caption());
    case dispid::btnFont3D: return Variant(button.Font3D());
    case dispid::btnMouseIcon: return Variant(button.MouseIcon());
    case dispid::btnMousePointer: return Variant(button.MousePointer());
    case dispid::btnOutline: return Variant(button.Outline());
    case dispid::btnPicture: return Variant(button.Picture());
    case dispid::btnRoundedCorners: return Variant(button.RoundedCorners());
    case dispid::btnForeColor: return Variant(button.ForeColor());
    case dispid::btnEnabled: return Variant(button.Enabled());
    case dispid::btnFont: return Variant(button.Font());
    default: return getCalendarProperty(*button.calendar(), id);
    }
}

void putButtonProperty(ZVCalButton &button, DISPID id, const Variant &value)
{
    switch (id) {
    case dispid::calWidth: button.setCalWidth(value.toInt32()); return;
    case dispid::calHeight: button.setCalHeight(value.toInt32()); return;
    case dispid::btnAutoSize: button.setAutoSize(value.toInt32()); return;
    case dispid::btnBevelWidth: button.setBevelWidth(value.toInt16()); return;
    case dispid::btnCaption: button.setCaption(value.toString()); return;
    case dispid::btnFont3D: button.setFont3D(value.toInt32()); return;
    case dispid::btnMouseIcon: button.setMouseIcon(value.toPicture()); return;
    case dispid::btnMousePointer: button.setMousePointer(value.toInt32()); return;
    case dispid::btnOutline: button.setOutline(value.toBool()); return;
    case dispid::btnPicture: button.setPicture(value.toPicture()); return;
    case dispid::btnRoundedCorners: button.setRoundedCorners(value.toBool()); return;
    case dispid::btnForeColor: button.setForeColor(value.toInt32()); return;
    case dispid::btnEnabled: button.setEnabledProperty(value.toBool()); return;
    case dispid::btnFont: button.setFont(value.toFont()); return;
    default: putCalendarProperty(*button.calendar(), id, value); return;
    }
}

} // namespace zvcal
