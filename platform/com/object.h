#pragma once
// What a component library needs to serve a class: reference-counted objects, their class
// factory, and the library-wide count that tells whether the library may be unloaded.
#include "com/unknown.h"

#include <atomic>
#include <new>

namespace com {

// Live objects and server locks of this library (each library links its own copy).
void ModuleAddRef();
void ModuleRelease();
long ModuleLockCount();

// Implements IUnknown for an object serving `Interface` (derived directly from IUnknown).
template <class Interface>
class Object : public Interface {
public:
    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == IUnknown::IID || iid == Interface::IID) {
            *object = static_cast<Interface *>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    uint32_t AddRef() override { return ++references_; }
    uint32_t Release() override
    {
        const uint32_t left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    Object() { ModuleAddRef(); }
    virtual ~Object() { ModuleRelease(); }

private:
    std::atomic<uint32_t> references_{0};
};

// Makes objects of class T (default-constructible, an Object<...>).
template <class T>
class ClassFactory final : public Object<IClassFactory> {
public:
    HRESULT CreateInstance(IUnknown *outer, const Guid &iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        T *instance = new (std::nothrow) T();
        if (!instance)
            return E_OUTOFMEMORY;
        instance->AddRef();
        const HRESULT hr = instance->QueryInterface(iid, object);
        instance->Release();
        return hr;
    }
    HRESULT LockServer(bool lock) override
    {
        if (lock)
            ModuleAddRef();
        else
            ModuleRelease();
        return S_OK;
    }
};

// The body of DllGetClassObject for a library serving one class T under `served`.
template <class T>
HRESULT GetClassObject(const Guid &requested, const Guid &served, const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (requested != served)
        return CLASS_E_CLASSNOTAVAILABLE;
    auto *factory = new (std::nothrow) ClassFactory<T>();
    if (!factory)
        return E_OUTOFMEMORY;
    factory->AddRef();
    const HRESULT hr = factory->QueryInterface(iid, object);
    factory->Release();
    return hr;
}

// The body of DllCanUnloadNow.
inline HRESULT CanUnloadNow()
{
    return ModuleLockCount() == 0 ? S_OK : S_FALSE;
}

} // namespace com
