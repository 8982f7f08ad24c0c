#include "backoffice/adminarea/roomchanges.h"

#include "ado/errors.h"
#include "ado/recordset.h"
#include "backoffice/adminarea/adminaids.h"
#include "backoffice/adminarea/roomstatements.h"
#include "core/db/dbworks.h"
#include "core/db/schemachanges.h"
#include "core/db/tableexists.h"
#include "core/db/tablenames.h"
#include "ui/dialogs.h"

namespace backoffice {

namespace {

bool createTable(const QString &room) { return core::ExecuteSQL(RoomTableCreateSql(room), core::SqlAction::Create); }
bool dropTable(const QString &room) { return core::ExecuteSQL(RoomTableDropSql(room), core::SqlAction::Delete); }

// The new table in place of a leftover one.
bool makeTable(const QString &room, bool leftover) { return (!leftover || dropTable(room)) && createTable(room); }

} // namespace

std::optional<bool> RoomNumberTaken(const QString &room, long exceptRoomId)
{
    const auto rooms = core::OpenRecordset(RoomNumbersSql());
    if (!rooms)
        return std::nullopt;
    for (; !rooms->IsEOF(); rooms->MoveNext()) {
        if (vb::CLng(rooms->Fields(QStringLiteral("RoomID")).Value()) != exceptRoomId &&
            SameRoomNumber(room, TextOf(rooms->Fields(QStringLiteral("RoomNameID")).Value())))
            return true;
    }
    return false;
}

RoomTableUse RoomTableUseOf(const QString &room)
{
    if (!core::TableExists(core::RoomTableName(room)))
        return RoomTableUse::Free;
    const auto bookings = core::OpenRecordset(RoomBookingsCountSql(room));
    if (!bookings)
        throw vb::Error(3704, QStringLiteral("Operation is not allowed when the object is closed."));
    return vb::CLng(bookings->Fields(0).Value()) > 0 ? RoomTableUse::HoldsBookings : RoomTableUse::Leftover;
}

void ShowRoomTableHoldsBookings(const QString &room)
{
    ui::MsgBox(QStringLiteral("Room ") + room + QStringLiteral(" cannot be used: bookings of an earlier room ") + room +
                   QStringLiteral(" are still kept. Please choose another Room ID."),
               ui::vbInformation);
}

bool ChangeRoomTables(const QString &newRoom, const std::function<bool()> &rows,
                      const core::ChangeLookup &storedRows, const QString &oldRoom)
{
    const bool leftover = !newRoom.isEmpty() && core::TableExists(core::RoomTableName(newRoom));
    if (core::SchemaChangesJoinTransactions()) {
        core::Transaction transaction;
        if ((!newRoom.isEmpty() && !makeTable(newRoom, leftover)) || !rows() || (!oldRoom.isEmpty() && !dropTable(oldRoom)))
            return false;
        transaction.Commit(storedRows);
        return true;
    }

    if (!newRoom.isEmpty() && !makeTable(newRoom, leftover))
        return false;
    bool stored = false;
    try {
        core::Transaction transaction;
        // The old table's bookings go with the rows; its empty table is dropped afterwards.
        stored = rows() && (oldRoom.isEmpty() ||
                            core::ExecuteSQL(RoomBookingsClearSql(oldRoom), core::SqlAction::Delete));
        if (stored)
            transaction.Commit(storedRows);
    } catch (const ado::UnknownOutcome &) {
        throw;   // the rows may be stored: the new table stays with them
    } catch (const vb::Error &) {
        if (!newRoom.isEmpty())
            core::TidyAfterFailure([&newRoom] { dropTable(newRoom); });
        throw;
    }
    if (!stored) {
        if (!newRoom.isEmpty())
            dropTable(newRoom);
        return false;
    }
    if (!oldRoom.isEmpty())
        dropTable(oldRoom);   // a failure leaves an empty table, which the next room of that number takes over
    return true;
}

} // namespace backoffice
