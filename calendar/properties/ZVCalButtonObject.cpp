#include "properties/ZVCalButtonObject.h"

#include "button/ZVCalButton.h"
#include "platform/com/ServerLocks.h"
#include "properties/ButtonMembers.h"
#include "properties/TypeLibrary.h"

namespace zvcal {

namespace {
const QString Source = QStringLiteral("ZVCalButton");
}

ZVCalButtonObject *ZVCalButtonObject::create()
{
    return new ZVCalButtonObject();
}

ZVCalButtonObject::ZVCalButtonObject() : m_widget(new ZVCalButton())
{
    ServerLocks::objectCreated();
    connectWidget();
}

ZVCalButtonObject::~ZVCalButtonObject()
{
    if (ZVCalButton *w = m_widget.data()) {
        w->disconnect();
        // Destroying the widget inside one of its own signals would pull it out
        // from under the emitting code; let the event loop do it then.
        if (m_firing > 0)
            w->deleteLater();
        else
            delete w;
    }
    ServerLocks::objectDestroyed();
}

HRESULT ZVCalButtonObject::QueryInterface(const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__ZVCalButton)
        *object = static_cast<_ZVCalButton *>(this);
    else if (iid == IID_IControl)
        *object = static_cast<IControl *>(this);
    else if (iid == IID_IEventSource)
        *object = static_cast<IEventSource *>(this);
    else if (iid == IID_ISupportErrorInfo)
        *object = static_cast<ISupportErrorInfo *>(this);
    else if (iid == IID_IProvideTypeLibrary)
        *object = static_cast<IProvideTypeLibrary *>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG ZVCalButtonObject::AddRef()
{
    return ++m_refs;
}

ULONG ZVCalButtonObject::Release()
{
    const ULONG left = --m_refs;
    if (left == 0)
        delete this;
    return left;
}

HRESULT ZVCalButtonObject::GetIDsOfNames(const QString &name, DISPID *id)
{
    return idOfName(buttonInterface(), name, id);
}

HRESULT ZVCalButtonObject::Invoke(DISPID id, std::uint16_t kind, QList<Variant> &args, Variant *result, ExcepInfo *excep)
{
    if (!m_widget)
        return E_UNEXPECTED;
    ZVCalButton &w = *m_widget;
    const MemberCalls calls {
        [&w](DISPID member) { return getButtonProperty(w, member); },
        [&w](DISPID member, const Variant &value) { putButtonProperty(w, member, value); },
        [](DISPID) {}, // the button has no methods
    };
    // The widget may raise events (and a sink may drop its last reference)
    // while a member runs.
    const ComPtr<_ZVCalButton> self(this);
    return invokeMember(buttonInterface(), id, kind, args, result, excep, calls, Source);
}

HRESULT ZVCalButtonObject::typedInvoke(DISPID id, std::uint16_t kind, QList<Variant> &args, Variant *result)
{
    // Kept alive past Invoke: the error record below is written afterwards.
    const ComPtr<_ZVCalButton> self(this);
    ExcepInfo excep;
    HRESULT hr = Invoke(id, kind, args, result, &excep);
    if (hr == DISP_E_EXCEPTION)
        hr = excep.scode;
    m_lastError = FAILED(hr) ? excep : ExcepInfo {};
    if (FAILED(hr) && m_lastError.scode == S_OK)
        m_lastError.scode = hr;
    return hr;
}

HRESULT ZVCalButtonObject::typedPut(DISPID id, std::uint16_t kind, const Variant &value)
{
    QList<Variant> args {value};
    return typedInvoke(id, kind, args, nullptr);
}

HRESULT ZVCalButtonObject::SetSite(IControlSite *site)
{
    if (!m_widget)
        return E_UNEXPECTED;
    m_site = ComPtr<IControlSite>(site);
    if (site) {
        m_widget->setParent(site->ParentWidget());
        if (FontRef ambient = site->AmbientFont())
            m_widget->setAmbientFont(ambient);
    } else {
        m_widget->setParent(nullptr);
    }
    return S_OK;
}

HRESULT ZVCalButtonObject::GetWidget(QWidget **widget)
{
    if (!widget)
        return E_POINTER;
    *widget = m_widget.data();
    return m_widget ? S_OK : E_UNEXPECTED;
}

HRESULT ZVCalButtonObject::InitProperties()
{
    if (!m_widget)
        return E_UNEXPECTED;
    const ComPtr<_ZVCalButton> self(this);
    try {
        m_widget->InitProperties();
    } catch (...) {
        return currentExceptionToError(nullptr, Source);
    }
    return S_OK;
}

HRESULT ZVCalButtonObject::ReadProperties(PropertyBag &bag, ExcepInfo *excep)
{
    if (!m_widget)
        return E_UNEXPECTED;
    const ComPtr<_ZVCalButton> self(this);
    try {
        m_widget->ReadProperties(bag);
    } catch (...) {
        return currentExceptionToError(excep, Source);
    }
    return S_OK;
}

HRESULT ZVCalButtonObject::WriteProperties(PropertyBag &bag, ExcepInfo *excep)
{
    if (!m_widget)
        return E_UNEXPECTED;
    try {
        m_widget->WriteProperties(bag);
    } catch (...) {
        return currentExceptionToError(excep, Source);
    }
    return S_OK;
}

HRESULT ZVCalButtonObject::Advise(const Guid &eventInterface, IDispatch *sink, std::uint32_t *cookie)
{
    if (!sink || !cookie)
        return E_POINTER;
    if (eventInterface != DIID___ZVCalButton && eventInterface != IID_IDispatch)
        return CONNECT_E_CANNOTCONNECT;
    *cookie = m_nextCookie++;
    m_sinks.append(Connection {*cookie, ComPtr<IDispatch>(sink)});
    return S_OK;
}

HRESULT ZVCalButtonObject::Unadvise(std::uint32_t cookie)
{
    for (qsizetype i = 0; i < m_sinks.size(); ++i) {
        if (m_sinks[i].cookie == cookie) {
            // Released after the list no longer holds it: the sink's release may call back.
            const Connection gone = m_sinks.takeAt(i);
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

HRESULT ZVCalButtonObject::GetErrorInfo(ExcepInfo *info)
{
    if (!info)
        return E_POINTER;
    *info = m_lastError;
    return m_lastError.scode == S_OK ? S_FALSE : S_OK;
}

HRESULT ZVCalButtonObject::GetTypeLibrary(const TypeLibraryInfo **info)
{
    if (!info)
        return E_POINTER;
    *info = &typeLibrary();
    return S_OK;
}

void ZVCalButtonObject::fire(DISPID id, QList<Variant> &args)
{
    if (m_sinks.isEmpty())
        return;
    AddRef();
    ++m_firing;
    // A handler may connect or disconnect sinks; this event goes to those
    // connected when it was raised.
    {
        const QList<Connection> sinks = m_sinks;
        for (const Connection &c : sinks)
            c.sink->Invoke(id, DISPATCH_METHOD, args, nullptr, nullptr);
    }
    // When a handler dropped the host's last reference, this one goes while
    // the event still counts as being raised, so the destructor leaves the
    // widget, which is still inside its own event code, to the event loop.
    if (m_refs == 1) {
        Release();
        return;
    }
    --m_firing;
    Release();
}

void ZVCalButtonObject::fire(DISPID id)
{
    QList<Variant> none;
    fire(id, none);
}

void ZVCalButtonObject::connectWidget()
{
    namespace ev = dispid::buttonEvent;
    ZVCalButton *w = m_widget.data();
    QObject::connect(w, &ZVCalButton::MonthChanged, w, [this] { fire(ev::MonthChanged); });
    QObject::connect(w, &ZVCalButton::ValueChanged, w, [this] { fire(ev::ValueChanged); });
    QObject::connect(w, &ZVCalButton::YearChanged, w, [this] { fire(ev::YearChanged); });
    QObject::connect(w, &ZVCalButton::BtnClick, w, [this] { fire(ev::BtnClick); });
    QObject::connect(w, &ZVCalButton::Click, w, [this] { fire(ev::Click); });

    auto keys = [this](DISPID id) {
        return [this, id](short &keyCode, short &shift) {
            QList<Variant> args {Variant(std::int16_t(keyCode)), Variant(std::int16_t(shift))};
            fire(id, args);
            keyCode = args[0].toInt16();
            shift = args[1].toInt16();
        };
    };
    auto keyPress = [this](DISPID id) {
        return [this, id](short &keyAscii) {
            QList<Variant> args {Variant(std::int16_t(keyAscii))};
            fire(id, args);
            keyAscii = args[0].toInt16();
        };
    };
    auto mouse = [this](DISPID id) {
        return [this, id](short &button, short &shift, float &x, float &y) {
            QList<Variant> args {Variant(std::int16_t(button)), Variant(std::int16_t(shift)), Variant(double(x)), Variant(double(y))};
            fire(id, args);
            button = args[0].toInt16();
            shift = args[1].toInt16();
            x = float(args[2].toDouble());
            y = float(args[3].toDouble());
        };
    };
    QObject::connect(w, &ZVCalButton::BtnKeyDown, w, keys(ev::BtnKeyDown));
    QObject::connect(w, &ZVCalButton::BtnKeyPress, w, keyPress(ev::BtnKeyPress));
    QObject::connect(w, &ZVCalButton::BtnKeyUp, w, keys(ev::BtnKeyUp));
    QObject::connect(w, &ZVCalButton::BtnMouseDown, w, mouse(ev::BtnMouseDown));
    QObject::connect(w, &ZVCalButton::BtnMouseMove, w, mouse(ev::BtnMouseMove));
    QObject::connect(w, &ZVCalButton::BtnMouseUp, w, mouse(ev::BtnMouseUp));
    QObject::connect(w, &ZVCalButton::KeyDown, w, keys(ev::KeyDown));
    QObject::connect(w, &ZVCalButton::KeyPress, w, keyPress(ev::KeyPress));
    QObject::connect(w, &ZVCalButton::KeyUp, w, keys(ev::KeyUp));
    QObject::connect(w, &ZVCalButton::MouseDown, w, mouse(ev::MouseDown));
    QObject::connect(w, &ZVCalButton::MouseMove, w, mouse(ev::MouseMove));
    QObject::connect(w, &ZVCalButton::MouseUp, w, mouse(ev::MouseUp));

    QObject::connect(w, &ZVCalButton::propertyChanged, w, [this](const QString &name) {
        if (m_site)
            m_site->OnChanged(name);
    });
}

} // namespace zvcal
