#pragma once

#include "platform/com/PropertyPage.h"

#include <QPointer>

class PropertyPageWidget;

// The object a host receives for a property page: IPropertyPage over one
// page widget, which it owns until the host takes the widget into its dialog.
class PageObject final : public IPropertyPage
{
public:
    // Takes the widget (no parent yet), runs its Initialize and returns the
    // object with one reference, owned by the caller.
    static PageObject *create(PropertyPageWidget *page);

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

private:
    explicit PageObject(PropertyPageWidget *page);
    ~PageObject();

    QPointer<PropertyPageWidget> m_page;
    ComPtr<IPropertyPageSite> m_site;
    QMetaObject::Connection m_connection;
    ULONG m_refs = 1;
};
