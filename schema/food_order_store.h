#pragma once
// The per-order tables on the embedded file. The order window creates a table tbl_FoodOrder_<id>
// for each food order; as real tables they would make every open of the file, and every other
// workstation's next statement after an order, parse one more table definition (SQLite reads the
// whole schema each time). Instead, every order's items are rows of one table keyed by order id,
// and a second table lists the orders whose item table exists (schema.h: FoodOrderItemsTable,
// FoodOrderTablesTable, EmbeddedFileStatements).
//
// The data layer knows none of this: the hooks installed here (ado/statement_hooks.h) turn the
// statements on tbl_FoodOrder_<id> into statements on the two tables, and make the two tables,
// moving in the real per-order tables of earlier versions, whenever a file is opened. On MariaDB
// the per-order tables stay real tables.
#include "ado/statement_hooks.h"

#include <QString>
#include <optional>
#include <vector>

namespace schema {

// Installs the hooks for every connection of the process (again: nothing happens). Call it
// before opening a hotel's embedded file: the program, its tools, tests and benchmarks alike.
void InstallFoodOrderStore();

// The order id that `table` names (FoodOrderTablePrefix and digits, without regard to case);
// none for any other name.
std::optional<QString> FoodOrderIdOfTable(const QString &table);

namespace foodorders {

// For SQLite: the plan of a statement that names a per-order table; empty when it names none.
std::vector<ado::EngineStatement> planStatement(const std::vector<ado::rewrite::SqlToken> &tokens);

// Makes the two tables where the file lacks them (a file made before them, or an empty one)
// and moves the rows of real tbl_FoodOrder_<id> tables, which earlier versions made, into
// them, as one transaction and only when there is something to do; the moved tables leave the
// schema, so the file opens as fast as one without them. A table whose columns are not the
// order window's stays whole where it is. When the file cannot be changed now (read only, or
// held by another workstation past the wait) it is left as it is: the next open tries again.
// Returns true when tables were moved: the connection's own picture of the schema is then out
// of date, and the file is opened again.
bool prepareFile(ado::EmbeddedFile &file);

// Gives the pages of moved tables back to the file (VACUUM) when a move left them; a file that
// another workstation holds past the wait is tried again at the next open.
void vacuumIfPending(ado::EmbeddedFile &file);

} // namespace foodorders

} // namespace schema
