// The rooms tab: the room list, adding and removing a room with its booking table, the
// list's popup menu, the room editor and the export of the list.
#include "backoffice/adminarea/frmadminarea.h"

#include "ado/recordset.h"
#include "backoffice/adminarea/adminaids.h"
#include "backoffice/adminarea/frmroomadminfloat.h"
#include "backoffice/adminarea/roomchanges.h"
#include "backoffice/adminarea/roomstatements.h"
#include "controls/popupmenu.h"
#include "controls/reportlist.h"
#include "core/aids/typedamount.h"
#include "core/db/changelookup.h"
#include "core/db/dbworks.h"
#include "core/db/sqltext.h"
#include "core/db/tableexists.h"
#include "core/db/tablenames.h"
#include "core/state/appstate.h"
#include "core/state/runhandler.h"
#include "core/ui/exportdialog.h"
#include "ui/dialogs.h"
#include "ui/hourglass.h"
#include "vb/conversions.h"
#include "vb/text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace backoffice {

void frmAdminArea::RoomListShow()
{
    core::RunHandler(QStringLiteral("ADM0016"), core::ReportMode::Modal, [this] {
        listRoomView->clear();
        const auto rooms = core::OpenRecordset(RoomListSql());
        if (!rooms)
            return;
        for (; !rooms->IsEOF(); rooms->MoveNext()) {
            if (IsBlank(rooms->Fields(0).Value()))
                continue;
            listRoomView->addRow({TextOf(rooms->Fields(QStringLiteral("RoomNameID")).Value()),
                                  core::ShownApostrophes(TextOf(rooms->Fields(QStringLiteral("Description")).Value())),
                                  core::ShownApostrophes(TextOf(rooms->Fields(QStringLiteral("RoomType")).Value())),
                                  vb::Format(rooms->Fields(QStringLiteral("RoomPrice")).Value(), QStringLiteral("Currency")),
                                  TextOf(rooms->Fields(QStringLiteral("RoomID")).Value())},
                                 1);
        }
    });
}

void frmAdminArea::cmdAddRoom_Click()
{
    cmdAddRoom->setEnabled(false);
    bool enable = true;
    core::RunHandler(QStringLiteral("ADM0004"), core::ReportMode::Modal, [&] { enable = addRoom(); });
    if (enable)
        cmdAddRoom->setEnabled(true);
}

// The checks, then the room's table with its row and log row as one change (a table that a
// crash left behind without its room is taken over). False when the button stays disabled
// until the room boxes change (the number is taken).
bool frmAdminArea::addRoom()
{
    const QString room = CleanRoomNumber(txtRoomID->text());
    if (room.isEmpty() || txtRoomID->text() == QLatin1String("Room ID")) {
        showHint(txtRoomID, QStringLiteral("Please enter Room ID"), QStringLiteral("Please Enter Room ID!"));
        return true;
    }
    if (!IsUsableRoomNumber(room)) {
        showHint(txtRoomID, QStringLiteral("Invalid Room ID"), RoomNumberHint(room));
        return true;
    }
    const std::optional<bool> taken = RoomNumberTaken(room);
    if (!taken)
        return true;
    if (*taken) {
        showHint(txtRoomID, QStringLiteral("Room Already Exist!"), QStringLiteral("Please Enter Room ID!"));
        return false;
    }
    const QString priceText = txtRoomPrice->text();
    const std::optional<vb::Currency> tariff = core::TypedAmount(priceText);
    if (!tariff) {
        showHint(txtRoomPrice,
                 priceText.isEmpty() ? QStringLiteral("Please enter Numeric values in the Box")
                                     : QStringLiteral("Invalid Tariff"),
                 QStringLiteral("Please Enter Tariff as Numeric Characters!"));
        return true;
    }
    if (!IsSensibleTariff(*tariff)) {
        showHint(txtRoomPrice, QStringLiteral("Invalid Tariff"), TariffRangeHint());
        return true;
    }
    const vb::Currency price = *tariff;
    if (txtRoomDesc->text() == QLatin1String("Description"))
        txtRoomDesc->clear();
    if (RoomTableUseOf(room) == RoomTableUse::HoldsBookings) {
        ShowRoomTableHoldsBookings(room);
        return true;
    }

    const bool stored = ChangeRoomTables(
        room,
        [&] {
            return core::ExecuteSQL(RoomInsertSql(room, txtRoomDesc->text(), comboRoomType->currentText(), price),
                                    core::SqlAction::Insert) &&
                   core::ExecuteSQL(RoomAddedLogSql(room, core::State().mUserName), core::SqlAction::Insert);
        },
        [&room] { return core::RowFound(RoomByNumberSql(room)); });
    if (!stored)
        return true;
    ui::MsgBox(QStringLiteral("Room ") + room + QStringLiteral(" Added on the Room List!"), ui::vbInformation);
    RoomListShow();
    return true;
}

void frmAdminArea::iRemoveRoom()
{
    core::RunHandler(QStringLiteral("ADM0003"), core::ReportMode::Modal, [this] {
        if (listRoomView->listIndex() < 1)
            return;   // no room chosen: nothing to remove, as on the other tabs
        const int row = SelectedRow(listRoomView);
        if (ui::MsgBox(QStringLiteral("Remove Selected Room! Are you Sure?"), ConfirmStyle,
                       QStringLiteral("Remove Room")) != ui::vbYes)
            return;
        const QString room = listRoomView->text(row);
        const long roomId = RowKey(listRoomView, row, RoomKeyColumn);
        const bool hasTable = IsUsableRoomNumber(room) && core::TableExists(core::RoomTableName(room));
        if (hasTable && roomHeldByGuest(room)) {
            ui::MsgBox(QStringLiteral("Room ") + room +
                           QStringLiteral(" is booked by a current customer and cannot be removed."),
                       ui::vbInformation);
            return;
        }
        // A row already gone (removed at another workstation) writes no log row and no message.
        const bool removed = ChangeRoomTables(
            QString(),
            [&] {
                long rows = 0;
                return core::ExecuteSQL(RoomDeleteSql(roomId), core::SqlAction::Delete, &rows) && rows > 0 &&
                       core::ExecuteSQL(RoomRemovedLogSql(room, core::State().mUserName), core::SqlAction::Insert);
            },
            [roomId] { return !core::RowFound(core::DeletedRowsSql(RoomDeleteSql(roomId))); },
            hasTable ? room : QString());
        if (!removed) {
            RoomListShow();
            return;
        }
        ui::MsgBox(QStringLiteral("Room ") + room + QStringLiteral(" Removed!"), ui::vbInformation);
        RoomListShow();
    });
}

// A booking in the room's table that belongs to a guest of the current guest list.
bool frmAdminArea::roomHeldByGuest(const QString &room)
{
    const auto held = core::OpenRecordset(RoomCurrentGuestsSql(room));
    if (!held)
        throw vb::Error(3704, QStringLiteral("Operation is not allowed when the object is closed."));
    return vb::CLng(held->Fields(0).Value()) > 0;
}

void frmAdminArea::listRoomView_MouseDown(int button)
{
    core::RunHandler(QStringLiteral("ADM0019"), core::ReportMode::Modal, [&] {
        if (button == 2)
            AGPopUp1->popUp();
    });
}

void frmAdminArea::AGPopUp1_Click(const QString &itemName)
{
    core::RunHandler(QStringLiteral("ADM0001"), core::ReportMode::Modal, [&] {
        if (itemName == QLatin1String("mnuRemoveRoom")) {
            iRemoveRoom();
        } else if (itemName == QLatin1String("mnuEditSelected")) {
            EditSelectedRoom();
        } else if (itemName == QLatin1String("mnuExportToExcel")) {
            ProgressBar1->setValue(0);
            QString fileName = QStringLiteral("Room List");
            ExportListToExcel(listRoomView, fileName);
        }
    });
}

void frmAdminArea::EditSelectedRoom()
{
    core::RunHandler(QStringLiteral("ADM0018"), core::ReportMode::Modal, [this] {
        auto *editor = new frmRoomAdminFloat;
        const QPoint at = clickedPointTwips(listRoomView);
        editor->LoadIt(at.x(), at.y());
        editor->Show(ui::vbModal);
    });
}

void frmAdminArea::ExportListToExcel(controls::ReportList *list, QString &fileName)
{
    core::RunHandler(QStringLiteral("ADM0002"), core::ReportMode::Modal, [&] {
        ProgressBar1->setVisible(true);
        fileName = core::AskExportFileName(fileName, this);
        if (fileName.isEmpty())
            return;
        Timer1->start();
        {
            const ui::Hourglass hourglass;
            list->exportTo(fileName);
        }
        ProgressBar1->setValue(1000);
        ProgressBar1->hide();
        Timer1->stop();
    });
}

void frmAdminArea::Timer1_Timer()
{
    if (ProgressBar1->value() >= 999)
        Timer1->stop();
    ProgressBar1->setValue(std::min(ProgressBar1->value() + 1, ProgressBar1->maximum()));
}

} // namespace backoffice
