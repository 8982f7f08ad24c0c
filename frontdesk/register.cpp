#include "frontdesk/register.h"

#include "core/state/windowregistry.h"
#include "frontdesk/frmbooking.h"
#include "ui/forms.h"

namespace frontdesk {

void RegisterFrontDeskWindows()
{
    core::RegisterForm<frmBooking>();
}

} // namespace frontdesk
