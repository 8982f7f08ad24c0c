#include "frontdesk/bills/guestbill.h"

#include "vb/conversions.h"
#include "vb/text.h"
#include "vb/variant.h"

#include <QStringList>

namespace frontdesk {

namespace {

QString line(const QString &label, int tabs, const QString &value)
{
    return label + QString(tabs, QLatin1Char('\t')) + QStringLiteral(": ") + value;
}

} // namespace

QString RoomsText(const QList<BilledRoom> &rooms)
{
    QString text;
    for (const BilledRoom &room : rooms)
        text += room.room + QStringLiteral(" (") + room.price + QStringLiteral("), ");
    return vb::Trim(text);
}

QString TaxesText(const QList<RoomTax> &taxes)
{
    vb::Currency percent;
    QString names;
    for (const RoomTax &tax : taxes) {
        percent += tax.rate;
        names += tax.name + QLatin1Char(',');
    }
    return vb::CStr(vb::Variant(percent)) + QStringLiteral("% Tax(s), Inclusive ") + names;
}

QString GuestBillText(const GuestDetails &guest, const QString &orderSign, const QList<RoomTax> &taxes)
{
    const QStringList lines{
        line(QStringLiteral("Customer ID "), 3, orderSign + guest.guestNumber),
        line(QStringLiteral("Customer Name "), 2, guest.title + QLatin1Char(' ') + guest.firstName + QLatin1Char(' ') + guest.lastName),
        line(QStringLiteral("Address "), 3, guest.address),
        line(QStringLiteral("Phone No "), 3, guest.phone),
        line(QStringLiteral("Checkin Date "), 2, vb::CStr(vb::Variant(guest.checkIn))),
        line(QStringLiteral("Check Out Date "), 2, vb::CStr(vb::Variant(guest.checkOut))),
        line(QStringLiteral("Total Price "), 2, guest.roomRate),
        line(QStringLiteral("Total "), 4, guest.roomRate),
        line(QStringLiteral("Tax(s) "), 3, TaxesText(taxes)),
        line(QStringLiteral("Tax Amount "), 2, guest.tax),
        line(QStringLiteral("Grand Total "), 2, guest.grandTotal),
        line(QStringLiteral("Payment Method "), 1, guest.paymentMethod),
        line(QStringLiteral("Advance Paid "), 2, guest.advancePaid),
        line(QStringLiteral("Due "), 4, guest.due),
        line(QStringLiteral("Room(s) & Price(s) "), 1, RoomsText(guest.rooms)),
    };
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace frontdesk
