#include "backoffice/register.h"

#include "backoffice/frmadminarea.h"
#include "backoffice/frmlog.h"
#include "backoffice/frmstats.h"
#include "backoffice/frmtax.h"
#include "core/state/windowregistry.h"

namespace backoffice {

void RegisterBackOfficeWindows()
{
    core::RegisterForm<frmAdminArea>();
    core::RegisterForm<frmLog>();
    core::RegisterForm<frmStats>();
    core::RegisterForm<frmTax>();
}

} // namespace backoffice
