#pragma once
// The windows write one SQL text for both databases, in the Access dialect. This turns a statement into
// what the engine at hand understands:
//   #date# literals      -> 'YYYY-MM-DD' / 'YYYY-MM-DD HH:MM:SS' (how dates are stored)
//   [name], "text"       -> the engine's quoted name, a text literal
//   Now(), Date()        -> the engine's current date and time / date
//   CREATE TABLE types   -> AUTOINCREMENT/COUNTER keys, MEMO, Currency, DATETIME, TEXT(n), LONG, ...
// For SQLite, text columns compare without regard to case (COLLATE NOCASE) and a created table gets
// triggers that refuse values of the wrong type, as Jet does. For MariaDB, tables get a case-blind
// collation; the text assumes a session with NO_BACKSLASH_ESCAPES (backslashes in text stay as typed).
// Pure: no database, no locale.
#include "ado/sql_tokens.h"

#include <QStringList>

namespace ado {

enum class SqlDialect { SQLite, MariaDB };

using detail::SqlSyntaxError;

// What a created table's type check reports when a value of the wrong type goes in.
inline const QString TypeCheckFailureText = QStringLiteral("Data type mismatch in criteria expression.");

// One statement in, the engine's statements out (usually one). Raises SqlSyntaxError for what Jet would
// reject before running: an unclosed quote or bracket, a malformed date, text after the statement's end.
QStringList translateAccessSql(const QString &sql, SqlDialect dialect);

} // namespace ado
