#include "app/startup.h"

#include "backoffice/register.h"
#include "core/windows/register.h"
#include "frontdesk/register.h"

namespace app {

void RegisterProgramWindows()
{
    core::RegisterCoreWindows();
    frontdesk::RegisterFrontDeskWindows();
    backoffice::RegisterBackOfficeWindows();
}

} // namespace app
