#include "frontdesk/booking/bookingstatements.h"

#include "core/db/sqldate.h"
#include "core/db/sqltext.h"
#include "core/db/tablenames.h"
#include "frontdesk/shared/roomprices.h"

namespace frontdesk {

namespace {

// Names, address, phone, title, note and user name lose their apostrophes.
QString cleaned(const QString &text) { return core::WithoutApostrophes(text); }

// Amounts as plain numbers with a '.' decimal point, which the engines read in every locale.
QString amount(vb::Currency value) { return value.toInvariantString(); }

QString number(double value) { return QString::number(value, 'g', 15); }

} // namespace

QString CustomerInsertSql(const BookingRecord &b)
{
    return QStringLiteral("INSERT INTO tbl_customers (cTitle,cFirstName,cLastName,cAddress,cPhone")
           + QStringLiteral(", cNoOfAdults, cNoOfMinors, cCheckInDate")
           + QStringLiteral(", cCheckOutDate, cNoOfDays, cRoomsRate, cTax")
           + QStringLiteral(", cGrandTotal, cAdvancePaid, cDue, cPaymentMethod, cPaymentMethodDetails")
           + QStringLiteral(", cRoomNameID, cRoomNamePrice, cAdditionalNote, cUniqueNo, cStatus) values ('")
           + cleaned(b.title) + QStringLiteral("','") + cleaned(b.firstName) + QStringLiteral("','")
           + cleaned(b.lastName) + QStringLiteral("','") + cleaned(b.address) + QStringLiteral("','")
           + cleaned(b.phone) + QStringLiteral("',") + b.adults + QStringLiteral(",") + b.minors
           + QStringLiteral(",") + core::SqlDate(b.arrival) + QStringLiteral(" , ") + core::SqlDate(b.departure)
           + QStringLiteral(",") + number(b.days) + QStringLiteral(",") + amount(b.rate) + QStringLiteral(",")
           + amount(b.tax) + QStringLiteral(",") + amount(b.grandTotal) + QStringLiteral(",") + amount(b.advance)
           + QStringLiteral(",") + amount(b.due) + QStringLiteral(",'") + cleaned(b.paymentMethod)
           + QStringLiteral("','") + core::SqlText(b.paymentDetails) + QStringLiteral("','")
           + core::SqlText(b.rooms.join(QLatin1Char(','))) + QStringLiteral("','")
           + core::SqlText(StoredRoomPrices(b.prices)) + QStringLiteral("','") + cleaned(b.note)
           + QStringLiteral("','") + core::SqlText(b.uniqueNo) + QStringLiteral("','") + core::SqlText(b.status)
           + QStringLiteral("')");
}

QString RoomBookingInsertSql(const QString &room, const BookingRecord &b, vb::Date today)
{
    return QStringLiteral("INSERT INTO ") + core::RoomTableName(room)
           + QStringLiteral(" (RoomNameID, cUniqueID,CheckInDate,CheckOutDate,RoomBookedDate) values ('")
           + core::SqlText(room) + QStringLiteral("','") + core::SqlText(b.uniqueNo) + QStringLiteral("',")
           + core::SqlDate(b.arrival) + QStringLiteral(",") + core::SqlDate(b.departure) + QStringLiteral(",")
           + core::SqlDate(today) + QStringLiteral(")");
}

QString BookingLogSql(const QString &firstName, const QString &lastName, const QString &userName)
{
    return QStringLiteral("INSERT INTO tbl_logTable (LogText,LoggedUser, LogKey) values('New Booking of Customer : ")
           + cleaned(firstName) + QStringLiteral(" ") + cleaned(lastName) + QStringLiteral("','") + cleaned(userName)
           + QStringLiteral("','Bookings')");
}

QString RoomListedSql(const QString &room)
{
    return QStringLiteral("SELECT RoomNameID FROM tbl_Rooms WHERE RoomNameID = '") + core::SqlText(room)
           + QStringLiteral("'");
}

QString GuestNumberLookupSql(const QString &table, const QString &uniqueNo)
{
    return QStringLiteral("SELECT cUniqueNo FROM ") + table + QStringLiteral(" WHERE cUniqueNo='")
           + core::SqlText(uniqueNo) + QStringLiteral("'");
}

QString FormerGuestSql(const QString &uniqueNo)
{
    return QStringLiteral("SELECT * FROM tbl_customers_history WHERE cUniqueNo='")
           + core::SqlText(QString(uniqueNo).remove(QLatin1Char('#'))) + QStringLiteral("'");
}

QString RoomListSql() { return QStringLiteral("SELECT * FROM tbl_Rooms"); }

QString RoomTaxRatesSql() { return QStringLiteral("SELECT TaxRate FROM tbl_Tax WHERE TaxCat=1"); }

} // namespace frontdesk
