// The guest details window: loading its guest, the rooms list, the window position, saving
// corrections and the removal into the guest history.
#include "frontdesk/guests/frmcustomerdetails.h"

#include "ado/recordset.h"
#include "core/aids/scrollresize.h"
#include "core/aids/typedamount.h"
#include "core/db/changelookup.h"
#include "core/db/dbworks.h"
#include "core/db/tableexists.h"
#include "core/db/tablenames.h"
#include "core/state/appstate.h"
#include "core/state/runhandler.h"
#include "core/ui/balloonhint.h"
#include "core/ui/cballoontooltip.h"
#include "core/ui/showntext.h"
#include "core/ui/windowposition.h"
#include "frontdesk/bills/frmcustomerprint.h"
#include "frontdesk/guests/customerdetailsstatements.h"
#include "frontdesk/shared/guestlistselection.h"
#include "ui/dialogs.h"
#include "ui/forms.h"
#include "vb/conversions.h"
#include "vb/crlf.h"
#include "vb/error.h"
#include "vb/text.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

namespace frontdesk {

namespace {

constexpr int DesignWidth = 9030;
constexpr int DesignHeight = 7965;

const QStringList StatusItems{QStringLiteral("Unknown"),     QStringLiteral("Checked In"),
                              QStringLiteral("Confirmed"),   QStringLiteral("Checked Out"),
                              QStringLiteral("Not Confirmed"), QStringLiteral("N/A")};

using core::TextOf;

QString fieldText(const ado::Recordset &rs, const char *column)
{
    return TextOf(rs.Fields(QLatin1String(column)).Value());
}

using core::CurrencyText;

QDate dateOf(const vb::Variant &value) { return vb::CDate(value).toQDate(); }

// A box's text as an amount that can be stored: an amount (core::TypedAmount) of at least 0;
// nothing for any other text, an empty one too.
std::optional<vb::Currency> amountOf(const QLineEdit *box)
{
    const std::optional<vb::Currency> amount = core::TypedAmount(box->text().trimmed());
    if (amount && *amount < vb::Currency())
        return std::nullopt;
    return amount;
}

QString currencyText(vb::Currency amount) { return CurrencyText(vb::Variant(amount)); }

// The guest lists that are open show the guests as stored now.
void showGuestListsAgain(const QStringList &lists)
{
    for (const QString &name : lists) {
        if (ui::Form *list = ui::Forms::Find(name))
            QMetaObject::invokeMethod(list, "RoomListShow", Qt::DirectConnection);
    }
}

} // namespace

frmCustomerDetails::frmCustomerDetails(qint64 guestId)
    : ui::Form(Name, ui::FormKind::MdiChild), guestId_(guestId)
{
    SetCaption(QStringLiteral("Customer Details"));
    createControls();
}

frmCustomerDetails::~frmCustomerDetails() = default;

void frmCustomerDetails::Form_Load()
{
    core::RunHandler(QStringLiteral("CDET005"), core::ReportMode::Modal, [this] {
        const QFontMetrics metrics(font());
        ListView1->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("Abbrdrevoooloiupoupoupo")));
        ListView1->setColumnWidth(1, metrics.horizontalAdvance(QStringLiteral("Abbrdrevoooloiu")));
        comboStatus->addItems(StatusItems);
        comboStatus->setCurrentIndex(-1);
        txtTitle->addItems({QStringLiteral("Mr."), QStringLiteral("Mrs."), QStringLiteral("Miss."), QStringLiteral("Dr."),
                            QStringLiteral("Prof.")});
        txtTitle->setCurrentIndex(-1);
        GetCustomerDetails();
        getRoomList();
        fitContent();
        Move(Left(), Top(), DesignWidth, DesignHeight);
        ini_ = core::NewConfigIni(QStringLiteral("CusD"));
        core::LoadWindowPosition(*ini_, *this);
        const QString savedState = core::ReadIniValue(*ini_, QStringLiteral("CusDstate"));
        SetWindowState(savedState.isEmpty() ? ui::vbMinimized : vb::CInt(vb::Variant(savedState)));
    });
}

void frmCustomerDetails::Form_Resize()
{
    fitContent();
    core::ResumeNext([this] { core::ScrollResize(*this); });
    core::ResumeNext([this] {
        ini_ = core::NewConfigIni(QStringLiteral("CusD"));
        core::SaveWindowPosition(*ini_, *this);
        core::WriteIniValue(*ini_, QStringLiteral("CusDstate"), QString::number(WindowState()));
    });
}

// The window's guest is fixed at its first load; later loads (after an update) read the
// same guest again, whatever the guest list selects by then.
void frmCustomerDetails::GetCustomerDetails()
{
    core::RunHandler(QStringLiteral("CDET001"), core::ReportMode::Modal, [this] {
        if (guestId_ == 0) {
            // Opened with no guest selected (or no guest list): the window stays empty and
            // its buttons act on nobody.
            const std::optional<QString> selected = GuestListSelection(GuestListKeyColumn);
            if (!selected)
                return;
            const std::optional<qint64> id = WholeNumber(*selected);
            if (!id)
                throw vb::Error::standard(vb::errTypeMismatch);
            guestId_ = *id;
        }
        const auto guest = core::OpenRecordset(CustomerByIdSql(guestId_));
        if (!guest || guest->RecordCount() < 1)
            return;
        const ado::Recordset &rs = *guest;
        MyOrderUniqueID = fieldText(rs, "cUniqueNo");
        Frame1->setTitle(QStringLiteral("Customer ID : ") + core::State().mOrderSign + MyOrderUniqueID);
        txtTitle->setCurrentText(fieldText(rs, "cTitle"));
        txtFName->setText(fieldText(rs, "cFirstName"));
        txtLName->setText(fieldText(rs, "cLastName"));
        txtAddress->setText(fieldText(rs, "cAddress"));
        txtPhoneNumber->setText(fieldText(rs, "cPhone"));
        txtAdults->setText(fieldText(rs, "cNoOfAdults"));
        txtMinors->setText(fieldText(rs, "cNoOfMinors"));
        DtCheckinDate->setDate(dateOf(rs.Fields(QStringLiteral("cCheckInDate")).Value()));
        DtCheckoutDate->setDate(dateOf(rs.Fields(QStringLiteral("cCheckOutDate")).Value()));
        txtNumberOfDays->setText(fieldText(rs, "cNoOfDays"));
        txtRoomRate->setText(CurrencyText(rs.Fields(QStringLiteral("cRoomsRate")).Value()));
        txtTax->setText(CurrencyText(rs.Fields(QStringLiteral("cTax")).Value()));
        txtGrandTotal->setText(CurrencyText(rs.Fields(QStringLiteral("cGrandTotal")).Value()));
        txtAdvancePaid->setText(CurrencyText(rs.Fields(QStringLiteral("cAdvancePaid")).Value()));
        txtDue->setText(CurrencyText(rs.Fields(QStringLiteral("cDue")).Value()));
        txtPaymentMethod->setText(fieldText(rs, "cPaymentMethod"));
        txtPaymentDetails->setText(fieldText(rs, "cPaymentMethodDetails"));
        customerID->setText(fieldText(rs, "ID"));
        txtNote->setPlainText(fieldText(rs, "cAdditionalNote"));
        // "Unknown" and texts outside the list leave the status as it was.
        const int status = StatusItems.indexOf(fieldText(rs, "cStatus"));
        if (status >= 1)
            comboStatus->setCurrentIndex(status);
        txtRooms->setText(fieldText(rs, "cRoomNameID"));
        txtRoomPrice->setText(fieldText(rs, "cRoomNamePrice"));
        SetCaption(QStringLiteral("Details of ") + txtTitle->currentText() + QLatin1Char(' ') + txtFName->text()
                   + QLatin1Char(' ') + txtLName->text());
    });
}

void frmCustomerDetails::getRoomList()
{
    core::RunHandler(QStringLiteral("CDET003"), core::ReportMode::Modal, [this] {
        ListView1->clear();
        for (const GuestRoom &room : GuestRooms(txtRooms->text(), txtRoomPrice->text())) {
            ListView1->addTopLevelItem(new QTreeWidgetItem(QStringList{room.room, room.price}));
            if (!room.priced)   // the price list ended: the rooms after this one stay unlisted
                throw vb::Error::standard(vb::errSubscriptOutOfRange);
        }
    });
}

void frmCustomerDetails::Command1_Click()
{
    if (guestId_ == 0)
        return;
    if (ui::MsgBox(QStringLiteral("Do you want to update this record?"),
                   ui::vbYesNo + ui::vbInformation + ui::vbDefaultButton2,
                   QStringLiteral("Update Records")) != ui::vbYes)
        return;
    UpdateCustomerRecord();
    showGuestListsAgain({QStringLiteral("frmCustomers")});
}

void frmCustomerDetails::Command2_Click() { Unload(); }

// The bill of this window's guest, as its boxes show it.
void frmCustomerDetails::Command4_Click()
{
    if (guestId_ == 0)
        return;
    GuestDetails guest;
    guest.guestNumber = MyOrderUniqueID;
    guest.title = txtTitle->currentText();
    guest.firstName = txtFName->text();
    guest.lastName = txtLName->text();
    guest.address = txtAddress->text();
    guest.phone = txtPhoneNumber->text();
    guest.checkIn = vb::Date::fromQDate(DtCheckinDate->date());
    guest.checkOut = vb::Date::fromQDate(DtCheckoutDate->date());
    guest.roomRate = txtRoomRate->text();
    guest.tax = txtTax->text();
    guest.grandTotal = txtGrandTotal->text();
    guest.paymentMethod = txtPaymentMethod->text();
    guest.advancePaid = txtAdvancePaid->text();
    guest.due = txtDue->text();
    for (int row = 0; row < ListView1->topLevelItemCount(); ++row)
        guest.rooms.append({ListView1->topLevelItem(row)->text(0), ListView1->topLevelItem(row)->text(1)});
    frmCustomerPrint::ShowBill(guest);
}

core::CBalloonToolTip &frmCustomerDetails::tip()
{
    if (!tip_)
        tip_ = std::make_unique<core::CBalloonToolTip>();
    return *tip_;
}

void frmCustomerDetails::showHint(QWidget *box, const QString &title, const QString &text)
{
    core::ShowBalloonHint(tip(), box, title, text);
    box->setFocus();
}

void frmCustomerDetails::removeBalloon()
{
    if (tip_)
        tip_->Destroy();
}

// The nights from check-in to check-out; nothing while the check-out is before the check-in.
void frmCustomerDetails::showDays()
{
    const qint64 days = DtCheckinDate->date().daysTo(DtCheckoutDate->date());
    if (days >= 0)
        txtNumberOfDays->setText(QString::number(days));
}

void frmCustomerDetails::showDue()
{
    const std::optional<vb::Currency> grandTotal = amountOf(txtGrandTotal);
    const std::optional<vb::Currency> advance = amountOf(txtAdvancePaid);
    if (grandTotal && advance)
        txtDue->setText(currencyText(*grandTotal - *advance));
}

// Adults and minors go into the guest row as whole numbers and the amounts as amounts; the
// stay cannot end before it begins. Anything else is refused before a statement is built.
bool frmCustomerDetails::checkFields()
{
    const std::pair<QLineEdit *, QString> counts[] = {{txtAdults, QStringLiteral("Adults")},
                                                      {txtMinors, QStringLiteral("Minors")}};
    for (const auto &[box, name] : counts) {
        if (!WholeNumber(box->text().trimmed())) {
            showHint(box, name, name + QStringLiteral(" must be a whole number."));
            return false;
        }
    }
    const std::pair<QLineEdit *, QString> amounts[] = {{txtRoomRate, QStringLiteral("Room Rate(s)")},
                                                       {txtTax, QStringLiteral("Tax(s)")},
                                                       {txtGrandTotal, QStringLiteral("Grand Total")},
                                                       {txtAdvancePaid, QStringLiteral("Advance Paid")}};
    for (const auto &[box, name] : amounts) {
        if (!amountOf(box)) {
            showHint(box, name, name + QStringLiteral(" must be an amount."));
            return false;
        }
    }
    if (DtCheckoutDate->date() < DtCheckinDate->date()) {
        showHint(DtCheckoutDate, QStringLiteral("Check Out Date"), QStringLiteral("Date cannot be minus"));
        return false;
    }
    return true;
}

QStringList frmCustomerDetails::roomTables() const
{
    QStringList rooms;
    for (const QString &room : GuestRoomNumbers(txtRooms->text())) {
        if (core::TableExists(core::RoomTableName(room)))
            rooms << room;
    }
    return rooms;
}

// The correction, the guest's rows in the booking tables of its rooms and the log row are
// kept together or not at all; the log row is written only when the correction took effect.
// The number of days and the due are worked out from the dates and the amounts, whatever
// their boxes held.
void frmCustomerDetails::UpdateCustomerRecord()
{
    core::RunHandler(QStringLiteral("CDET004"), core::ReportMode::Modal, [this] {
        if (!checkFields())
            return;
        BookingRecord guest;
        guest.title = txtTitle->currentText();
        guest.firstName = txtFName->text();
        guest.lastName = txtLName->text();
        guest.address = txtAddress->text();
        guest.phone = txtPhoneNumber->text();
        guest.adults = txtAdults->text().trimmed();
        guest.minors = txtMinors->text().trimmed();
        guest.arrival = vb::Date::fromQDate(DtCheckinDate->date());
        guest.departure = vb::Date::fromQDate(DtCheckoutDate->date());
        guest.days = static_cast<double>(DtCheckinDate->date().daysTo(DtCheckoutDate->date()));
        guest.rate = *amountOf(txtRoomRate);
        guest.tax = *amountOf(txtTax);
        guest.grandTotal = *amountOf(txtGrandTotal);
        guest.advance = *amountOf(txtAdvancePaid);
        guest.due = guest.grandTotal - guest.advance;
        guest.paymentMethod = txtPaymentMethod->text();
        guest.paymentDetails = txtPaymentDetails->text();
        guest.note = txtNote->toPlainText();
        guest.status = comboStatus->currentText();
        guest.uniqueNo = MyOrderUniqueID;
        const QStringList rooms = roomTables();
        {
            core::Transaction transaction;
            long changed = 0;
            if (!core::ExecuteSQL(CustomerUpdateSql(guest, guestId_), core::SqlAction::Update, &changed) || changed == 0)
                return;
            for (const QString &room : rooms) {
                if (!core::ExecuteSQL(RoomBookingDatesSql(room, guest), core::SqlAction::Update))
                    return;
            }
            if (!core::ExecuteSQL(CustomerUpdateLogSql(guest.firstName, guest.lastName, core::State().mUserName),
                                  core::SqlAction::Insert))
                return;
            transaction.Commit([&] { return core::RowFound(core::UpdatedRowSql(CustomerUpdateSql(guest, guestId_))); });
        }
        GetCustomerDetails();
    });
}

void frmCustomerDetails::Command3_Click()
{
    core::RunHandler(QStringLiteral("CDET002"), core::ReportMode::Modal, [this] {
        if (guestId_ == 0)
            return;
        if (ui::MsgBox(QStringLiteral("You are going to Remove the Selected Customer. ") + vb::vbCrLf
                           + QStringLiteral("Associated Booking Scheduled will also be Removed!") + vb::vbCrLf
                           + QStringLiteral("This action cannot be undone!"),
                       ui::vbYesNo + ui::vbInformation + ui::vbDefaultButton2,
                       QStringLiteral("Remove Customer")) != ui::vbYes)
            return;
        if (!removeCustomer())
            return;   // reported by the statement layer; the guest stays as it was
        ui::MsgBox(QStringLiteral("Customer has succesfully Removed & Moved to Customer History List."),
                   ui::vbInformation);
        clearFields();
        Unload();
        // The guest leaves the current guests and joins the former ones at once.
        showGuestListsAgain({QStringLiteral("frmCustomers"), QStringLiteral("frmCustomersHistory")});
    });
}

// The history copy, the guest's rows in every room of its stored room list, and the guest
// row, all or nothing. Room tables removed since the booking are passed over.
bool frmCustomerDetails::removeCustomer()
{
    const QStringList rooms = roomTables();
    core::Transaction transaction;
    if (!core::ExecuteSQL(CustomerToHistorySql(guestId_), core::SqlAction::Insert))
        return false;
    for (const QString &room : rooms) {
        if (!core::ExecuteSQL(RoomBookingsDeleteSql(room, MyOrderUniqueID), core::SqlAction::Delete))
            return false;
    }
    long removed = 0;
    if (!core::ExecuteSQL(CustomerDeleteSql(guestId_), core::SqlAction::Delete, &removed) || removed == 0)
        return false;
    transaction.Commit([this] { return !core::RowFound(CustomerByIdSql(guestId_)); });
    return true;
}

void frmCustomerDetails::clearFields()
{
    for (QLineEdit *box : PicInner->findChildren<QLineEdit *>())
        box->clear();
    txtNote->clear();
    ListView1->clear();
}

} // namespace frontdesk
