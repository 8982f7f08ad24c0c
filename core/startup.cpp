#include "core/startup.h"

#include "backoffice/register.h"
#include "core/frmabout.h"
#include "core/frmdblocatetool.h"
#include "core/frmerrorreport.h"
#include "core/load_frms.h"
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
