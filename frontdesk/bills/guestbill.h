#pragma once
// The guest bill as text: fifteen lines of label, tabs, ": " and value, built from what the
// guest details window shows and the room taxes stored now.
#include "vb/currency.h"
#include "vb/datetime.h"

#include <QList>
#include <QString>

namespace frontdesk {

// One row of the details window's rooms list.
struct BilledRoom {
    QString room;
    QString price;   // as the list shows it
    bool operator==(const BilledRoom &) const = default;
};

// What the guest details window shows, as its boxes hold it.
struct GuestDetails {
    QString guestNumber;   // without the order sign
    QString title;
    QString firstName;
    QString lastName;
    QString address;
    QString phone;
    vb::Date checkIn;
    vb::Date checkOut;
    QString roomRate;
    QString tax;
    QString grandTotal;
    QString paymentMethod;
    QString advancePaid;
    QString due;
    QList<BilledRoom> rooms;
    bool operator==(const GuestDetails &) const = default;
};

// A row of the room taxes (tbl_tax, category 1).
struct RoomTax {
    QString name;
    vb::Currency rate;
};

// "Room (price), " for each room, blanks trimmed at both ends: the text ends in "),".
QString RoomsText(const QList<BilledRoom> &rooms);

// "12.5% Tax(s), Inclusive Service Tax,VAT,": the summed rates as plain number text, then
// each name followed by ",".
QString TaxesText(const QList<RoomTax> &taxes);

// The bill: lines joined by CR LF, none after the last.
QString GuestBillText(const GuestDetails &guest, const QString &orderSign, const QList<RoomTax> &taxes);

} // namespace frontdesk
