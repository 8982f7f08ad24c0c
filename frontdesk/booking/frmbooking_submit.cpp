// "Submit": checks the booking, stores it (the guest row, one row per booked room, the day's
// revenue and the activity log, all or nothing), and clears the window for the next guest.
#include "frontdesk/booking/frmbooking.h"

#include "ado/recordset.h"
#include "core/aids/playwave.h"
#include "core/aids/typedamount.h"
#include "core/db/changelookup.h"
#include "core/db/dbworks.h"
#include "core/db/sqltext.h"
#include "core/db/tableexists.h"
#include "core/db/tablenames.h"
#include "core/state/appstate.h"
#include "core/state/runhandler.h"
#include "core/ui/balloonhint.h"
#include "frontdesk/booking/bookingstatements.h"
#include "frontdesk/booking/guestnumber.h"
#include "frontdesk/booking/paymentmethod.h"
#include "ui/dialogs.h"
#include "vb/app.h"
#include "vb/conversions.h"
#include "vb/text.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace frontdesk {

namespace {

constexpr int ColumnRoom = 0;
constexpr int ColumnTariff = 2;

// Amounts as the guest row takes them: the field's text, apostrophes removed, as Currency.
vb::Currency amountOf(const QLineEdit *field)
{
    return vb::CCur(vb::Variant(field->text().remove(QLatin1Char('\''))));
}

void defaultWhenEmpty(QLineEdit *field, const QString &value)
{
    if (field->text().isEmpty())
        field->setText(value);
}

void defaultWhenEmpty(QComboBox *combo, const QString &value)
{
    if (combo->currentText().isEmpty())
        combo->setCurrentText(value);
}

QStringList columnOf(const QTreeWidget *list, int column)
{
    QStringList texts;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts << list->topLevelItem(row)->text(column);
    return texts;
}

QTreeWidgetItem *rowOf(const QTreeWidget *list, const QString &room)
{
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->text(ColumnRoom) == room)
            return list->topLevelItem(row);
    }
    return nullptr;
}

} // namespace

void frmBooking::Command5_Click()
{
    Command5->setEnabled(false);
    core::RunHandler(QStringLiteral("BOK004"), core::ReportMode::Modal, [this] {
        if (!checkInput())
            return;
        fillDefaults();
        if (!storeBooking())
            return;   // the statement layer has told the user; the input stays for another try
        core::PlayWave(vb::AppPath() + QStringLiteral("/sounds/cashin.wav"));
        resetAfterBooking();
        ui::MsgBox(QStringLiteral("Customer details has been added to the Record"), ui::vbInformation,
                   QStringLiteral("Customer Added"));
    });
    Command5->setEnabled(true);
}

// The first check that fails shows its hint and takes the focus to its field. A name of
// blanks counts as given; one that cleaning leaves empty (only apostrophes) does not.
bool frmBooking::checkInput()
{
    if (core::WithoutApostrophes(txtFName->text()).isEmpty()) {
        showHint(txtFName, txtFName, QStringLiteral("First Name"), QStringLiteral("Please enter First Name of the Customer!"));
        txtFName->setFocus();
        return false;
    }
    if (core::WithoutApostrophes(txtLName->text()).isEmpty()) {
        showHint(txtLName, txtLName, QStringLiteral("Last Name"), QStringLiteral("Please enter Last Name of the Customer!"));
        txtLName->setFocus();
        return false;
    }
    if (comboStatus->currentText() == QLatin1String("Unknown")) {
        showHint(Text2, comboStatus, QStringLiteral("Status Unknown"), QStringLiteral("Booking Status is Unknown!"));
        comboStatus->setFocus();
        return false;
    }
    if (ListView2->topLevelItemCount() == 0) {
        showHint(Text1, Text1, QStringLiteral("No Rooms"), QStringLiteral("Add Room(s) for Customer First!"));
        ListView2->setFocus();
        return false;
    }
    for (QLineEdit *amount : {txtRoomRate, txtTax, txtGrandTotal, txtAdvance, txtDue}) {
        if (refusesAmount(amount)) {
            amount->setFocus();
            return false;
        }
    }
    return true;
}

// A money box that holds something other than an amount shows its hint; an empty one is 0.
bool frmBooking::refusesAmount(QLineEdit *box)
{
    if (box->text().isEmpty() || core::TypedAmount(box->text()))
        return false;
    showAmountHint(box);
    return true;
}

// Titled with the box's own description.
void frmBooking::showAmountHint(QLineEdit *box)
{
    showHint(box, box, box->toolTip(),
             QStringLiteral("Please enter an amount, e.g. ")
                 + vb::Format(vb::Variant(vb::Currency(100)), QStringLiteral("Currency")) + QStringLiteral("!"));
}

// The balloon is made on the tool box and points at its lower left corner; the anchor box
// lies at that same corner and is what mTipTarget names afterwards.
void frmBooking::showHint(QWidget *anchor, QWidget *toolBox, const QString &title, const QString &text)
{
    core::ShowBalloonHint(tip(), toolBox, title, text);
    core::State().mTipTarget = anchor;
}

void frmBooking::fillDefaults()
{
    defaultWhenEmpty(txtAddress, QStringLiteral("N/A"));
    defaultWhenEmpty(txtPhone, QStringLiteral("0"));
    defaultWhenEmpty(comboAdults, QStringLiteral("0"));
    defaultWhenEmpty(comboMinors, QStringLiteral("0"));
    for (QLineEdit *amount : {txtRoomRate, txtTax, txtGrandTotal, txtAdvance, txtDue})
        defaultWhenEmpty(amount, QStringLiteral("0"));
}

// Runs the booking's statements in one transaction: when one fails (the statement layer has
// reported it) nothing of the booking is kept. Rooms removed or renumbered since the lists
// were read are taken out of the booking instead, and nothing is stored either.
bool frmBooking::storeBooking()
{
    BookingRecord booking = bookingOfFields();
    const vb::Date today = vb::Today();
    std::optional<QStringList> gone;
    {
        // The rooms are looked at inside the transaction, so that they stay as seen until it ends.
        core::Transaction transaction;
        gone = roomsGoneFrom(booking.rooms);
        if (gone && gone->isEmpty() && writeBooking(booking, today)) {
            transaction.Commit([&booking] {
                return core::RowFound(GuestNumberLookupSql(QStringLiteral("tbl_customers"), booking.uniqueNo));
            });
            return true;
        }
    }
    if (gone && !gone->isEmpty())
        takeOutGoneRooms(*gone);
    return false;
}

BookingRecord frmBooking::bookingOfFields() const
{
    const bool cash = paymentIndex == PaymentCash || paymentMethod[PaymentCash]->isChecked();
    BookingRecord booking;
    booking.title = comboTitle->currentText();
    booking.firstName = txtFName->text();
    booking.lastName = txtLName->text();
    booking.address = txtAddress->text();
    booking.phone = txtPhone->text();
    booking.adults = comboAdults->currentText();
    booking.minors = comboMinors->currentText();
    booking.arrival = vb::Date::fromQDate(dtArrival->date());
    booking.departure = vb::Date::fromQDate(dtDepature->date());
    booking.days = vb::Val(txtNumberDays->text());
    booking.rate = amountOf(txtRoomRate);
    booking.tax = amountOf(txtTax);
    booking.grandTotal = amountOf(txtGrandTotal);
    booking.advance = amountOf(txtAdvance);
    booking.due = amountOf(txtDue);
    booking.paymentMethod = PaymentMethodName(cash ? PaymentCash : paymentIndex);
    booking.paymentDetails = StoredPaymentDetails(cash, txtPaymentDetails->text());
    booking.rooms = columnOf(ListView2, ColumnRoom);
    for (const QString &price : columnOf(ListView2, ColumnTariff))
        booking.prices << vb::CCur(vb::Variant(price));
    booking.note = txtAdditionalNote->toPlainText();
    booking.status = comboStatus->currentText();
    return booking;
}

// The booking's statements, in order; false as soon as one fails.
bool frmBooking::writeBooking(BookingRecord &booking, vb::Date today)
{
    const std::optional<QString> uniqueNo = newGuestNumber();
    if (!uniqueNo)
        return false;
    booking.uniqueNo = *uniqueNo;
    if (!core::ExecuteSQL(CustomerInsertSql(booking), core::SqlAction::Insert))
        return false;
    for (const QString &room : booking.rooms) {
        if (!core::ExecuteSQL(RoomBookingInsertSql(room, booking, today), core::SqlAction::Insert))
            return false;
    }
    const auto revenueOfDay = core::OpenRecordset(RevenueOfDaySql(today));
    if (!revenueOfDay)
        return false;
    const bool firstOfDay = revenueOfDay->RecordCount() < 1;
    const vb::Currency dayTotal = vb::CCur(vb::Variant(txtGrandTotal->text()));
    const bool revenueKept = firstOfDay
                                 ? core::ExecuteSQL(RevenueInsertSql(RevenueSource::Booking, dayTotal), core::SqlAction::Insert)
                                 : core::ExecuteSQL(RevenueUpdateSql(RevenueSource::Booking, dayTotal, today), core::SqlAction::Update);
    if (!revenueKept)
        return false;
    if (!core::ExecuteSQL(BookingLogSql(booking.firstName, booking.lastName, core::State().mUserName),
                          core::SqlAction::Insert))
        return false;
    return true;
}

// The rooms of the list that no room row names any more, or whose booking table is missing;
// nothing when a look-up failed (reported already).
std::optional<QStringList> frmBooking::roomsGoneFrom(const QStringList &rooms)
{
    QStringList gone;
    for (const QString &room : rooms) {
        const auto listed = core::OpenRecordset(RoomListedSql(room));
        if (!listed)
            return std::nullopt;
        if (listed->IsEOF() || !core::TableExists(core::RoomTableName(room)))
            gone << room;
    }
    return gone;
}

// The clerk is told; the room lists are read again, and the booking keeps its other rooms
// (at their prices now) and is rated for them.
void frmBooking::takeOutGoneRooms(QStringList gone)
{
    QStringList kept = columnOf(ListView2, ColumnRoom);
    for (const QString &room : gone)
        kept.removeAll(room);
    getRoomList();
    for (const QString &room : kept) {
        if (QTreeWidgetItem *offered = rowOf(ListView1, room))
            ListView2->addTopLevelItem(ListView1->takeTopLevelItem(ListView1->indexOfTopLevelItem(offered)));
        else
            gone << room;
    }
    if (QTreeWidgetItem *first = ListView1->topLevelItem(0))
        ListView1->setCurrentItem(first);
    rateBookedRooms();
    ui::MsgBox(QStringLiteral("Room(s) ") + gone.join(QStringLiteral(", "))
                   + QStringLiteral(" can no longer be booked and were taken out of this booking. Please check the "
                                    "rooms and Submit again."),
               ui::vbInformation);
}

// The guest's initials and six random letters, drawn again while a current or former guest
// holds the number; nullopt when a lookup failed.
std::optional<QString> frmBooking::newGuestNumber()
{
    return DrawUniqueGuestNumber(GuestInitials(txtFName->text(), txtLName->text()),
                                 [this] { return getRndNumber(); },
                                 [](const QString &number) -> std::optional<bool> {
                                     bool inUse = false;
                                     for (const QString &table :
                                          {QStringLiteral("tbl_customers"), QStringLiteral("tbl_customers_history")}) {
                                         const auto holders = core::OpenRecordset(GuestNumberLookupSql(table, number));
                                         if (!holders)
                                             return std::nullopt;
                                         inUse = inUse || !holders->IsEOF();
                                     }
                                     return inUse;
                                 });
}

// Ready for the next guest; title, status and payment method stay as they are.
void frmBooking::resetAfterBooking()
{
    for (QLineEdit *field : {txtFName, txtLName, txtAddress, txtPhone})
        field->setText(QString());
    comboAdults->setCurrentText(QStringLiteral("0"));
    comboMinors->setCurrentText(QStringLiteral("0"));
    setStayFromToday();
    for (QLineEdit *amount : {txtRoomRate, txtTax, txtGrandTotal, txtAdvance, txtDue})
        amount->setText(QString());
    txtAdditionalNote->clear();
    // The payment details were this guest's.
    txtPaymentDetails->setText(PaymentPrompt(paymentIndex));
    getRoomList();
}

} // namespace frontdesk
