#include "properties/MemberDispatch.h"

#include "platform/com/OwnedText.h"
#include "platform/objects/PropertyBag.h"
#include "platform/objects/PropertyError.h"

namespace zvcal {

HRESULT idOfName(const TypeEntry &type, const QString &name, DISPID *id)
{
    if (!id)
        return E_POINTER;
    if (const MemberInfo *m = type.member(name)) {
        *id = m->dispid;
        return S_OK;
    }
    *id = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT currentExceptionToError(ExcepInfo *excep, const QString &source)
{
    // The record goes to the host: its text must not be the library's own.
    ExcepInfo info;
    info.source = ownedText(source);
    try {
        throw;
    } catch (const PropertyError &e) {
        info.number = e.number();
        info.description = ownedText(e.text());
        info.scode = hresultFromControlError(e.number());
    } catch (const PropertyBagError &e) {
        // A saved value that does not convert: the host's type mismatch.
        info.number = 13;
        info.description = ownedText(e.text());
        info.scode = DISP_E_TYPEMISMATCH;
    } catch (const std::exception &e) {
        info.description = QString::fromLocal8Bit(e.what());
        info.scode = E_FAIL;
    }
    if (excep)
        *excep = info;
    return DISP_E_EXCEPTION;
}

HRESULT invokeMember(const TypeEntry &type, DISPID id, std::uint16_t kind, QList<Variant> &args, Variant *result,
                     ExcepInfo *excep, const MemberCalls &calls, const QString &source)
{
    const MemberInfo *m = type.member(id);
    if (!m || (m->kinds & kind) == 0)
        return DISP_E_MEMBERNOTFOUND;

    try {
        if (m->kinds & DISPATCH_METHOD) {
            if (!args.isEmpty())
                return DISP_E_BADPARAMCOUNT;
            calls.method(id);
            if (result)
                *result = Variant();
            return S_OK;
        }
        if (kind & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
            if (args.size() != 1)
                return DISP_E_BADPARAMCOUNT;
            // A number too large for the member is an overflow, not a
            // type mismatch: the caller tells the two apart (errors 6 and 13).
            Variant value;
            const HRESULT hr = args[0].convert(m->type.varType, value);
            if (FAILED(hr))
                return hr;
            calls.put(id, value);
            return S_OK;
        }
        if (!args.isEmpty())
            return DISP_E_BADPARAMCOUNT;
        Variant v = calls.get(id);
        if (result)
            *result = std::move(v);
        return S_OK;
    } catch (...) {
        return currentExceptionToError(excep, source);
    }
}

} // namespace zvcal
