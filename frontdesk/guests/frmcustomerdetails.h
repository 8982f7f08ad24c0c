#pragma once
// "Customer Details": one current guest's record for reading and correction. "&Update
// Details" saves the corrections with an activity-log row; "&Remove Customer" moves the guest
// into the guest history and removes the guest's room bookings. Each window keeps the guest
// it was opened for (taken from the guest list's selection at its load), so several can be
// open at once, each for its own guest.
#include "core/db/configini.h"
#include "ui/form.h"

#include <QString>
#include <QStringList>
#include <memory>

class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace core {
class CBalloonToolTip;
class ScrollBar;
}

namespace frontdesk {

class frmCustomerDetails : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmCustomerDetails");

    // guestId 0: the guest selected in the guest list when the window loads.
    explicit frmCustomerDetails(qint64 guestId = 0);
    ~frmCustomerDetails() override;

    // The shown guest's number as stored (without the order sign); read by the guest bill.
    QString MyOrderUniqueID;
    // The shown guest's key (tbl_customers.ID); 0 until a guest is loaded.
    qint64 GuestId() const { return guestId_; }

    // Loads the window's guest (at the first load: the guest list's selection).
    void GetCustomerDetails();
    // One row per booked room of txtRooms, with the price at the same place of txtRoomPrice.
    void getRoomList();

    QFrame *PicOuter;
    QWidget *PicInner;
    core::ScrollBar *HBar;
    core::ScrollBar *VBar;

    QGroupBox *Frame1;   // "Customer Details", then "Customer ID : " + sign + number
    QComboBox *txtTitle;
    QLineEdit *txtFName;
    QLineEdit *txtLName;
    QLineEdit *txtAddress;
    QLineEdit *txtPhoneNumber;
    QLineEdit *txtAdults;
    QLineEdit *txtMinors;
    QDateEdit *DtCheckinDate;
    QDateEdit *DtCheckoutDate;
    QLineEdit *txtNumberOfDays;   // read-only: the nights between the two dates
    QComboBox *comboStatus;
    QGroupBox *Frame2;   // "Payment Details"
    QLineEdit *txtRoomRate;
    QLineEdit *txtTax;
    QLineEdit *txtGrandTotal;
    QLineEdit *txtAdvancePaid;
    QLineEdit *txtDue;            // read-only: grand total less advance
    QLineEdit *txtPaymentMethod;
    QLineEdit *txtPaymentDetails;
    QPlainTextEdit *txtNote;   // every note a booking can store, line breaks and all
    QLineEdit *customerID;     // hidden: ID
    QLineEdit *txtRooms;       // hidden: cRoomNameID as stored
    QLineEdit *txtRoomPrice;   // hidden: cRoomNamePrice as stored
    QGroupBox *Frame3;   // "Customer Rooms"
    QTreeWidget *ListView1;
    QPushButton *Command1;   // "&Update Details"
    QPushButton *Command3;   // "&Remove Customer"
    QPushButton *Command4;   // "Text View"
    QPushButton *Command2;   // "&Close"

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    void Form_Load() override;
    void Form_Resize() override;

private:
    void createControls();
    QGroupBox *createCustomerFrame();
    QGroupBox *createPaymentFrame();
    QGroupBox *createRoomsFrame();
    void fitContent();

    void UpdateCustomerRecord();
    // Counts, amounts and dates that can be stored; the first that cannot gets a balloon hint.
    bool checkFields();
    core::CBalloonToolTip &tip();
    void showHint(QWidget *box, const QString &title, const QString &text);
    void removeBalloon();
    // The derived boxes follow what they are derived from.
    void showDays();
    void showDue();
    // The guest's booked rooms whose booking tables are still there.
    QStringList roomTables() const;
    bool removeCustomer();
    void clearFields();

    qint64 guestId_ = 0;
    core::IniObject ini_;
    std::unique_ptr<core::CBalloonToolTip> tip_;
};

} // namespace frontdesk
