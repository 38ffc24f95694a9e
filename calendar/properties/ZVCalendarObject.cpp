#include "properties/ZVCalendarObject.h"

#include "core/ZVCalendar.h"
#include "platform/com/ServerLocks.h"
#include "properties/CalendarMembers.h"
#include "properties/TypeLibrary.h"

namespace zvcal {

namespace {
const QString Source = QStringLiteral("ZVCalendar");
}

ZVCalendarObject *ZVCalendarObject::create()
{
    return new ZVCalendarObject();
}

ZVCalendarObject::ZVCalendarObject() : m_widget(new ZVCalendar())
{
    ServerLocks::objectCreated();
    connectWidget();
}

ZVCalendarObject::~ZVCalendarObject()
{
    if (ZVCalendar *w = m_widget.data()) {
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

HRESULT ZVCalendarObject::QueryInterface(const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__ZVCalendar)
        *object = static_cast<_ZVCalendar *>(this);
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

ULONG ZVCalendarObject::AddRef()
{
    return ++m_refs;
}

ULONG ZVCalendarObject::Release()
{
    const ULONG left = --m_refs;
    if (left == 0)
        delete this;
    return left;
}

HRESULT ZVCalendarObject::GetIDsOfNames(const QString &name, DISPID *id)
{
    return idOfName(calendarInterface(), name, id);
}

HRESULT ZVCalendarObject::Invoke(DISPID id, std::uint16_t kind, QList<Variant> &args, Variant *result, ExcepInfo *excep)
{
    if (!m_widget)
        return E_UNEXPECTED;
    ZVCalendar &w = *m_widget;
    const MemberCalls calls {
        [&w](DISPID member) { return getCalendarProperty(w, member); },
        [&w](DISPID member, const Variant &value) { putCalendarProperty(w, member, value); },
        [&w](DISPID member) { callCalendarMethod(w, member); },
    };
    // The widget may raise events (and a sink may drop its last reference)
    // while a member runs.
    const ComPtr<_ZVCalendar> self(this);
    return invokeMember(calendarInterface(), id, kind, args, result, excep, calls, Source);
}

HRESULT ZVCalendarObject::typedInvoke(DISPID id, std::uint16_t kind, QList<Variant> &args, Variant *result)
{
    // Kept alive past Invoke: the error record below is written afterwards.
    const ComPtr<_ZVCalendar> self(this);
    ExcepInfo excep;
    HRESULT hr = Invoke(id, kind, args, result, &excep);
    if (hr == DISP_E_EXCEPTION)
        hr = excep.scode;
    m_lastError = FAILED(hr) ? excep : ExcepInfo {};
    if (FAILED(hr) && m_lastError.scode == S_OK)
        m_lastError.scode = hr;
    return hr;
}

HRESULT ZVCalendarObject::typedPut(DISPID id, std::uint16_t kind, const Variant &value)
{
    QList<Variant> args {value};
    return typedInvoke(id, kind, args, nullptr);
}

HRESULT ZVCalendarObject::typedCall(DISPID id)
{
    QList<Variant> args;
    return typedInvoke(id, DISPATCH_METHOD, args, nullptr);
}

HRESULT ZVCalendarObject::SetSite(IControlSite *site)
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

HRESULT ZVCalendarObject::GetWidget(QWidget **widget)
{
    if (!widget)
        return E_POINTER;
    *widget = m_widget.data();
    return m_widget ? S_OK : E_UNEXPECTED;
}

HRESULT ZVCalendarObject::InitProperties()
{
    if (!m_widget)
        return E_UNEXPECTED;
    const ComPtr<_ZVCalendar> self(this);
    try {
        m_widget->InitProperties();
    } catch (...) {
        return currentExceptionToError(nullptr, Source);
    }
    return S_OK;
}

HRESULT ZVCalendarObject::ReadProperties(PropertyBag &bag, ExcepInfo *excep)
{
    if (!m_widget)
        return E_UNEXPECTED;
    const ComPtr<_ZVCalendar> self(this);
    try {
        m_widget->ReadProperties(bag);
    } catch (...) {
        return currentExceptionToError(excep, Source);
    }
    return S_OK;
}

HRESULT ZVCalendarObject::WriteProperties(PropertyBag &bag, ExcepInfo *excep)
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

HRESULT ZVCalendarObject::Advise(const Guid &eventInterface, IDispatch *sink, std::uint32_t *cookie)
{
    if (!sink || !cookie)
        return E_POINTER;
    if (eventInterface != DIID___ZVCalendar && eventInterface != IID_IDispatch)
        return CONNECT_E_CANNOTCONNECT;
    *cookie = m_nextCookie++;
    m_sinks.append(Connection {*cookie, ComPtr<IDispatch>(sink)});
    return S_OK;
}

HRESULT ZVCalendarObject::Unadvise(std::uint32_t cookie)
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

HRESULT ZVCalendarObject::GetErrorInfo(ExcepInfo *info)
{
    if (!info)
        return E_POINTER;
    *info = m_lastError;
    return m_lastError.scode == S_OK ? S_FALSE : S_OK;
}

HRESULT ZVCalendarObject::GetTypeLibrary(const TypeLibraryInfo **info)
{
    if (!info)
        return E_POINTER;
    *info = &typeLibrary();
    return S_OK;
}

void ZVCalendarObject::fire(DISPID id, QList<Variant> &args)
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

void ZVCalendarObject::fire(DISPID id)
{
    QList<Variant> none;
    fire(id, none);
}

void ZVCalendarObject::connectWidget()
{
    namespace ev = dispid::calendarEvent;
    ZVCalendar *w = m_widget.data();
    QObject::connect(w, &ZVCalendar::MonthChanged, w, [this] { fire(ev::MonthChanged); });
    QObject::connect(w, &ZVCalendar::ValueChanged, w, [this] { fire(ev::ValueChanged); });
    QObject::connect(w, &ZVCalendar::YearChanged, w, [this] { fire(ev::YearChanged); });
    QObject::connect(w, &ZVCalendar::Click, w, [this] { fire(ev::Click); });
    QObject::connect(w, &ZVCalendar::DblClick, w, [this] { fire(ev::DblClick); });

    auto keys = [this](DISPID id) {
        return [this, id](short &keyCode, short &shift) {
            QList<Variant> args {Variant(std::int16_t(keyCode)), Variant(std::int16_t(shift))};
            fire(id, args);
            keyCode = args[0].toInt16();
            shift = args[1].toInt16();
        };
    };
    QObject::connect(w, &ZVCalendar::KeyDown, w, keys(ev::KeyDown));
    QObject::connect(w, &ZVCalendar::KeyUp, w, keys(ev::KeyUp));
    QObject::connect(w, &ZVCalendar::KeyPress, w, [this](short &keyAscii) {
        QList<Variant> args {Variant(std::int16_t(keyAscii))};
        fire(ev::KeyPress, args);
        keyAscii = args[0].toInt16();
    });

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
    QObject::connect(w, &ZVCalendar::MouseDown, w, mouse(ev::MouseDown));
    QObject::connect(w, &ZVCalendar::MouseMove, w, mouse(ev::MouseMove));
    QObject::connect(w, &ZVCalendar::MouseUp, w, mouse(ev::MouseUp));

    QObject::connect(w, &ZVCalendar::propertyChanged, w, [this](const QString &name) {
        if (m_site)
            m_site->OnChanged(name);
    });
}

} // namespace zvcal
