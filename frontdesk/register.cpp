#include "frontdesk/register.h"

#include "core/state/windowregistry.h"
#include "frontdesk/booking/frmbooking.h"
#include "frontdesk/food/frmcustomersearch.h"
#include "frontdesk/food/frmfooddetails.h"
#include "frontdesk/food/frmfoodingbook.h"
#include "frontdesk/guests/frmcustomerdetails.h"
#include "frontdesk/guests/frmcustomers.h"
#include "frontdesk/guests/frmcustomershistory.h"
#include "frontdesk/schedule/frmroomlist.h"
#include "frontdesk/shared/guestlistselection.h"
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
    core::RegisterForm<frmFoodingBook>();
    core::RegisterForm<frmCustomerSearch>();
    // Shown for the guest the guest list selects: an open window showing another guest
    // shows this one instead.
    core::RegisterWindow(frmFoodDetails::Name, [](int mode) {
        const bool open = ui::Forms::IsLoaded<frmFoodDetails>();
        frmFoodDetails &orders = ui::Forms::Get<frmFoodDetails>();
        const QString selected = GuestListSelection(GuestListNumberColumn).value_or(QString()).remove(QLatin1Char('#'));
        if (open && !selected.trimmed().isEmpty() && selected.trimmed() != orders.xOrderNo)
            orders.ShowGuest(selected);
        orders.Show(mode);
    });
}

} // namespace frontdesk
