#pragma once

#include "platform/com/TypeInfo.h"

#include <functional>

// The by-name interface of a control object over its type information: name
// lookup, the checks of a call (accessor, argument count, argument type) and
// the mapping of a member's exception to a result code and error record.
namespace zvcal {

struct MemberCalls
{
    std::function<Variant(DISPID)> get;
    std::function<void(DISPID, const Variant &)> put; // value already of the member's type
    std::function<void(DISPID)> method;
};

HRESULT idOfName(const TypeEntry &type, const QString &name, DISPID *id);

HRESULT invokeMember(const TypeEntry &type, DISPID id, std::uint16_t kind, QList<Variant> &args, Variant *result,
                     ExcepInfo *excep, const MemberCalls &calls, const QString &source);

// Turns the exception being handled into an error record: PropertyError keeps
// its number and text; anything else is reported as E_FAIL with its message.
HRESULT currentExceptionToError(ExcepInfo *excep, const QString &source);

// Conversions between the typed interfaces' argument types and variants.
inline Variant toVariant(const QString &v) { return Variant(v); }
inline Variant toVariant(std::int32_t v) { return Variant(v); }
inline Variant toVariant(std::int16_t v) { return Variant(v); }
inline Variant toVariant(bool v) { return Variant(v); }
inline Variant toVariant(const FontRef &v) { return Variant(v); }
inline Variant toVariant(const PictureRef &v) { return Variant(v); }
inline Variant dateVariant(DATE v) { return Variant::fromDate(v); }
inline Variant boolVariant(VARIANT_BOOL v) { return Variant(v != 0); }

inline void fromVariant(const Variant &v, QString *out) { *out = v.toString(); }
inline void fromVariant(const Variant &v, std::int32_t *out) { *out = v.toInt32(); }
inline void fromVariant(const Variant &v, std::int16_t *out) { *out = v.type() == VarType::Bool ? (v.toBool() ? VARIANT_TRUE : VARIANT_FALSE) : v.toInt16(); }
inline void fromVariant(const Variant &v, double *out) { *out = v.toDouble(); }
inline void fromVariant(const Variant &v, FontRef *out) { *out = v.toFont(); }
inline void fromVariant(const Variant &v, PictureRef *out) { *out = v.toPicture(); }
template <typename E>
    requires std::is_enum_v<E>
void fromVariant(const Variant &v, E *out)
{
    *out = static_cast<E>(v.toInt32());
}

} // namespace zvcal
