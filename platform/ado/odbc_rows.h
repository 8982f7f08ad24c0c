#pragma once
// Internal to the ODBC engine: the rows of an executed query read whole into memory.
#include "ado/odbc_statement.h"
#include "ado/result_table.h"

#include <memory>

namespace ado {

// Reads every row of the statement's result, typed by the columns' SQL types. Rows come a
// block at a time into bound column arrays; a text longer than its bound buffer is read whole
// with SQLGetData after its row is fetched again alone, so the statement must have been run
// with a static (scrollable) cursor: see UseScrollableCursor.
void UseScrollableCursor(const StatementHandle &stmt);
std::unique_ptr<ResultTable> ReadOdbcRows(const StatementHandle &stmt, SQLSMALLINT columnCount);

} // namespace ado
