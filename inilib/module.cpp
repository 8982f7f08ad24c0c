// The exports of libTarvolinkINI.so: self-registration and the class factory of INI.
#include "com/object.h"
#include "com/serverexports.h"
#include "inilib/identity.h"
#include "inilib/ini.h"

HOTEL_COM_SERVER_EXPORTS(tarvolinkini::INI, tarvolinkini::ServerIdentity())
