#pragma once
// The names of the tables made at run time: one booking table per room (schema's
// RoomTablePrefix + room number) and one item table per food order (FoodOrderTablePrefix +
// order id), bracketed so
// that any room number the administration area accepts names its table. A text that cannot
// name such a table raises error 5 (the caller's handler reports it) instead of reaching a
// statement, where it could change the statement's meaning.
#include <QString>

namespace core {

// "[room_101]"; the room number is trimmed, as when its table is created.
QString RoomTableName(const QString &room);
// "[tbl_FoodOrder_123456]"; the order id is its digits, without the order sign.
QString FoodOrderTableName(const QString &orderId);

} // namespace core
