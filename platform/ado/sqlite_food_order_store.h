#pragma once
// Internal: the store of the per-order tables in an embedded file (ado/food_order_store.h), made
// when the file is opened.
struct sqlite3;

namespace ado {

// Makes the store where the file lacks it (a file made before the store, or an empty one) and
// moves the rows of real tbl_FoodOrder_<id> tables, which earlier versions made, into it; each
// moved table is dropped, so the file opens as fast as one without them. It runs as one
// transaction and only when there is something to do. When the file cannot be changed now (read
// only, or held by another workstation past the wait) it leaves the file as it is: the next open
// tries again.
void prepareFoodOrderStore(sqlite3 *db);

} // namespace ado
