#include "platform/pages/PageObject.h"

#include "platform/com/OwnedText.h"
#include "platform/com/ServerLocks.h"
#include "platform/pages/PropertyPageWidget.h"

PageObject *PageObject::create(PropertyPageWidget *page, const Guid &defaultInterface)
{
    page->Initialize();
    return new PageObject(page, defaultInterface);
}

// A page held by a host keeps its library loaded like any object does.
PageObject::PageObject(PropertyPageWidget *page, const Guid &defaultInterface) : m_page(page), m_defaultInterface(defaultInterface)
{
    ServerLocks::objectCreated();
}

PageObject::~PageObject()
{
    QObject::disconnect(m_connection);
    delete m_page.data();
    ServerLocks::objectDestroyed();
}

HRESULT PageObject::QueryInterface(const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IPropertyPage)
        *object = static_cast<IPropertyPage *>(this);
    else if (iid == IID_IDispatch || iid == m_defaultInterface)
        *object = static_cast<IDispatch *>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG PageObject::AddRef()
{
    return ++m_refs;
}

ULONG PageObject::Release()
{
    const ULONG left = --m_refs;
    if (left == 0)
        delete this;
    return left;
}

HRESULT PageObject::SetPageSite(IPropertyPageSite *site)
{
    if (!m_page)
        return E_UNEXPECTED;
    QObject::disconnect(m_connection);
    m_site = ComPtr<IPropertyPageSite>(site);
    if (site)
        m_connection = QObject::connect(m_page.data(), &PropertyPageWidget::changedFlagChanged, m_page.data(), [site] { site->OnStatusChange(); });
    return S_OK;
}

HRESULT PageObject::GetPageInfo(QString *title, QSize *sizeTwips)
{
    if (!m_page)
        return E_UNEXPECTED;
    if (title)
        *title = ownedText(m_page->title());
    if (sizeTwips)
        *sizeTwips = m_page->sizeTwips();
    return S_OK;
}

HRESULT PageObject::GetWidget(QWidget **widget)
{
    if (!widget)
        return E_POINTER;
    *widget = m_page.data();
    return m_page ? S_OK : E_UNEXPECTED;
}

HRESULT PageObject::SetObjects(const QList<IDispatch *> &objects)
{
    if (!m_page)
        return E_UNEXPECTED;
    try {
        m_page->setSelection(objects);
    } catch (const std::exception &) {
        // A control that refuses a read leaves the page as far as it got.
        return E_FAIL;
    }
    return S_OK;
}

HRESULT PageObject::IsPageDirty()
{
    if (!m_page)
        return E_UNEXPECTED;
    return m_page->changed() ? S_OK : S_FALSE;
}

HRESULT PageObject::SetPageDirty(bool dirty)
{
    if (!m_page)
        return E_UNEXPECTED;
    m_page->setChanged(dirty);
    return S_OK;
}

HRESULT PageObject::Apply(ExcepInfo *excep)
{
    if (!m_page)
        return E_UNEXPECTED;
    return m_page->apply(excep) ? S_OK : DISP_E_EXCEPTION;
}

HRESULT PageObject::GetIDsOfNames(const QString &, DISPID *id)
{
    if (!id)
        return E_POINTER;
    *id = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT PageObject::Invoke(DISPID, std::uint16_t, QList<Variant> &, Variant *, ExcepInfo *)
{
    return DISP_E_MEMBERNOTFOUND;
}
