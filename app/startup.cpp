#include "app/startup.h"

#include "backoffice/register.h"
#include "core/aids/frmabout.h"
#include "core/aids/frmdblocatetool.h"
#include "core/mainwindow/load_frms.h"
#include "core/ui/frmerrorreport.h"
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
