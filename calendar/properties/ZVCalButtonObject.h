#pragma once

#include "properties/CalendarAccessors.h"

#include "button/ZVCalButton.h"

namespace zvcal {

// The ZVCalButton object a host receives (see ControlObject): its typed
// members and its events; the button has no methods.
class ZVCalButtonObject final : public CalendarAccessors<ZVCalButton, _ZVCalButton>
{
public:
    // A new object with one reference, owned by the caller.
    static ZVCalButtonObject *create();

    // _ZVCalButton, beyond the shared calendar properties
    HRESULT get_AutoSize(zvcal::enumBTNAutoSize *value) override { return typedGet(dispid::btnAutoSize, value); }
    HRESULT put_AutoSize(zvcal::enumBTNAutoSize value) override { return typedPut(dispid::btnAutoSize, DISPATCH_PROPERTYPUT, toVariant(std::int32_t(value))); }
    HRESULT get_BevelWidth(std::int16_t *value) override { return typedGet(dispid::btnBevelWidth, value); }
    HRESULT put_BevelWidth(std::int16_t value) override { return typedPut(dispid::btnBevelWidth, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_Caption(QString *value) override { return typedGet(dispid::btnCaption, value); }
    HRESULT put_Caption(const QString &value) override { return typedPut(dispid::btnCaption, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_Font3D(LONG *value) override { return typedGet(dispid::btnFont3D, value); }
    HRESULT put_Font3D(LONG value) override { return typedPut(dispid::btnFont3D, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_MouseIcon(PictureRef *value) override { return typedGet(dispid::btnMouseIcon, value); }
    HRESULT putref_MouseIcon(PictureRef value) override { return typedPut(dispid::btnMouseIcon, DISPATCH_PROPERTYPUTREF, toVariant(value)); }
    HRESULT get_MousePointer(LONG *value) override { return typedGet(dispid::btnMousePointer, value); }
    HRESULT put_MousePointer(LONG value) override { return typedPut(dispid::btnMousePointer, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_Outline(VARIANT_BOOL *value) override { return typedGet(dispid::btnOutline, value); }
    HRESULT put_Outline(VARIANT_BOOL value) override { return typedPut(dispid::btnOutline, DISPATCH_PROPERTYPUT, boolVariant(value)); }
    HRESULT get_Picture(PictureRef *value) override { return typedGet(dispid::btnPicture, value); }
    HRESULT putref_Picture(PictureRef value) override { return typedPut(dispid::btnPicture, DISPATCH_PROPERTYPUTREF, toVariant(value)); }
    HRESULT get_RoundedCorners(VARIANT_BOOL *value) override { return typedGet(dispid::btnRoundedCorners, value); }
    HRESULT put_RoundedCorners(VARIANT_BOOL value) override { return typedPut(dispid::btnRoundedCorners, DISPATCH_PROPERTYPUT, boolVariant(value)); }
    HRESULT get_ForeColor(OLE_COLOR *value) override { return typedGet(dispid::btnForeColor, value); }
    HRESULT put_ForeColor(OLE_COLOR value) override { return typedPut(dispid::btnForeColor, DISPATCH_PROPERTYPUT, toVariant(value)); }
    HRESULT get_Enabled(VARIANT_BOOL *value) override { return typedGet(dispid::btnEnabled, value); }
    HRESULT put_Enabled(VARIANT_BOOL value) override { return typedPut(dispid::btnEnabled, DISPATCH_PROPERTYPUT, boolVariant(value)); }
    HRESULT get_Font(FontRef *value) override { return typedGet(dispid::btnFont, value); }
    HRESULT putref_Font(FontRef value) override { return typedPut(dispid::btnFont, DISPATCH_PROPERTYPUTREF, toVariant(value)); }

private:
    ZVCalButtonObject();
    ~ZVCalButtonObject() override = default;

    MemberCalls memberCalls(ZVCalButton &widget) override;
    void connectWidget();
};

} // namespace zvcal
