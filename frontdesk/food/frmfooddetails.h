#pragma once
// "Food & Beverages Order Details": the food and beverage orders of one current guest, the
// items and total of the selected order with the food taxes, the removal of an order. The
// window keeps the guest it was opened for (the guest list's selection at its load) until
// it is shown for another guest.
#include "ui/form.h"

#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace controls {
class ReportList;
}
namespace core {
class ScrollBar;
}

namespace frontdesk {

class frmFoodDetails : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmFoodDetails");

    frmFoodDetails();
    ~frmFoodDetails() override;

    // The shown guest's number, without the order sign; read by the food bill.
    QString xOrderNo;
    // Percent / 100 x PercentOf, unrounded.
    double PercentFunction(double Percent, double PercentOf);
    // Shows the orders of another guest (guest number with or without the order sign).
    void ShowGuest(const QString &guestNo);

    QFrame *PicOuter;
    QWidget *PicInner;
    core::ScrollBar *HBar;
    core::ScrollBar *VBar;

    QGroupBox *Frame1;   // "Customer Details", then "Customer ID : " + sign + number
    QLineEdit *txtTitle;
    QLineEdit *txtFName;
    QLineEdit *txtLName;
    QGroupBox *Frame2;   // "Food && Beverages"
    controls::ReportList *OrderLV;
    controls::ReportList *ItemsLV;
    QLabel *Label5;          // "Note : Paid Orders are not included in Total Amount"
    QPushButton *Command5;   // "Remove Order"
    QPushButton *Command3;   // "&Text View"
    QGroupBox *Frame3;   // "Amount"
    QLineEdit *txtTotalAmount;
    QLabel *lbName;          // "Tax(s) :"
    QLabel *lbPercent;       // the summed food-tax percent
    QLabel *Label4;          // "%"
    QLineEdit *txtTax;
    QLineEdit *txtAmoutWithTax;
    QPushButton *Command4;   // "Tax"
    QPushButton *Command1;   // "&Refresh"
    QPushButton *Command2;   // "&Close"

    void ShowOrderItems();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;

private:
    void createControls();
    QGroupBox *createOrdersFrame();
    QGroupBox *createAmountFrame();
    void fitContent();

    struct TaxedAmount {
        QString tax;       // both in the currency format
        QString withTax;
    };
    TaxedAmount taxOn(const QString &total);
    int orderIdWidth() const;
    void refreshAll();
    void ShowCustomerOrders();
    void SumCustomerOrders();
    void LoadFoodTaxPercent();
    void CalculateFoodTax();
    // The selected order's id, without the order sign ("" for none).
    QString selectedOrderId() const;
};

} // namespace frontdesk
