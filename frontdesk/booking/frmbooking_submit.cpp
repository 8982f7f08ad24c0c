// "Submit": checks the booking, stores it (the guest row, one row per booked room, the day's
// revenue and the activity log, all or nothing), and clears the window for the next guest.
#include "frontdesk/booking/frmbooking.h"

#include "ado/recordset.h"
#include "core/aids/playwave.h"
#include "core/db/changelookup.h"
#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "core/state/runhandler.h"
#include "core/ui/balloonhint.h"
#include "frontdesk/booking/bookingstatements.h"
#include "frontdesk/booking/guestnumber.h"
#include "frontdesk/booking/paymentmethod.h"
#include "ui/dialogs.h"
#include "vb/app.h"
#include "vb/conversions.h"

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
        core::PlayWave(vb::AppPath() + QStringLiteral("/sounds/cashin.wav"), false);
        resetAfterBooking();
        ui::MsgBox(QStringLiteral("Customer details has been added to the Record"), ui::vbInformation,
                   QStringLiteral("Customer Added"));
    });
    Command5->setEnabled(true);
}

// The first check that fails shows its hint and takes the focus to its field. A name of
// blanks counts as given.
bool frmBooking::checkInput()
{
    if (txtFName->text().isEmpty()) {
        showHint(txtFName, txtFName, QStringLiteral("First Name"), QStringLiteral("Please enter First Name of the Customer!"));
        txtFName->setFocus();
        return false;
    }
    if (txtLName->text().isEmpty()) {
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
    return true;
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
    if (!vb::IsNumeric(vb::Variant(txtPhone->text())))
        txtPhone->setText(QStringLiteral("0"));
    defaultWhenEmpty(comboAdults, QStringLiteral("0"));
    defaultWhenEmpty(comboMinors, QStringLiteral("0"));
    for (QLineEdit *amount : {txtRoomRate, txtTax, txtGrandTotal, txtAdvance, txtDue})
        defaultWhenEmpty(amount, QStringLiteral("0"));
}

// Runs the booking's statements in one transaction: when one fails (the statement layer has
// reported it) nothing of the booking is kept.
bool frmBooking::storeBooking()
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
    booking.prices = columnOf(ListView2, ColumnTariff);
    booking.note = txtAdditionalNote->toPlainText();
    booking.status = comboStatus->currentText();
    const vb::Date today = vb::Today();

    core::Transaction transaction;
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
    // The day's revenue takes the grand total as it stands: unlike the guest row, an
    // apostrophe in it is not dropped but makes it no amount.
    const vb::Currency dayTotal = vb::CCur(vb::Variant(txtGrandTotal->text()));
    const bool revenueKept = firstOfDay
                                 ? core::ExecuteSQL(RevenueInsertSql(RevenueSource::Booking, dayTotal), core::SqlAction::Insert)
                                 : core::ExecuteSQL(RevenueUpdateSql(RevenueSource::Booking, dayTotal, today), core::SqlAction::Update);
    if (!revenueKept)
        return false;
    if (!core::ExecuteSQL(BookingLogSql(booking.firstName, booking.lastName, core::State().mUserName),
                          core::SqlAction::Insert))
        return false;
    transaction.Commit(
        [&booking] { return core::RowFound(GuestNumberLookupSql(QStringLiteral("tbl_customers"), booking.uniqueNo)); });
    return true;
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

// Ready for the next guest; title, status and payment stay as they are.
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
    getRoomList();
}

} // namespace frontdesk
