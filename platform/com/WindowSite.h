#pragma once

#include "platform/com/ControlSite.h"
#include "platform/com/RefCounted.h"

#include <QPointer>
#include <QWidget>

// The site a host window gives the control it places: the window as parent
// and the window's font as the ambient font (none once the window is gone).
// The host keeps no settings of the control, so changes need no action.
class WindowSite final : public RefCounted<IControlSite>
{
public:
    // A new site with one reference, owned by the caller.
    static WindowSite *create(QWidget *window) { return new WindowSite(window); }

    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        return queryAs(iid, object, {IID_IUnknown, IID_IControlSite});
    }

    QWidget *ParentWidget() override { return m_window.data(); }
    FontRef AmbientFont() override;
    void OnChanged(const QString &) override {}

private:
    explicit WindowSite(QWidget *window) : m_window(window) {}
    ~WindowSite() override = default;

    QPointer<QWidget> m_window;
};
