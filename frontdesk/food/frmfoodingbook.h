#pragma once
// "New Food & Beverages Order": the clerk finds a current guest, picks items from the food
// and drink catalogue into the order, sees the running total, chooses the status and saves
// the order (its row, its own item table, the day's revenue and the item rows, all or
// nothing).
#include "frontdesk/food/foodingbookstatements.h"
#include "ui/form.h"

#include <QString>
#include <functional>
#include <optional>

class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace controls {
class ReportList;
}
namespace core {
class ScrollBar;
}

namespace frontdesk {

class frmFoodingBook : public ui::Form {
    Q_OBJECT
    Q_PROPERTY(QString MyOrderID MEMBER MyOrderID)
public:
    inline static const QString Name = QStringLiteral("frmFoodingBook");

    frmFoodingBook();
    ~frmFoodingBook() override;

    // The search text the guest search window reads.
    QString CustomerSearchString;
    // The chosen guest's number (an order sign is removed by GetCustomerDetails).
    QString MyOrderID;
    // Fills the guest's title and names from MyOrderID; a number that finds no guest
    // clears them, so an order is never filed under another guest's number.
    Q_INVOKABLE void GetCustomerDetails();

    // The random fractions the order ids are drawn from: the runtime's source, seeded from
    // the clock once; tests may put a source of their own.
    std::function<double()> randomSource;

    QFrame *PicOuter;
    QWidget *PicInner;
    core::ScrollBar *HBar;
    core::ScrollBar *VBar;

    QTreeWidget *TreeView1;
    controls::ReportList *FoodLV;
    QPushButton *Command1;   // (picture) add the selected catalogue item
    QPushButton *Command2;   // (picture) remove the selected order item
    QGroupBox *Frame1;       // "Search"
    QLineEdit *txtSearchCustomer;
    QPushButton *Command3;   // "Search"
    QGroupBox *Frame2;       // "Customer Name"
    QLineEdit *txtCTitle;
    QLineEdit *txtCFname;
    QLineEdit *txtCLname;
    QLineEdit *txtTotalAmount;
    QComboBox *Combo1;       // the order status
    QPushButton *Command4;   // "&Save"

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    QWidget *createCatalogue();
    QWidget *createOrderSide();
    void fitContent();

    void LoadFoodTree();
    std::optional<QString> MakeFoodOrderId();
    bool saveOrder(QString orderId);
    bool writeOrderRows(const QString &orderId, const FoodOrderRecord &order);
    void addToTotal(const QString &amountText, int sign);
};

} // namespace frontdesk
