#include "backoffice/adminarea/roomstatements.h"

#include "backoffice/adminarea/sqlliteral.h"
#include "core/db/tablenames.h"
#include "vb/text.h"

#include <QStringList>

namespace backoffice {

QString CleanRoomNumber(const QString &typed)
{
    QString room = typed;
    room.remove(QLatin1Char('\'')).remove(QLatin1Char(';')).remove(QLatin1Char('?'));
    return vb::Trim(room);
}

namespace {

bool allDigits(const QString &room)
{
    for (const QChar c : room) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return !room.isEmpty();
}

// Leading zeros do not count: "007" is room 7.
bool withinRoomNumbers(const QString &digits)
{
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits.at(first) == QLatin1Char('0'))
        ++first;
    const QString significant = digits.mid(first);
    return significant.size() <= 10 && significant.toLongLong() <= MaxRoomNumber;
}

constexpr int64_t MaxTariff = 1000000;

} // namespace

bool IsUsableRoomNumber(const QString &room) { return allDigits(room) && withinRoomNumbers(room); }

QString RoomNumberHint(const QString &room)
{
    return allDigits(room) ? QStringLiteral("Please Enter Room ID up to %1!").arg(MaxRoomNumber)
                           : QStringLiteral("Please Enter Room ID as Numeric Characters!");
}

bool IsSensibleTariff(vb::Currency tariff) { return tariff >= vb::Currency(0) && tariff <= vb::Currency(MaxTariff); }

QString TariffRangeHint() { return QStringLiteral("Please Enter Tariff from 0 to %1!").arg(MaxTariff); }

bool SameRoomNumber(const QString &a, const QString &b)
{
    const QString left = vb::Trim(a);
    const QString right = vb::Trim(b);
    if (IsUsableRoomNumber(left) && IsUsableRoomNumber(right))
        return left.toLong() == right.toLong();
    return left.compare(right, Qt::CaseInsensitive) == 0;   // as the database compares texts
}

QString RoomListSql() { return QStringLiteral("SELECT * FROM tbl_Rooms"); }

QString RoomNumbersSql() { return QStringLiteral("SELECT RoomID, RoomNameID FROM tbl_Rooms"); }

QString RoomTableCreateSql(const QString &room)
{
    return QStringLiteral("CREATE TABLE ") + core::RoomTableName(room)
           + QStringLiteral(" ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL, cUniqueID VARCHAR(225) NOT "
                            "NULL, CheckInDate DATETIME, CheckOutDate DATETIME, RoomBookedDate DATETIME, RoomNote "
                            "MEMO NULL)");
}

QString RoomInsertSql(const QString &room, const QString &description, const QString &type, vb::Currency price)
{
    return QStringLiteral("INSERT INTO tbl_Rooms(roomNameID,Description,RoomType,RoomPrice ) values(") + Quoted(room)
           + QStringLiteral(",") + Quoted(core::StoredApostrophes(description)) + QStringLiteral(",")
           + Quoted(core::StoredApostrophes(type)) + QStringLiteral(",") + Quoted(price.toInvariantString())
           + QStringLiteral(")");
}

QString RoomAddedLogSql(const QString &room, const QString &userName)
{
    return QStringLiteral("INSERT INTO tbl_logTable (LogText,LoggedUser, LogKey) values(")
           + Quoted(QStringLiteral("Added Room -") + room) + QStringLiteral(",") + Quoted(userName)
           + QStringLiteral(",'RoomAddedRemove')");
}

QString RoomDeleteSql(long roomId) { return QStringLiteral("DELETE from tbl_Rooms WHERE RoomID = ") + Number(roomId); }

QString RoomRemovedLogSql(const QString &room, const QString &userName)
{
    return QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values(")
           + Quoted(QStringLiteral("Removed Room ") + room) + QStringLiteral(",") + Quoted(userName)
           + QStringLiteral(",'RoomAddedRemove')");
}

QString RoomTableDropSql(const QString &room) { return QStringLiteral("DROP TABLE ") + core::RoomTableName(room); }

QString RoomCurrentGuestsSql(const QString &room)
{
    return QStringLiteral("SELECT count(*) FROM ") + core::RoomTableName(room)
           + QStringLiteral(" WHERE cUniqueID IN (SELECT cUniqueNo FROM tbl_customers)");
}

QString RoomBookingsCountSql(const QString &room)
{
    return QStringLiteral("SELECT count(*) FROM ") + core::RoomTableName(room);
}

QString RoomBookingsClearSql(const QString &room) { return QStringLiteral("DELETE FROM ") + core::RoomTableName(room); }

QString RoomByNumberSql(const QString &room)
{
    return QStringLiteral("SELECT * FROM tbl_Rooms WHERE RoomNameID = ") + Quoted(room);
}

QString RoomByIdSql(long roomId) { return QStringLiteral("SELECT * FROM tbl_Rooms WHERE RoomID = ") + Number(roomId); }

QString RoomNumberUpdateSql(long roomId, const QString &room)
{
    return QStringLiteral("UPDATE tbl_Rooms SET RoomNameID = ") + Quoted(room) + QStringLiteral(" WHERE RoomID =")
           + Number(roomId);
}

QString RoomDescriptionUpdateSql(long roomId, const QString &description)
{
    return QStringLiteral("UPDATE tbl_Rooms SET Description = ") + Quoted(core::StoredApostrophes(description))
           + QStringLiteral(" WHERE RoomID =") + Number(roomId);
}

QString RoomPriceUpdateSql(long roomId, vb::Currency price)
{
    return QStringLiteral("UPDATE tbl_Rooms SET RoomPrice = ") + Quoted(price.toInvariantString())
           + QStringLiteral(" WHERE RoomID =") + Number(roomId);
}

QString RoomBookingsMoveSql(const QString &from, const QString &to)
{
    return QStringLiteral("INSERT INTO ") + core::RoomTableName(to)
           + QStringLiteral(" (RoomNameID, cUniqueID, CheckInDate, CheckOutDate, RoomBookedDate, RoomNote) SELECT ")
           + to + QStringLiteral(", cUniqueID, CheckInDate, CheckOutDate, RoomBookedDate, RoomNote FROM ")
           + core::RoomTableName(from);
}

QString GuestsNamingRoomSql(const QString &room)
{
    return QStringLiteral("SELECT ID, cRoomNameID FROM tbl_customers WHERE cRoomNameID LIKE ")
           + Quoted(QStringLiteral("%") + room + QStringLiteral("%"));
}

QString GuestRoomListUpdateSql(long guestId, const QString &roomList)
{
    return QStringLiteral("UPDATE tbl_customers SET cRoomNameID = ") + Quoted(roomList)
           + QStringLiteral(" WHERE ID = ") + Number(guestId);
}

QString RenamedInRoomList(const QString &roomList, const QString &from, const QString &to)
{
    QStringList rooms = roomList.split(QLatin1Char(','));
    for (QString &room : rooms) {
        if (room == from)
            room = to;
    }
    return rooms.join(QLatin1Char(','));
}

} // namespace backoffice
