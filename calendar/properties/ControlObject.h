#pragma once

#include "zvcal/ZVCalInterfaces.h"

#include "platform/com/OwnedText.h"
#include "platform/com/ServerLocks.h"
#include "platform/com/TypeInfo.h"
#include "platform/objects/PropertyBag.h"
#include "properties/MemberDispatch.h"
#include "properties/TypeLibrary.h"

#include <QList>
#include <QObject>
#include <QPointer>

namespace zvcal {

// Counts as a live object of the library until its parent, a control's
// widget left to the event loop to destroy, is gone.
class PendingWidget final : public QObject
{
public:
    explicit PendingWidget(QObject *widget) : QObject(widget) {}

private:
    ServerObject m_live;
};

// What tells one control class from another at the object level.
struct ControlClass
{
    Guid interfaceId;      // the typed (dual) interface
    Guid eventInterfaceId; // the event interface sinks connect to
    const TypeEntry &(*describe)();
    QString source; // names the control in error records
};

// The object a host receives for a control: the typed and by-name interfaces,
// the event connection, the persistence hooks and the control site over one
// widget that the object owns. The widget lives in the site's parent widget
// while sited; the last Release destroys it (unless the host destroyed it
// first with its parent, after which every call answers E_UNEXPECTED).
// A control's object derives from this, maps its members (memberCalls),
// connects its widget's events (with fire) and implements the typed
// accessors with typedGet/typedPut/typedCall.
template <typename Widget, typename Interface>
class ControlObject : public Interface,
                      public IControl,
                      public IEventSource,
                      public ISupportErrorInfo,
                      public IProvideTypeLibrary
{
public:
    ControlObject(const ControlObject &) = delete;
    ControlObject &operator=(const ControlObject &) = delete;

    // The widget behind the object, for tests of the library's internals.
    Widget *widget() const { return m_widget.data(); }

    // IUnknown
    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == m_class.interfaceId)
            *object = static_cast<Interface *>(this);
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
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override
    {
        const ULONG left = --m_refs;
        if (left == 0)
            delete this;
        return left;
    }

    // IDispatch
    HRESULT GetIDsOfNames(const QString &name, DISPID *id) override { return idOfName(m_class.describe(), name, id); }
    HRESULT Invoke(DISPID id, std::uint16_t kind, QList<Variant> &args, Variant *result, ExcepInfo *excep) override
    {
        if (!m_widget)
            return E_UNEXPECTED;
        const MemberCalls calls = memberCalls(*m_widget);
        // The widget may raise events (and a sink may drop its last reference)
        // while a member runs.
        const ComPtr<Interface> self(this);
        return invokeMember(m_class.describe(), id, kind, args, result, excep, calls, m_class.source);
    }

    // IControl
    HRESULT SetSite(IControlSite *site) override
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
    HRESULT GetWidget(QWidget **widget) override
    {
        if (!widget)
            return E_POINTER;
        *widget = m_widget.data();
        return m_widget ? S_OK : E_UNEXPECTED;
    }
    HRESULT InitProperties() override
    {
        if (!m_widget)
            return E_UNEXPECTED;
        const ComPtr<Interface> self(this);
        try {
            m_widget->InitProperties();
        } catch (...) {
            return currentExceptionToError(nullptr, m_class.source);
        }
        return S_OK;
    }
    HRESULT ReadProperties(PropertyBag &bag, ExcepInfo *excep) override
    {
        if (!m_widget)
            return E_UNEXPECTED;
        const ComPtr<Interface> self(this);
        try {
            try {
                m_widget->ReadProperties(bag);
            } catch (const PropertyError &e) {
                throw bag.locate(e);
            }
        } catch (...) {
            return currentExceptionToError(excep, m_class.source);
        }
        return S_OK;
    }
    HRESULT WriteProperties(PropertyBag &bag, ExcepInfo *excep) override
    {
        if (!m_widget)
            return E_UNEXPECTED;
        try {
            m_widget->WriteProperties(bag);
        } catch (...) {
            return currentExceptionToError(excep, m_class.source);
        }
        return S_OK;
    }

    // IEventSource
    HRESULT Advise(const Guid &eventInterface, IDispatch *sink, std::uint32_t *cookie) override
    {
        if (!sink || !cookie)
            return E_POINTER;
        if (eventInterface != m_class.eventInterfaceId && eventInterface != IID_IDispatch)
            return CONNECT_E_CANNOTCONNECT;
        *cookie = m_nextCookie++;
        m_sinks.append(Connection {*cookie, ComPtr<IDispatch>(sink)});
        return S_OK;
    }
    HRESULT Unadvise(std::uint32_t cookie) override
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

    // ISupportErrorInfo
    HRESULT GetErrorInfo(ExcepInfo *info) override
    {
        if (!info)
            return E_POINTER;
        *info = m_lastError;
        return m_lastError.scode == S_OK ? S_FALSE : S_OK;
    }

    // IProvideTypeLibrary
    HRESULT GetTypeLibrary(TypeLibraryRef *info) override
    {
        if (!info)
            return E_POINTER;
        try {
            *info = handedOutTypeLibrary();
        } catch (...) {
            return E_OUTOFMEMORY;
        }
        return S_OK;
    }

protected:
    explicit ControlObject(ControlClass controlClass) : m_class(std::move(controlClass)), m_widget(new Widget())
    {
        ServerLocks::objectCreated();
        Widget *w = m_widget.data();
        QObject::connect(w, &Widget::propertyChanged, w, [this](const QString &name) {
            // The host may keep the name; it must not be the library's text.
            if (m_site)
                m_site->OnChanged(ownedText(name));
        });
    }

    virtual ~ControlObject()
    {
        if (Widget *w = m_widget.data()) {
            w->disconnect();
            // Destroying the widget inside one of its own signals would pull it out
            // from under the emitting code; let the event loop do it then.
            if (m_firing > 0) {
                // The library stays counted as busy until the widget is gone.
                new PendingWidget(w);
                w->deleteLater();
            } else
                delete w;
        }
        ServerLocks::objectDestroyed();
    }

    // The by-name members of the control, on its widget.
    virtual MemberCalls memberCalls(Widget &widget) = 0;

    // Raises an event on every connected sink; by-reference arguments come
    // back as the sinks left them.
    void fire(DISPID id, QList<Variant> &args)
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
    void fire(DISPID id)
    {
        QList<Variant> none;
        fire(id, none);
    }

    // Slots for the widget's by-reference events: each raises event id and
    // hands back what the sinks left in the arguments.
    auto keyEvent(DISPID id)
    {
        return [this, id](short &keyCode, short &shift) {
            QList<Variant> args {Variant(std::int16_t(keyCode)), Variant(std::int16_t(shift))};
            fire(id, args);
            keyCode = args[0].toInt16();
            shift = args[1].toInt16();
        };
    }
    auto keyPressEvent(DISPID id)
    {
        return [this, id](short &keyAscii) {
            QList<Variant> args {Variant(std::int16_t(keyAscii))};
            fire(id, args);
            keyAscii = args[0].toInt16();
        };
    }
    auto mouseEvent(DISPID id)
    {
        return [this, id](short &button, short &shift, float &x, float &y) {
            QList<Variant> args {Variant(std::int16_t(button)), Variant(std::int16_t(shift)), Variant(double(x)), Variant(double(y))};
            fire(id, args);
            button = args[0].toInt16();
            shift = args[1].toInt16();
            x = float(args[2].toDouble());
            y = float(args[3].toDouble());
        };
    }

    // The typed interface goes through Invoke and keeps the error record for
    // GetErrorInfo.
    HRESULT typedInvoke(DISPID id, std::uint16_t kind, QList<Variant> &args, Variant *result)
    {
        // Kept alive past Invoke: the error record below is written afterwards.
        const ComPtr<Interface> self(this);
        ExcepInfo excep;
        HRESULT hr = Invoke(id, kind, args, result, &excep);
        if (hr == DISP_E_EXCEPTION)
            hr = excep.scode;
        m_lastError = FAILED(hr) ? excep : ExcepInfo {};
        if (FAILED(hr) && m_lastError.scode == S_OK)
            m_lastError.scode = hr;
        return hr;
    }
    template <typename T>
    HRESULT typedGet(DISPID id, T *value)
    {
        if (!value)
            return E_POINTER;
        QList<Variant> args;
        Variant result;
        const HRESULT hr = typedInvoke(id, DISPATCH_PROPERTYGET, args, &result);
        if (SUCCEEDED(hr))
            fromVariant(result, value);
        return hr;
    }
    HRESULT typedPut(DISPID id, std::uint16_t kind, const Variant &value)
    {
        QList<Variant> args {value};
        return typedInvoke(id, kind, args, nullptr);
    }
    HRESULT typedCall(DISPID id)
    {
        QList<Variant> args;
        return typedInvoke(id, DISPATCH_METHOD, args, nullptr);
    }

private:
    struct Connection
    {
        std::uint32_t cookie;
        ComPtr<IDispatch> sink;
    };

    const ControlClass m_class;
    ULONG m_refs = 1;
    QPointer<Widget> m_widget;
    ComPtr<IControlSite> m_site;
    QList<Connection> m_sinks;
    std::uint32_t m_nextCookie = 1;
    int m_firing = 0;
    ExcepInfo m_lastError;
};

} // namespace zvcal
