#include "frontdesk/bookingstatements.h"

#include "core/db/sqltext.h"
#include "vb/conversions.h"

namespace frontdesk {

namespace {

// Names, address, phone, title, note and user name lose their apostrophes.
QString cleaned(const QString &text) { return core::SqlText(QString(text).remove(QLatin1Char('\''))); }

// Amounts as plain numbers with a '.' decimal point, which the engines read in every locale.
QString amount(vb::Currency value) { return value.toInvariantString(); }

QString number(double value) { return QString::number(value, 'g', 15); }

// Dates between '#' in the short date form.
QString dateLiteral(vb::Date date) { return QStringLiteral("#") + vb::CStr(vb::Variant(date)) + QStringLiteral("#"); }

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
           + QStringLiteral(",") + dateLiteral(b.arrival) + QStringLiteral(" , ") + dateLiteral(b.departure)
           + QStringLiteral(",") + number(b.days) + QStringLiteral(",") + amount(b.rate) + QStringLiteral(",")
           + amount(b.tax) + QStringLiteral(",") + amount(b.grandTotal) + QStringLiteral(",") + amount(b.advance)
           + QStringLiteral(",") + amount(b.due) + QStringLiteral(",'") + cleaned(b.paymentMethod)
           + QStringLiteral("','") + core::SqlText(b.paymentDetails) + QStringLiteral("','")
           + core::SqlText(b.rooms.join(QLatin1Char(','))) + QStringLiteral("','")
           + core::SqlText(b.prices.join(QLatin1Char(','))) + QStringLiteral("','") + cleaned(b.note)
           + QStringLiteral("','") + core::SqlText(b.uniqueNo) + QStringLiteral("','") + core::SqlText(b.status)
           + QStringLiteral("')");
}

QString RoomBookingInsertSql(const QString &room, const BookingRecord &b, vb::Date today)
{
    return QStringLiteral("INSERT INTO room_") + room
           + QStringLiteral(" (RoomNameID, cUniqueID,CheckInDate,CheckOutDate,RoomBookedDate) values ('")
           + core::SqlText(room) + QStringLiteral("','") + core::SqlText(b.uniqueNo) + QStringLiteral("',")
           + dateLiteral(b.arrival) + QStringLiteral(",") + dateLiteral(b.departure) + QStringLiteral(",")
           + dateLiteral(today) + QStringLiteral(")");
}

QString RevenueOfDaySql(vb::Date today)
{
    return QStringLiteral("SELECT * FROM tbl_revenueStats WHERE tDate =") + dateLiteral(today) + QStringLiteral(" ");
}

QString RevenueInsertSql(vb::Currency total)
{
    return QStringLiteral("INSERT INTO tbl_revenueStats (tRevenue,tBookingRevenue, tBookings) values(") + amount(total)
           + QStringLiteral(",") + amount(total) + QStringLiteral(",1)");
}

QString RevenueUpdateSql(vb::Currency total, vb::Date today)
{
    return QStringLiteral("UPDATE tbl_revenueStats SET tRevenue = tRevenue + ") + amount(total)
           + QStringLiteral(",tBookingRevenue=tBookingRevenue + ") + amount(total)
           + QStringLiteral(", tBookings = tBookings + 1 WHERE tDate = ") + dateLiteral(today);
}

QString BookingLogSql(const QString &firstName, const QString &lastName, const QString &userName)
{
    return QStringLiteral("INSERT INTO tbl_logTable (LogText,LoggedUser, LogKey) values('New Booking of Customer : ")
           + cleaned(firstName) + QStringLiteral(" ") + cleaned(lastName) + QStringLiteral("','") + cleaned(userName)
           + QStringLiteral("','Bookings')");
}

QString GuestNumberLookupSql(const QString &table, const QString &uniqueNo)
{
    return QStringLiteral("SELECT cUniqueNo FROM ") + table + QStringLiteral(" WHERE cUniqueNo='")
           + core::SqlText(uniqueNo) + QStringLiteral("'");
}

} // namespace frontdesk
