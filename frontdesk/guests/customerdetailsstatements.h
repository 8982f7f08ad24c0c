#pragma once
// The statements of the guest details window: loading one guest, saving corrections with
// their activity-log row, and the removal into the guest history with the guest's room
// bookings. Texts are cleaned as the booking cleans them and quoted; the numbers that go in
// unquoted are whole numbers, checked by the window before a statement is built.
#include "frontdesk/booking/bookingstatements.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace frontdesk {

// A non-negative whole number of digits only (counts, days, row keys): nullopt otherwise.
std::optional<qint64> WholeNumber(const QString &text);

QString CustomerByIdSql(qint64 id);
// The corrections of a guest: names, address, phone, counts, stay, amounts, payment, note and
// status (rooms, prices and the guest number are not changed). `paymentDetails` as typed.
// Adults and minors must be whole numbers (WholeNumber), or it raises Type mismatch (13).
QString CustomerUpdateSql(const BookingRecord &guest, qint64 id);
QString CustomerUpdateLogSql(const QString &firstName, const QString &lastName, const QString &userName);

// The stay of the guest `guest.uniqueNo` in one room's booking table: its check-in and
// check-out dates; raises error 5 for a room that cannot name a table.
QString RoomBookingDatesSql(const QString &room, const BookingRecord &guest);

QString CustomerToHistorySql(qint64 id);
// The guest's bookings in one room's table; raises error 5 for a room that cannot name a table.
QString RoomBookingsDeleteSql(const QString &room, const QString &uniqueNo);
QString CustomerDeleteSql(qint64 id);

// One booked room and its price as the guest row lists them.
struct GuestRoom {
    QString room;
    QString price;
    bool priced = true;   // false: the price list ended before this room
};
// The stored lists side by side: one entry per room, each room trimmed, with the price at
// the same place of the price list (ReadRoomPrices), shown in currency form.
QList<GuestRoom> GuestRooms(const QString &rooms, const QString &prices);
// The distinct room numbers of the stored list, empty elements left out.
QStringList GuestRoomNumbers(const QString &rooms);

} // namespace frontdesk
