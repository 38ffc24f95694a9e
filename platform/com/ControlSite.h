#pragma once

#include "platform/com/Dispatch.h"

class QWidget;
class PropertyBag;

inline constexpr Guid IID_IControlSite {0x7A3C1E03, 0x52D4, 0x4B8E, {0x9E, 0x10, 0x3D, 0x61, 0x0B, 0x55, 0x11, 0x03}};

// What the host offers a control it places: the widget to live in, the
// container's ambient font and the property-changed notification by name.
struct IControlSite : IUnknown
{
    virtual QWidget *ParentWidget() = 0;
    virtual FontRef AmbientFont() = 0;
    virtual void OnChanged(const QString &propertyName) = 0;

protected:
    ~IControlSite() = default;
};

inline constexpr Guid IID_IControl {0x7A3C1E04, 0x52D4, 0x4B8E, {0x9E, 0x10, 0x3D, 0x61, 0x0B, 0x55, 0x11, 0x04}};

// The host's side of a visual control: siting, its widget and persistence.
struct IControl : IUnknown
{
    // The control moves its widget into the site's parent widget; a null
    // site detaches it (the widget then has no parent).
    virtual HRESULT SetSite(IControlSite *site) = 0;
    virtual HRESULT GetWidget(QWidget **widget) = 0;
    // A control newly placed by a designer.
    virtual HRESULT InitProperties() = 0;
    // A saved control being loaded; a value that does not convert fails the
    // load with DISP_E_EXCEPTION and the bag's message in excep.
    virtual HRESULT ReadProperties(PropertyBag &bag, ExcepInfo *excep) = 0;
    virtual HRESULT WriteProperties(PropertyBag &bag, ExcepInfo *excep) = 0;

protected:
    ~IControl() = default;
};
