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

HOTEL_COM_SERVER_EXPORTS(tarvolinkini::INI, identity())
