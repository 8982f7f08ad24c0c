#include "backoffice/register.h"

#include "backoffice/frmstats.h"
#include "core/state/windowregistry.h"

namespace backoffice {

void RegisterBackOfficeWindows()
{
    core::RegisterForm<frmStats>();
}

} // namespace backoffice
