#include "properties/ServerEntryPoints.h"

#include "platform/com/RegistryFile.h"
#include "platform/com/ServerLocks.h"
#include "properties/ClassFactory.h"
#include "properties/LibraryClasses.h"
#include "properties/Registration.h"

// No exception leaves these: they are called across the library boundary.
namespace zvcal {

HRESULT registerServer()
{
    try {
        RegistryFile registry;
        return registerLibrary(registry, libraryFilePath());
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HRESULT unregisterServer()
{
    try {
        RegistryFile registry;
        return unregisterLibrary(registry);
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

HRESULT getClassObject(const Guid &clsid, const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    const LibraryClass *c = findClass(clsid);
    if (!c || !c->create)
        return CLASS_E_CLASSNOTAVAILABLE;
    try {
        ClassFactory *factory = ClassFactory::create(c->create);
        const HRESULT hr = factory->QueryInterface(iid, object);
        factory->Release();
        return hr;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

HRESULT canUnloadNow()
{
    return ServerLocks::canUnload() ? S_OK : S_FALSE;
}

} // namespace zvcal
