#include "ado/sqlite_engine.h"

#include "ado/column_kind.h"
#include "ado/errors.h"
#include "ado/sql_translator.h"
#include "ado/sqlcipher.h"
#include "ado/sqlite_embedded_file.h"
#include "ado/sqlite_require.h"
#include "ado/sqlite_text.h"
#include "ado/statement_hooks.h"
#include "ado/value_text.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

namespace ado {

namespace {

[[noreturn]] void fail(long number, const QString &description)
{
    throw vb::Error(number, description, JetSource);
}

const QString LockedText = QStringLiteral("The database file is locked by another user or program; "
                                          "nothing was changed. Please try again.");
const QString TransactionEndedText = QStringLiteral("The transaction was ended by the database engine after an "
                                                    "earlier failure; nothing of it was kept.");

// The provider's error for what SQLite reports; `preparing` tells a statement that did not compile.
vb::Error errorFromSqlite(sqlite3 *db, int rc, bool preparing)
{
    const QString message = QString::fromUtf8(sqlite3_errmsg(db));
    const int primary = rc & 0xff;
    long number = E_FAIL_UNSPECIFIED;   // constraints, a damaged or locked file, ...
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        return vb::Error(number, LockedText, JetSource);
    if (message.startsWith(QLatin1String("CHECK constraint failed: ") + TypeCheckPrefix))
        return vb::Error(E_TYPE_MISMATCH, TypeCheckFailureText, JetSource);
    if (message.startsWith(QLatin1String("no such table")))
        number = E_NO_TABLE;
    else if (message.startsWith(QLatin1String("no such column")))
        number = E_NO_VALUE;
    else if (message == TypeCheckFailureText || primary == SQLITE_MISMATCH)
        number = E_TYPE_MISMATCH;
    else if (preparing && primary == SQLITE_ERROR)
        number = E_SYNTAX;
    else if (message.startsWith(QLatin1String("table ")) && message.endsWith(QLatin1String(" already exists")))
        number = E_SYNTAX;   // as when SQLite refuses to compile the CREATE TABLE
    return vb::Error(number, message, JetSource);
}

// Another connection changed the schema (created or dropped a table) while the statement was being
// compiled or started; SQLite's own tries ran out. Nothing of the statement has run.
struct SchemaChanged {
    vb::Error error;
};

[[noreturn]] void failFromSqlite(sqlite3 *db, int rc, bool preparing)
{
    throw errorFromSqlite(db, rc, preparing);
}

// A statement's failure; a schema change is told apart, so that the statement can be tried again.
[[noreturn]] void failStatement(sqlite3 *db, int rc, bool preparing)
{
    if ((rc & 0xff) == SQLITE_SCHEMA)
        throw SchemaChanged{errorFromSqlite(db, rc, preparing)};
    failFromSqlite(db, rc, preparing);
}

// How often a statement is compiled and started again after a schema change elsewhere; each try
// already includes SQLite's own.
constexpr int SchemaChangeTries = 10;

class Statement {
public:
    Statement(sqlite3 *db, const QByteArray &sql) : db_(db)
    {
        const int rc = sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &stmt_, nullptr);
        if (rc != SQLITE_OK)
            failStatement(db, rc, true);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    sqlite3_stmt *get() const { return stmt_; }
    bool empty() const { return stmt_ == nullptr; }
    // True while a row is ready.
    bool step()
    {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            failStatement(db_, rc, false);
        return false;
    }

private:
    sqlite3 *db_;
    sqlite3_stmt *stmt_ = nullptr;
};

void appendText(ResultTable &table, sqlite3_stmt *stmt, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    table.appendUtf8(text, sqlite3_column_bytes(stmt, column));
}

bool fitsLong(double value)
{
    return value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max();
}

// A whole number for a Long or Integer column; a Double when it is out of the type's range.
void appendWhole(ResultTable &table, double value, ColumnKind kind)
{
    const double rounded = std::nearbyint(value);   // halves to even, as Jet stores them
    if (kind == ColumnKind::Integer && rounded >= -32768 && rounded <= 32767)
        table.appendInteger(static_cast<int16_t>(rounded));
    else if (fitsLong(rounded))
        table.appendLong(static_cast<int32_t>(rounded));
    else
        table.appendDouble(value);
}

void appendCurrency(ResultTable &table, sqlite3_stmt *stmt, int column, int storage)
{
    if (storage == SQLITE_INTEGER) {
        const sqlite3_int64 units = sqlite3_column_int64(stmt, column);
        if (units > -922337203685477LL && units < 922337203685477LL)
            table.appendCurrency(vb::Currency(units));
        else
            table.appendDouble(static_cast<double>(units));
        return;
    }
    if (storage == SQLITE_FLOAT) {
        const double value = sqlite3_column_double(stmt, column);
        if (std::fabs(value) < 922337203685477.0)
            table.appendCurrency(vb::Currency::fromDouble(value));
        else
            table.appendDouble(value);
        return;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    const auto amount = currencyFromDecimalText(QByteArrayView(text, sqlite3_column_bytes(stmt, column)));
    if (amount)
        table.appendCurrency(*amount);
    else
        appendText(table, stmt, column);
}

void appendDate(ResultTable &table, sqlite3_stmt *stmt, int column, int storage)
{
    if (storage == SQLITE_INTEGER || storage == SQLITE_FLOAT) {
        table.appendDate(vb::Date(sqlite3_column_double(stmt, column)));
        return;
    }
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt, column));
    const auto date = dateFromIsoText(QByteArrayView(text, sqlite3_column_bytes(stmt, column)));
    if (date)
        table.appendDate(*date);
    else
        appendText(table, stmt, column);
}

void appendCell(ResultTable &table, sqlite3_stmt *stmt, int column, ColumnKind kind)
{
    const int storage = sqlite3_column_type(stmt, column);
    if (storage == SQLITE_NULL) {
        table.appendNull();
        return;
    }
    const bool numeric = storage == SQLITE_INTEGER || storage == SQLITE_FLOAT;
    switch (kind) {
    case ColumnKind::String:
        appendText(table, stmt, column);
        return;
    case ColumnKind::Currency:
        appendCurrency(table, stmt, column, storage);
        return;
    case ColumnKind::Date:
        appendDate(table, stmt, column, storage);
        return;
    case ColumnKind::Long:
    case ColumnKind::Integer:
        if (numeric) {
            appendWhole(table, sqlite3_column_double(stmt, column), kind);
            return;
        }
        break;
    case ColumnKind::Double:
        if (numeric) {
            table.appendDouble(sqlite3_column_double(stmt, column));
            return;
        }
        break;
    case ColumnKind::Boolean:
        if (numeric) {
            table.appendBoolean(sqlite3_column_double(stmt, column) != 0);
            return;
        }
        break;
    case ColumnKind::Dynamic:
        if (storage == SQLITE_INTEGER) {
            const sqlite3_int64 value = sqlite3_column_int64(stmt, column);
            if (value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max())
                table.appendLong(static_cast<int32_t>(value));
            else
                table.appendDouble(static_cast<double>(value));
            return;
        }
        if (storage == SQLITE_FLOAT) {
            table.appendDouble(sqlite3_column_double(stmt, column));
            return;
        }
        break;
    }
    appendText(table, stmt, column);
}

std::unique_ptr<ResultTable> readRows(Statement &statement)
{
    sqlite3_stmt *stmt = statement.get();
    const int columns = sqlite3_column_count(stmt);
    QStringList names;
    std::vector<ColumnKind> kinds;
    for (int i = 0; i < columns; ++i) {
        names << QString::fromUtf8(sqlite3_column_name(stmt, i));
        const char *declared = sqlite3_column_decltype(stmt, i);
        kinds.push_back(declared ? columnKindOfDeclaredType(QString::fromUtf8(declared)) : ColumnKind::Dynamic);
    }
    auto table = std::make_unique<ResultTable>(names);
    while (statement.step()) {
        for (int i = 0; i < columns; ++i)
            appendCell(*table, stmt, i, kinds[static_cast<size_t>(i)]);
    }
    return table;
}

// Windows-form paths ("C:\data\data.mdb" typed on this system as "\srv\data.mdb") as the file system has them.
QString nativePath(const QString &path)
{
    if (QFileInfo::exists(path) || !path.contains(u'\\'))
        return path;
    return QString(path).replace(u'\\', u'/');
}

// An SQLCipher file is whole pages of random-looking bytes; a plain SQLite file, a real Access file or
// anything cut short is no database of ours (and must not read as a wrong password).
bool looksLikeKeyedDatabase(const QString &path, qint64 size)
{
    if (size == 0 || size % 512 != 0)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;   // let SQLite tell
    const QByteArray header = file.read(32);
    return !header.startsWith("SQLite format 3") && header.mid(4, 15) != "Standard Jet DB" &&
           header.mid(4, 15) != "Standard ACE DB";
}

} // namespace

// SQLite's own timed wait sleeps up to 100 ms between tries: a writer that comes back that
// seldom can miss every moment in which another busy workstation leaves the file free, and
// fail after the whole wait. Short steps of varying length give both their turns.
int SqliteEngine::waitForLock(void *context, int attempt)
{
    auto *wait = static_cast<LockWait *>(context);
    if (attempt == 0)
        wait->clock.start();
    if (wait->clock.elapsed() >= wait->milliseconds)
        return 0;
    std::this_thread::sleep_for(std::chrono::microseconds(500 + QRandomGenerator::global()->bounded(2000)));
    return 1;
}

std::unique_ptr<SqliteEngine> SqliteEngine::open(const QString &dataSource, const QString &password,
                                                 long lockWaitSeconds)
{
    const QString path = nativePath(dataSource);
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        fail(E_FAIL_UNSPECIFIED, QStringLiteral("Could not find file '%1'.").arg(dataSource));
    if (info.isDir() || !info.isReadable())
        fail(E_FAIL_UNSPECIFIED, QStringLiteral("The Microsoft Jet database engine cannot open the file '%1'. It is "
                                                "already opened exclusively by another user, or you need permission "
                                                "to view its data.").arg(dataSource));
    if (!looksLikeKeyedDatabase(path, info.size()))
        fail(E_FAIL_UNSPECIFIED, QStringLiteral("Unrecognized database format '%1'.").arg(dataSource));

    prepareSqlcipher();
    std::unique_ptr<SqliteEngine> engine(new SqliteEngine(path, password, lockWaitSeconds));
    engine->connect();
    return engine;
}

SqliteEngine::SqliteEngine(const QString &path, const QString &password, long lockWaitSeconds)
    : path_(path), key_(password.toUtf8())
{
    lockWait_.milliseconds = lockWaitSeconds * 1000;
}

void SqliteEngine::connect()
{
    openHandle();
    const StatementHooks *hooks = InstalledStatementHooks();
    if (!hooks)
        return;
    SqliteEmbeddedFile file(db_);
    if (!hooks->prepareEmbeddedFile(file))
        return;
    sqlite3_close_v2(db_);
    db_ = nullptr;
    openHandle();
    SqliteEmbeddedFile reopened(db_);
    hooks->prepareEmbeddedFile(reopened);
}

void SqliteEngine::openHandle()
{
    const int rc = sqlite3_open_v2(QFile::encodeName(path_).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK)   // the destructor closes the handle
        fail(E_FAIL_UNSPECIFIED, db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory"));
    sqlite3_key(db_, key_.constData(), static_cast<int>(key_.size()));
    // Another workstation's write is waited for instead of failing at once.
    sqlite3_busy_handler(db_, waitForLock, &lockWait_);

    // SQLCipher reads nothing at open: a wrong key shows only at the first read.
    const int check = sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if ((check & 0xff) == SQLITE_NOTADB)
        fail(E_WRONG_PASSWORD, QStringLiteral("Not a valid password."));
    if (check != SQLITE_OK)
        failFromSqlite(db_, check, false);
    // A file may hold thousands of tables: with the default 2 MiB of cache each scan of the
    // schema or of a large list decrypts its pages again from disk. Up to 64 MiB of decrypted
    // pages stay in memory instead.
    sqlite3_exec(db_, "PRAGMA cache_size = -65536", nullptr, nullptr, nullptr);
    registerCaseBlindText(db_);
    registerRequire(db_);
}

// Closing the handle discards whatever transaction it still holds.
void SqliteEngine::reconnect()
{
    inTransaction_ = false;
    sqlite3_close_v2(db_);
    db_ = nullptr;
    connect();
}

SqliteEngine::~SqliteEngine()
{
    sqlite3_close_v2(db_);
}

std::unique_ptr<ResultTable> SqliteEngine::run(const QString &accessSql, bool wantRows)
{
    std::vector<EngineStatement> plan;
    try {
        plan = planAccessSql(accessSql, SqlDialect::SQLite);
    } catch (const SqlSyntaxError &error) {
        fail(E_SYNTAX, error.message);
    }
    if (!db_)
        reconnect();
    checkTransactionAlive();
    std::unique_ptr<ResultTable> result;
    rowsAffected_ = 0;
    const auto runPlan = [&] {
        for (const EngineStatement &statement : plan)
            runStatement(statement, wantRows, result);
    };
    const bool keepsStore = std::any_of(plan.begin(), plan.end(), [](const EngineStatement &statement) {
        return statement.role == EngineStatement::Role::Upkeep;
    });
    if (keepsStore)
        runAsOne(runPlan);
    else
        runPlan();
    return result;
}

// A rewritten statement and the statements that keep the rewrite's store in step change it all
// or not at all, as the one statement they stand for would.
void SqliteEngine::runAsOne(const std::function<void()> &statements)
{
    if (!inTransaction_) {
        beginTransaction();
        try {
            statements();
        } catch (...) {
            rollbackTransaction();
            throw;
        }
        commitTransaction();
        return;
    }
    if (sqlite3_exec(db_, "SAVEPOINT ado_statement", nullptr, nullptr, nullptr) != SQLITE_OK)
        failFromSqlite(db_, sqlite3_errcode(db_), false);
    try {
        statements();
    } catch (...) {
        sqlite3_exec(db_, "ROLLBACK TO ado_statement", nullptr, nullptr, nullptr);
        sqlite3_exec(db_, "RELEASE ado_statement", nullptr, nullptr, nullptr);
        throw;
    }
    sqlite3_exec(db_, "RELEASE ado_statement", nullptr, nullptr, nullptr);
}

void SqliteEngine::runStatement(const EngineStatement &statement, bool wantRows, std::unique_ptr<ResultTable> &result)
{
    const QByteArray sql = statement.sql.toUtf8();
    // SQLite reads a statement only up to a NUL: what follows it would be dropped unseen.
    if (sql.contains('\0'))
        fail(E_SYNTAX, QStringLiteral("The statement holds a NUL character."));
    for (int attempt = 1;; ++attempt) {
        try {
            runOnce(sql, statement.role, wantRows, result);
            return;
        } catch (const SchemaChanged &changed) {
            if (attempt == SchemaChangeTries)
                throw changed.error;
        }
    }
}

void SqliteEngine::runOnce(const QByteArray &sql, EngineStatement::Role role, bool wantRows,
                           std::unique_ptr<ResultTable> &result)
{
    Statement statement(db_, sql);
    if (statement.empty())
        return;
    const bool main = role == EngineStatement::Role::Main;
    if (main && wantRows && sqlite3_column_count(statement.get()) > 0) {
        result = readRows(statement);
        return;
    }
    // sqlite3_changes keeps the count of the last INSERT, UPDATE or DELETE through later
    // statements of other kinds, so it is read only when this statement changed rows.
    const int changesBefore = sqlite3_total_changes(db_);
    while (statement.step()) {
    }
    if (main && sqlite3_total_changes(db_) != changesBefore)
        rowsAffected_ += sqlite3_changes(db_);
}

// Some failures (a full disk, an I/O error) make SQLite roll the whole transaction back: the
// statements after it must not run on their own as if they were still part of it.
void SqliteEngine::checkTransactionAlive()
{
    if (inTransaction_ && sqlite3_get_autocommit(db_))
        fail(E_FAIL_UNSPECIFIED, TransactionEndedText);
}

void SqliteEngine::beginTransaction()
{
    if (!db_)
        reconnect();
    // IMMEDIATE takes the write lock now (waiting for it as long as a statement would): a
    // transaction that began by reading could later find another writer ahead of it, and SQLite
    // then fails at once instead of waiting.
    const int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        failFromSqlite(db_, rc, false);
    inTransaction_ = true;
}

void SqliteEngine::commitTransaction()
{
    checkTransactionAlive();
    const int rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        inTransaction_ = false;
        return;
    }
    // A commit that could not write (readers kept the file past the wait) leaves the
    // transaction open in SQLite: it is rolled back, so that nothing joins it later.
    const vb::Error error = errorFromSqlite(db_, rc, false);
    try {
        rollbackTransaction();
    } catch (const vb::Error &) {
        // The commit's own error is the one to report.
    }
    throw error;
}

void SqliteEngine::rollbackTransaction()
{
    inTransaction_ = false;
    if (!db_ || sqlite3_get_autocommit(db_))
        return;   // SQLite has rolled it back already
    const int rc = sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK && !sqlite3_get_autocommit(db_))
        reconnect();
}

} // namespace ado
