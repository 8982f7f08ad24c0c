#include "frontdesk/register.h"

#include "core/windowregistry.h"
#include "frontdesk/frmbooking.h"
#include "ui/forms.h"

namespace frontdesk {

void RegisterFrontDeskWindows()
{
    core::RegisterWindow(QStringLiteral("frmBooking"), [](int mode) { ui::Forms::Get<frmBooking>().Show(mode); });
}

} // namespace frontdesk
