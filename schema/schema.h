#pragma once
// The tables the program expects, written once in the Access dialect and translated for each engine,
// and the one row that must exist (tbl_HotelInfo, ID 1). The program itself creates only the per-room
// and per-order tables, whose name prefixes are written here once. On the embedded file the
// per-order tables are rows of two tables of its own (EmbeddedFileStatements), made whenever a
// file without them is opened (schema/food_order_store.h), so the default data.mdb holds them from
// its first open on, and so does a file made before them.
#include "ado/sql_translator.h"

#include <QStringList>

namespace ado {
class Connection;
}

namespace schema {

// The database password of the default data.mdb.
inline const QString BuiltInPassword = QStringLiteral("640917");

// The tables made at run time: a booking table per room, an item table per food order.
inline const QString RoomTablePrefix = QStringLiteral("room_");
inline const QString FoodOrderTablePrefix = QStringLiteral("tbl_FoodOrder_");

// The embedded file's store of the per-order tables: one row per existing
// tbl_FoodOrder_<OrderID> (with LastID, the last item ID given out in it), and the items of all
// of them (OrderID, ID, FoodItem, Price).
inline const QString FoodOrderTablesTable = QStringLiteral("tbl_FoodOrderTables");
inline const QString FoodOrderItemsTable = QStringLiteral("tbl_FoodOrderItems");

// Every table, in creation order.
QStringList TableNames();

// The statements that make an empty database ready: one CREATE TABLE per table, the indexes,
// then the rows.
QStringList AccessStatements();

// The same statements as the engine runs them.
QStringList StatementsFor(ado::SqlDialect dialect);

// The tables of the embedded file only (the store of the per-order tables), and the statements,
// in SQLite's own dialect, that make them where they are missing.
QStringList EmbeddedFileTableNames();
QStringList EmbeddedFileStatements();

// The most characters a text column of fixed width holds ("TEXT(50)", "VARCHAR(225)"), as a MariaDB
// server enforces it (the embedded file stores any length); 0 for a memo, a column of another
// type or a name the schema does not have. Table and column names match without regard to case.
// Besides the schema's tables, it knows FoodItem of FoodOrderTablePrefix, the item table each food
// order makes, which takes the catalogue's item names.
int TextColumnWidth(const QString &table, const QString &column);

// Runs AccessStatements() on an open connection (the connection translates them).
void CreateTables(ado::Connection &connection);

// Writes a new data.mdb at `path`: keyed with the built-in password, holding every table and the hotel
// information row. Raises a vb::Error when the file exists or cannot be made (nothing is left behind).
void MakeDefaultDatabase(const QString &path);

} // namespace schema
