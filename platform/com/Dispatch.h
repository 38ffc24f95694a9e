#pragma once

#include "platform/com/Unknown.h"
#include "platform/com/Variant.h"

#include <QList>
#include <QString>

// Late-bound access by name: a caller looks a member up by name once and then
// calls it by its dispatch identifier.
using DISPID = std::int32_t;

constexpr DISPID DISPID_UNKNOWN = -1;
constexpr DISPID DISPID_VALUE = 0;
constexpr DISPID DISPID_FONT = -512;
constexpr DISPID DISPID_ENABLED = -514;

// What a call does with a member; a property's accessors share one identifier.
enum InvokeKind : std::uint16_t {
    DISPATCH_METHOD = 0x1,
    DISPATCH_PROPERTYGET = 0x2,
    DISPATCH_PROPERTYPUT = 0x4,
    DISPATCH_PROPERTYPUTREF = 0x8,
};

// Describes a failure raised inside a member: the control's own error number
// (380 for an invalid property value), where it came from and its text.
struct ExcepInfo
{
    int number = 0;
    QString source;
    QString description;
    HRESULT scode = S_OK;
};

inline constexpr Guid IID_IDispatch {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

struct IDispatch : IUnknown
{
    // DISP_E_UNKNOWNNAME when the object has no member of that name
    // (names match without regard to case).
    virtual HRESULT GetIDsOfNames(const QString &name, DISPID *id) = 0;
    // args are in declaration order and passed by reference: the callee may
    // change them (event handlers do). A failure inside the member answers
    // DISP_E_EXCEPTION with excep filled in.
    virtual HRESULT Invoke(DISPID id, std::uint16_t kind, QList<Variant> &args, Variant *result, ExcepInfo *excep) = 0;

protected:
    ~IDispatch() = default;
};

inline constexpr Guid IID_ISupportErrorInfo {0x7A3C1E01, 0x52D4, 0x4B8E, {0x9E, 0x10, 0x3D, 0x61, 0x0B, 0x55, 0x11, 0x01}};

// The error behind the last failing call on the typed interface of an object,
// so that a typed caller also gets the number and text, not only the code.
struct ISupportErrorInfo : IUnknown
{
    // S_FALSE and an empty record when the last call succeeded.
    virtual HRESULT GetErrorInfo(ExcepInfo *info) = 0;

protected:
    ~ISupportErrorInfo() = default;
};

inline constexpr Guid IID_IEventSource {0x7A3C1E02, 0x52D4, 0x4B8E, {0x9E, 0x10, 0x3D, 0x61, 0x0B, 0x55, 0x11, 0x02}};

// Connection of a host's event sink. The sink implements the event interface
// through IDispatch::Invoke with the event's dispatch identifier; the source
// holds a reference on the sink until Unadvise.
struct IEventSource : IUnknown
{
    virtual HRESULT Advise(const Guid &eventInterface, IDispatch *sink, std::uint32_t *cookie) = 0;
    virtual HRESULT Unadvise(std::uint32_t cookie) = 0;

protected:
    ~IEventSource() = default;
};
