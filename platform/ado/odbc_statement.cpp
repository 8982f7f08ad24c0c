#include "ado/odbc_statement.h"

#include "ado/errors.h"

#include <sqlext.h>

#include <algorithm>

namespace ado {

namespace {

// The provider's number for an SQLSTATE, as the statement layer routes on it.
long numberOfState(const QString &state, const QString &message)
{
    if (state == u"42S02")
        return E_NO_TABLE;
    if (state == u"42S22")
        return E_NO_VALUE;
    if (state == u"23000" || state == u"22001" || state.startsWith(u"08"))
        return E_FAIL_UNSPECIFIED;
    if (state.startsWith(u"42"))
        return E_SYNTAX;
    if (state.startsWith(u"22") || message.contains(QLatin1String("Incorrect integer value")) ||
        message.contains(QLatin1String("Incorrect decimal value")) ||
        message.contains(QLatin1String("Incorrect double value")) ||
        message.contains(QLatin1String("Incorrect datetime value")))
        return E_TYPE_MISMATCH;
    return E_FAIL_UNSPECIFIED;
}

// The client library's and server's numbers for a connection that cannot go on: the server has
// gone away, the connection was lost or killed, the server shuts down.
constexpr long ServerGone = 2006, ServerLost = 2013, ServerLostExtended = 2055, ConnectionKilled = 1927,
               ServerShutdown = 1053, ClientInteractionTimeout = 4031;
// The server chose this transaction as a deadlock's victim and rolled it back whole.
constexpr long DeadlockRolledBack = 1213;

} // namespace

OdbcDiagnostic DiagnosticOf(SQLSMALLINT handleType, SQLHANDLE handle)
{
    SQLWCHAR state[6] = {};
    SQLWCHAR message[2048] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    const SQLRETURN rc = SQLGetDiagRecW(handleType, handle, 1, state, &native, message,
                                        static_cast<SQLSMALLINT>(std::size(message)), &length);
    if (!SQL_SUCCEEDED(rc))
        return {QStringLiteral("HY000"), QStringLiteral("Unspecified error")};
    const qsizetype chars = std::min<qsizetype>(length, static_cast<qsizetype>(std::size(message)) - 1);
    return {QString::fromUtf16(reinterpret_cast<const char16_t *>(state), 5),
            QString::fromUtf16(reinterpret_cast<const char16_t *>(message), chars), native};
}

// A timed-out answer leaves the connection out of step with the server as well.
bool ConnectionLost(const OdbcDiagnostic &diag)
{
    return diag.state.startsWith(u"08") || diag.state.startsWith(u"HYT") || diag.native == ServerGone ||
           diag.native == ServerLost || diag.native == ServerLostExtended || diag.native == ConnectionKilled ||
           diag.native == ServerShutdown || diag.native == ClientInteractionTimeout;
}

ProviderError ErrorOf(const OdbcDiagnostic &diag)
{
    return ProviderError(numberOfState(diag.state, diag.message), diag.message, diag.state, diag.native);
}

void FailNoting(OdbcHealth &health, SQLSMALLINT handleType, SQLHANDLE handle)
{
    const OdbcDiagnostic diag = DiagnosticOf(handleType, handle);
    if (ConnectionLost(diag))
        health.lost = health.transactionEnded = true;
    if (diag.native == DeadlockRolledBack)
        health.transactionEnded = true;
    throw ErrorOf(diag);
}

StatementHandle::StatementHandle(SQLHDBC dbc, OdbcHealth &health) : health_(health)
{
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt)))
        FailNoting(health_, SQL_HANDLE_DBC, dbc);
    stmt_.reset(stmt);
}

void StatementHandle::check(SQLRETURN rc) const
{
    if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO && rc != SQL_NO_DATA)
        fail();
}

void StatementHandle::fail() const { FailNoting(health_, SQL_HANDLE_STMT, stmt_.get()); }

} // namespace ado
