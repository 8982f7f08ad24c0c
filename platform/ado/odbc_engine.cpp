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
    const OdbcDiagnostic diag = DiagnosticOf(SQL_HANDLE_DBC, dbc);
    throw ProviderError(E_FAIL_UNSPECIFIED, diag.message, diag.state, diag.native);
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
        env_.reset(env);
        SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    }
    if (!dbc_) {
        SQLHDBC dbc = SQL_NULL_HDBC;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env_.get(), &dbc)))
            failFrom(SQL_HANDLE_ENV, env_.get());
        dbc_.reset(dbc);
    }
    SQLHDBC dbc = dbc_.get();
    // A host that never answers fails after the connection timeout instead of hanging the window.
    SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT,
                      reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(timeouts_.connectSeconds)), 0);
    SQLWCHAR completed[1024];
    SQLSMALLINT completedLength = 0;
    const SQLRETURN rc = SQLDriverConnectW(dbc, nullptr, Wide(connectionText_),
                                           static_cast<SQLSMALLINT>(connectionText_.size()), completed,
                                           static_cast<SQLSMALLINT>(std::size(completed)), &completedLength,
                                           SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc))
        failConnecting(dbc);
    connected_ = true;
    health_ = OdbcHealth();
    // The handle may come back from a transaction that the lost connection ended.
    SQLSetConnectAttr(dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);

    // Text literals of the Access dialect take a backslash as it stands.
    StatementHandle stmt(dbc, health_);
    const QString mode = QStringLiteral("SET SESSION sql_mode = CONCAT(@@SESSION.sql_mode, ',NO_BACKSLASH_ESCAPES')");
    stmt.check(SQLExecDirectW(stmt.get(), Wide(mode), static_cast<SQLINTEGER>(mode.size())));
}

void OdbcEngine::disconnect()
{
    if (connected_)
        SQLDisconnect(dbc_.get());
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

OdbcEngine::~OdbcEngine() { disconnect(); }

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
    const bool reads = onlyReads(statements);
    const bool commitsAlone = !inTransaction_ && !reads;
    if (commitsAlone)
        reviveBeforeChange();
    std::unique_ptr<ResultTable> result;
    try {
        reconnectingOnce(!inTransaction_ && reads, [&] { result = runStatements(statements, wantRows); });
    } catch (const vb::Error &error) {
        // Inside a transaction a lost change is rolled back with it; alone it may have been made.
        if (commitsAlone && health_.lost)
            throw UnknownOutcome(error);
        throw;
    }
    return result;
}

std::unique_ptr<ResultTable> OdbcEngine::runStatements(const QStringList &statements, bool wantRows)
{
    std::unique_ptr<ResultTable> result;
    rowsAffected_ = 0;
    for (const QString &sql : statements) {
        StatementHandle stmt(dbc_.get(), health_);
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
        if (!repeatable || !health_.lost || !failedAtOnce(clock.elapsed()))
            throw;
    }
    disconnect();
    connect();
    attempt();
}

bool OdbcEngine::failedAtOnce(qint64 elapsedMs) const
{
    return timeouts_.commandSeconds <= 0 || elapsedMs < timeouts_.commandSeconds * 500;
}

// A change that commits by itself goes out once, on a connection known to be alive: one that
// died while the program idled (the server restarted) shows it to a statement that changes
// nothing, and is opened again before the change is sent. A server that does not answer that
// statement in time gets no change either.
void OdbcEngine::reviveBeforeChange()
{
    QElapsedTimer clock;
    clock.start();
    try {
        StatementHandle probe(dbc_.get(), health_);
        const QString nothing = QStringLiteral("SELECT 1");
        probe.check(SQLExecDirectW(probe.get(), Wide(nothing), static_cast<SQLINTEGER>(nothing.size())));
        return;
    } catch (const vb::Error &) {
        if (!health_.lost || !failedAtOnce(clock.elapsed()))
            throw;
    }
    disconnect();
    connect();
}

void OdbcEngine::beginTransaction()
{
    reconnectWhenLost();
    reconnectingOnce(true, [this] {
        if (!SQL_SUCCEEDED(SQLSetConnectAttr(dbc_.get(), SQL_ATTR_AUTOCOMMIT,
                                             reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0)))
            FailNoting(health_, SQL_HANDLE_DBC, dbc_.get());
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
// already, and a commit that fails otherwise is rolled back before its error is raised. A commit
// whose answer is lost may have been made: that is raised as an unknown outcome.
void OdbcEngine::endTransaction(short completion)
{
    inTransaction_ = false;
    health_.transactionEnded = false;
    if (health_.lost)
        return;
    SQLHDBC dbc = dbc_.get();
    const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, dbc, completion);
    if (!SQL_SUCCEEDED(rc)) {
        const OdbcDiagnostic diag = DiagnosticOf(SQL_HANDLE_DBC, dbc);
        health_.lost = ConnectionLost(diag);
        if (health_.lost && completion == SQL_COMMIT)
            throw UnknownOutcome(ErrorOf(diag));
        if (!health_.lost) {
            if (completion == SQL_COMMIT)
                SQLEndTran(SQL_HANDLE_DBC, dbc, SQL_ROLLBACK);
            SQLSetConnectAttr(dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
        }
        throw ErrorOf(diag);
    }
    SQLSetConnectAttr(dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
}

} // namespace ado
