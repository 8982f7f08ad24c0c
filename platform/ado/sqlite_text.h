#pragma once
// Internal: text comparison without regard to case for the SQLite engine, beyond SQLite's own ASCII-only
// NOCASE and LIKE: "Müller" = "MÜLLER" and "müller" LIKE "MÜ%", as in Jet and in MariaDB.
struct sqlite3;

namespace ado {

// Replaces the NOCASE collation and the like() function on this connection.
void registerCaseBlindText(sqlite3 *db);

} // namespace ado
