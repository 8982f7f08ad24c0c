#pragma once
// The two interfaces every component serves: IUnknown (reference counting and the question
// for another interface) and IClassFactory (making objects of a class). Objects are
// destroyed by their last Release, never by delete.
#include "com/guid.h"
#include "com/hresult.h"

namespace com {

class IUnknown {
public:
    static constexpr Guid IID = MakeGuid("{00000000-0000-0000-C000-000000000046}");

    // On success *object holds the interface (one reference added); else null.
    virtual HRESULT QueryInterface(const Guid &iid, void **object) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};

class IClassFactory : public IUnknown {
public:
    static constexpr Guid IID = MakeGuid("{00000001-0000-0000-C000-000000000046}");

    // A new object of the class, asked at once for `iid`. No aggregation: outer must be null.
    virtual HRESULT CreateInstance(IUnknown *outer, const Guid &iid, void **object) = 0;
    // Keeps the library loaded while locked.
    virtual HRESULT LockServer(bool lock) = 0;

protected:
    ~IClassFactory() = default;
};

} // namespace com
