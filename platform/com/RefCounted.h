#pragma once

#include "platform/com/Unknown.h"

#include <algorithm>
#include <initializer_list>

// AddRef and Release for an object that its last Release destroys; it starts
// with one reference, owned by its creator.
template <typename Interface>
class RefCounted : public Interface
{
public:
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override
    {
        const ULONG left = --m_refs;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    RefCounted() = default;
    virtual ~RefCounted() = default;

    // QueryInterface for an object that is reached as Interface under each
    // of ids and under no other identifier.
    HRESULT queryAs(const Guid &iid, void **object, std::initializer_list<Guid> ids)
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (std::find(ids.begin(), ids.end(), iid) == ids.end())
            return E_NOINTERFACE;
        *object = static_cast<Interface *>(this);
        AddRef();
        return S_OK;
    }

private:
    ULONG m_refs = 1;
};
