#pragma once
// The statements that store one booking: the guest row, one row per booked room in that
// room's own table, the day's revenue row and the activity-log row. Texts are given as the
// window holds them; the builders apply the cleaning each column takes (apostrophes removed
// from names, address, phone, title, note and user) and quote every text for SQL.
#include "frontdesk/shared/revenuestatements.h"
#include "vb/currency.h"
#include "vb/datetime.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace frontdesk {

struct BookingRecord {
    QString title;
    QString firstName;
    QString lastName;
    QString address;
    QString phone;
    QString adults;   // as typed: a whole number
    QString minors;
    vb::Date arrival;
    vb::Date departure;
    double days = 0;
    vb::Currency rate;
    vb::Currency tax;
    vb::Currency grandTotal;
    vb::Currency advance;
    vb::Currency due;
    QString paymentMethod;
    QString paymentDetails;   // already in its stored form (see StoredPaymentDetails)
    QStringList rooms;        // RoomNameID of each booked room, in list order
    QList<vb::Currency> prices;   // the tariff of each
    QString note;
    QString uniqueNo;
    QString status;
};

QString CustomerInsertSql(const BookingRecord &booking);
// The row of one booked room in its table room_<room>; `today` is the booking date.
QString RoomBookingInsertSql(const QString &room, const BookingRecord &booking, vb::Date today);
QString BookingLogSql(const QString &firstName, const QString &lastName, const QString &userName);
// The room's row in the room list, when it is still there.
QString RoomListedSql(const QString &room);
// Finds a guest number among the current or the former guests.
QString GuestNumberLookupSql(const QString &table, const QString &uniqueNo);

// The window's own look-ups: the former guest a new booking starts from (by number, the
// order sign dropped), the rooms offered, and the rates of the room taxes.
QString FormerGuestSql(const QString &uniqueNo);
QString RoomListSql();
QString RoomTaxRatesSql();

} // namespace frontdesk
