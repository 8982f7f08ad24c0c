#pragma once
// Self-registration of an in-process component library: the keys that DllRegisterServer
// writes under HKEY_CLASSES_ROOT and DllUnregisterServer removes, as Windows keeps them.
#include "com/guid.h"
#include "com/hresult.h"

#include <QString>

namespace com {

struct ServerIdentity {
    Guid clsid;
    QString progId;           // "Library.Class": the class name
    Guid libid;
    QString typeLibName;
    QString typeLibVersion;   // "major.minor" in hexadecimal, as the TypeLib key names it
    Guid iid;
    QString interfaceName;
};

// Absolute path of the library (or program) this code is linked into.
QString ThisModulePath();

// CLSID\{clsid} (with InprocServer32, ThreadingModel "Apartment", ProgID, TypeLib, VERSION),
// the ProgID key with its CLSID, TypeLib\{libid}\{version} and Interface\{iid}.
// SELFREG_E_CLASS when the registry cannot be written.
HRESULT RegisterServer(const ServerIdentity &identity, const QString &libraryPath);
// Removes those keys; keys already gone are no failure.
HRESULT UnregisterServer(const ServerIdentity &identity);

} // namespace com
