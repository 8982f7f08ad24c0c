#pragma once
// The statements of the rooms tab and the room editor. A room number is cleaned once
// (CleanRoomNumber) and that one value is looked up, stored and used to name the room's
// booking table (core::RoomTableName); descriptions and types keep their apostrophes as "!*!".
#include "vb/currency.h"

#include <QString>

namespace backoffice {

// Blanks around the number and every "'", ";" and "?" removed (the characters the room
// boxes filter as keys are typed).
QString CleanRoomNumber(const QString &typed);
// A room number names the room's table room_<number> and is written into that table's
// whole-number column (INT) at every booking: digits only, up to MaxRoomNumber.
inline constexpr long MaxRoomNumber = 2147483647;
bool IsUsableRoomNumber(const QString &room);
// What the rooms tab and the editor tell of a number that is not usable.
QString RoomNumberHint(const QString &room);

// The tariffs a room takes. At the highest, a stay of every day the booking window offers,
// taxes and all, still fits an amount, for as many rooms as a hotel has.
bool IsSensibleTariff(vb::Currency tariff);
// What the rooms tab and the editor tell of a tariff outside them.
QString TariffRangeHint();
// Two room numbers name the same room when they are equal as numbers ("7" and "007": the
// bookings store both as 7), or, for a number stored before numbers were checked, as texts
// (without regard to case, as the database compares them).
bool SameRoomNumber(const QString &a, const QString &b);

QString RoomListSql();
// Every room's key and number, for the check that a number is not taken.
QString RoomNumbersSql();
QString RoomTableCreateSql(const QString &room);
QString RoomInsertSql(const QString &room, const QString &description, const QString &type, vb::Currency price);
QString RoomAddedLogSql(const QString &room, const QString &userName);
QString RoomDeleteSql(long roomId);
QString RoomRemovedLogSql(const QString &room, const QString &userName);
QString RoomTableDropSql(const QString &room);
// How many bookings in the room's table belong to a current guest; how many it holds at all.
QString RoomCurrentGuestsSql(const QString &room);
QString RoomBookingsCountSql(const QString &room);
// Every booking of the room's table removed.
QString RoomBookingsClearSql(const QString &room);

// The room of a number, as it was stored.
QString RoomByNumberSql(const QString &room);
// The room editor: the room by its key, and the three changes of a save.
QString RoomByIdSql(long roomId);
QString RoomNumberUpdateSql(long roomId, const QString &room);
QString RoomDescriptionUpdateSql(long roomId, const QString &description);
QString RoomPriceUpdateSql(long roomId, vb::Currency price);
// A new number keeps the room's bookings: they move into the table of the new number (made
// as every room table is), carrying that number, and current guests' room lists name it.
QString RoomBookingsMoveSql(const QString &from, const QString &to);
QString GuestsNamingRoomSql(const QString &room);
QString GuestRoomListUpdateSql(long guestId, const QString &roomList);
// The comma list with every entry equal to `from` replaced by `to`.
QString RenamedInRoomList(const QString &roomList, const QString &from, const QString &to);

} // namespace backoffice
