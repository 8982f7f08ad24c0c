#include "core/windows/register.h"

#include "core/state/windowregistry.h"
#include "core/ui/failuremessage.h"
#include "core/windows/frmabout.h"
#include "core/windows/frmdblocatetool.h"
#include "core/windows/frmerrorreport.h"
#include "core/windows/frmloginout.h"
#include "core/windows/modifypassword.h"

namespace core {

void RegisterCoreWindows()
{
    InstallErrorReportWindow();
    InstallDatabaseSettingsWindow();
    InstallFailureMessageBox();
    RegisterForm<frmAbout>();
    RegisterForm<frmLogInOut>();
    RegisterForm<ModifyPassword>();
}

} // namespace core
