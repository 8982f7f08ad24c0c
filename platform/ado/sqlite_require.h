#pragma once
// Internal: a function of the SQLite engine's connections that lets one statement fail with a
// message of the engine's own kind: hotel_require(condition, message) is NULL while the condition
// holds and raises `message` as the statement's error when it does not. The translation of the
// statements on per-order tables checks with it that a table is there (or not yet there).
#include <QString>

struct sqlite3;

namespace ado {

inline const QString RequireFunction = QStringLiteral("hotel_require");

void registerRequire(sqlite3 *db);

} // namespace ado
