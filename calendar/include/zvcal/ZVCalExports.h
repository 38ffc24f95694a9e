#pragma once

#include "platform/com/Unknown.h"

// The four entry points of libZVCal.so, the only symbols it exports. A host
// that loads the library with dlopen looks them up by these names and calls
// them through the pointer types below.
#define ZVCAL_EXPORT extern "C" __attribute__((visibility("default")))

// Writes the library's classes, ProgIDs and type library into the per-user
// registry file (RegistryFile); SELFREG_E_CLASS when it cannot be written, or
// when the file holds a line it cannot read (the file is then left untouched).
ZVCAL_EXPORT HRESULT DllRegisterServer();
// Removes exactly the entries DllRegisterServer writes; fails like it.
ZVCAL_EXPORT HRESULT DllUnregisterServer();
// The class factory of one of the library's classes, as interface iid;
// CLASS_E_CLASSNOTAVAILABLE for a class the library does not own.
ZVCAL_EXPORT HRESULT DllGetClassObject(const Guid &clsid, const Guid &iid, void **object);
// S_OK when no object of the library is alive and no lock is held, else S_FALSE.
ZVCAL_EXPORT HRESULT DllCanUnloadNow();

using DllRegisterServerFn = HRESULT (*)();
using DllUnregisterServerFn = HRESULT (*)();
using DllGetClassObjectFn = HRESULT (*)(const Guid &, const Guid &, void **);
using DllCanUnloadNowFn = HRESULT (*)();
