#pragma once
// The four functions every component library exports, by these C names, and nothing else
// (see hotel_inproc_server in this folder's CMakeLists.txt).
#include "com/guid.h"
#include "com/hresult.h"

#define HOTEL_COM_EXPORT __attribute__((visibility("default")))

extern "C" {
HOTEL_COM_EXPORT com::HRESULT DllRegisterServer();
HOTEL_COM_EXPORT com::HRESULT DllUnregisterServer();
HOTEL_COM_EXPORT com::HRESULT DllGetClassObject(const com::Guid *clsid, const com::Guid *iid, void **object);
HOTEL_COM_EXPORT com::HRESULT DllCanUnloadNow();
}

// Defines the four exports for a library that serves one class: its identity (a
// com::ServerIdentity) and the class that implements it (a com::Object).
#define HOTEL_COM_SERVER_EXPORTS(ClassType, identity)                                               \
    com::HRESULT DllRegisterServer() { return com::RegisterServer(identity, com::ThisModulePath()); } \
    com::HRESULT DllUnregisterServer() { return com::UnregisterServer(identity); }                  \
    com::HRESULT DllGetClassObject(const com::Guid *clsid, const com::Guid *iid, void **object)     \
    {                                                                                                \
        if (!clsid || !iid)                                                                          \
            return com::E_INVALIDARG;                                                                \
        return com::GetClassObject<ClassType>(*clsid, identity.clsid, *iid, object);                 \
    }                                                                                                \
    com::HRESULT DllCanUnloadNow() { return com::CanUnloadNow(); }
