#pragma once
// The floors of the benchmarks: the same file read or written with the raw sqlite3 API of
// SQLCipher on a connection opened, keyed and with its schema read before any timing starts,
// with the program's page cache, in the cheapest way: each row stepped, each text column's
// text pointer taken and each number read as the number it is stored as.
#include "ado/sql_translator.h"
#include "ado/sqlcipher.h"
#include "schema/schema.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace bench {

class RawDatabase {
public:
    explicit RawDatabase(const QString &path, const QString &password = schema::BuiltInPassword)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        const QByteArray key = password.toUtf8();
        sqlite3_key(db_, key.constData(), static_cast<int>(key.size()));
        sqlite3_busy_timeout(db_, 5000);
        sqlite3_exec(db_, "PRAGMA cache_size = -65536", nullptr, nullptr, nullptr);
        if (sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "raw open of %s: %s\n", qPrintable(path), sqlite3_errmsg(db_));
            std::exit(1);
        }
    }
    ~RawDatabase() { sqlite3_close_v2(db_); }
    RawDatabase(const RawDatabase &) = delete;
    RawDatabase &operator=(const RawDatabase &) = delete;

    sqlite3 *handle() const { return db_; }

    // Every row of `sql` stepped and every column read as stored: a text's pointer and length, a
    // number's value; returns the rows. What was read is added to `bytes`, so that the reading
    // cannot be left out.
    qint64 walk(const QString &sql, qint64 &bytes) const
    {
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
            fail(sql);
        const int columns = sqlite3_column_count(stmt);
        qint64 rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int i = 0; i < columns; ++i) {
                switch (sqlite3_column_type(stmt, i)) {
                case SQLITE_INTEGER:
                    bytes += sqlite3_column_int64(stmt, i) & 1;
                    break;
                case SQLITE_FLOAT:
                    bytes += sqlite3_column_double(stmt, i) > 0;
                    break;
                case SQLITE_NULL:
                    break;
                default:
                    bytes += sqlite3_column_text(stmt, i) != nullptr;
                    bytes += sqlite3_column_bytes(stmt, i);
                }
            }
            ++rows;
        }
        sqlite3_finalize(stmt);
        return rows;
    }
    qint64 walk(const QString &sql) const
    {
        qint64 bytes = 0;
        return walk(sql, bytes);
    }

    // Statements of the Access dialect as the program sends them, translated for SQLite and
    // run in one transaction (the checks of the translation left out: they read, and the
    // program's own run already passed them).
    void runInOneTransaction(const QStringList &accessStatements) const
    {
        exec("BEGIN IMMEDIATE");
        for (const QString &statement : accessStatements) {
            for (const ado::EngineStatement &step : ado::planAccessSql(statement, ado::SqlDialect::SQLite)) {
                if (step.role != ado::EngineStatement::Role::Check)
                    exec(step.sql.toUtf8());
            }
        }
        exec("COMMIT");
    }

    void exec(const QByteArray &sql) const
    {
        if (sqlite3_exec(db_, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            fail(QString::fromUtf8(sql));
    }

private:
    [[noreturn]] void fail(const QString &sql) const
    {
        std::fprintf(stderr, "raw statement failed: %s\n  %s\n", sqlite3_errmsg(db_), qPrintable(sql));
        std::exit(1);
    }

    sqlite3 *db_ = nullptr;
};

} // namespace bench
