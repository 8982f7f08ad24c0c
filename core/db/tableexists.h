#pragma once
// Whether a table is there, asked quietly: for tables that may rightly be missing (a room's
// booking table after the room was removed, an order's item table). A missing table is an
// answer, not a failure: nothing is reported and the database settings window stays shut.
#include <QString>

namespace core {

// `table` as a statement names it ("[room_101]", from tablenames.h). Errors other than a
// missing table (no open connection, a lost server) raise their vb::Error to the caller.
bool TableExists(const QString &table);

} // namespace core
