#pragma once
// The per-order tables on the embedded file. The windows create a table tbl_FoodOrder_<id> for each
// food order; as real tables they would make every open of the file, and every other
// workstation's next statement after an order, parse one more table definition (SQLite reads the
// whole schema each time). Instead, every order's items are rows of one table keyed by order id,
// and a second table lists the orders whose item table exists:
//   tbl_FoodOrderTables (OrderID, LastID)            one row per existing tbl_FoodOrder_<OrderID>;
//                                                    LastID is the last ID given out in it
//   tbl_FoodOrderItems  (OrderID, ID, FoodItem, Price)  the rows of tbl_FoodOrder_<OrderID>
// The translation layer turns the statements on tbl_FoodOrder_<id> into statements on these two
// tables (ado/sql_food_orders.cpp); on MariaDB the per-order tables stay real tables.
#include <QString>
#include <QStringList>
#include <optional>

namespace ado {

inline const QString FoodOrderItemsTable = QStringLiteral("tbl_FoodOrderItems");
inline const QString FoodOrderTablesTable = QStringLiteral("tbl_FoodOrderTables");

// The order id that `table` names ("tbl_FoodOrder_" and digits, without regard to case); none for
// any other name.
std::optional<QString> foodOrderIdOfTable(const QString &table);

// The statements that make the two tables where they are missing (SQLite's dialect).
QStringList foodOrderStoreDefinitions();

} // namespace ado
