#pragma once

#include "platform/com/TypeInfo.h"

#include <QStringList>

// Late-bound access to a control's properties by name, as a property page or
// a designer reaches a control it knows nothing else about.
namespace ByName {

// The property's value; throws PropertyError with the control's error when
// the control has no such property or refuses the read.
Variant get(IDispatch *object, const QString &name);

// Writes the property (by reference for fonts and pictures). On failure the
// control's error is in excep, with the property name as its source.
HRESULT put(IDispatch *object, const QString &name, const Variant &value, ExcepInfo *excep);

// The readable and writable properties of the object whose type names the
// given type ("StdFont", "OLE_COLOR", "StdPicture"), in member order.
QStringList propertiesOfType(IDispatch *object, const QString &typeName);

} // namespace ByName
