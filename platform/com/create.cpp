#include "com/create.h"

#include "registry/registry.h"

#include <QFile>

#include <dlfcn.h>

namespace com {

namespace {

QString registeredLibrary(const Guid &clsid)
{
    const QString path = QStringLiteral("CLSID\\") + clsid.toString() + QStringLiteral("\\InprocServer32");
    reg::HKEY key;
    if (reg::RegOpenKeyEx(reg::HKEY_CLASSES_ROOT, path, 0, reg::KEY_READ, &key) != reg::ERROR_SUCCESS)
        return QString();
    QString library;
    reg::QueryStringValue(key, QString(), &library);
    reg::RegCloseKey(key);
    return library;
}

} // namespace

HRESULT CreateInstance(const Guid &clsid, const Guid &iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;

    const QString library = registeredLibrary(clsid);
    if (library.isEmpty())
        return REGDB_E_CLASSNOTREG;
    // The library stays loaded for the rest of the run: objects made by it may outlive any
    // reference this function could keep.
    void *handle = dlopen(QFile::encodeName(library).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return E_MOD_NOT_FOUND;
    const auto getClassObject = reinterpret_cast<DllGetClassObjectFunction>(dlsym(handle, "DllGetClassObject"));
    if (!getClassObject)
        return CO_E_ERRORINDLL;

    ComPtr<IClassFactory> factory;
    const HRESULT hr = getClassObject(&clsid, &IClassFactory::IID, factory.put());
    if (FAILED(hr))
        return hr;
    return factory->CreateInstance(nullptr, iid, object);
}

} // namespace com
