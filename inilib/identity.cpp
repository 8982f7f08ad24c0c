#include "inilib/identity.h"

#include "inilib/tarvolinkini.h"

namespace tarvolinkini {

const com::ServerIdentity &ServerIdentity()
{
    static const com::ServerIdentity identity{
        CLSID_INI, QStringLiteral("TarvolinkINI.INI"), LIBID_TarvolinkINI, QStringLiteral("TarvolinkINI"),
        QStringLiteral("1.1"), IID__INI, QStringLiteral("_INI"),
    };
    return identity;
}

} // namespace tarvolinkini
