#pragma once
// Internal: the store of the per-order tables in an embedded file (ado/food_order_store.h), made
// when the file is opened.
struct sqlite3;

namespace ado {

// Makes the store where the file lacks it (a file made before the store, or an empty one) and
// moves the rows of real tbl_FoodOrder_<id> tables, which earlier versions made, into it, as
// one transaction and only when there is something to do; the moved tables leave the schema,
// so the file opens as fast as one without them. A table whose columns are not the order
// window's stays whole where it is. When the file cannot be changed now (read only, or held by
// another workstation past the wait) it is left as it is: the next open tries again.
// Returns true when tables were moved: the connection's own picture of the schema is then out
// of date, and the caller opens the file again.
bool prepareFoodOrderStore(sqlite3 *db);

// Gives the pages of moved tables back to the file (VACUUM) when a move left them; a file that
// another workstation holds past the wait is tried again at the next open.
void vacuumIfPending(sqlite3 *db);

} // namespace ado
