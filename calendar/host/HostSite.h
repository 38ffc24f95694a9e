#pragma once

#include "platform/com/ControlSite.h"

#include <QPointer>
#include <QWidget>

// The site zvcal-host gives its control: the host window as parent and the
// window's font as the ambient font. Property changes need no action here.
class HostSite final : public IControlSite
{
public:
    static HostSite *create(QWidget *window) { return new HostSite(window); }

    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (iid != IID_IUnknown && iid != IID_IControlSite)
            return E_NOINTERFACE;
        *object = static_cast<IControlSite *>(this);
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override
    {
        const ULONG left = --m_refs;
        if (left == 0)
            delete this;
        return left;
    }

    QWidget *ParentWidget() override { return m_window.data(); }
    FontRef AmbientFont() override;
    void OnChanged(const QString &) override {}

private:
    explicit HostSite(QWidget *window) : m_window(window) {}
    ~HostSite() = default;

    QPointer<QWidget> m_window;
    ULONG m_refs = 1;
};
