#pragma once

#include "zvcal/ZVCalDispIds.h"
#include "zvcal/ZVCalEnums.h"
#include "zvcal/ZVCalIds.h"

#include "platform/com/ControlSite.h"
#include "platform/com/Dispatch.h"

#include <QString>
#include <utility>

// The typed interfaces of the ZORVCalendar controls, for hosts that bind early.
// Each member answers S_OK or a failure code; a property setter that refuses a
// value answers CTL_E_INVALIDPROPERTYVALUE, and ISupportErrorInfo on the same
// object then gives the number (380) and the text. Booleans are VARIANT_BOOL
// (true is -1), dates are DATE serials, colours 0x00BBGGRR.

// The default interface of ZVCalendar, members in the library's order.
struct _ZVCalendar : IDispatch
{
    virtual HRESULT get_calVersion(QString *value) = 0;
    virtual HRESULT get_hwnd(LONG *value) = 0;
    virtual HRESULT get_hDC(LONG *value) = 0;
    virtual HRESULT get_calHeight(LONG *value) = 0;
    virtual HRESULT put_calHeight(LONG value) = 0;
    virtual HRESULT get_calWidth(LONG *value) = 0;
    virtual HRESULT put_calWidth(LONG value) = 0;
    virtual HRESULT get_calLeapYear(VARIANT_BOOL *value) = 0;
    virtual HRESULT get_calValue(DATE *value) = 0;
    virtual HRESULT put_calValue(DATE value) = 0;
    virtual HRESULT get_calJulianDateValue(LONG *value) = 0;
    virtual HRESULT get_Enabled(VARIANT_BOOL *value) = 0;
    virtual HRESULT put_Enabled(VARIANT_BOOL value) = 0;
    virtual HRESULT get_calMouseSensitiveDate(VARIANT_BOOL *value) = 0;
    virtual HRESULT put_calMouseSensitiveDate(VARIANT_BOOL value) = 0;
    virtual HRESULT get_calOutline(VARIANT_BOOL *value) = 0;
    virtual HRESULT put_calOutline(VARIANT_BOOL value) = 0;
    virtual HRESULT get_calAppearance(zvcal::enumCALAppearance *value) = 0;
    virtual HRESULT put_calAppearance(zvcal::enumCALAppearance value) = 0;
    virtual HRESULT get_calAlignmentNum(zvcal::enumCALAlignment *value) = 0;
    virtual HRESULT put_calAlignmentNum(zvcal::enumCALAlignment value) = 0;
    virtual HRESULT get_calAlignmentDayTitle(zvcal::enumCALAlignment *value) = 0;
    virtual HRESULT put_calAlignmentDayTitle(zvcal::enumCALAlignment value) = 0;
    virtual HRESULT get_calFont(FontRef *value) = 0;
    virtual HRESULT putref_calFont(FontRef value) = 0;
    virtual HRESULT get_calMonthYearTitleFont(FontRef *value) = 0;
    virtual HRESULT putref_calMonthYearTitleFont(FontRef value) = 0;
    virtual HRESULT get_calScrollArrowsFont(FontRef *value) = 0;
    virtual HRESULT putref_calScrollArrowsFont(FontRef value) = 0;
    virtual HRESULT get_calMonthTitle(zvcal::enumCALMonthTitle *value) = 0;
    virtual HRESULT put_calMonthTitle(zvcal::enumCALMonthTitle value) = 0;
    virtual HRESULT get_calDayTitle(zvcal::enumCALDayTitle *value) = 0;
    virtual HRESULT put_calDayTitle(zvcal::enumCALDayTitle value) = 0;
    virtual HRESULT get_calCaption(QString *value) = 0;
    virtual HRESULT put_calCaption(const QString &value) = 0;
    virtual HRESULT get_calShowTitleBar(VARIANT_BOOL *value) = 0;
    virtual HRESULT put_calShowTitleBar(VARIANT_BOOL value) = 0;
    virtual HRESULT get_calMinYear(LONG *value) = 0;
    virtual HRESULT put_calMinYear(LONG value) = 0;
    virtual HRESULT get_calMaxYear(LONG *value) = 0;
    virtual HRESULT put_calMaxYear(LONG value) = 0;
    virtual HRESULT Refresh() = 0;
    virtual HRESULT get_calShowDropdownMonth(VARIANT_BOOL *value) = 0;
    virtual HRESULT put_calShowDropdownMonth(VARIANT_BOOL value) = 0;
    virtual HRESULT get_calScrollArrowsPos(zvcal::enumCALScrollArrowsPos *value) = 0;
    virtual HRESULT put_calScrollArrowsPos(zvcal::enumCALScrollArrowsPos value) = 0;
    virtual HRESULT get_calFirstDayofWeek(zvcal::enumCALFirstDayofWeek *value) = 0;
    virtual HRESULT put_calFirstDayofWeek(zvcal::enumCALFirstDayofWeek value) = 0;
    virtual HRESULT get_calSelectedDayBackColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calSelectedDayBackColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calSelectedDayForeColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calSelectedDayForeColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calCurrentDateBackColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calCurrentDateBackColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calCurrentDateForeColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calCurrentDateForeColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calCurrentMonthBackColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calCurrentMonthBackColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calCurrentMonthForeColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calCurrentMonthForeColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calCurrentMonthWeekendsBackColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calCurrentMonthWeekendsBackColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calCurrentMonthWeekendsForeColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calCurrentMonthWeekendsForeColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calPreviousMonthBackColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calPreviousMonthBackColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calPreviousMonthForeColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calPreviousMonthForeColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calNextMonthBackColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calNextMonthBackColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calNextMonthForeColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calNextMonthForeColor(OLE_COLOR value) = 0;
    virtual HRESULT NextDay() = 0;
    virtual HRESULT NextMonth() = 0;
    virtual HRESULT NextYear() = 0;
    virtual HRESULT NextWeek() = 0;
    virtual HRESULT PreviousDay() = 0;
    virtual HRESULT PreviousWeek() = 0;
    virtual HRESULT PreviousMonth() = 0;
    virtual HRESULT PreviousYear() = 0;

protected:
    ~_ZVCalendar() = default;
};

// The default interface of ZVCalButton, members in the library's order.
// Font3D and MousePointer take the values of the 3-D controls' enumerations.
struct _ZVCalButton : IDispatch
{
    virtual HRESULT get_calWidth(LONG *value) = 0;
    virtual HRESULT put_calWidth(LONG value) = 0;
    virtual HRESULT get_AutoSize(zvcal::enumBTNAutoSize *value) = 0;
    virtual HRESULT put_AutoSize(zvcal::enumBTNAutoSize value) = 0;
    virtual HRESULT get_calAlignmentDayTitle(zvcal::enumCALAlignment *value) = 0;
    virtual HRESULT put_calAlignmentDayTitle(zvcal::enumCALAlignment value) = 0;
    virtual HRESULT get_calAlignmentNum(zvcal::enumCALAlignment *value) = 0;
    virtual HRESULT put_calAlignmentNum(zvcal::enumCALAlignment value) = 0;
    virtual HRESULT get_calAppearance(zvcal::enumCALAppearance *value) = 0;
    virtual HRESULT put_calAppearance(zvcal::enumCALAppearance value) = 0;
    virtual HRESULT get_calCaption(QString *value) = 0;
    virtual HRESULT put_calCaption(const QString &value) = 0;
    virtual HRESULT get_calCurrentDateBackColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calCurrentDateBackColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calCurrentDateForeColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calCurrentDateForeColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calCurrentMonthBackColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calCurrentMonthBackColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calCurrentMonthForeColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calCurrentMonthForeColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calCurrentMonthWeekendsBackColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calCurrentMonthWeekendsBackColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calCurrentMonthWeekendsForeColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calCurrentMonthWeekendsForeColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calDayTitle(zvcal::enumCALDayTitle *value) = 0;
    virtual HRESULT put_calDayTitle(zvcal::enumCALDayTitle value) = 0;
    virtual HRESULT get_calFirstDayofWeek(zvcal::enumCALFirstDayofWeek *value) = 0;
    virtual HRESULT put_calFirstDayofWeek(zvcal::enumCALFirstDayofWeek value) = 0;
    virtual HRESULT get_calFont(FontRef *value) = 0;
    virtual HRESULT putref_calFont(FontRef value) = 0;
    virtual HRESULT get_calJulianDateValue(LONG *value) = 0;
    virtual HRESULT get_calLeapYear(VARIANT_BOOL *value) = 0;
    virtual HRESULT get_calMaxYear(LONG *value) = 0;
    virtual HRESULT put_calMaxYear(LONG value) = 0;
    virtual HRESULT get_calMinYear(LONG *value) = 0;
    virtual HRESULT put_calMinYear(LONG value) = 0;
    virtual HRESULT get_calMonthTitle(zvcal::enumCALMonthTitle *value) = 0;
    virtual HRESULT put_calMonthTitle(zvcal::enumCALMonthTitle value) = 0;
    virtual HRESULT get_calMonthYearTitleFont(FontRef *value) = 0;
    virtual HRESULT putref_calMonthYearTitleFont(FontRef value) = 0;
    virtual HRESULT get_calMouseSensitiveDate(VARIANT_BOOL *value) = 0;
    virtual HRESULT put_calMouseSensitiveDate(VARIANT_BOOL value) = 0;
    virtual HRESULT get_calNextMonthBackColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calNextMonthBackColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calNextMonthForeColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calNextMonthForeColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calOutline(VARIANT_BOOL *value) = 0;
    virtual HRESULT put_calOutline(VARIANT_BOOL value) = 0;
    virtual HRESULT get_calPreviousMonthBackColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calPreviousMonthBackColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calPreviousMonthForeColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calPreviousMonthForeColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calScrollArrowsFont(FontRef *value) = 0;
    virtual HRESULT putref_calScrollArrowsFont(FontRef value) = 0;
    virtual HRESULT get_calScrollArrowsPos(zvcal::enumCALScrollArrowsPos *value) = 0;
    virtual HRESULT put_calScrollArrowsPos(zvcal::enumCALScrollArrowsPos value) = 0;
    virtual HRESULT get_calSelectedDayBackColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calSelectedDayBackColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calSelectedDayForeColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_calSelectedDayForeColor(OLE_COLOR value) = 0;
    virtual HRESULT get_calShowDropdownMonth(VARIANT_BOOL *value) = 0;
    virtual HRESULT put_calShowDropdownMonth(VARIANT_BOOL value) = 0;
    virtual HRESULT get_calShowTitleBar(VARIANT_BOOL *value) = 0;
    virtual HRESULT put_calShowTitleBar(VARIANT_BOOL value) = 0;
    virtual HRESULT get_calValue(DATE *value) = 0;
    virtual HRESULT put_calValue(DATE value) = 0;
    virtual HRESULT get_calVersion(QString *value) = 0;
    virtual HRESULT get_hwnd(LONG *value) = 0;
    virtual HRESULT get_hDC(LONG *value) = 0;
    virtual HRESULT get_calHeight(LONG *value) = 0;
    virtual HRESULT put_calHeight(LONG value) = 0;
    virtual HRESULT get_BevelWidth(std::int16_t *value) = 0;
    virtual HRESULT put_BevelWidth(std::int16_t value) = 0;
    virtual HRESULT get_Caption(QString *value) = 0;
    virtual HRESULT put_Caption(const QString &value) = 0;
    virtual HRESULT get_Font3D(LONG *value) = 0;
    virtual HRESULT put_Font3D(LONG value) = 0;
    virtual HRESULT get_MouseIcon(PictureRef *value) = 0;
    virtual HRESULT putref_MouseIcon(PictureRef value) = 0;
    virtual HRESULT get_MousePointer(LONG *value) = 0;
    virtual HRESULT put_MousePointer(LONG value) = 0;
    virtual HRESULT get_Outline(VARIANT_BOOL *value) = 0;
    virtual HRESULT put_Outline(VARIANT_BOOL value) = 0;
    virtual HRESULT get_Picture(PictureRef *value) = 0;
    virtual HRESULT putref_Picture(PictureRef value) = 0;
    virtual HRESULT get_RoundedCorners(VARIANT_BOOL *value) = 0;
    virtual HRESULT put_RoundedCorners(VARIANT_BOOL value) = 0;
    virtual HRESULT get_ForeColor(OLE_COLOR *value) = 0;
    virtual HRESULT put_ForeColor(OLE_COLOR value) = 0;
    virtual HRESULT get_Enabled(VARIANT_BOOL *value) = 0;
    virtual HRESULT put_Enabled(VARIANT_BOOL value) = 0;
    virtual HRESULT get_Font(FontRef *value) = 0;
    virtual HRESULT putref_Font(FontRef value) = 0;

protected:
    ~_ZVCalButton() = default;
};

// The events of ZVCalendar. A host derives from this, overrides the events it
// wants (arguments are by reference: a handler may change them) and adds the
// IUnknown part; the control raises events through Invoke.
struct __ZVCalendar : IDispatch
{
    virtual void MonthChanged() {}
    virtual void ValueChanged() {}
    virtual void YearChanged() {}
    virtual void Click() {}
    virtual void DblClick() {}
    virtual void KeyDown(short &KeyCode, short &Shift) { Q_UNUSED(KeyCode); Q_UNUSED(Shift); }
    virtual void KeyPress(short &KeyAscii) { Q_UNUSED(KeyAscii); }
    virtual void KeyUp(short &KeyCode, short &Shift) { Q_UNUSED(KeyCode); Q_UNUSED(Shift); }
    virtual void MouseDown(short &Button, short &Shift, float &X, float &Y) { Q_UNUSED(Button); Q_UNUSED(Shift); Q_UNUSED(X); Q_UNUSED(Y); }
    virtual void MouseMove(short &Button, short &Shift, float &X, float &Y) { Q_UNUSED(Button); Q_UNUSED(Shift); Q_UNUSED(X); Q_UNUSED(Y); }
    virtual void MouseUp(short &Button, short &Shift, float &X, float &Y) { Q_UNUSED(Button); Q_UNUSED(Shift); Q_UNUSED(X); Q_UNUSED(Y); }

    HRESULT GetIDsOfNames(const QString &name, DISPID *id) override
    {
        static const std::pair<const char *, DISPID> events[] = {{"MonthChanged", zvcal::dispid::calendarEvent::MonthChanged}, {"ValueChanged", zvcal::dispid::calendarEvent::ValueChanged}, {"YearChanged", zvcal::dispid::calendarEvent::YearChanged}, {"Click", zvcal::dispid::calendarEvent::Click}, {"DblClick", zvcal::dispid::calendarEvent::DblClick}, {"KeyDown", zvcal::dispid::calendarEvent::KeyDown}, {"KeyPress", zvcal::dispid::calendarEvent::KeyPress}, {"KeyUp", zvcal::dispid::calendarEvent::KeyUp}, {"MouseDown", zvcal::dispid::calendarEvent::MouseDown}, {"MouseMove", zvcal::dispid::calendarEvent::MouseMove}, {"MouseUp", zvcal::dispid::calendarEvent::MouseUp}};
        if (!id) return E_POINTER;
        for (const auto &[event, number] : events)
            if (name.compare(QLatin1String(event), Qt::CaseInsensitive) == 0) {
                *id = number;
                return S_OK;
            }
        *id = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }

    HRESULT Invoke(DISPID id, std::uint16_t kind, QList<Variant> &args, Variant *result, ExcepInfo *excep) override
    {
        Q_UNUSED(kind);
        Q_UNUSED(result);
        Q_UNUSED(excep);
        switch (id) {
        case zvcal::dispid::calendarEvent::MonthChanged: MonthChanged(); return S_OK;
        case zvcal::dispid::calendarEvent::ValueChanged: ValueChanged(); return S_OK;
        case zvcal::dispid::calendarEvent::YearChanged: YearChanged(); return S_OK;
        case zvcal::dispid::calendarEvent::Click: Click(); return S_OK;
        case zvcal::dispid::calendarEvent::DblClick: DblClick(); return S_OK;
        case zvcal::dispid::calendarEvent::KeyDown: {
            if (args.size() != 2) return DISP_E_BADPARAMCOUNT;
            short KeyCode = args[0].toInt16();
            short Shift = args[1].toInt16();
            KeyDown(KeyCode, Shift);
            args[0] = Variant(std::int16_t(KeyCode));
            args[1] = Variant(std::int16_t(Shift));
            return S_OK;
        }
        case zvcal::dispid::calendarEvent::KeyPress: {
            if (args.size() != 1) return DISP_E_BADPARAMCOUNT;
            short KeyAscii = args[0].toInt16();
            KeyPress(KeyAscii);
            args[0] = Variant(std::int16_t(KeyAscii));
            return S_OK;
        }
        case zvcal::dispid::calendarEvent::KeyUp: {
            if (args.size() != 2) return DISP_E_BADPARAMCOUNT;
            short KeyCode = args[0].toInt16();
            short Shift = args[1].toInt16();
            KeyUp(KeyCode, Shift);
            args[0] = Variant(std::int16_t(KeyCode));
            args[1] = Variant(std::int16_t(Shift));
            return S_OK;
        }
        case zvcal::dispid::calendarEvent::MouseDown: {
            if (args.size() != 4) return DISP_E_BADPARAMCOUNT;
            short Button = args[0].toInt16();
            short Shift = args[1].toInt16();
            float X = float(args[2].toDouble());
            float Y = float(args[3].toDouble());
            MouseDown(Button, Shift, X, Y);
            args[0] = Variant(std::int16_t(Button));
            args[1] = Variant(std::int16_t(Shift));
            args[2] = Variant(double(X));
            args[3] = Variant(double(Y));
            return S_OK;
        }
        case zvcal::dispid::calendarEvent::MouseMove: {
            if (args.size() != 4) return DISP_E_BADPARAMCOUNT;
            short Button = args[0].toInt16();
            short Shift = args[1].toInt16();
            float X = float(args[2].toDouble());
            float Y = float(args[3].toDouble());
            MouseMove(Button, Shift, X, Y);
            args[0] = Variant(std::int16_t(Button));
            args[1] = Variant(std::int16_t(Shift));
            args[2] = Variant(double(X));
            args[3] = Variant(double(Y));
            return S_OK;
        }
        case zvcal::dispid::calendarEvent::MouseUp: {
            if (args.size() != 4) return DISP_E_BADPARAMCOUNT;
            short Button = args[0].toInt16();
            short Shift = args[1].toInt16();
            float X = float(args[2].toDouble());
            float Y = float(args[3].toDouble());
            MouseUp(Button, Shift, X, Y);
            args[0] = Variant(std::int16_t(Button));
            args[1] = Variant(std::int16_t(Shift));
            args[2] = Variant(double(X));
            args[3] = Variant(double(Y));
            return S_OK;
        }
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

protected:
    ~__ZVCalendar() = default;
};

// The events of ZVCalButton. A host derives from this, overrides the events it
// wants (arguments are by reference: a handler may change them) and adds the
// IUnknown part; the control raises events through Invoke.
struct __ZVCalButton : IDispatch
{
    virtual void MonthChanged() {}
    virtual void ValueChanged() {}
    virtual void YearChanged() {}
    virtual void BtnClick() {}
    virtual void BtnKeyDown(short &KeyCode, short &Shift) { Q_UNUSED(KeyCode); Q_UNUSED(Shift); }
    virtual void BtnKeyPress(short &KeyAscii) { Q_UNUSED(KeyAscii); }
    virtual void BtnKeyUp(short &KeyCode, short &Shift) { Q_UNUSED(KeyCode); Q_UNUSED(Shift); }
    virtual void BtnMouseDown(short &Button, short &Shift, float &X, float &Y) { Q_UNUSED(Button); Q_UNUSED(Shift); Q_UNUSED(X); Q_UNUSED(Y); }
    virtual void BtnMouseMove(short &Button, short &Shift, float &X, float &Y) { Q_UNUSED(Button); Q_UNUSED(Shift); Q_UNUSED(X); Q_UNUSED(Y); }
    virtual void BtnMouseUp(short &Button, short &Shift, float &X, float &Y) { Q_UNUSED(Button); Q_UNUSED(Shift); Q_UNUSED(X); Q_UNUSED(Y); }
    virtual void Click() {}
    virtual void KeyDown(short &KeyCode, short &Shift) { Q_UNUSED(KeyCode); Q_UNUSED(Shift); }
    virtual void KeyPress(short &KeyAscii) { Q_UNUSED(KeyAscii); }
    virtual void KeyUp(short &KeyCode, short &Shift) { Q_UNUSED(KeyCode); Q_UNUSED(Shift); }
    virtual void MouseDown(short &Button, short &Shift, float &X, float &Y) { Q_UNUSED(Button); Q_UNUSED(Shift); Q_UNUSED(X); Q_UNUSED(Y); }
    virtual void MouseMove(short &Button, short &Shift, float &X, float &Y) { Q_UNUSED(Button); Q_UNUSED(Shift); Q_UNUSED(X); Q_UNUSED(Y); }
    virtual void MouseUp(short &Button, short &Shift, float &X, float &Y) { Q_UNUSED(Button); Q_UNUSED(Shift); Q_UNUSED(X); Q_UNUSED(Y); }

    HRESULT GetIDsOfNames(const QString &name, DISPID *id) override
    {
        static const std::pair<const char *, DISPID> events[] = {{"MonthChanged", zvcal::dispid::buttonEvent::MonthChanged}, {"ValueChanged", zvcal::dispid::buttonEvent::ValueChanged}, {"YearChanged", zvcal::dispid::buttonEvent::YearChanged}, {"BtnClick", zvcal::dispid::buttonEvent::BtnClick}, {"BtnKeyDown", zvcal::dispid::buttonEvent::BtnKeyDown}, {"BtnKeyPress", zvcal::dispid::buttonEvent::BtnKeyPress}, {"BtnKeyUp", zvcal::dispid::buttonEvent::BtnKeyUp}, {"BtnMouseDown", zvcal::dispid::buttonEvent::BtnMouseDown}, {"BtnMouseMove", zvcal::dispid::buttonEvent::BtnMouseMove}, {"BtnMouseUp", zvcal::dispid::buttonEvent::BtnMouseUp}, {"Click", zvcal::dispid::buttonEvent::Click}, {"KeyDown", zvcal::dispid::buttonEvent::KeyDown}, {"KeyPress", zvcal::dispid::buttonEvent::KeyPress}, {"KeyUp", zvcal::dispid::buttonEvent::KeyUp}, {"MouseDown", zvcal::dispid::buttonEvent::MouseDown}, {"MouseMove", zvcal::dispid::buttonEvent::MouseMove}, {"MouseUp", zvcal::dispid::buttonEvent::MouseUp}};
        if (!id) return E_POINTER;
        for (const auto &[event, number] : events)
            if (name.compare(QLatin1String(event), Qt::CaseInsensitive) == 0) {
                *id = number;
                return S_OK;
            }
        *id = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }

    HRESULT Invoke(DISPID id, std::uint16_t kind, QList<Variant> &args, Variant *result, ExcepInfo *excep) override
    {
        Q_UNUSED(kind);
        Q_UNUSED(result);
        Q_UNUSED(excep);
        switch (id) {
        case zvcal::dispid::buttonEvent::MonthChanged: MonthChanged(); return S_OK;
        case zvcal::dispid::buttonEvent::ValueChanged: ValueChanged(); return S_OK;
        case zvcal::dispid::buttonEvent::YearChanged: YearChanged(); return S_OK;
        case zvcal::dispid::buttonEvent::BtnClick: BtnClick(); return S_OK;
        case zvcal::dispid::buttonEvent::BtnKeyDown: {
            if (args.size() != 2) return DISP_E_BADPARAMCOUNT;
            short KeyCode = args[0].toInt16();
            short Shift = args[1].toInt16();
            BtnKeyDown(KeyCode, Shift);
            args[0] = Variant(std::int16_t(KeyCode));
            args[1] = Variant(std::int16_t(Shift));
            return S_OK;
        }
        case zvcal::dispid::buttonEvent::BtnKeyPress: {
            if (args.size() != 1) return DISP_E_BADPARAMCOUNT;
            short KeyAscii = args[0].toInt16();
            BtnKeyPress(KeyAscii);
            args[0] = Variant(std::int16_t(KeyAscii));
            return S_OK;
        }
        case zvcal::dispid::buttonEvent::BtnKeyUp: {
            if (args.size() != 2) return DISP_E_BADPARAMCOUNT;
            short KeyCode = args[0].toInt16();
            short Shift = args[1].toInt16();
            BtnKeyUp(KeyCode, Shift);
            args[0] = Variant(std::int16_t(KeyCode));
            args[1] = Variant(std::int16_t(Shift));
            return S_OK;
        }
        case zvcal::dispid::buttonEvent::BtnMouseDown: {
            if (args.size() != 4) return DISP_E_BADPARAMCOUNT;
            short Button = args[0].toInt16();
            short Shift = args[1].toInt16();
            float X = float(args[2].toDouble());
            float Y = float(args[3].toDouble());
            BtnMouseDown(Button, Shift, X, Y);
            args[0] = Variant(std::int16_t(Button));
            args[1] = Variant(std::int16_t(Shift));
            args[2] = Variant(double(X));
            args[3] = Variant(double(Y));
            return S_OK;
        }
        case zvcal::dispid::buttonEvent::BtnMouseMove: {
            if (args.size() != 4) return DISP_E_BADPARAMCOUNT;
            short Button = args[0].toInt16();
            short Shift = args[1].toInt16();
            float X = float(args[2].toDouble());
            float Y = float(args[3].toDouble());
            BtnMouseMove(Button, Shift, X, Y);
            args[0] = Variant(std::int16_t(Button));
            args[1] = Variant(std::int16_t(Shift));
            args[2] = Variant(double(X));
            args[3] = Variant(double(Y));
            return S_OK;
        }
        case zvcal::dispid::buttonEvent::BtnMouseUp: {
            if (args.size() != 4) return DISP_E_BADPARAMCOUNT;
            short Button = args[0].toInt16();
            short Shift = args[1].toInt16();
            float X = float(args[2].toDouble());
            float Y = float(args[3].toDouble());
            BtnMouseUp(Button, Shift, X, Y);
            args[0] = Variant(std::int16_t(Button));
            args[1] = Variant(std::int16_t(Shift));
            args[2] = Variant(double(X));
            args[3] = Variant(double(Y));
            return S_OK;
        }
        case zvcal::dispid::buttonEvent::Click: Click(); return S_OK;
        case zvcal::dispid::buttonEvent::KeyDown: {
            if (args.size() != 2) return DISP_E_BADPARAMCOUNT;
            short KeyCode = args[0].toInt16();
            short Shift = args[1].toInt16();
            KeyDown(KeyCode, Shift);
            args[0] = Variant(std::int16_t(KeyCode));
            args[1] = Variant(std::int16_t(Shift));
            return S_OK;
        }
        case zvcal::dispid::buttonEvent::KeyPress: {
            if (args.size() != 1) return DISP_E_BADPARAMCOUNT;
            short KeyAscii = args[0].toInt16();
            KeyPress(KeyAscii);
            args[0] = Variant(std::int16_t(KeyAscii));
            return S_OK;
        }
        case zvcal::dispid::buttonEvent::KeyUp: {
            if (args.size() != 2) return DISP_E_BADPARAMCOUNT;
            short KeyCode = args[0].toInt16();
            short Shift = args[1].toInt16();
            KeyUp(KeyCode, Shift);
            args[0] = Variant(std::int16_t(KeyCode));
            args[1] = Variant(std::int16_t(Shift));
            return S_OK;
        }
        case zvcal::dispid::buttonEvent::MouseDown: {
            if (args.size() != 4) return DISP_E_BADPARAMCOUNT;
            short Button = args[0].toInt16();
            short Shift = args[1].toInt16();
            float X = float(args[2].toDouble());
            float Y = float(args[3].toDouble());
            MouseDown(Button, Shift, X, Y);
            args[0] = Variant(std::int16_t(Button));
            args[1] = Variant(std::int16_t(Shift));
            args[2] = Variant(double(X));
            args[3] = Variant(double(Y));
            return S_OK;
        }
        case zvcal::dispid::buttonEvent::MouseMove: {
            if (args.size() != 4) return DISP_E_BADPARAMCOUNT;
            short Button = args[0].toInt16();
            short Shift = args[1].toInt16();
            float X = float(args[2].toDouble());
            float Y = float(args[3].toDouble());
            MouseMove(Button, Shift, X, Y);
            args[0] = Variant(std::int16_t(Button));
            args[1] = Variant(std::int16_t(Shift));
            args[2] = Variant(double(X));
            args[3] = Variant(double(Y));
            return S_OK;
        }
        case zvcal::dispid::buttonEvent::MouseUp: {
            if (args.size() != 4) return DISP_E_BADPARAMCOUNT;
            short Button = args[0].toInt16();
            short Shift = args[1].toInt16();
            float X = float(args[2].toDouble());
            float Y = float(args[3].toDouble());
            MouseUp(Button, Shift, X, Y);
            args[0] = Variant(std::int16_t(Button));
            args[1] = Variant(std::int16_t(Shift));
            args[2] = Variant(double(X));
            args[3] = Variant(double(Y));
            return S_OK;
        }
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

protected:
    ~__ZVCalButton() = default;
};

