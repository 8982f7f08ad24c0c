#include "frontdesk/register.h"

#include "core/state/windowregistry.h"
#include "frontdesk/frmbooking.h"
#include "frontdesk/frmcustomerdetails.h"
#include "ui/forms.h"

namespace frontdesk {

void RegisterFrontDeskWindows()
{
    core::RegisterForm<frmBooking>();
    // Each opening shows a new details window, for the guest the guest list selects then.
    core::RegisterWindow(frmCustomerDetails::Name, [](int mode) {
        auto *details = new frmCustomerDetails;
        details->Show(mode);
    });
}

} // namespace frontdesk
