// The booking window: load and unload, the room lists, the stay, the tariff arithmetic and
// the auxiliary buttons. Saving a booking is in frmbooking_submit.cpp.
#include "frontdesk/booking/frmbooking.h"

#include "ado/recordset.h"
#include "core/aids/scrollresize.h"
#include "core/aids/typedamount.h"
#include "core/db/dbworks.h"
#include "core/db/sqltext.h"
#include "core/login/globallogin.h"
#include "core/state/appstate.h"
#include "core/state/runhandler.h"
#include "core/state/windowregistry.h"
#include "core/ui/showntext.h"
#include "core/ui/windowposition.h"
#include "frontdesk/booking/bookingstatements.h"
#include "frontdesk/booking/guestnumber.h"
#include "ui/dialogs.h"
#include "ui/forms.h"
#include "vb/conversions.h"
#include "vb/text.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace frontdesk {

namespace {

// The window's designed size, twips.
constexpr int DesignWidth = 10140;
constexpr int DesignHeight = 8985;

// Columns of the room lists.
constexpr int ColumnRoom = 0;
constexpr int ColumnType = 1;
constexpr int ColumnTariff = 2;

bool isBlank(const vb::Variant &value) { return value.isNull() || value.isEmpty() || vb::CStr(value).isEmpty(); }

using core::TextOf;

// Room types and descriptions are stored with "!*!" in place of each apostrophe.
QString shownText(const vb::Variant &value) { return core::ShownApostrophes(TextOf(value)); }

// Amounts in the fields are texts in the locale's currency form.
vb::Currency currencyOf(const QString &text) { return vb::CCur(vb::Variant(text)); }
double doubleOf(const QString &text) { return vb::CDbl(vb::Variant(text)); }
using core::CurrencyText;

QTreeWidgetItem *selectedRoom(QTreeWidget *list)
{
    const QList<QTreeWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void selectFirstRoom(QTreeWidget *list)
{
    if (QTreeWidgetItem *first = list->topLevelItem(0))
        list->setCurrentItem(first);
}

void appendRoom(QTreeWidget *list, const QString &room, const QString &type, const QString &tariff)
{
    list->addTopLevelItem(new QTreeWidgetItem(QStringList{room, type, tariff}));
}

} // namespace

frmBooking::frmBooking() : ui::Form(Name, ui::FormKind::MdiChild)
{
    SetCaption(QStringLiteral("New Booking"));
    createControls();
    connectControls();
    watchKeysAndClicks();
}

frmBooking::~frmBooking() = default;

core::CBalloonToolTip &frmBooking::tip()
{
    if (!tip_)
        tip_ = std::make_unique<core::CBalloonToolTip>();
    return *tip_;
}

void frmBooking::removeBalloon()
{
    if (tip_)
        tip_->Destroy();
}

void frmBooking::Form_Load()
{
    core::RunHandler(QStringLiteral("BOK008"), core::ReportMode::Modal, [this] {
        auto &state = core::State();
        state.mBookingOpen = true;

        addRoomColumns(ListView1, {QStringLiteral("Abbrdrevooo"), QStringLiteral("Ready-to-Run Visual"),
                                   QStringLiteral("Ready-to-Run Visual")});
        addRoomColumns(ListView2, {QStringLiteral("Abbrdrevooooooooo"), QStringLiteral("Ready-to-Run Visual"),
                                   QStringLiteral("Ready-to-Run")});

        for (int count = 0; count <= 50; ++count) {
            comboAdults->addItem(QString::number(count));
            comboMinors->addItem(QString::number(count));
        }
        comboTitle->addItems({QStringLiteral("Mr."), QStringLiteral("Mrs."), QStringLiteral("Miss."),
                              QStringLiteral("Dr."), QStringLiteral("Prof.")});
        comboTitle->setCurrentText(QStringLiteral("Mr."));
        comboAdults->setCurrentText(QStringLiteral("1"));
        comboMinors->setCurrentText(QStringLiteral("1"));
        comboStatus->addItems({QStringLiteral("Unknown"), QStringLiteral("Checked In"), QStringLiteral("Confirmed"),
                               QStringLiteral("Checked Out"), QStringLiteral("Not Confirmed"), QStringLiteral("N/A")});
        comboStatus->setCurrentText(QStringLiteral("Unknown"));
        fitContent();

        ini_ = core::NewConfigIni(QStringLiteral("bokpos"));
        core::LoadWindowPosition(*ini_, *this);
        const QString savedState = core::ReadIniValue(*ini_, QStringLiteral("bokState"));
        SetWindowState(savedState.isEmpty() ? ui::vbMinimized : vb::CInt(vb::Variant(savedState)));

        setStayFromToday();
        getRoomList();
        getAllTax();

        // A minimised or maximised window cannot be sized; it keeps its restored frame.
        if (WindowState() == ui::vbNormal)
            Move(Left(), Top(), DesignWidth, DesignHeight);

        if (!state.mHistoryCustomerNo.isEmpty())
            loadHistoryCustomer();
    });
}

void frmBooking::ShowForFormerGuest(const QString &number)
{
    core::State().mHistoryCustomerNo = number;
    // A window already open takes the guest now; a new one takes it as it loads.
    if (frmBooking *open = ui::Forms::Find<frmBooking>())
        core::RunHandler(QStringLiteral("BOK008"), core::ReportMode::Modal, [open] { open->loadHistoryCustomer(); });
    ui::Forms::Get<frmBooking>().Show(ui::vbModeless);
}

void frmBooking::loadHistoryCustomer()
{
    auto &state = core::State();
    const auto found = core::OpenRecordset(FormerGuestSql(state.mHistoryCustomerNo));
    const ado::Recordset &guest = core::Rows(found);
    comboTitle->setCurrentText(TextOf(guest.Fields(QStringLiteral("cTitle")).Value()));
    txtFName->setText(shownText(guest.Fields(QStringLiteral("cFirstName")).Value()));
    txtLName->setText(shownText(guest.Fields(QStringLiteral("cLastName")).Value()));
    txtAddress->setText(shownText(guest.Fields(QStringLiteral("cAddress")).Value()));
    txtPhone->setText(shownText(guest.Fields(QStringLiteral("cPhone")).Value()));
    state.mHistoryCustomerNo.clear();
}

void frmBooking::Form_Unload(int &)
{
    core::State().mBookingOpen = false;
    removeBalloon();
}

void frmBooking::Form_Resize()
{
    fitContent();
    core::ResumeNext([this] { core::ScrollResize(*this); });
    core::ResumeNext([this] {
        ini_ = core::NewConfigIni(QStringLiteral("bokpos"));
        core::SaveWindowPosition(*ini_, *this);
        core::WriteIniValue(*ini_, QStringLiteral("bokState"), QString::number(WindowState()));
    });
}

// Arrival today, departure tomorrow: one day. The two dates change together, so no
// intermediate pair of dates is checked on the way; a departure that moves still takes
// the balloon hint away, as any change of it does.
void frmBooking::setStayFromToday()
{
    const QDate today = vb::Today().toQDate();
    if (dtDepature->date() != today.addDays(1))
        removeBalloon();
    {
        const QSignalBlocker arrival(dtArrival);
        const QSignalBlocker departure(dtDepature);
        dtArrival->setDate(today);
        dtDepature->setDate(today.addDays(1));
    }
    CalculateNoDay();
}

QString frmBooking::getRndNumber() { return RandomLetters(6); }

void frmBooking::getRoomList()
{
    core::RunHandler(QStringLiteral("BOK010"), core::ReportMode::Modal, [this] {
        ListView1->clear();
        ListView2->clear();
        const auto opened = core::OpenRecordset(RoomListSql());
        ado::Recordset &rooms = core::Rows(opened);
        while (!rooms.IsEOF()) {
            // A room is offered with or without a description; a row without a number has no
            // booking table.
            if (!isBlank(rooms.Fields(QStringLiteral("RoomNameID")).Value())) {
                appendRoom(ListView1, TextOf(rooms.Fields(QStringLiteral("RoomNameID")).Value()),
                           shownText(rooms.Fields(QStringLiteral("RoomType")).Value()),
                           CurrencyText(rooms.Fields(QStringLiteral("RoomPrice")).Value()));
            }
            rooms.MoveNext();
        }
    });
}

void frmBooking::getAllTax()
{
    core::RunHandler(QStringLiteral("BOK011"), core::ReportMode::Modal, [this] {
        lbPercent->setText(QStringLiteral("0"));
        const auto opened = core::OpenRecordset(RoomTaxRatesSql());
        ado::Recordset &taxes = core::Rows(opened);
        while (!taxes.IsEOF()) {
            const vb::Variant rate = taxes.Fields(QStringLiteral("TaxRate")).Value();
            if (!isBlank(rate))
                lbPercent->setText(vb::CStr(vb::Variant(currencyOf(lbPercent->text()) + vb::CCur(rate))));
            taxes.MoveNext();
        }
    });
}

double frmBooking::PercentFunction(double Percent, double PercentOf)
{
    double result = 0;
    core::RunHandler(QStringLiteral("BOK012"), core::ReportMode::Modal, [&] { result = Percent / 100 * PercentOf; });
    return result;
}

void frmBooking::CalculateNoDay()
{
    core::RunHandler(QStringLiteral("BOK013"), core::ReportMode::Modal, [this] {
        if (dtDepature->date() < dtArrival->date()) {
            dtDepature->setDate(dtArrival->date().addDays(1));
            ui::MsgBox(QStringLiteral("Date cannot be minus"), ui::vbInformation);
        }
        const int days = static_cast<int>(dtArrival->date().daysTo(dtDepature->date()));
        txtNumberDays->setText(QString::number(days));
        // The booked rooms are rated for the stay: other days, another rate.
        if (days != ratedDays_) {
            ratedDays_ = days;
            if (ListView2->topLevelItemCount() > 0)
                rateBookedRooms();
        }
    });
}

// Adds (sign +1) or removes (sign -1) the room selected in `from`: the rate changes by the
// room's price times the days, fractions kept, and the room moves to the other list.
void frmBooking::moveRoom(QTreeWidget *from, QTreeWidget *to, int sign)
{
    QTreeWidgetItem *room = selectedRoom(from);
    if (!room)
        return;
    removeBalloon();
    if (txtRoomRate->text().isEmpty())
        txtRoomRate->setText(QStringLiteral("0"));
    const std::optional<vb::Currency> rate = core::TypedAmount(txtRoomRate->text());
    if (!rate) {
        showAmountHint(txtRoomRate);
        return;
    }
    const QString price = room->text(ColumnTariff);
    const vb::Currency amount =
        vb::Currency::fromDouble(currencyOf(price).toDouble() * vb::Val(txtNumberDays->text()));
    txtRoomRate->setText(CurrencyText(sign > 0 ? *rate + amount : *rate - amount));

    appendRoom(to, room->text(ColumnRoom), room->text(ColumnType), CurrencyText(price));
    delete room;
    selectFirstRoom(from);
    updateTaxAndTotal();
}

// Tax := the room tax percent of the rate; grand total := tax + rate (which recomputes the due).
void frmBooking::updateTaxAndTotal()
{
    const double tax = PercentFunction(doubleOf(lbPercent->text()), doubleOf(txtRoomRate->text()));
    txtTax->setText(CurrencyText(vb::Currency::fromDouble(tax)));
    txtGrandTotal->setText(CurrencyText(currencyOf(txtTax->text()) + currencyOf(txtRoomRate->text())));
}

void frmBooking::Command1_Click()
{
    core::RunHandler(QStringLiteral("BOK001"), core::ReportMode::Modal, [this] { moveRoom(ListView1, ListView2, +1); });
}

void frmBooking::Command2_Click()
{
    core::RunHandler(QStringLiteral("BOK002"), core::ReportMode::Modal, [this] { moveRoom(ListView2, ListView1, -1); });
}

void frmBooking::Command7_Click()
{
    core::RunHandler(QStringLiteral("BOK006"), core::ReportMode::Modal, [this] { rateBookedRooms(); });
}

// Rate := the sum of the booked rooms' prices times the days, exact to the last fraction, as
// adding the rooms one by one gives it; tax and total follow.
void frmBooking::rateBookedRooms()
{
    vb::Currency sum;
    for (int row = 0; row < ListView2->topLevelItemCount(); ++row)
        sum += currencyOf(ListView2->topLevelItem(row)->text(ColumnTariff));
    txtRoomRate->setText(CurrencyText(sum * vb::Currency::fromDouble(vb::Val(txtNumberDays->text()))));
    updateTaxAndTotal();
}

void frmBooking::getDue()
{
    // A total or advance that is no amount leaves the due as it stands until corrected; the
    // advance, which only the clerk types, shows its hint.
    core::ResumeNext([this] {
        if (txtGrandTotal->text().isEmpty())
            txtGrandTotal->setText(QStringLiteral("0"));
        if (txtDue->text().isEmpty())
            txtDue->setText(QStringLiteral("0"));
        if (txtAdvance->text().isEmpty())
            txtAdvance->setText(QStringLiteral("0"));
        const std::optional<vb::Currency> advance = core::TypedAmount(txtAdvance->text());
        if (!advance) {
            showAmountHint(txtAdvance);
            return;
        }
        const std::optional<vb::Currency> total = core::TypedAmount(txtGrandTotal->text());
        if (!total)
            return;
        txtDue->setText(CurrencyText(*total - *advance));
        txtAdvance->setText(CurrencyText(*advance));
        // A negative total (a rate typed below zero) owes nothing.
        if (*total < vb::Currency(0))
            txtDue->setText(CurrencyText(vb::Currency(0)));
    });
}

void frmBooking::Command3_Click()
{
    core::RunHandler(QStringLiteral("BOK003"), core::ReportMode::Modal, [this] {
        getRoomList();
        txtRoomRate->setText(QString());
        txtTax->setText(QString());
        txtGrandTotal->setText(QString());
    });
}

void frmBooking::Command4_Click()
{
    const auto &state = core::State();
    if (state.mLoggedIn && core::TaxRightGranted())
        core::ShowWindow(QStringLiteral("frmTax"), ui::vbModeless);
    else
        ui::MsgBox(core::NoPrivilegeMessage(), ui::vbInformation);
}

// The desktop's calculator, whichever is installed; none installed starts nothing.
void frmBooking::Command6_Click()
{
    ui::StartProgram({QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
                      QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")});
}

} // namespace frontdesk
