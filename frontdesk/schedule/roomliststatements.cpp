#include "frontdesk/schedule/roomliststatements.h"

#include "core/db/tablenames.h"

namespace frontdesk {

QString ScheduleRoomsSql() { return QStringLiteral("SELECT * FROM tbl_Rooms"); }

QString RoomScheduleSql(const QString &room)
{
    const QString table = core::RoomTableName(room);
    return QStringLiteral("SELECT ") + table
           + QStringLiteral(".*,tbl_customers.cTitle, tbl_customers.cFirstName, tbl_customers.cLastName FROM ")
           + table + QStringLiteral(", tbl_customers WHERE ") + table
           + QStringLiteral(".cUniqueID = tbl_customers.cUniqueNo ORDER BY CheckOutDate ASC");
}

} // namespace frontdesk
