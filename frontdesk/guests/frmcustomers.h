#pragma once
// The "Customer List" child window: every current guest, searchable by number or name and
// filtered by booking status; the row menu opens the guest's details, food orders or a new
// food order, or exports the list.
#include "core/db/configini.h"
#include "frontdesk/guests/customerlistwindow.h"

#include <memory>

class QComboBox;
class QLabel;

namespace frontdesk {

class frmCustomers : public CustomerListWindow {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmCustomers");

    frmCustomers();
    ~frmCustomers() override;

    QLabel *Label1;   // "View by Status :"
    QComboBox *comboStatus;

    void comboStatus_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void definePopup() override;
    void popupChosen(const QString &itemName) override;
    QString statusFilter() const override;

private:
    void showCustomerDetails();
    void showFoodDetails();
    void newFoodOrder();

    bool positionRestored_ = false;
};

} // namespace frontdesk
