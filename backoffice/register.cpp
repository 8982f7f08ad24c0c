#include "backoffice/register.h"

#include "backoffice/adminarea/frmadminarea.h"
#include "backoffice/log/frmlog.h"
#include "backoffice/stats/frmstats.h"
#include "backoffice/tax/frmtax.h"
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
