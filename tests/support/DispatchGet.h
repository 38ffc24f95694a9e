#pragma once

#include "platform/com/Dispatch.h"
#include "platform/com/Variant.h"

#include <QList>
#include <QString>

namespace TestDispatch {

// A property read by name, as a late-bound host reads it; an empty Variant
// when the name is unknown.
inline Variant get(IDispatch *d, const QString &name)
{
    DISPID id = DISPID_UNKNOWN;
    d->GetIDsOfNames(name, &id);
    QList<Variant> none;
    Variant out;
    d->Invoke(id, DISPATCH_PROPERTYGET, none, &out, nullptr);
    return out;
}

} // namespace TestDispatch
