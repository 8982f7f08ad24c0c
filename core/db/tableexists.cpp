#include "core/db/tableexists.h"

#include "ado/connection.h"
#include "ado/errors.h"
#include "ado/recordset.h"
#include "core/state/appstate.h"

namespace core {

bool TableExists(const QString &table)
{
    const auto &conn = State().mConn;
    if (!conn)
        ado::raiseAdoError(ado::adErrInvalidConnection, ado::ConnectionSource);
    // A query that reads no row: cheap on both engines, and it leaves the shared recordset,
    // the last statement text and any open transaction as they were.
    // A failure that is no answer goes to the caller's report, which shows this query.
    ado::Recordset probe;
    const QString sql = QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" WHERE 1=0");
    try {
        probe.Open(sql, *conn);
    } catch (const vb::Error &error) {
        if (error.Number() == ado::E_NO_TABLE)
            return false;
        State().mLastSQL = sql;
        throw;
    }
    return true;
}

} // namespace core
