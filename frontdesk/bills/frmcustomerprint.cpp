#include "frontdesk/bills/frmcustomerprint.h"

#include "ado/recordset.h"
#include "controls/richtextbox.h"
#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "frontdesk/bills/customerprintstatements.h"
#include "ui/forms.h"
#include "vb/conversions.h"

namespace frontdesk {

frmCustomerPrint::frmCustomerPrint()
    : RichTextViewer(Name, QStringLiteral("Customer Details - Text View")),
      guest_(requested_.value_or(GuestDetails{}))
{
    requested_.reset();
}

void frmCustomerPrint::ShowBill(const GuestDetails &guest)
{
    if (auto *open = ui::Forms::Find<frmCustomerPrint>()) {
        if (open->guest_ != guest) {
            open->guest_ = guest;
            open->display_RichText();
        }
        open->Show();
        return;
    }
    requested_ = guest;
    ui::Forms::Get<frmCustomerPrint>().Show();
}

// A failed query has been reported by the statement layer; the bill then lists no tax.
QList<RoomTax> frmCustomerPrint::roomTaxes()
{
    QList<RoomTax> taxes;
    const auto rows = core::OpenRecordset(RoomTaxesSql());
    if (!rows)
        return taxes;
    for (; !rows->IsEOF(); rows->MoveNext()) {
        const vb::Variant name = rows->Fields(QStringLiteral("TaxName")).Value();
        const vb::Variant rate = rows->Fields(QStringLiteral("TaxRate")).Value();
        taxes.append(RoomTax{name.isNull() ? QString() : vb::CStr(name), rate.isNull() ? vb::Currency() : vb::CCur(rate)});
    }
    return taxes;
}

void frmCustomerPrint::display_RichText()
{
    setBill(GuestBillText(guest_, core::State().mOrderSign, roomTaxes()));
}

} // namespace frontdesk
