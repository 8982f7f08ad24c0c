#include "backoffice/register.h"

#include "backoffice/frmadminarea.h"
#include "backoffice/frmstats.h"
#include "core/state/windowregistry.h"

namespace backoffice {

void RegisterBackOfficeWindows()
{
    core::RegisterForm<frmAdminArea>();
    core::RegisterForm<frmStats>();
}

} // namespace backoffice
