#pragma once
// Creating an object by class identifier, as CoCreateInstance does for in-process servers:
// the registry names the library (HKEY_CLASSES_ROOT\CLSID\{clsid}\InprocServer32), which is
// loaded and asked for the class factory through its DllGetClassObject.
#include "com/comptr.h"
#include "com/unknown.h"

namespace com {

// The signature of the four exports of a component library.
using DllGetClassObjectFunction = HRESULT (*)(const Guid *clsid, const Guid *iid, void **object);
using DllEntryFunction = HRESULT (*)();

// REGDB_E_CLASSNOTREG when the class is not registered, E_MOD_NOT_FOUND when its library
// cannot be loaded, CO_E_ERRORINDLL when the library has no DllGetClassObject, else the
// result of the factory. *object is null on failure.
HRESULT CreateInstance(const Guid &clsid, const Guid &iid, void **object);

template <class Interface>
HRESULT CreateInstance(const Guid &clsid, ComPtr<Interface> *object)
{
    return CreateInstance(clsid, Interface::IID, object->put());
}

} // namespace com
