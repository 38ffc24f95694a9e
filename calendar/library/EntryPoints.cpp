#include "zvcal/ZVCalExports.h"

#include "platform/com/RegistryFile.h"
#include "platform/com/ServerLocks.h"
#include "properties/ClassFactory.h"
#include "properties/LibraryClasses.h"
#include "properties/Registration.h"

// The four exports of the library. No exception leaves them.

HRESULT DllRegisterServer()
{
    try {
        RegistryFile registry;
        return zvcal::registerLibrary(registry, zvcal::libraryFilePath());
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HRESULT DllUnregisterServer()
{
    try {
        RegistryFile registry;
        return zvcal::unregisterLibrary(registry);
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HRESULT DllGetClassObject(const Guid &clsid, const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    const zvcal::LibraryClass *c = zvcal::findClass(clsid);
    if (!c || !c->create)
        return CLASS_E_CLASSNOTAVAILABLE;
    try {
        zvcal::ClassFactory *factory = zvcal::ClassFactory::create(c->create);
        const HRESULT hr = factory->QueryInterface(iid, object);
        factory->Release();
        return hr;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT DllCanUnloadNow()
{
    return ServerLocks::canUnload() ? S_OK : S_FALSE;
}
