#pragma once
// The "Customer History List" child window: the former guests, searchable by number or
// name; the row menu starts a new booking for the former guest or exports the list.
#include "frontdesk/guests/customerlistwindow.h"

namespace frontdesk {

class frmCustomersHistory : public CustomerListWindow {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmCustomersHistory");

    frmCustomersHistory();

protected:
    void Form_Load() override;
    void definePopup() override;
    void popupChosen(const QString &itemName) override;
    // Former guests show "N/A" whatever status they left with.
    QString statusText(const ado::Recordset &row, int statusColumn) const override;
};

} // namespace frontdesk
