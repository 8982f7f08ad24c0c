#include "frontdesk/register.h"

#include "core/state/windowregistry.h"
#include "frontdesk/frmbooking.h"
#include "frontdesk/frmcustomerdetails.h"
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
    // Each opening shows a new details window, for the guest the guest list selects then.
    core::RegisterWindow(frmCustomerDetails::Name, [](int mode) {
        auto *details = new frmCustomerDetails;
        details->Show(mode);
    });
}

} // namespace frontdesk
