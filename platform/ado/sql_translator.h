#pragma once
// The windows write one SQL text for both databases, in the Access dialect. This turns a statement into
// what the engine at hand understands, after the program's own rewrites (ado/statement_hooks.h):
//   #date# literals      -> 'YYYY-MM-DD' / 'YYYY-MM-DD HH:MM:SS' (how dates are stored)
//   [name], "text"       -> the engine's quoted name, a text literal
//   Now(), Date()        -> the engine's current date and time / date
//   CREATE TABLE types   -> AUTOINCREMENT/COUNTER keys, MEMO, Currency, DATETIME, TEXT(n), LONG, ...
// For SQLite, text columns compare without regard to case (COLLATE NOCASE) and a created table's
// columns carry CHECK constraints that refuse values of the wrong type, as Jet does. For MariaDB,
// tables get a case-blind collation; the text assumes a session with NO_BACKSLASH_ESCAPES (backslashes in text
// stay as typed). Pure: no database, no locale.
#include "ado/sql_tokens.h"

#include <QStringList>
#include <vector>

namespace ado {

enum class SqlDialect { SQLite, MariaDB };

using detail::SqlSyntaxError;

// What a created table's type check reports when a value of the wrong type goes in, and how the
// names of the CHECK constraints that make the check begin.
inline const QString TypeCheckFailureText = QStringLiteral("Data type mismatch in criteria expression.");
inline const QString TypeCheckPrefix = QStringLiteral("typecheck_");

// One statement as the engine runs it, and what its run means to the caller.
struct EngineStatement {
    enum class Role {
        Main,     // the caller's statement: its rows and its count of changed rows
        Check,    // fails with the engine's own error when the statement cannot apply (a missing table)
        Upkeep,   // keeps what a rewrite stores in step with the statement; no rows, not counted
    };
    QString sql;
    Role role = Role::Main;
};

// One statement in, the engine's statements out, in the order they run (usually one Main). Raises
// SqlSyntaxError for what Jet would reject before running: an unclosed quote or bracket, a malformed
// date, text after the statement's end.
std::vector<EngineStatement> planAccessSql(const QString &sql, SqlDialect dialect);

// The texts of planAccessSql.
QStringList translateAccessSql(const QString &sql, SqlDialect dialect);

} // namespace ado
