#pragma once
// "Customer Details - Text View": the bill of the guest a details window shows, as editable
// rich text.
#include "frontdesk/bills/guestbill.h"
#include "frontdesk/bills/richtextviewer.h"

#include <optional>

namespace frontdesk {

class frmCustomerPrint : public RichTextViewer {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmCustomerPrint");

    frmCustomerPrint();

    // Shows the bill of `guest`, not modal. The open viewer is brought forward as it stands
    // when it shows this bill already, and builds the bill anew for another guest or for
    // details that have changed since (a saved correction).
    static void ShowBill(const GuestDetails &guest);

    // Builds the bill of the window's guest with the room taxes stored now.
    void display_RichText();
    const GuestDetails &Guest() const { return guest_; }

protected:
    void buildBill() override { display_RichText(); }

private:
    QList<RoomTax> roomTaxes();

    GuestDetails guest_;
    // The guest handed to the next viewer that loads.
    static inline std::optional<GuestDetails> requested_;
};

} // namespace frontdesk
