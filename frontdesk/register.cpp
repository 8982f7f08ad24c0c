#include "frontdesk/register.h"

#include "core/state/windowregistry.h"
#include "frontdesk/frmbooking.h"
#include "frontdesk/frmcustomers.h"
#include "frontdesk/frmcustomershistory.h"
#include "frontdesk/frmroomlist.h"
#include "ui/forms.h"

namespace frontdesk {

void RegisterFrontDeskWindows()
{
    core::RegisterForm<frmBooking>();
    core::RegisterForm<frmCustomers>();
    core::RegisterForm<frmCustomersHistory>();
    core::RegisterForm<frmRoomList>();
}

} // namespace frontdesk
