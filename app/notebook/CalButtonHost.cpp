#include "notebook/CalButtonHost.h"

#include "platform/objects/StdFont.h"
#include "platform/objects/TextPropertyBag.h"

#include <QPointer>
#include <QWidget>

namespace {

// What the window offers the control: itself as parent and its font as the
// ambient font.
class Site final : public IControlSite
{
public:
    explicit Site(QWidget *window) : m_window(window) {}

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
    FontRef AmbientFont() override { return m_window ? StdFont::fromQFont(m_window->font()) : StdFont::create(); }
    // The window keeps no settings of its own; there is nothing to mark.
    void OnChanged(const QString &) override {}

private:
    ~Site() = default;

    QPointer<QWidget> m_window;
    ULONG m_refs = 1;
};

// The button's Click goes to the window; its other events are not used.
class Events final : public __ZVCalButton
{
public:
    explicit Events(std::function<void()> onClick) : m_onClick(std::move(onClick)) {}

    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != zvcal::DIID___ZVCalButton)
            return E_NOINTERFACE;
        *object = static_cast<IDispatch *>(this);
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

    void Click() override
    {
        if (m_onClick)
            m_onClick();
    }

private:
    ~Events() = default;

    std::function<void()> m_onClick;
    ULONG m_refs = 1;
};

QString hresultText(HRESULT hr)
{
    return QStringLiteral("0x%1").arg(quint32(hr), 8, 16, QChar(u'0'));
}

} // namespace

CalButtonHost::~CalButtonHost()
{
    release();
}

void CalButtonHost::release()
{
    if (m_events)
        m_events->Unadvise(m_cookie);
    m_events.reset();
    m_button.reset();
    m_widget = nullptr;
}

bool CalButtonHost::create(QWidget *parent, const QString &settingsPath, std::function<void()> onClick, QString *error)
{
    ComPtr<IClassFactory> factory;
    HRESULT hr = DllGetClassObject(zvcal::CLSID_ZVCalButton, IID_IClassFactory, factory.putVoid());
    if (SUCCEEDED(hr))
        hr = factory->CreateInstance(nullptr, zvcal::IID__ZVCalButton, m_button.putVoid());
    if (FAILED(hr)) {
        *error = QStringLiteral("The calendar button cannot be created (%1).").arg(hresultText(hr));
        return false;
    }
    auto control = m_button.query<IControl>(IID_IControl);
    m_events = m_button.query<IEventSource>(IID_IEventSource);
    if (!control || !m_events) {
        *error = QStringLiteral("The calendar button is not a control.");
        release();
        return false;
    }
    auto sink = ComPtr<IDispatch>::adopt(new Events(std::move(onClick)));
    m_events->Advise(zvcal::DIID___ZVCalButton, sink.get(), &m_cookie);
    auto site = ComPtr<IControlSite>::adopt(new Site(parent));
    control->SetSite(site.get());
    control->GetWidget(&m_widget);

    try {
        TextPropertyBag bag = TextPropertyBag::fromFile(settingsPath);
        ExcepInfo excep;
        if (FAILED(control->ReadProperties(bag, &excep))) {
            *error = QStringLiteral("The calendar button's settings cannot be loaded: %1").arg(excep.description);
            release();
            return false;
        }
    } catch (const PropertyBagError &e) {
        *error = QStringLiteral("The calendar button's settings cannot be loaded: %1").arg(e.text());
        release();
        return false;
    }
    return m_widget != nullptr;
}

double CalButtonHost::calValue() const
{
    DATE value = 0;
    if (!m_button || FAILED(m_button->get_calValue(&value)))
        return 0;
    return value;
}
