#include "frontdesk/guests/frmcustomers.h"

#include "ado/recordset.h"
#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "core/state/connecthandler.h"
#include "core/state/runhandler.h"
#include "core/state/windowregistry.h"
#include "core/ui/windowkit.h"
#include "core/ui/windowposition.h"
#include "frontdesk/guests/customerdetailsstatements.h"
#include "frontdesk/guests/customerliststatements.h"
#include "ui/dialogs.h"
#include "ui/forms.h"
#include "vb/text.h"

#include <QBoxLayout>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace frontdesk {

frmCustomers::frmCustomers()
    : CustomerListWindow(Name, QStringLiteral("Customer List"), QStringLiteral("tbl_customers"),
                         {QStringLiteral("FRCUS001"), QStringLiteral("FRCUS002"), QStringLiteral("FRCUS003"),
                          QStringLiteral("FRCUS004")})
{
    Label1 = core::Label(QStringLiteral("View by Status :"), QStringLiteral("Label1"), Frame2);
    comboStatus = core::ComboBox(QStringLiteral("comboStatus"), Frame2);
    addToSearchRow(LabelAbove(Label1, comboStatus));
    core::ConnectHandler(comboStatus, &QComboBox::activated, this, &frmCustomers::comboStatus_Click);
}

frmCustomers::~frmCustomers() = default;

void frmCustomers::Form_Load()
{
    core::RunHandler(codes().load, core::ReportMode::Modal, [this] {
        loadList();
        comboStatus->addItems({AllStatuses, QStringLiteral("Checked In"), QStringLiteral("Confirmed"),
                               QStringLiteral("Checked Out"), QStringLiteral("Not Confirmed"),
                               QStringLiteral("Checked Out"), QStringLiteral("N/A")});
        comboStatus->setCurrentIndex(0);
        // Choosing the first filter entry lists every guest: the list is filled once, here,
        // rather than also before the filter is filled with the same rows.
        comboStatus_Click();
        const auto ini = core::NewConfigIni(QStringLiteral("cuspos"));
        core::LoadWindowPosition(*ini, *this);
    });
    positionRestored_ = true;
}

void frmCustomers::Form_Resize()
{
    CustomerListWindow::Form_Resize();
    // Sizes set while loading are not the clerk's: saving them would overwrite the position
    // about to be restored.
    if (!positionRestored_)
        return;
    core::ResumeNext([this] { core::SaveWindowPosition(*core::NewConfigIni(QStringLiteral("cuspos")), *this); });
}

void frmCustomers::comboStatus_Click()
{
    searchMode = SearchStatus;
    RoomListShow();
}

QString frmCustomers::statusFilter() const { return comboStatus->currentText(); }

void frmCustomers::definePopup()
{
    AGMyPopUp1->addItem(QStringLiteral("&Show Customer Details"), QStringLiteral("mnuCustomerDetail"), 1);
    AGMyPopUp1->addItem(QStringLiteral("&Show Food && Beverages Details"), QStringLiteral("mnuFoodBeveragesDetails"), 2);
    AGMyPopUp1->addSeparator(QStringLiteral("sepd"));
    AGMyPopUp1->addItem(QStringLiteral("&New Food && Beverages Order"), QStringLiteral("mnuFoodOrder"), 3);
    AGMyPopUp1->addSeparator(QStringLiteral("kkk"));
    AGMyPopUp1->addItem(QStringLiteral("Export List To Excel"), QStringLiteral("mnuExportExcel"), 4);
}

void frmCustomers::popupChosen(const QString &itemName)
{
    if (itemName == QLatin1String("mnuCustomerDetail")) {
        showCustomerDetails();
    } else if (itemName == QLatin1String("mnuExportExcel")) {
        exportList(QStringLiteral("Customer List"));
    } else if (itemName == QLatin1String("mnuFoodBeveragesDetails")) {
        showFoodDetails();
    } else if (itemName == QLatin1String("mnuFoodOrder")) {
        newFoodOrder();
    }
}

// Each choice opens a details window of its own, for the guest selected now. A guest removed
// since the list was filled (in a details window, or at another workstation) has no details
// to show: the list is filled again instead, without that guest.
void frmCustomers::showCustomerDetails()
{
    const std::optional<qint64> key = WholeNumber(customerList->subItem(customerList->listIndex(), KeySubItem));
    if (!key)
        return;
    const auto guest = core::OpenRecordset(CustomerByIdSql(*key));
    if (!guest)
        return;   // reported by the statement layer
    if (guest->IsEOF()) {
        RoomListShow();
        return;
    }
    core::ShowWindow(QStringLiteral("frmCustomerDetails"), ui::vbModeless);
}

void frmCustomers::showFoodDetails()
{
    const int row = customerList->listIndex();
    const auto orders = core::OpenRecordset(GuestFoodOrdersSql(customerList->subItem(row, CustomerIdSubItem)));
    if (!orders)
        return;
    if (orders->IsEOF()) {
        ui::MsgBox(customerList->text(row) + QLatin1Char(' ') + customerList->subItem(row, 1) + QLatin1Char(' ')
                       + customerList->subItem(row, 2) + QStringLiteral(" has not ordered for anything! ") + vb::vbCrLf
                       + QStringLiteral("Therefore, No Food & Beverages details to show!"),
                   ui::vbInformation);
        return;
    }
    core::ShowWindow(QStringLiteral("frmFoodDetails"), ui::vbModeless);
}

// The order window takes the selected guest's number as shown (the window removes the order
// sign). It lives in another library, so it is reached by name.
void frmCustomers::newFoodOrder()
{
    const int row = customerList->listIndex();
    if (row < 1)
        return;
    const QString guest = customerList->subItem(row, CustomerIdSubItem);
    core::ShowWindow(QStringLiteral("frmFoodingBook"), ui::vbModeless);
    if (ui::Form *order = ui::Forms::Find(QStringLiteral("frmFoodingBook"))) {
        order->setProperty("MyOrderID", guest);
        QMetaObject::invokeMethod(order, "GetCustomerDetails", Qt::DirectConnection);
    }
}

} // namespace frontdesk
