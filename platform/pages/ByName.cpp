#include "platform/pages/ByName.h"

#include "platform/com/OwnedText.h"
#include "platform/objects/PropertyError.h"

namespace ByName {

namespace {

DISPID idOf(IDispatch *object, const QString &name)
{
    DISPID id = DISPID_UNKNOWN;
    if (!object || FAILED(object->GetIDsOfNames(name, &id)))
        return DISPID_UNKNOWN;
    return id;
}

// The dispatch interface of the object's library that the object answers to;
// valid while *library is held.
const TypeEntry *interfaceOf(IDispatch *object, TypeLibraryRef *library)
{
    ComPtr<IProvideTypeLibrary> types;
    if (!object || FAILED(object->QueryInterface(IID_IProvideTypeLibrary, types.putVoid())))
        return nullptr;
    if (FAILED(types->GetTypeLibrary(library)) || !*library)
        return nullptr;
    for (const TypeEntry &e : (*library)->entries) {
        if (e.kind != TypeKind::DispatchInterface || e.members.isEmpty())
            continue;
        ComPtr<IUnknown> probe;
        if (SUCCEEDED(object->QueryInterface(e.guid, probe.putVoid())))
            return &e;
    }
    return nullptr;
}

} // namespace

Variant get(IDispatch *object, const QString &name)
{
    const DISPID id = idOf(object, name);
    if (id == DISPID_UNKNOWN)
        throw PropertyError(438, QStringLiteral("Object doesn't support this property or method"));
    QList<Variant> none;
    Variant result;
    ExcepInfo excep;
    const HRESULT hr = object->Invoke(id, DISPATCH_PROPERTYGET, none, &result, &excep);
    if (hr == DISP_E_EXCEPTION)
        throw PropertyError(excep.number, excep.description);
    if (FAILED(hr))
        throw PropertyError(438, QStringLiteral("Object doesn't support this property or method"));
    return result;
}

HRESULT put(IDispatch *object, const QString &name, const Variant &value, ExcepInfo *excep)
{
    ExcepInfo info;
    info.source = name;
    const DISPID id = idOf(object, name);
    HRESULT hr = DISP_E_MEMBERNOTFOUND;
    if (id != DISPID_UNKNOWN) {
        const bool byRef = value.type() == VarType::Font || value.type() == VarType::Picture;
        QList<Variant> args {value};
        hr = object->Invoke(id, byRef ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT, args, nullptr, &info);
    }
    if (FAILED(hr) && hr != DISP_E_EXCEPTION) {
        // The value never reached the setter: say why, with the numbers a
        // late-bound caller knows.
        if (hr == DISP_E_TYPEMISMATCH) {
            info.number = 13;
            info.description = QStringLiteral("Type mismatch");
        } else if (hr == DISP_E_OVERFLOW) {
            info.number = 6;
            info.description = QStringLiteral("Overflow");
        } else {
            info.number = 438;
            info.description = QStringLiteral("Object doesn't support this property or method");
        }
        info.scode = hr;
    }
    // Whatever the control put in its record, the caller learns which property
    // refused; the text is the caller's own.
    info.source = ownedText(name);
    info.description = ownedText(info.description);
    if (excep)
        *excep = info;
    return hr;
}

QStringList propertiesOfType(IDispatch *object, const QString &typeName)
{
    QStringList names;
    TypeLibraryRef library;
    if (const TypeEntry *e = interfaceOf(object, &library)) {
        for (const MemberInfo &m : e->members) {
            const bool writable = m.kinds & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
            if (m.isProperty() && writable && (m.kinds & DISPATCH_PROPERTYGET) && m.type.name == typeName)
                names.append(m.name);
        }
    }
    return names;
}

} // namespace ByName
