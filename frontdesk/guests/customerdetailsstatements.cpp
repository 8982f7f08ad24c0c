#include "frontdesk/guests/customerdetailsstatements.h"

#include "core/db/sqldate.h"
#include "core/db/sqltext.h"
#include "core/db/tablenames.h"
#include "frontdesk/shared/roomprices.h"
#include "vb/error.h"

namespace frontdesk {

namespace {

QString cleaned(const QString &text) { return core::WithoutApostrophes(text); }

QString amount(vb::Currency value) { return value.toInvariantString(); }

QString key(qint64 id) { return QString::number(id); }

// A count that goes into the statement: its digits, never anything else.
QString count(const QString &text)
{
    const std::optional<qint64> number = WholeNumber(text);
    if (!number)
        throw vb::Error::standard(vb::errTypeMismatch);
    return QString::number(*number);
}

} // namespace

std::optional<qint64> WholeNumber(const QString &text)
{
    // At most 18 digits: every such number fits the 64-bit key and the engines' integers.
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return text.toLongLong();
}

QString CustomerByIdSql(qint64 id) { return QStringLiteral("SELECT * FROM tbl_customers WHERE ID = ") + key(id); }

QString CustomerUpdateSql(const BookingRecord &g, qint64 id)
{
    return QStringLiteral("UPDATE tbl_customers SET ") + QStringLiteral("cTitle = '") + cleaned(g.title)
           + QStringLiteral("',") + QStringLiteral("cFirstName ='") + cleaned(g.firstName) + QStringLiteral("',")
           + QStringLiteral("cLastName ='") + cleaned(g.lastName) + QStringLiteral("',") + QStringLiteral("cAddress ='")
           + cleaned(g.address) + QStringLiteral("',") + QStringLiteral("cPhone ='") + cleaned(g.phone)
           + QStringLiteral("',") + QStringLiteral("cNoOfAdults ='") + count(g.adults) + QStringLiteral("',")
           + QStringLiteral("cNoOfMinors =") + count(g.minors) + QStringLiteral(",") + QStringLiteral("cCheckInDate =")
           + core::SqlDate(g.arrival) + QStringLiteral(",") + QStringLiteral("cCheckOutDate =")
           + core::SqlDate(g.departure) + QStringLiteral(",") + QStringLiteral("cNoOfDays =")
           + QString::number(g.days, 'f', 0) + QStringLiteral(",") + QStringLiteral("cRoomsRate =") + amount(g.rate)
           + QStringLiteral(",") + QStringLiteral("cTax =") + amount(g.tax) + QStringLiteral(",")
           + QStringLiteral("cGrandTotal =") + amount(g.grandTotal) + QStringLiteral(",")
           + QStringLiteral("cAdvancePaid=") + amount(g.advance) + QStringLiteral(",") + QStringLiteral("cDue =")
           + amount(g.due) + QStringLiteral(",") + QStringLiteral("cPaymentMethod ='") + cleaned(g.paymentMethod)
           + QStringLiteral("',") + QStringLiteral("cAdditionalNote ='") + cleaned(g.note) + QStringLiteral("',")
           + QStringLiteral("cPaymentMethodDetails='") + core::SqlText(core::StoredApostrophes(g.paymentDetails))
           + QStringLiteral("',") + QStringLiteral("cStatus='") + core::SqlText(g.status)
           + QStringLiteral("' WHERE ID=") + key(id);
}

QString CustomerUpdateLogSql(const QString &firstName, const QString &lastName, const QString &userName)
{
    return QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values('Customer details updated : ")
           + cleaned(firstName) + QStringLiteral(" ") + cleaned(lastName) + QStringLiteral("!','") + cleaned(userName)
           + QStringLiteral("','Bookings')");
}

QString RoomBookingDatesSql(const QString &room, const BookingRecord &guest)
{
    return QStringLiteral("UPDATE ") + core::RoomTableName(room) + QStringLiteral(" SET CheckInDate = ")
           + core::SqlDate(guest.arrival) + QStringLiteral(", CheckOutDate = ") + core::SqlDate(guest.departure)
           + QStringLiteral(" WHERE cUniqueID = '") + core::SqlText(guest.uniqueNo) + QStringLiteral("'");
}

QString CustomerToHistorySql(qint64 id)
{
    return QStringLiteral("INSERT INTO tbl_customers_history SELECT * FROM tbl_customers WHERE ID = ") + key(id);
}

QString RoomBookingsDeleteSql(const QString &room, const QString &uniqueNo)
{
    return QStringLiteral("DELETE FROM  ") + core::RoomTableName(room) + QStringLiteral(" WHERE cUniqueID = '")
           + core::SqlText(uniqueNo) + QStringLiteral("'");
}

QString CustomerDeleteSql(qint64 id) { return QStringLiteral("DELETE FROM tbl_customers WHERE ID = ") + key(id); }

QList<GuestRoom> GuestRooms(const QString &rooms, const QString &prices)
{
    QList<GuestRoom> list;
    if (rooms.isEmpty())
        return list;
    const QStringList roomParts = rooms.split(QLatin1Char(','));
    const QList<RoomPrice> priceParts = ReadRoomPrices(prices);
    for (qsizetype i = 0; i < roomParts.size(); ++i)
        list.append({roomParts[i].trimmed(), priceParts.value(i).shown(), i < priceParts.size()});
    return list;
}

QStringList GuestRoomNumbers(const QString &rooms)
{
    QStringList numbers;
    for (const QString &part : rooms.split(QLatin1Char(','))) {
        const QString room = part.trimmed();
        if (!room.isEmpty() && !numbers.contains(room))
            numbers << room;
    }
    return numbers;
}

} // namespace frontdesk
