#include "ado/sqlite_engine.h"

#include "ado/column_kind.h"
#include "ado/errors.h"
#include "ado/sql_translator.h"
#include "ado/sqlcipher.h"
#include "ado/sqlite_text.h"
#include "ado/value_text.h"

#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <limits>
#include <vector>

namespace ado {

namespace {

[[noreturn]] void fail(long number, const QString &description)
{
    throw vb::Error(number, description, JetSource);
}

// The provider's number for what SQLite reports; `preparing` tells a statement that did not compile.
[[noreturn]] void failFromSqlite(sqlite3 *db, int rc, bool preparing)
{
    const QString message = QString::fromUtf8(sqlite3_errmsg(db));
    const int primary = rc & 0xff;
    long number = E_FAIL_UNSPECIFIED;   // constraints, a damaged or locked file, ...
    if (message.startsWith(QLatin1String("no such table")))
        number = E_NO_TABLE;
    else if (message.startsWith(QLatin1String("no such column")))
        number = E_NO_VALUE;
    else if (message == TypeCheckFailureText || primary == SQLITE_MISMATCH)
        number = E_TYPE_MISMATCH;
    else if (preparing && primary == SQLITE_ERROR)
        number = E_SYNTAX;
    fail(number, message);
}

class Statement {
public:
    Statement(sqlite3 *db, const QByteArray &sql) : db_(db)
    {
        const int rc = sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &stmt_, nullptr);
        if (rc != SQLITE_OK)
            failFromSqlite(db, rc, true);
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
            failFromSqlite(db_, rc, false);
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

std::unique_ptr<SqliteEngine> SqliteEngine::open(const QString &dataSource, const QString &password)
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
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    std::unique_ptr<SqliteEngine> engine(new SqliteEngine(db));   // closes the handle on every failure below
    if (rc != SQLITE_OK)
        fail(E_FAIL_UNSPECIFIED, db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory"));
    const QByteArray key = password.toUtf8();
    sqlite3_key(db, key.constData(), static_cast<int>(key.size()));
    sqlite3_busy_timeout(db, 5000);

    // SQLCipher reads nothing at open: a wrong key shows only at the first read.
    const int check = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if ((check & 0xff) == SQLITE_NOTADB)
        fail(E_WRONG_PASSWORD, QStringLiteral("Not a valid password."));
    if (check != SQLITE_OK)
        fail(E_FAIL_UNSPECIFIED, QString::fromUtf8(sqlite3_errmsg(db)));
    registerCaseBlindText(db);
    return engine;
}

SqliteEngine::~SqliteEngine()
{
    sqlite3_close_v2(db_);
}

std::unique_ptr<ResultTable> SqliteEngine::run(const QString &accessSql, bool wantRows)
{
    QStringList statements;
    try {
        statements = translateAccessSql(accessSql, SqlDialect::SQLite);
    } catch (const SqlSyntaxError &error) {
        fail(E_SYNTAX, error.message);
    }
    std::unique_ptr<ResultTable> result;
    rowsAffected_ = 0;
    for (const QString &sql : statements)
        runStatement(sql.toUtf8(), wantRows, result);
    return result;
}

void SqliteEngine::runStatement(const QByteArray &sql, bool wantRows, std::unique_ptr<ResultTable> &result)
{
    Statement statement(db_, sql);
    if (statement.empty())
        return;
    if (wantRows && sqlite3_column_count(statement.get()) > 0) {
        result = readRows(statement);
        return;
    }
    // sqlite3_changes keeps the count of the last INSERT, UPDATE or DELETE through later
    // statements of other kinds, so it is read only when this statement changed rows.
    const int changesBefore = sqlite3_total_changes(db_);
    while (statement.step()) {
    }
    if (sqlite3_total_changes(db_) != changesBefore)
        rowsAffected_ += sqlite3_changes(db_);
}

void SqliteEngine::beginTransaction()
{
    if (sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(E_FAIL_UNSPECIFIED, QString::fromUtf8(sqlite3_errmsg(db_)));
}

void SqliteEngine::commitTransaction()
{
    endTransaction("COMMIT");
}

void SqliteEngine::rollbackTransaction()
{
    endTransaction("ROLLBACK");
}

void SqliteEngine::endTransaction(const char *sql)
{
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(E_FAIL_UNSPECIFIED, QString::fromUtf8(sqlite3_errmsg(db_)));
}

} // namespace ado
