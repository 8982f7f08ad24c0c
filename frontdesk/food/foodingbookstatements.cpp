#include "frontdesk/food/foodingbookstatements.h"

#include "core/db/sqltext.h"
#include "core/db/tablenames.h"
#include "vb/conversions.h"

namespace frontdesk {

namespace {
QString quoted(const QString &text) { return QLatin1Char('\'') + core::SqlText(text) + QLatin1Char('\''); }
} // namespace

QString GuestByNumberSql(const QString &guestNo)
{
    return QStringLiteral("SELECT * FROM tbl_customers WHERE cUniqueNo=") + quoted(guestNo.trimmed());
}

QString FoodCategoriesSql() { return QStringLiteral("SELECT * FROM tbl_foodCat"); }

QString FoodItemsSql() { return QStringLiteral("SELECT * FROM tbl_FoodItem"); }

QString FoodItemSql(qint64 id) { return QStringLiteral("SELECT * FROM tbl_FoodItem WHERE ID = ") + QString::number(id); }

QString FoodOrderIdLookupSql(const QString &orderId)
{
    return QStringLiteral("SELECT FoodOrderID FROM tbl_FoodOrders WHERE FoodOrderID = ") + quoted(orderId);
}

QString FoodOrderInsertSql(const FoodOrderRecord &o)
{
    return QStringLiteral("INSERT INTO tbl_FoodOrders(OrderNo, FoodOrderID, CustomerTitle, CustomerFName, "
                          "CustomreLName, TotalPrice, Status) VALUES (")
           + quoted(o.guestNo) + QLatin1Char(',') + quoted(o.orderId) + QLatin1Char(',') + quoted(o.title)
           + QLatin1Char(',') + quoted(o.firstName) + QLatin1Char(',') + quoted(o.lastName) + QLatin1Char(',')
           + o.total.toInvariantString() + QLatin1Char(',') + quoted(o.status) + QLatin1Char(')');
}

QString FoodOrderTableCreateSql(const QString &orderId)
{
    return QStringLiteral("CREATE TABLE ") + core::FoodOrderTableName(orderId)
           + QStringLiteral(" ( ID AUTOINCREMENT PRIMARY KEY,FoodItem VARCHAR(225) NOT NULL, Price Currency NOT NULL)");
}

QString FoodOrderTableDropSql(const QString &orderId)
{
    return QStringLiteral("DROP TABLE ") + core::FoodOrderTableName(orderId);
}

QString FoodOrderItemInsertSql(const QString &orderId, const QString &item, vb::Currency price)
{
    return QStringLiteral("INSERT INTO ") + core::FoodOrderTableName(orderId) + QStringLiteral(" (FoodItem, Price) VALUES (")
           + quoted(item) + QStringLiteral(", ") + price.toInvariantString() + QLatin1Char(')');
}

QString FoodOrderId(const std::function<double()> &rnd)
{
    auto part = [&] {
        QString digits;
        for (int i = 0; i < 3; ++i)
            digits += QString::number(static_cast<int>(vb::Int(rnd() * 100)) + 9);
        return digits;
    };
    const QString first = part();
    return part() + first;
}

} // namespace frontdesk
