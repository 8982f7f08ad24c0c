#include "app/startup.h"

#include "backoffice/register.h"
#include "core/windows/frmabout.h"
#include "core/windows/frmdblocatetool.h"
#include "core/mainwindow/load_frms.h"
#include "core/windows/frmerrorreport.h"
#include "frontdesk/register.h"

namespace app {

void RegisterProgramWindows()
{
    core::InstallErrorReportWindow();
    core::InstallDatabaseSettingsWindow();
    core::RegisterMainWindows();
    core::RegisterCoreAidWindows();
    frontdesk::RegisterFrontDeskWindows();
    backoffice::RegisterBackOfficeWindows();
}

} // namespace app
