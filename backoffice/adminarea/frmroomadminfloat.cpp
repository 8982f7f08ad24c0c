#include "backoffice/adminarea/frmroomadminfloat.h"

#include "ado/recordset.h"
#include "backoffice/adminarea/adminaids.h"
#include "backoffice/adminarea/frmadminarea.h"
#include "backoffice/adminarea/roomchanges.h"
#include "backoffice/adminarea/roomstatements.h"
#include "core/aids/replaceeach.h"
#include "core/aids/typedamount.h"
#include "core/db/changelookup.h"
#include "core/db/dbworks.h"
#include "core/db/sqltext.h"
#include "core/db/tableexists.h"
#include "core/db/tablenames.h"
#include "core/state/connecthandler.h"
#include "core/state/runhandler.h"
#include "core/ui/columnfit.h"
#include "core/ui/windowkit.h"
#include "ui/dialogs.h"
#include "ui/forms.h"
#include "vb/text.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace backoffice {

namespace {

frmAdminArea &adminArea() { return ui::Forms::Get<frmAdminArea>(); }

} // namespace

frmRoomAdminFloat::frmRoomAdminFloat() : FloatEditor(Name)
{
    SetCaption(QStringLiteral("Edit Room"));
    Label1 = core::Label(QStringLiteral("Room ID :"), QStringLiteral("Label1"), this);
    txtRoomIDedit = core::TextBox(QStringLiteral("txtRoomIDedit"), this);
    core::FitToColumn(txtRoomIDedit, QStringLiteral("tbl_Rooms"), QStringLiteral("RoomNameID"));
    Label2 = core::Label(QStringLiteral("Note :"), QStringLiteral("Label2"), this);
    txtRoomDescEdit = core::TextBox(QStringLiteral("txtRoomDescEdit"), this);
    Label3 = core::Label(QStringLiteral("Rate :"), QStringLiteral("Label3"), this);
    txtPriceEdit = core::AmountBox(QStringLiteral("txtPriceEdit"), this);
    cmdEditIt = core::Button(QStringLiteral("&Update"), QStringLiteral("cmdEditIt"), this);
    cmdCancelIt = core::Button(QStringLiteral("&Cancel"), QStringLiteral("cmdCancelIt"), this);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtRoomIDedit, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(txtRoomDescEdit, 1, 1);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(txtPriceEdit, 2, 1);
    grid->addLayout(core::ButtonRow({cmdEditIt, cmdCancelIt}), 3, 0, 1, 2);
    grid->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 28);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    core::ConnectHandler(cmdEditIt, &QPushButton::clicked, this, &frmRoomAdminFloat::cmdEditIt_Click);
    core::ConnectHandler(cmdCancelIt, &QPushButton::clicked, this, &frmRoomAdminFloat::cmdCancelIt_Click);
    txtRoomIDedit->installEventFilter(this);
    setDialogKeys(cmdEditIt);
}

frmRoomAdminFloat::~frmRoomAdminFloat() = default;

void frmRoomAdminFloat::loadEditor() { loadRoom(); }

// The room selected in the room list, by its key: the save changes this room and no
// other, so the key handed over is cleared first.
void frmRoomAdminFloat::loadRoom()
{
    frmAdminArea &admin = adminArea();
    admin.ListViewValueFromDB = 0;
    const long roomId = RowKey(admin.listRoomView, SelectedRow(admin.listRoomView), frmAdminArea::RoomKeyColumn);
    const auto room = core::OpenRecordset(RoomByIdSql(roomId));
    if (!room || room->IsEOF())
        return;
    loadedRoom_ = TextOf(room->Fields(QStringLiteral("RoomNameID")).Value());
    txtRoomIDedit->setText(loadedRoom_);
    txtRoomDescEdit->setText(core::ShownApostrophes(TextOf(room->Fields(QStringLiteral("Description")).Value())));
    txtPriceEdit->setText(vb::Format(room->Fields(QStringLiteral("RoomPrice")).Value(), QStringLiteral("Currency")));
    admin.ListViewValueFromDB = vb::CInt(room->Fields(QStringLiteral("RoomID")).Value());
}

bool frmRoomAdminFloat::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtRoomIDedit && event->type() == QEvent::KeyPress)
        core::RunGuarded([this] { txtRoomIDedit_KeyDown(); });
    return ui::Form::eventFilter(watched, event);
}

void frmRoomAdminFloat::txtRoomIDedit_KeyDown()
{
    FilterRoomNumberKeys(txtRoomIDedit);
}

void frmRoomAdminFloat::cmdCancelIt_Click() { Unload(); }

void frmRoomAdminFloat::cmdEditIt_Click()
{
    if (ui::MsgBox(QStringLiteral("Update Selected Room?"), ConfirmStyle, QStringLiteral("Update Room Info")) !=
        ui::vbYes) {
        Unload();
        return;
    }
    bool close = true;
    try {
        close = saveRoom();
    } catch (const vb::Error &error) {
        core::ShowCriticalError(QStringLiteral("flot_0002"), error);
    }
    if (close)
        Unload();
}

// Everything is checked before anything is written: the tariff, the number, that no other
// room has that number, and that no old bookings stand where the number's table would go.
bool frmRoomAdminFloat::saveRoom()
{
    const long roomId = adminArea().ListViewValueFromDB;
    if (roomId == 0)
        return true;
    // Letters or nothing end the save in the critical message; a tariff misread by its
    // group separators or out of bounds is told and may be corrected.
    vb::CCur(vb::Variant(txtPriceEdit->text()));
    const std::optional<vb::Currency> tariff = core::TypedAmount(txtPriceEdit->text());
    if (!tariff || !IsSensibleTariff(*tariff)) {
        ui::MsgBox(tariff ? TariffRangeHint() : QStringLiteral("Please Enter Tariff as Numeric Characters!"),
                   ui::vbInformation);
        return false;
    }
    const vb::Currency price = *tariff;
    const QString room = CleanRoomNumber(txtRoomIDedit->text());
    if (!IsUsableRoomNumber(room)) {
        ui::MsgBox(RoomNumberHint(room), ui::vbInformation);
        return false;
    }
    const std::optional<bool> taken = RoomNumberTaken(room, roomId);
    if (!taken)
        return true;
    if (*taken) {
        ui::MsgBox(QStringLiteral("Room ") + room + QStringLiteral(" Already Exist! Please change Room ID."),
                   ui::vbInformation);
        return false;
    }
    const bool moveBookings = movesBookings(room);
    if (moveBookings && RoomTableUseOf(room) == RoomTableUse::HoldsBookings) {
        ShowRoomTableHoldsBookings(room);
        return false;
    }
    if (storeRoom(roomId, room, price, moveBookings))
        adminArea().RoomListShow();
    return true;
}

// A new number takes the room's bookings along, into a table of the new number, when the
// room has a table.
bool frmRoomAdminFloat::movesBookings(const QString &room) const
{
    return room != loadedRoom_ && IsUsableRoomNumber(loadedRoom_) && core::TableExists(core::RoomTableName(loadedRoom_));
}

// The room row, the moved bookings and the current guests' room lists change together with
// the booking tables (the old one goes once they are stored); nothing changes when the room's
// row was removed meanwhile.
bool frmRoomAdminFloat::storeRoom(long roomId, const QString &room, vb::Currency price, bool moveBookings)
{
    const bool renumbered = room != loadedRoom_;
    return ChangeRoomTables(
        moveBookings ? room : QString(),
        [&] {
            long found = 0;
            return core::ExecuteSQL(RoomNumberUpdateSql(roomId, room), core::SqlAction::Update, &found) && found > 0 &&
                   core::ExecuteSQL(RoomDescriptionUpdateSql(roomId, txtRoomDescEdit->text()), core::SqlAction::Update) &&
                   core::ExecuteSQL(RoomPriceUpdateSql(roomId, price), core::SqlAction::Update) &&
                   (!moveBookings ||
                    core::ExecuteSQL(RoomBookingsMoveSql(loadedRoom_, room), core::SqlAction::Insert)) &&
                   (!renumbered || renameInGuestLists(room));
        },
        [&] {
            return core::RowFound(core::UpdatedRowSql(RoomNumberUpdateSql(roomId, room))) &&
                   core::RowFound(core::UpdatedRowSql(RoomDescriptionUpdateSql(roomId, txtRoomDescEdit->text()))) &&
                   core::RowFound(core::UpdatedRowSql(RoomPriceUpdateSql(roomId, price)));
        },
        moveBookings ? loadedRoom_ : QString());
}

// The current guests whose room list names the old number name the new one.
bool frmRoomAdminFloat::renameInGuestLists(const QString &room)
{
    const auto guests = core::OpenRecordset(GuestsNamingRoomSql(loadedRoom_));
    if (!guests)
        return false;
    for (; !guests->IsEOF(); guests->MoveNext()) {
        const QString rooms = TextOf(guests->Fields(QStringLiteral("cRoomNameID")).Value());
        const QString renamed = RenamedInRoomList(rooms, loadedRoom_, room);
        if (renamed != rooms &&
            !core::ExecuteSQL(GuestRoomListUpdateSql(vb::CLng(guests->Fields(QStringLiteral("ID")).Value()), renamed),
                              core::SqlAction::Update))
            return false;
    }
    return true;
}

} // namespace backoffice
