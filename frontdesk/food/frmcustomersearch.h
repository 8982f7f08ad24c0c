#pragma once
// " Search Customers": a small window on top of all others that lists the current guests
// matching the food order window's search text; a double click hands the guest to the
// order window and closes the search. The search runs once, when the window loads.
#include "ui/form.h"

class QLabel;
class QPushButton;

namespace controls {
class ReportList;
}

namespace frontdesk {

class frmCustomerSearch : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmCustomerSearch");

    frmCustomerSearch();
    ~frmCustomerSearch() override;

    controls::ReportList *searchLV;
    QLabel *Label1;          // "Double Click on Customer to Select :"
    QPushButton *Command1;   // "&Close"

    void searchLV_DblClick();
    void Command1_Click();

protected:
    void Form_Load() override;

private:
    void search();
};

} // namespace frontdesk
