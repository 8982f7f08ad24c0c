#pragma once
// The queries of the room booking schedule, side-effect free and tested as text.
#include <QString>

namespace frontdesk {

// The rooms offered in the schedule's combo box.
QString ScheduleRoomsSql();
// The bookings of one room with the names of the guests who hold them, earliest check-out
// first. Raises error 5 for a room number that cannot name a table.
QString RoomScheduleSql(const QString &room);

} // namespace frontdesk
