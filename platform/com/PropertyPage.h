#pragma once

#include "platform/com/Dispatch.h"

#include <QList>
#include <QSize>
#include <QString>

class QWidget;

inline constexpr Guid IID_IPropertyPageSite {0x7A3C1E06, 0x52D4, 0x4B8E, {0x9E, 0x10, 0x3D, 0x61, 0x0B, 0x55, 0x11, 0x06}};

// The host's side of a property page: told whenever the page's changed flag
// may have changed, so that the host can enable or disable Apply.
struct IPropertyPageSite : IUnknown
{
    virtual void OnStatusChange() = 0;

protected:
    ~IPropertyPageSite() = default;
};

inline constexpr Guid IID_IPropertyPage {0x7A3C1E07, 0x52D4, 0x4B8E, {0x9E, 0x10, 0x3D, 0x61, 0x0B, 0x55, 0x11, 0x07}};

// A property page: a widget that edits properties of the selected controls by
// name. The page runs its Initialize when the object is created.
struct IPropertyPage : IUnknown
{
    virtual HRESULT SetPageSite(IPropertyPageSite *site) = 0;
    // The page's caption and its client area in twips.
    virtual HRESULT GetPageInfo(QString *title, QSize *sizeTwips) = 0;
    // The page's widget; the host reparents it. The object deletes it on its
    // last Release unless the host destroyed it first.
    virtual HRESULT GetWidget(QWidget **widget) = 0;
    // Hands the page a selection (SelectionChanged). The page holds a
    // reference on each object until the next selection or its last Release.
    virtual HRESULT SetObjects(const QList<IDispatch *> &objects) = 0;
    // S_OK while the changed flag is set, S_FALSE otherwise.
    virtual HRESULT IsPageDirty() = 0;
    // The host clears the flag after a successful apply.
    virtual HRESULT SetPageDirty(bool dirty) = 0;
    // ApplyChanges. A setter's refusal stops it: DISP_E_EXCEPTION with the
    // control's error in excep (source names the property).
    virtual HRESULT Apply(ExcepInfo *excep) = 0;

protected:
    ~IPropertyPage() = default;
};
