#pragma once

#include "platform/com/TypeInfo.h"

// The event sink of zvcal-host: prints every event of the control on standard
// output, one line each and flushed at once: the event's name, each argument
// as name=value as it stands after this handler, then calValue=YYYY-MM-DD.
class EventPrinter final : public IDispatch
{
public:
    // events: the control's event interface; control: read for calValue, not
    // held (the host disconnects the printer before releasing the control).
    static EventPrinter *create(const TypeEntry &events, IDispatch *control) { return new EventPrinter(events, control); }

    HRESULT QueryInterface(const Guid &iid, void **object) override;
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override;

    HRESULT GetIDsOfNames(const QString &name, DISPID *id) override;
    HRESULT Invoke(DISPID id, std::uint16_t kind, QList<Variant> &args, Variant *result, ExcepInfo *excep) override;

    // One line as printed, without the line end.
    static QString format(const MemberInfo &event, const QList<Variant> &args, const Variant &calValue);

private:
    EventPrinter(const TypeEntry &events, IDispatch *control) : m_events(events), m_control(control) {}
    ~EventPrinter() = default;

    const TypeEntry &m_events;
    IDispatch *m_control;
    ULONG m_refs = 1;
};
