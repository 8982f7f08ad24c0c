#pragma once
// Looking a change up after its commit's answer was lost (core::Transaction::Commit): queries
// asked quietly, and the queries that find what an UPDATE or a DELETE leaves behind, built from
// the change's own statement so that the two cannot drift apart.
#include <QString>

namespace core {

// Whether the query finds a row. Asked quietly on the open connection: nothing is reported, and
// the shared recordset and the last statement text stay as they were. A failure (no connection,
// the server still away) raises its vb::Error.
bool RowFound(const QString &sql);

// "UPDATE t SET a = 1, b = 'x' WHERE k = 2" gives "SELECT * FROM t WHERE (k = 2) AND a = 1 AND
// b = 'x'": the row as the update leaves it. For updates that set values (not a = a + 1).
// Raises error 5 for a text of another shape.
QString UpdatedRowSql(const QString &updateSql);
// "DELETE FROM t WHERE k = 2" gives "SELECT * FROM t WHERE k = 2": the rows the delete removes.
QString DeletedRowsSql(const QString &deleteSql);

} // namespace core
