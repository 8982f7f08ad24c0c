#include "backoffice/register.h"

#include "backoffice/frmstats.h"
#include "core/windowregistry.h"
#include "ui/forms.h"

namespace backoffice {

void RegisterBackOfficeWindows()
{
    core::RegisterWindow(QStringLiteral("frmStats"), [](int mode) { ui::Forms::Get<frmStats>().Show(mode); });
}

} // namespace backoffice
