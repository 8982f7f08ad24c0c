// The exports of libTarvolinkINI.so: self-registration and the class factory of INI.
#include "com/inprocserver.h"
#include "com/object.h"
#include "com/serverexports.h"
#include "inilib/ini.h"

namespace {

const com::ServerIdentity &identity()
{
    static const com::ServerIdentity identity{
        tarvolinkini::CLSID_INI, QStringLiteral("TarvolinkINI.INI"),
        tarvolinkini::LIBID_TarvolinkINI, QStringLiteral("TarvolinkINI"), QStringLiteral("1.1"),
        tarvolinkini::IID__INI, QStringLiteral("_INI"),
    };
    return identity;
}

} // namespace

com::HRESULT DllRegisterServer()
{
    return com::RegisterServer(identity(), com::ThisModulePath());
}

com::HRESULT DllUnregisterServer()
{
    return com::UnregisterServer(identity());
}

com::HRESULT DllGetClassObject(const com::Guid *clsid, const com::Guid *iid, void **object)
{
    if (!clsid || !iid)
        return com::E_INVALIDARG;
    return com::GetClassObject<tarvolinkini::INI>(*clsid, tarvolinkini::CLSID_INI, *iid, object);
}

com::HRESULT DllCanUnloadNow()
{
    return com::CanUnloadNow();
}
