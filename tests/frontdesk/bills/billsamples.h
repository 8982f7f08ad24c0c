#pragma once
// The guest and the food order the bill tests show: a guest in two rooms, an order of two
// items with a food tax of 12.5 %.
#include "frontdesk/bills/foodbill.h"
#include "frontdesk/bills/guestbill.h"

#include <QDate>

namespace billsamples {

inline frontdesk::GuestDetails TwoRoomGuest()
{
    frontdesk::GuestDetails guest;
    guest.guestNumber = QStringLiteral("JSABCDEF");
    guest.title = QStringLiteral("Mr.");
    guest.firstName = QStringLiteral("John");
    guest.lastName = QStringLiteral("O'Neil");
    guest.address = QStringLiteral("12 Quay Street");
    guest.phone = QStringLiteral("555-0100");
    guest.checkIn = vb::Date::fromQDate(QDate(2026, 4, 3));
    guest.checkOut = vb::Date::fromQDate(QDate(2026, 4, 5));
    guest.roomRate = QStringLiteral("$400.00");
    guest.tax = QStringLiteral("$50.00");
    guest.grandTotal = QStringLiteral("$450.00");
    guest.paymentMethod = QStringLiteral("Cash");
    guest.advancePaid = QStringLiteral("$100.00");
    guest.due = QStringLiteral("$350.00");
    guest.rooms = {{QStringLiteral("101"), QStringLiteral("$150.00")}, {QStringLiteral("Suite 2"), QStringLiteral("$250.00")}};
    return guest;
}

inline frontdesk::FoodOrderDetails TwoItemOrder()
{
    frontdesk::FoodOrderDetails order;
    order.title = QStringLiteral("Mrs.");
    order.firstName = QStringLiteral("Ann");
    order.lastName = QStringLiteral("Lee");
    order.guestNumber = QStringLiteral("ALQWERTY");
    order.orderText = QStringLiteral("#123456");
    order.items = {{QStringLiteral("Chef's Special"), QStringLiteral("$12.50")}, {QStringLiteral("Tea"), QStringLiteral("$2.00")}};
    order.totalAmount = QStringLiteral("$1,214.50");
    order.taxPercent = QStringLiteral("12.5");
    order.taxAmount = QStringLiteral("$151.81");
    order.amountWithTax = QStringLiteral("$1,366.31");
    return order;
}

} // namespace billsamples
