#include "zvcal/ZVCalExports.h"

#include "properties/ServerEntryPoints.h"

// The four exports of libZVCal.so.

HRESULT DllRegisterServer()
{
    return zvcal::registerServer();
}

HRESULT DllUnregisterServer()
{
    return zvcal::unregisterServer();
}

HRESULT DllGetClassObject(const Guid &clsid, const Guid &iid, void **object)
{
    return zvcal::getClassObject(clsid, iid, object);
}

HRESULT DllCanUnloadNow()
{
    return zvcal::canUnloadNow();
}
