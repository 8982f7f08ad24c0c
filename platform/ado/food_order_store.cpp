#include "ado/food_order_store.h"

#include "ado/sql_emit.h"

namespace ado {

std::optional<QString> foodOrderIdOfTable(const QString &table)
{
    static const QLatin1String prefix("tbl_FoodOrder_");
    if (table.size() <= prefix.size() || !table.startsWith(prefix, Qt::CaseInsensitive))
        return std::nullopt;
    const QString id = table.mid(prefix.size());
    for (QChar c : id) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return id;
}

// The column types are those the order window's CREATE TABLE gives its table, so that the
// fields read back with the same types; WITHOUT ROWID keeps each order's items together, in
// ID order, under the key.
QStringList foodOrderStoreDefinitions()
{
    return {
        QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (OrderID VARCHAR(64) NOT NULL PRIMARY KEY, "
                       "LastID INTEGER NOT NULL) WITHOUT ROWID")
            .arg(FoodOrderTablesTable),
        QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (OrderID VARCHAR(64) NOT NULL, ID INTEGER NOT NULL, "
                       "FoodItem VARCHAR(225) COLLATE NOCASE NOT NULL, Price CURRENCY NOT NULL %2, "
                       "PRIMARY KEY (OrderID, ID)) WITHOUT ROWID")
            .arg(FoodOrderItemsTable, detail::numberTypeCheck(QStringLiteral("Price"))),
    };
}

} // namespace ado
