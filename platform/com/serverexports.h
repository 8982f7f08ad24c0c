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
