#include "frontdesk/guests/frmcustomershistory.h"

#include "core/state/runhandler.h"
#include "frontdesk/booking/frmbooking.h"

namespace frontdesk {

frmCustomersHistory::frmCustomersHistory()
    : CustomerListWindow(Name, QStringLiteral("Customer History List"), QStringLiteral("tbl_customers_history"),
                         {QStringLiteral("CUSHIS001"), QStringLiteral("CUSHIS002"), QStringLiteral("CUSHIS003"),
                          QStringLiteral("CUSHIS004")})
{
}

void frmCustomersHistory::Form_Load()
{
    core::RunHandler(codes().load, core::ReportMode::Modal, [this] {
        loadList();
        RoomListShow();
    });
}

void frmCustomersHistory::definePopup()
{
    AGMyPopUp1->addItem(QStringLiteral("&New Booking"), QStringLiteral("mnuNewBooking"), 1);
    AGMyPopUp1->addSeparator(QStringLiteral("kkk"));
    AGMyPopUp1->addItem(QStringLiteral("Export List To Excel"), QStringLiteral("mnuExportExcel"), 2);
}

void frmCustomersHistory::popupChosen(const QString &itemName)
{
    if (itemName == QLatin1String("mnuNewBooking")) {
        frmBooking::ShowForFormerGuest(customerList->subItem(customerList->listIndex(), CustomerIdSubItem));
    } else if (itemName == QLatin1String("mnuExportExcel")) {
        exportList(QStringLiteral("Customer History List"));
    }
}

QString frmCustomersHistory::statusText(const vb::Variant &) const { return QStringLiteral("N/A"); }

} // namespace frontdesk
