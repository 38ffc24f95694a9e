#pragma once

#include "platform/com/Guid.h"
#include "platform/com/HResult.h"

#include <cstdint>
#include <utility>

using ULONG = std::uint32_t;
using LONG = std::int32_t;

inline constexpr Guid IID_IUnknown {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr Guid IID_IClassFactory {0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// The root of every object handed across the library boundary: interfaces
// are reached by identifier and the object lives while references are held.
// Callers never delete an object; they release it.
struct IUnknown
{
    virtual HRESULT QueryInterface(const Guid &iid, void **object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

// Creates the objects of one class.
struct IClassFactory : IUnknown
{
    // outer must be null: the library's objects cannot be aggregated.
    virtual HRESULT CreateInstance(IUnknown *outer, const Guid &iid, void **object) = 0;
    // Keeps the library loaded while true calls outnumber false ones.
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

// An owning interface pointer: releases what it holds.
template <typename T>
class ComPtr
{
public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes over a reference the caller already owns.
    static ComPtr adopt(T *p)
    {
        ComPtr c;
        c.m_p = p;
        return c;
    }
    explicit ComPtr(T *p) : m_p(p) { if (m_p) m_p->AddRef(); }
    ComPtr(const ComPtr &o) : m_p(o.m_p) { if (m_p) m_p->AddRef(); }
    ComPtr(ComPtr &&o) noexcept : m_p(std::exchange(o.m_p, nullptr)) {}
    ComPtr &operator=(ComPtr o) noexcept
    {
        std::swap(m_p, o.m_p);
        return *this;
    }
    ~ComPtr() { reset(); }

    void reset()
    {
        if (T *p = std::exchange(m_p, nullptr))
            p->Release();
    }
    T *get() const { return m_p; }
    T *operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // For out parameters: releases the old value first.
    T **put()
    {
        reset();
        return &m_p;
    }
    void **putVoid() { return reinterpret_cast<void **>(put()); }

    // Asks the held object for another interface.
    template <typename U>
    ComPtr<U> query(const Guid &iid) const
    {
        ComPtr<U> out;
        if (m_p)
            m_p->QueryInterface(iid, out.putVoid());
        return out;
    }

private:
    T *m_p = nullptr;
};
