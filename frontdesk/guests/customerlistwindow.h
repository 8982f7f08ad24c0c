#pragma once
// What the two guest lists share (current guests, frmCustomers; former guests,
// frmCustomersHistory): the search frame, the 21-column report list with its row icons,
// the refill by search mode, the row menu opened on a selected row, the export and the
// layout on resize. Each window adds its own controls, menu items and error codes.
#include "controls/popupmenu.h"
#include "controls/reportlist.h"
#include "ui/form.h"

#include <QString>

class QGroupBox;
class QBoxLayout;
class QHBoxLayout;
class QLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ado {
class Recordset;
}

namespace frontdesk {

// Columns of the guest lists, as sub-item numbers (0 is the row's own text, the title).
inline constexpr int CustomerIdSubItem = 18;   // order sign + guest number
inline constexpr int StatusSubItem = 19;
inline constexpr int KeySubItem = 20;          // ID, in the hidden last column
inline constexpr int CustomerListColumns = 21;

// The row icon: image 1 for the titles of men and of office ("Mr", "Dr", "Prof", "Shri",
// "Master"; dots ignored, case counts), image 2 for every other title.
int TitleIcon(const QString &title);

// A label with its field below it, as the search frame shows them.
QBoxLayout *LabelAbove(QWidget *label, QWidget *field);

class CustomerListWindow : public ui::Form {
    Q_OBJECT
public:
    QGroupBox *Frame2;                  // "Search"
    QLabel *Label3;                     // "Customer ID, First Name or Last Name :"
    QLineEdit *txtSearchCustomer;
    QPushButton *Command3;              // "Search"
    QPushButton *Command1;              // "Refresh"
    QGroupBox *Frame1;                  // "Customer List"
    controls::ReportList *customerList;
    controls::PopupMenu *AGMyPopUp1;

    // Which control last asked for a refill (CustomerSearchMode).
    int searchMode = 0;

    // Clears the list and fills it again by searchMode, the search text and the filter.
    Q_INVOKABLE void RoomListShow();

    void Command3_Click();
    void Command1_Click();
    void customerList_DblClick();
    void customerList_MouseUp(int button, int shift, int x, int y);
    void AGMyPopUp1_Click(const QString &itemName);

protected:
    struct Codes {
        QString popup;
        QString exportList;
        QString load;
        QString fill;
    };
    CustomerListWindow(const QString &name, const QString &caption, const QString &table, Codes codes);

    // The window's menu items, and what a chosen one does (inside the popup's handler).
    virtual void definePopup() = 0;
    virtual void popupChosen(const QString &itemName) = 0;
    // The status column's text for a row.
    virtual QString statusText(const ado::Recordset &row, int statusColumn) const;
    // The status filter's text (current guests only).
    virtual QString statusFilter() const { return {}; }

    // Load steps both windows take: list option, headers, size, first fill.
    void loadList();
    // Writes the list to a workbook the clerk names; `proposed` is the name offered.
    void exportList(const QString &proposed);
    void Form_Resize() override;
    const Codes &codes() const { return codes_; }

    // The window's own controls go into the search frame's row after the buttons.
    void addToSearchRow(QLayout *layout);

private:
    void createControls();
    void addColumns();
    void fill(ado::Recordset &rows);

    QString table_;
    Codes codes_;
    QHBoxLayout *searchRow_ = nullptr;
};

} // namespace frontdesk
