#include "ado/odbc_engine.h"

#include "ado/column_kind.h"
#include "ado/errors.h"
#include "ado/sql_translator.h"
#include "ado/value_text.h"

#include <sql.h>
#include <sqlext.h>

#include <QElapsedTimer>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <vector>

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "unixODBC with 16-bit SQLWCHAR expected");

namespace ado {

namespace {

SQLWCHAR *wide(const QString &text)
{
    return reinterpret_cast<SQLWCHAR *>(const_cast<char16_t *>(reinterpret_cast<const char16_t *>(text.utf16())));
}

struct Diagnostic {
    QString state;
    QString message;
    long native = 0;
};

Diagnostic diagnostic(SQLSMALLINT handleType, SQLHANDLE handle)
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

// A timed-out answer leaves the connection out of step with the server as well.
bool connectionLost(const Diagnostic &diag)
{
    return diag.state.startsWith(u"08") || diag.state.startsWith(u"HYT") || diag.native == ServerGone ||
           diag.native == ServerLost || diag.native == ServerLostExtended || diag.native == ConnectionKilled ||
           diag.native == ServerShutdown || diag.native == ClientInteractionTimeout;
}

vb::Error errorOf(const Diagnostic &diag)
{
    return vb::Error(numberOfState(diag.state, diag.message), diag.message, OdbcSource);
}

[[noreturn]] void failFrom(SQLSMALLINT handleType, SQLHANDLE handle)
{
    throw errorOf(diagnostic(handleType, handle));
}

[[noreturn]] void failConnecting(SQLHDBC dbc)
{
    throw vb::Error(E_FAIL_UNSPECIFIED, diagnostic(SQL_HANDLE_DBC, dbc).message, OdbcSource);
}

// Raises the error of a failed call on `handle`, noting in `health` what it tells of the connection.
[[noreturn]] void failNoting(OdbcHealth &health, SQLSMALLINT handleType, SQLHANDLE handle)
{
    const Diagnostic diag = diagnostic(handleType, handle);
    if (connectionLost(diag))
        health.lost = health.transactionEnded = true;
    if (diag.native == DeadlockRolledBack)
        health.transactionEnded = true;
    throw errorOf(diag);
}

class StatementHandle {
public:
    StatementHandle(SQLHDBC dbc, OdbcHealth &health) : health_(health)
    {
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt_)))
            failNoting(health_, SQL_HANDLE_DBC, dbc);
    }
    ~StatementHandle() { SQLFreeHandle(SQL_HANDLE_STMT, stmt_); }
    StatementHandle(const StatementHandle &) = delete;
    StatementHandle &operator=(const StatementHandle &) = delete;
    SQLHSTMT get() const { return stmt_; }
    void check(SQLRETURN rc) const
    {
        if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO && rc != SQL_NO_DATA)
            failNoting(health_, SQL_HANDLE_STMT, stmt_);
    }

private:
    OdbcHealth &health_;
    SQLHSTMT stmt_ = SQL_NULL_HSTMT;
};

ColumnKind kindOfSqlType(SQLSMALLINT type, SQLSMALLINT decimals)
{
    switch (type) {
    case SQL_CHAR:
    case SQL_VARCHAR:
    case SQL_LONGVARCHAR:
    case SQL_WCHAR:
    case SQL_WVARCHAR:
    case SQL_WLONGVARCHAR:
        return ColumnKind::String;
    case SQL_INTEGER:
        return ColumnKind::Long;
    case SQL_SMALLINT:
    case SQL_TINYINT:
        return ColumnKind::Integer;
    case SQL_BIGINT:
        return ColumnKind::Dynamic;
    case SQL_BIT:
        return ColumnKind::Boolean;
    case SQL_DOUBLE:
    case SQL_FLOAT:
    case SQL_REAL:
        return ColumnKind::Double;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
        // Currency columns and their sums have four places; whole sums and finer decimals are numbers.
        return decimals == 0 ? ColumnKind::Dynamic : decimals <= 4 ? ColumnKind::Currency : ColumnKind::Double;
    case SQL_TYPE_DATE:
    case SQL_TYPE_TIME:
    case SQL_TYPE_TIMESTAMP:
    case SQL_DATETIME:
    case SQL_TIMESTAMP:
        return ColumnKind::Date;
    default:
        return ColumnKind::String;
    }
}

class RowReader {
public:
    RowReader(const StatementHandle &stmt, ResultTable &table) : stmt_(stmt), table_(table) {}

    void cell(SQLUSMALLINT column, ColumnKind kind)
    {
        switch (kind) {
        case ColumnKind::String:
            text(column);
            return;
        case ColumnKind::Long:
        case ColumnKind::Integer:
        case ColumnKind::Boolean:
            whole(column, kind);
            return;
        case ColumnKind::Double: {
            double value = 0;
            if (get(column, SQL_C_DOUBLE, &value, sizeof value))
                table_.appendDouble(value);
            return;
        }
        case ColumnKind::Currency:
        case ColumnKind::Dynamic:
            number(column, kind);
            return;
        case ColumnKind::Date:
            date(column);
            return;
        }
    }

private:
    // False (with a Null appended) when the value is SQL NULL.
    bool get(SQLUSMALLINT column, SQLSMALLINT cType, void *buffer, SQLLEN size)
    {
        SQLLEN indicator = 0;
        stmt_.check(SQLGetData(stmt_.get(), column, cType, buffer, size, &indicator));
        if (indicator == SQL_NULL_DATA) {
            table_.appendNull();
            return false;
        }
        return true;
    }

    void whole(SQLUSMALLINT column, ColumnKind kind)
    {
        SQLBIGINT value = 0;
        if (!get(column, SQL_C_SBIGINT, &value, sizeof value))
            return;
        if (kind == ColumnKind::Boolean)
            table_.appendBoolean(value != 0);
        else if (kind == ColumnKind::Integer && value >= -32768 && value <= 32767)
            table_.appendInteger(static_cast<int16_t>(value));
        else if (value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max())
            table_.appendLong(static_cast<int32_t>(value));
        else
            table_.appendDouble(static_cast<double>(value));
    }

    // Decimals and big integers come as text so that no amount passes through a double.
    void number(SQLUSMALLINT column, ColumnKind kind)
    {
        char buffer[80] = {};
        if (!get(column, SQL_C_CHAR, buffer, sizeof buffer))
            return;
        const QByteArrayView digits(buffer, static_cast<qsizetype>(qstrnlen(buffer, sizeof buffer)));
        const auto amount = currencyFromDecimalText(digits);
        if (kind == ColumnKind::Currency && amount) {
            table_.appendCurrency(*amount);
        } else if (kind == ColumnKind::Dynamic && amount && amount->raw() % vb::Currency::Scale == 0 &&
                   amount->raw() / vb::Currency::Scale >= std::numeric_limits<int32_t>::min() &&
                   amount->raw() / vb::Currency::Scale <= std::numeric_limits<int32_t>::max()) {
            table_.appendLong(static_cast<int32_t>(amount->raw() / vb::Currency::Scale));
        } else {
            table_.appendDouble(std::strtod(buffer, nullptr));
        }
    }

    void date(SQLUSMALLINT column)
    {
        SQL_TIMESTAMP_STRUCT value = {};
        if (!get(column, SQL_C_TYPE_TIMESTAMP, &value, sizeof value))
            return;
        if (value.year == 0 || value.month == 0 || value.day == 0) {   // MySQL's zero date
            table_.appendNull();
            return;
        }
        table_.appendDate(dateFromParts(value.year, value.month, value.day, value.hour, value.minute, value.second));
    }

    // Long texts come in pieces.
    void text(SQLUSMALLINT column)
    {
        constexpr SQLLEN BufferChars = 2048;
        SQLWCHAR buffer[BufferChars];
        QString value;
        for (;;) {
            SQLLEN indicator = 0;
            const SQLRETURN rc = SQLGetData(stmt_.get(), column, SQL_C_WCHAR, buffer, sizeof buffer, &indicator);
            if (rc == SQL_NO_DATA)
                break;
            stmt_.check(rc);
            if (indicator == SQL_NULL_DATA) {
                table_.appendNull();
                return;
            }
            const bool whole = indicator != SQL_NO_TOTAL && indicator < static_cast<SQLLEN>(sizeof buffer);
            const qsizetype chars = whole ? indicator / static_cast<SQLLEN>(sizeof(SQLWCHAR)) : BufferChars - 1;
            value += QStringView(reinterpret_cast<const char16_t *>(buffer), chars);
            if (rc == SQL_SUCCESS)
                break;
        }
        table_.appendString(std::move(value));
    }

    const StatementHandle &stmt_;
    ResultTable &table_;
};

std::unique_ptr<ResultTable> readRows(const StatementHandle &stmt, SQLSMALLINT columnCount)
{
    std::vector<ColumnKind> kinds;
    QStringList names;
    for (SQLUSMALLINT i = 1; i <= static_cast<SQLUSMALLINT>(columnCount); ++i) {
        SQLWCHAR name[256] = {};
        SQLSMALLINT nameLength = 0, type = 0, decimals = 0, nullable = 0;
        SQLULEN size = 0;
        stmt.check(SQLDescribeColW(stmt.get(), i, name, static_cast<SQLSMALLINT>(std::size(name)), &nameLength, &type,
                                   &size, &decimals, &nullable));
        const qsizetype chars = std::min<qsizetype>(nameLength, static_cast<qsizetype>(std::size(name)) - 1);
        names << QString::fromUtf16(reinterpret_cast<const char16_t *>(name), chars);
        kinds.push_back(kindOfSqlType(type, decimals));
    }
    auto table = std::make_unique<ResultTable>(names);
    RowReader reader(stmt, *table);
    for (;;) {
        const SQLRETURN rc = SQLFetch(stmt.get());
        if (rc == SQL_NO_DATA)
            break;
        stmt.check(rc);
        for (SQLUSMALLINT i = 0; i < kinds.size(); ++i)
            reader.cell(i + 1, kinds[i]);
    }
    return table;
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
    const SQLRETURN rc = SQLDriverConnectW(dbc_, nullptr, wide(connectionText_),
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
    stmt.check(SQLExecDirectW(stmt.get(), wide(mode), static_cast<SQLINTEGER>(mode.size())));
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
        stmt.check(SQLExecDirectW(stmt.get(), wide(sql), static_cast<SQLINTEGER>(sql.size())));
        SQLSMALLINT columns = 0;
        if (!SQL_SUCCEEDED(SQLNumResultCols(stmt.get(), &columns)))
            columns = 0;
        if (wantRows && columns > 0)
            result = readRows(stmt, columns);
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
            failNoting(health_, SQL_HANDLE_DBC, dbc_);
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
        const Diagnostic diag = diagnostic(SQL_HANDLE_DBC, dbc_);
        health_.lost = connectionLost(diag);
        if (!health_.lost) {
            if (completion == SQL_COMMIT)
                SQLEndTran(SQL_HANDLE_DBC, dbc_, SQL_ROLLBACK);
            SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
        }
        throw errorOf(diag);
    }
    SQLSetConnectAttr(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
}

} // namespace ado
