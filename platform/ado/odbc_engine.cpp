#include "ado/odbc_engine.h"

#include "ado/errors.h"
#include "ado/odbc_rows.h"
#include "ado/sql_translator.h"

#include <sql.h>
#include <sqlext.h>

#include <QElapsedTimer>

#include <algorithm>

namespace ado {

namespace {

[[noreturn]] void failFrom(SQLSMALLINT handleType, SQLHANDLE handle)
{
    throw ErrorOf(DiagnosticOf(handleType, handle));
}

[[noreturn]] void failConnecting(SQLHDBC dbc)
{
    throw vb::Error(E_FAIL_UNSPECIFIED, DiagnosticOf(SQL_HANDLE_DBC, dbc).message, OdbcSource);
}

// Statements that only read, which can run again without changing anything twice.
bool onlyReads(const QStringList &statements)
{
    return std::all_of(statements.begin(), statements.end(), [](const QString &sql) {
        return sql.trimmed().startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive);
    });
}

const QString TransactionEndedText = QStringLiteral("The transaction was ended after an earlier failure "
                                                    "(the connection was lost or the server rolled it back); "
                                                    "nothing of it was kept.");

// The driver's own timeouts, in seconds; a timeout of 0 is left out (no limit).
QString timeoutOptions(const Timeouts &timeouts)
{
    QString options;
    if (timeouts.connectSeconds > 0)
        options += QStringLiteral(";CONN_TIMEOUT=%1").arg(timeouts.connectSeconds);
    if (timeouts.commandSeconds > 0)
        options += QStringLiteral(";READ_TIMEOUT=%1;WRITE_TIMEOUT=%1").arg(timeouts.commandSeconds);
    return options;
}

} // namespace

OdbcEngine::OdbcEngine(const QString &connectionText, const Timeouts &timeouts)
    : connectionText_(connectionText), timeouts_(timeouts)
{
}

std::unique_ptr<OdbcEngine> OdbcEngine::open(const QString &connectionText, const QString &userId,
                                             const QString &password, const Timeouts &timeouts)
{
    QString text = connectionText;
    if (!userId.isEmpty())
        text += QStringLiteral(";UID=") + userId;
    if (!password.isEmpty())
        text += QStringLiteral(";PWD={") + QString(password).replace(u'}', QLatin1String("}}")) + u'}';
    // Texts are read as the connection's bytes, which this makes UTF-8 whatever the server's default.
    text += QStringLiteral(";CHARSET=utf8mb4");
    std::unique_ptr<OdbcEngine> engine(new OdbcEngine(text + timeoutOptions(timeouts), timeouts));
    engine->connect();   // the destructor frees the handles on a failure
    return engine;
}

void OdbcEngine::connect()
{
    if (!env_) {
        SQLHENV env = SQL_NULL_HENV;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
            throw vb::Error(E_FAIL_UNSPECIFIED, QStringLiteral("The ODBC driver manager could not be loaded."),
                            OdbcSource);
        env_ = env;
        SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    }
    if (!dbc_) {
        SQLHDBC dbc = SQL_NULL_HDBC;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc)))
            failFrom(SQL_HANDLE_ENV, env_);
        dbc_ = dbc;
    }
    // A host that never answers fails after the connection timeout instead of hanging the window.
    SQLSetConnectAttr(dbc_, SQL_ATTR_LOGIN_TIMEOUT,
                      reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(timeouts_.connectSeconds)), 0);
    SQLWCHAR completed[1024];
    SQLSMALLINT completedLength = 0;
    const SQLRETURN rc = SQLDriverConnectW(dbc_, nullptr, Wide(connectionText_),
                                           static_cast<SQLSMALLINT>(connectionText_.size()), completed,
                                           static_cast<SQLSMALLINT>(std::size(completed)), &completedLength,
                                           SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc))
        failConnecting(dbc_);
    connected_ = true;
    health_ = OdbcHealth();
    // The handle may come back from a transaction that the lost connection ended.
    SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);

    // Text literals of the Access dialect take a backslash as it stands.
    StatementHandle stmt(dbc_, health_);
    const QString mode = QStringLiteral("SET SESSION sql_mode = CONCAT(@@SESSION.sql_mode, ',NO_BACKSLASH_ESCAPES')");
    stmt.check(SQLExecDirectW(stmt.get(), Wide(mode), static_cast<SQLINTEGER>(mode.size())));
}

void OdbcEngine::disconnect()
{
    if (connected_)
        SQLDisconnect(dbc_);
    connected_ = false;
}

// A connection lost outside a transaction is opened again, so that the program goes on after the
// server restarts. Inside one, the transaction is gone with the connection: its later statements
// fail until it is ended, and the next statement after that reconnects.
void OdbcEngine::reconnectWhenLost()
{
    if (!health_.lost)
        return;
    if (inTransaction_)
        throw vb::Error(E_FAIL_UNSPECIFIED, TransactionEndedText, OdbcSource);
    disconnect();
    connect();
}

OdbcEngine::~OdbcEngine()
{
    disconnect();
    if (dbc_)
        SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    if (env_)
        SQLFreeHandle(SQL_HANDLE_ENV, env_);
}

std::unique_ptr<ResultTable> OdbcEngine::run(const QString &accessSql, bool wantRows)
{
    QStringList statements;
    try {
        statements = translateAccessSql(accessSql, SqlDialect::MariaDB);
    } catch (const SqlSyntaxError &error) {
        throw vb::Error(E_SYNTAX, error.message, OdbcSource);
    }
    reconnectWhenLost();
    if (inTransaction_ && health_.transactionEnded)
        throw vb::Error(E_FAIL_UNSPECIFIED, TransactionEndedText, OdbcSource);
    std::unique_ptr<ResultTable> result;
    reconnectingOnce(!inTransaction_ && onlyReads(statements),
                     [&] { result = runStatements(statements, wantRows); });
    return result;
}

std::unique_ptr<ResultTable> OdbcEngine::runStatements(const QStringList &statements, bool wantRows)
{
    std::unique_ptr<ResultTable> result;
    rowsAffected_ = 0;
    for (const QString &sql : statements) {
        StatementHandle stmt(dbc_, health_);
        if (wantRows)
            UseScrollableCursor(stmt);
        stmt.check(SQLExecDirectW(stmt.get(), Wide(sql), static_cast<SQLINTEGER>(sql.size())));
        SQLSMALLINT columns = 0;
        if (!SQL_SUCCEEDED(SQLNumResultCols(stmt.get(), &columns)))
            columns = 0;
        if (wantRows && columns > 0)
            result = ReadOdbcRows(stmt, columns);
        // An update counts the rows it matched: the connection text's OPTION asks for found rows.
        SQLLEN rows = 0;
        if (columns == 0 && SQL_SUCCEEDED(SQLRowCount(stmt.get(), &rows)) && rows > 0)
            rowsAffected_ += static_cast<long>(rows);
    }
    return result;
}

// A server restarted since the last statement shows only when the connection is next used: the
// failure comes at once. What changes nothing (a query, the start of a transaction) is then run
// again on a new connection, so the clerk sees no error. A failure that took the timeout (a
// server that hangs) is not repeated, nor is a change, which the server may have made before the
// connection broke.
void OdbcEngine::reconnectingOnce(bool repeatable, const std::function<void()> &attempt)
{
    QElapsedTimer clock;
    clock.start();
    try {
        attempt();
        return;
    } catch (const vb::Error &) {
        const bool atOnce = timeouts_.commandSeconds <= 0 || clock.elapsed() < timeouts_.commandSeconds * 500;
        if (!repeatable || !health_.lost || !atOnce)
            throw;
    }
    disconnect();
    connect();
    attempt();
}

void OdbcEngine::beginTransaction()
{
    reconnectWhenLost();
    reconnectingOnce(true, [this] {
        if (!SQL_SUCCEEDED(SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT,
                                             reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0)))
            FailNoting(health_, SQL_HANDLE_DBC, dbc_);
    });
    inTransaction_ = true;
    health_.transactionEnded = false;
}

void OdbcEngine::commitTransaction()
{
    if (health_.transactionEnded) {
        endTransaction(SQL_ROLLBACK);
        throw vb::Error(E_FAIL_UNSPECIFIED, TransactionEndedText, OdbcSource);
    }
    endTransaction(SQL_COMMIT);
}

void OdbcEngine::rollbackTransaction()
{
    endTransaction(SQL_ROLLBACK);
}

// Ends the transaction whatever happens: with the connection lost the server has dropped it
// already, and a commit that fails otherwise is rolled back before its error is raised.
void OdbcEngine::endTransaction(short completion)
{
    inTransaction_ = false;
    health_.transactionEnded = false;
    if (health_.lost)
        return;
    const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, dbc_, completion);
    if (!SQL_SUCCEEDED(rc)) {
        const OdbcDiagnostic diag = DiagnosticOf(SQL_HANDLE_DBC, dbc_);
        health_.lost = ConnectionLost(diag);
        if (!health_.lost) {
            if (completion == SQL_COMMIT)
                SQLEndTran(SQL_HANDLE_DBC, dbc_, SQL_ROLLBACK);
            SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
        }
        throw ErrorOf(diag);
    }
    SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
}

} // namespace ado
