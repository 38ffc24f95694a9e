#include "notebook/CalButtonHost.h"

#include "platform/com/RefCounted.h"
#include "platform/com/WindowSite.h"
#include "platform/objects/TextPropertyBag.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

// The button's Click goes to the window; its other events are not used.
class Events final : public RefCounted<__ZVCalButton>
{
public:
    explicit Events(std::function<void()> onClick) : m_onClick(std::move(onClick)) {}

    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        return queryAs(iid, object, {IID_IUnknown, IID_IDispatch, zvcal::DIID___ZVCalButton});
    }

    void Click() override
    {
        if (m_onClick)
            m_onClick();
    }

    // Enter in the dropped-down calendar takes its day as a click on the
    // day does, so the keyboard alone can fill the date box.
    void KeyPress(short &KeyAscii) override
    {
        if (KeyAscii == 13 && m_onClick)
            m_onClick();
    }

private:
    ~Events() override = default;

    std::function<void()> m_onClick;
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
        *error = QCoreApplication::translate("CalButtonHost", "The calendar button cannot be created (%1).").arg(hresultText(hr));
        return false;
    }
    auto control = m_button.query<IControl>(IID_IControl);
    m_events = m_button.query<IEventSource>(IID_IEventSource);
    if (!control || !m_events) {
        *error = QCoreApplication::translate("CalButtonHost", "The calendar button is not a control.");
        release();
        return false;
    }
    auto sink = ComPtr<IDispatch>::adopt(new Events(std::move(onClick)));
    m_events->Advise(zvcal::DIID___ZVCalButton, sink.get(), &m_cookie);
    auto site = ComPtr<IControlSite>::adopt(WindowSite::create(parent));
    control->SetSite(site.get());
    control->GetWidget(&m_widget);

    try {
        TextPropertyBag bag = TextPropertyBag::fromFile(settingsPath);
        ExcepInfo excep;
        if (FAILED(control->ReadProperties(bag, &excep))) {
            *error = QCoreApplication::translate("CalButtonHost", "The calendar button's settings cannot be loaded: %1").arg(excep.description);
            release();
            return false;
        }
    } catch (const PropertyBagError &e) {
        *error = QCoreApplication::translate("CalButtonHost", "The calendar button's settings cannot be loaded: %1").arg(e.text());
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
