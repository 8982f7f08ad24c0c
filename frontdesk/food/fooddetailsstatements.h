#pragma once
// The statements of a guest's food orders window: the guest with its orders, one order's
// items, the sum of the guest's orders still to be paid, the food-tax percent, and the
// removal of an order (its row; the item table goes with FoodOrderTableDropSql). Guest numbers and order
// ids come without the order sign.
#include <QString>

namespace frontdesk {

// The guest joined with its orders: one row per order, or one row with empty order columns.
QString GuestOrdersSql(const QString &guestNo);
QString OrderItemsSql(const QString &orderId);
// The total of the guest's orders whose status is not "Paid".
QString GuestOrdersTotalSql(const QString &guestNo);
QString FoodTaxPercentSql();
QString OrderDeleteSql(const QString &orderId);

} // namespace frontdesk
