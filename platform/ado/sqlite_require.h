#pragma once
// Internal: registers RequireFunction (ado/statement_hooks.h) with a connection of the SQLite
// engine, so that a rewritten statement can fail with a message of the engine's own kind (a
// table that the rewrite stands in for is missing, or there already).
struct sqlite3;

namespace ado {

void registerRequire(sqlite3 *db);

} // namespace ado
