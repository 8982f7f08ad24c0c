#pragma once
// The statements of the food and beverage order window: the guest by number, the catalogue,
// and the save (the order row, the order's own item table, its item rows). The day's revenue
// row comes from revenuestatements.h. Texts are quoted as they stand, so "Chef's Special"
// is stored intact; order ids are digits only (FoodOrderTableName refuses anything else).
#include "vb/currency.h"

#include <QString>
#include <functional>

namespace frontdesk {

struct FoodOrderRecord {
    QString guestNo;   // cUniqueNo, without the order sign
    QString orderId;
    QString title;
    QString firstName;
    QString lastName;
    vb::Currency total;
    QString status;
};

QString GuestByNumberSql(const QString &guestNo);
QString FoodCategoriesSql();
QString FoodItemsSql();
QString FoodItemSql(qint64 id);

// Finds an order id among the stored orders.
QString FoodOrderIdLookupSql(const QString &orderId);
QString FoodOrderInsertSql(const FoodOrderRecord &order);
QString FoodOrderTableCreateSql(const QString &orderId);
QString FoodOrderTableDropSql(const QString &orderId);
QString FoodOrderItemInsertSql(const QString &orderId, const QString &item, vb::Currency price);

// Six draws, each Int(rnd() * 100) + 9 (9 to 108), written one after another: draws 4 to 6
// first, then 1 to 3. 6 to 18 digits.
QString FoodOrderId(const std::function<double()> &rnd);

} // namespace frontdesk
