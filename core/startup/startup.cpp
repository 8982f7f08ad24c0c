#include "core/startup/startup.h"

#include "backoffice/register.h"
#include "core/aids/frmabout.h"
#include "core/aids/frmdblocatetool.h"
#include "core/mainwindow/load_frms.h"
#include "core/ui/frmerrorreport.h"
#include "frontdesk/register.h"

namespace core {

void RegisterProgramWindows()
{
    InstallErrorReportWindow();
    InstallDatabaseSettingsWindow();
    RegisterMainWindows();
    RegisterCoreAidWindows();
    frontdesk::RegisterFrontDeskWindows();
    backoffice::RegisterBackOfficeWindows();
}

} // namespace core
