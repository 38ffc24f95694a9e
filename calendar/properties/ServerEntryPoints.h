#pragma once

#include "platform/com/Unknown.h"

// What the library's four exports do; library/EntryPoints.cpp only forwards
// to these, so tests of the internals call them directly.
namespace zvcal {

HRESULT registerServer();
HRESULT unregisterServer();
HRESULT getClassObject(const Guid &clsid, const Guid &iid, void **object);
HRESULT canUnloadNow();

} // namespace zvcal
