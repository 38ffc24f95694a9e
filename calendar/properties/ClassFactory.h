#pragma once

#include "platform/com/TypeInfo.h"

namespace zvcal {

// The factory of one of the library's classes. createObject makes a new
// object holding one reference and hands it out as IUnknown.
class ClassFactory final : public IClassFactory, public IProvideTypeLibrary
{
public:
    using Creator = IUnknown *(*)();

    // A new factory with one reference, owned by the caller.
    static ClassFactory *create(Creator creator);

    ClassFactory(const ClassFactory &) = delete;
    ClassFactory &operator=(const ClassFactory &) = delete;

    HRESULT QueryInterface(const Guid &iid, void **object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT CreateInstance(IUnknown *outer, const Guid &iid, void **object) override;
    HRESULT LockServer(bool lock) override;

    HRESULT GetTypeLibrary(TypeLibraryRef *info) override;

private:
    explicit ClassFactory(Creator creator);
    ~ClassFactory();

    Creator m_creator;
    ULONG m_refs = 1;
};

} // namespace zvcal
