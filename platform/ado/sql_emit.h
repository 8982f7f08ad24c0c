#pragma once
// Internal to the dialect translation: writing tokens back in the engine's dialect.
#include "ado/sql_tokens.h"
#include "ado/sql_translator.h"

#include <QStringList>
#include <vector>

namespace ado::detail {

using TokenIter = std::vector<SqlToken>::const_iterator;

QString quoteText(const QString &value);
QString quoteName(const QString &name, SqlDialect dialect);

// Writes [begin, end) in the dialect. In a table definition (`inDefinition`) a function call such as
// Now() is put in parentheses, as a DEFAULT needs it.
void emitTokens(TokenIter begin, TokenIter end, SqlDialect dialect, bool inDefinition, QString &out);

// CREATE TABLE name ( definitions ): the statements that make the table on the engine.
QStringList translateCreateTable(const std::vector<SqlToken> &tokens, SqlDialect dialect);

// SQLite's CHECK constraints that refuse a value of the wrong type in a number or a date column.
QString numberTypeCheck(const QString &column);
QString dateTypeCheck(const QString &column);

TokenIter skipSpace(TokenIter it, TokenIter end);
// The parenthesis that closes the one at `open`; `end` when there is none.
TokenIter matchingParenthesis(TokenIter open, TokenIter end);

} // namespace ado::detail
