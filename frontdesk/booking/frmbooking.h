#pragma once
// The "New Booking" child window: the guest, the stay, the rooms with their tariff and room
// taxes, the advance and the payment method; "Submit" stores the booking.
#include "core/db/configini.h"
#include "core/ui/cballoontooltip.h"
#include "ui/form.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace core {
class ScrollBar;
}

namespace vb {
class Date;
}

namespace frontdesk {

struct BookingRecord;

class frmBooking : public ui::Form {
    Q_OBJECT
public:
    inline static const QString Name = QStringLiteral("frmBooking");

    frmBooking();
    ~frmBooking() override;

    // "New Booking" for a former guest (`number` as the former guest list shows it, order sign
    // included): the window opened or brought forward, with the guest filled in.
    static void ShowForFormerGuest(const QString &number);

    // Six random capital letters "A" to "Y", from a source seeded from the clock.
    QString getRndNumber();
    // Due := grand total less advance, both fields in currency form.
    void getDue();
    // Every room with a description into the available list; the booked list emptied.
    void getRoomList();
    // lbPercent := the sum of the room taxes (category 1).
    void getAllTax();
    // Percent / 100 x PercentOf, unrounded.
    double PercentFunction(double Percent, double PercentOf);
    // Keeps the departure after the arrival and the number of days equal to their difference.
    void CalculateNoDay();

    // The payment option last clicked: 0 Cash, 1 Cheque, 2 Credit Card, 3 Other.
    int16_t paymentIndex = 0;

    // The scrollable area.
    QFrame *PicOuter;
    QWidget *PicInner;
    core::ScrollBar *HBar;
    core::ScrollBar *VBar;

    QGroupBox *Frame1;   // "Customer Details"
    QComboBox *comboTitle;
    QLineEdit *txtFName;
    QLineEdit *txtLName;
    QLineEdit *txtAddress;
    QLineEdit *txtPhone;
    QComboBox *comboAdults;
    QComboBox *comboMinors;
    QDateEdit *dtArrival;
    QDateEdit *dtDepature;
    QComboBox *comboStatus;
    QLineEdit *Text2;   // where the status hint is anchored

    QGroupBox *Frame2;   // "Rooms Option"
    QTreeWidget *ListView1;
    QTreeWidget *ListView2;
    QPushButton *Command1;   // down arrow: the chosen room into the booked list
    QPushButton *Command2;   // up arrow: the chosen room back to the available list
    QPushButton *Command3;   // "&Refresh && Reset"
    QPushButton *Command5;   // "Submit"
    QLineEdit *Text1;   // where the rooms hint is anchored

    QGroupBox *Frame3;   // "Tariff Calculation"
    QLineEdit *txtNumberDays;
    QLineEdit *txtRoomRate;
    QLabel *lbPercent;
    QLineEdit *txtTax;
    QPushButton *Command4;   // "Tax"
    QLineEdit *txtGrandTotal;
    QPushButton *Command7;   // "Calculate"

    QGroupBox *Frame4;   // "Payments"
    QLineEdit *txtAdvance;
    QLineEdit *txtDue;
    QPushButton *Command6;   // calculator picture: opens the calculator

    QGroupBox *Frame5;   // "Payment Method"
    std::array<QRadioButton *, 4> paymentMethod{};
    QFrame *picPayDetails;
    QLineEdit *txtPaymentDetails;
    QPushButton *Command8;   // "&OK"

    QGroupBox *Frame6;   // "Additional Notes"
    QPlainTextEdit *txtAdditionalNote;

    // Handlers, connected to the controls; public so that other code and the tests can
    // run them as the user would.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void paymentMethod_Click(int Index);
    void paymentMethod_MouseDown(int Index);
    void txtPaymentDetails_Click();

protected:
    void Form_Load() override;
    void Form_Unload(int &cancel) override;
    void Form_Resize() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction of the controls (frmbooking_controls.cpp).
    void createControls();
    QGroupBox *createCustomerFrame();
    QGroupBox *createRoomsFrame();
    QGroupBox *createTariffFrame();
    QGroupBox *createPaymentsFrame();
    QGroupBox *createPaymentMethodFrame();
    QGroupBox *createNotesFrame();
    void fitContent();
    void addRoomColumns(QTreeWidget *list, const QStringList &samples);
    void connectControls();
    void watchKeysAndClicks();

    void loadHistoryCustomer();
    void setStayFromToday();
    void datesChanged(QDateEdit *changed);
    void dateKeyPressed(QDateEdit *date, const QKeyEvent &key);
    void dateLeft(QDateEdit *date);
    void moveRoom(QTreeWidget *from, QTreeWidget *to, int sign);
    void rateBookedRooms();
    void updateTaxAndTotal();
    void removeBalloon();
    void showAmountHint(QLineEdit *box);
    bool refusesAmount(QLineEdit *box);
    bool handleEnter(QObject *watched);
    bool handleMousePress(QObject *watched);

    // Submission steps (frmbooking_submit.cpp).
    bool checkInput();
    void showHint(QWidget *anchor, QWidget *toolBox, const QString &title, const QString &text);
    void fillDefaults();
    bool storeBooking();
    BookingRecord bookingOfFields() const;
    bool writeBooking(BookingRecord &booking, vb::Date today);
    std::optional<QStringList> roomsGoneFrom(const QStringList &rooms);
    void takeOutGoneRooms(QStringList gone);
    std::optional<QString> newGuestNumber();
    void resetAfterBooking();

    core::CBalloonToolTip &tip();
    std::unique_ptr<core::CBalloonToolTip> tip_;
    core::IniObject ini_;
    // The number of days the booked rooms were last rated for.
    int ratedDays_ = -1;
    // The date box being typed into, digit by digit, and whether its date waits to be checked.
    QDateEdit *typedDate_ = nullptr;
    int typedSection_ = -1;
    bool dateCheckPending_ = false;
};

} // namespace frontdesk
