// The exports of libtvlno.so: self-registration and the class factory of TVL.
#include "com/inprocserver.h"
#include "com/object.h"
#include "com/serverexports.h"
#include "numberlib/tvl.h"

namespace {

const com::ServerIdentity &identity()
{
    static const com::ServerIdentity identity{
        tvlno::CLSID_TVL, QStringLiteral("tvlno.TVL"),
        tvlno::LIBID_Number, QStringLiteral("Number"), QStringLiteral("1.0"),
        tvlno::IID__TVL, QStringLiteral("_TVL"),
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
    return com::GetClassObject<tvlno::TVL>(*clsid, tvlno::CLSID_TVL, *iid, object);
}

com::HRESULT DllCanUnloadNow()
{
    return com::CanUnloadNow();
}
