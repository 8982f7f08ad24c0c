#include "frontdesk/food/fooddetailsstatements.h"

#include "core/db/sqltext.h"
#include "core/db/tablenames.h"

namespace frontdesk {

QString GuestOrdersSql(const QString &guestNo)
{
    return QStringLiteral("SELECT * FROM tbl_customers as customertbl LEFT JOIN tbl_FoodOrders as foodtbl ON  "
                          "customertbl.cUniqueNo = foodtbl.OrderNo  WHERE cUniqueNo = '")
           + core::SqlText(guestNo) + QStringLiteral("'");
}

QString OrderItemsSql(const QString &orderId)
{
    return QStringLiteral("SELECT * FROM  ") + core::FoodOrderTableName(orderId);
}

QString GuestOrdersTotalSql(const QString &guestNo)
{
    return QStringLiteral("SELECT  SUM(TotalPrice) as tPrice FROM tbl_FoodOrders WHERE OrderNo = '")
           + core::SqlText(guestNo) + QStringLiteral("' AND (Status IS NULL OR Status <> 'Paid')");
}

QString FoodTaxPercentSql() { return QStringLiteral("SELECT  SUM(TaxRate) as tTax FROM tbl_tax WHERE TaxCat = 2"); }

QString OrderDeleteSql(const QString &orderId)
{
    return QStringLiteral("DELETE FROM tbl_FoodOrders WHERE FoodOrderID ='") + core::SqlText(orderId)
           + QStringLiteral("'");
}

} // namespace frontdesk
