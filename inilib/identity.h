#pragma once
// How the settings component registers: class INI of the type library TarvolinkINI with its
// interface _INI. Shared by the component library and by components that stand in for it.
#include "com/inprocserver.h"

namespace tarvolinkini {

const com::ServerIdentity &ServerIdentity();

} // namespace tarvolinkini
