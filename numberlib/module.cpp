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

HOTEL_COM_SERVER_EXPORTS(tvlno::TVL, identity())
