#pragma once

#include "platform/com/PropertyPage.h"

#include <QPointer>

class PropertyPageWidget;

// The object a host receives for a property page: IPropertyPage over one
// page widget, which it owns until the host takes the widget into its dialog.
// Its default interface is a dispatch interface without members of its own.
class PageObject final : public IPropertyPage, public IDispatch
{
public:
    // Takes the widget (no parent yet), runs its Initialize and returns the
    // object with one reference, owned by the caller. defaultInterface is the
    // identifier of the page class's dispatch interface, if it has one.
    static PageObject *create(PropertyPageWidget *page, const Guid &defaultInterface = IID_IDispatch);

    PageObject(const PageObject &) = delete;
    PageObject &operator=(const PageObject &) = delete;

    PropertyPageWidget *page() const { return m_page.data(); }

    HRESULT QueryInterface(const Guid &iid, void **object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT SetPageSite(IPropertyPageSite *site) override;
    HRESULT GetPageInfo(QString *title, QSize *sizeTwips) override;
    HRESULT GetWidget(QWidget **widget) override;
    HRESULT SetObjects(const QList<IDispatch *> &objects) override;
    HRESULT IsPageDirty() override;
    HRESULT SetPageDirty(bool dirty) override;
    HRESULT Apply(ExcepInfo *excep) override;

    HRESULT GetIDsOfNames(const QString &name, DISPID *id) override;
    HRESULT Invoke(DISPID id, std::uint16_t kind, QList<Variant> &args, Variant *result, ExcepInfo *excep) override;

private:
    PageObject(PropertyPageWidget *page, const Guid &defaultInterface);
    ~PageObject();

    QPointer<PropertyPageWidget> m_page;
    ComPtr<IPropertyPageSite> m_site;
    QMetaObject::Connection m_connection;
    Guid m_defaultInterface;
    ULONG m_refs = 1;
};
