#pragma once
// What a program adds to the data layer, which knows no program's tables: rewrites of its
// statements and steps run whenever an embedded file opens. The program installs its hooks once
// at start-up (or before it first opens a connection); every connection of the process then uses
// them. A rewrite is written with the kit of the dialect translation, `ado::rewrite`: the
// statement as tokens (SqlToken, skipSpace, matchingParenthesis), the engine's quoting
// (quoteText, quoteName), the writing of tokens in a dialect (emitTokens), the translation of a
// CREATE TABLE (translateCreateTable) and SQLite's type checks (numberTypeCheck), with
// RequireFunction for statements that fail with the engine's own kind of message.
#include "ado/sql_emit.h"
#include "ado/sql_translator.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace ado {

namespace rewrite = detail;

// The name of a function of the embedded engine's connections that lets one statement fail with
// a message of the engine's own kind: <RequireFunction>(condition, message) is NULL while the
// condition holds and raises `message` as the statement's error when it does not.
inline const QString RequireFunction = QStringLiteral("ado_require");

// An embedded file as the opening steps see it, in the engine's own dialect (SQLite). Failures
// are results, not errors: a file that cannot be changed now (read only, or held by another
// connection past the wait) is left as it is.
class EmbeddedFile {
public:
    virtual ~EmbeddedFile() = default;
    // Runs one or more statements; false when one failed.
    virtual bool exec(const QString &sql) = 0;
    // The first column of every row the query gives, as text; empty when it failed.
    virtual QStringList column(const QString &sql) = 0;
    // The first column of the first row as a whole number; -1 when there is none.
    virtual int number(const QString &sql) = 0;
};

class StatementHooks {
public:
    virtual ~StatementHooks() = default;
    // The engine's statements for one statement in the Access dialect, in the order they run;
    // empty to leave the statement to the translation. May raise SqlSyntaxError.
    virtual std::vector<EngineStatement> plan(const std::vector<rewrite::SqlToken> &tokens, SqlDialect dialect) const = 0;
    // Runs when an embedded file has been opened, before its first statement. True when it
    // changed the file's schema behind the connection's back: the file is then opened again
    // and the hook runs once more.
    virtual bool prepareEmbeddedFile(EmbeddedFile &file) const = 0;
};

// Installs the hooks for every connection of the process that opens from now on, and for the
// statements of those already open; null removes them. The hooks must outlive those connections.
void InstallStatementHooks(const StatementHooks *hooks);
const StatementHooks *InstalledStatementHooks();

} // namespace ado
