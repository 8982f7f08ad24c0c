#pragma once
// What the rooms tab and the room editor share when a room's number or booking table
// changes: the check that a number is taken, what already stands where a free number's table
// would go, and the change of a room's rows together with its booking tables, all or nothing.
//
// A crash at any point of such a change leaves at most an empty booking table that no room
// row names (MariaDB makes and drops tables outside the transaction); the next room of that
// number takes it over. A table of a free number that still holds bookings is never taken
// over: the clerk is told and chooses another number.
#include "core/db/dbworks.h"

#include <QString>
#include <functional>
#include <optional>

namespace backoffice {

// Whether another room (not the one with key `exceptRoomId`) has the number, compared as
// SameRoomNumber does; nothing when the rooms could not be read (reported already).
std::optional<bool> RoomNumberTaken(const QString &room, long exceptRoomId = 0);

// The booking table of a number that no room has.
enum class RoomTableUse { Free, Leftover, HoldsBookings };
RoomTableUse RoomTableUseOf(const QString &room);
// Tells the clerk that the number's old bookings are in the way.
void ShowRoomTableHoldsBookings(const QString &room);

// Runs `rows` (the change of the room's rows) with `newRoom`'s booking table made first
// (a leftover one is dropped before) and, once the rows are stored, `oldRoom`'s table
// emptied and dropped; either room may be empty for none. False when a statement failed
// (the statement layer has reported it) and nothing was kept; a commit that fails raises its
// error, with nothing kept either. `stored` looks the rows up when the commit's answer is lost
// (core::Transaction::Commit); while that stays unknown, no table is made or dropped further.
bool ChangeRoomTables(const QString &newRoom, const std::function<bool()> &rows, const core::ChangeLookup &stored,
                      const QString &oldRoom = QString());

} // namespace backoffice
