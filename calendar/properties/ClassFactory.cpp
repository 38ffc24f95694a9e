#include "properties/ClassFactory.h"

#include "platform/com/ServerLocks.h"
#include "properties/TypeLibrary.h"

#include <QApplication>

namespace zvcal {

ClassFactory *ClassFactory::create(Creator creator)
{
    return new ClassFactory(creator);
}

// A factory held by a host keeps the library loaded like any object does.
ClassFactory::ClassFactory(Creator creator) : m_creator(creator)
{
    ServerLocks::objectCreated();
}

ClassFactory::~ClassFactory()
{
    ServerLocks::objectDestroyed();
}

HRESULT ClassFactory::QueryInterface(const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IClassFactory)
        *object = static_cast<IClassFactory *>(this);
    else if (iid == IID_IProvideTypeLibrary)
        *object = static_cast<IProvideTypeLibrary *>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG ClassFactory::AddRef()
{
    return ++m_refs;
}

ULONG ClassFactory::Release()
{
    const ULONG left = --m_refs;
    if (left == 0)
        delete this;
    return left;
}

HRESULT ClassFactory::CreateInstance(IUnknown *outer, const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    // The controls are widgets: without a widget application there is
    // nothing they could be created in.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return E_UNEXPECTED;
    IUnknown *created = m_creator();
    if (!created)
        return E_OUTOFMEMORY;
    const HRESULT hr = created->QueryInterface(iid, object);
    created->Release();
    return hr;
}

HRESULT ClassFactory::LockServer(bool lock)
{
    if (lock)
        ServerLocks::lock();
    else
        ServerLocks::unlock();
    return S_OK;
}

HRESULT ClassFactory::GetTypeLibrary(TypeLibraryRef *info)
{
    if (!info)
        return E_POINTER;
    try {
        *info = handedOutTypeLibrary();
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

} // namespace zvcal
