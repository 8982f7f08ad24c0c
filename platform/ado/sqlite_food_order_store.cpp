#include "ado/sqlite_food_order_store.h"

#include "ado/food_order_store.h"
#include "ado/sql_emit.h"
#include "ado/sqlcipher.h"

namespace ado {

namespace {

// user_version of a file whose moved per-order tables still hold their pages: they are given
// back by a VACUUM, which the next open tries again when this one could not run it.
constexpr int VacuumPending = 2;
constexpr int Ordinary = 1;

struct FoundTables {
    int storeTables = 0;
    QStringList orderTables;   // real tbl_FoodOrder_<id> tables
};

FoundTables findTables(sqlite3 *db)
{
    FoundTables found;
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table' AND name LIKE 'tbl!_FoodOrder%' ESCAPE '!'",
                           -1, &stmt, nullptr) != SQLITE_OK)
        return found;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const QString name = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
        if (name.compare(FoodOrderItemsTable, Qt::CaseInsensitive) == 0 ||
            name.compare(FoodOrderTablesTable, Qt::CaseInsensitive) == 0)
            ++found.storeTables;
        else if (foodOrderIdOfTable(name))
            found.orderTables << name;
    }
    sqlite3_finalize(stmt);
    return found;
}

bool exec(sqlite3 *db, const QString &sql)
{
    return sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

int pragmaValue(sqlite3 *db, const char *pragma)
{
    sqlite3_stmt *stmt = nullptr;
    int value = -1;
    if (sqlite3_prepare_v2(db, pragma, -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
        value = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    return value;
}

// One table's rows and its last ID into the store. A table that cannot be copied (not the
// columns the order window gives it) is left out, whole.
bool copyOrderTable(sqlite3 *db, const QString &table)
{
    const QString key = detail::quoteText(*foodOrderIdOfTable(table));
    const QString name = detail::quoteName(table, SqlDialect::SQLite);
    const QStringList steps = {
        QStringLiteral("INSERT INTO %1 (OrderID, LastID) SELECT %2, max(ifnull((SELECT seq FROM sqlite_sequence WHERE "
                       "name = %3), 0), ifnull((SELECT max(ID) FROM %4), 0))")
            .arg(FoodOrderTablesTable, key, detail::quoteText(table), name),
        QStringLiteral("INSERT INTO %1 (OrderID, ID, FoodItem, Price) SELECT %2, ID, FoodItem, Price FROM %3")
            .arg(FoodOrderItemsTable, key, name),
    };
    exec(db, QStringLiteral("SAVEPOINT copy_order_table"));
    bool copied = true;
    for (const QString &step : steps)
        copied = copied && exec(db, step);
    if (!copied)
        exec(db, QStringLiteral("ROLLBACK TO copy_order_table"));
    exec(db, QStringLiteral("RELEASE copy_order_table"));
    return copied;
}

// The copied tables go from the schema with their triggers and sequence rows. DROP TABLE would
// scan the whole schema table for each of them, which takes minutes for a year of orders; the
// schema rows are deleted at once instead, the schema's version moves on so that every
// connection reads the schema again, and the tables' pages wait for the VACUUM.
bool forgetTables(sqlite3 *db, const QStringList &tables)
{
    if (!exec(db, QStringLiteral("PRAGMA writable_schema = ON")))
        return false;
    bool done = true;
    constexpr qsizetype Chunk = 500;
    for (qsizetype at = 0; done && at < tables.size(); at += Chunk) {
        QStringList names;
        for (const QString &table : tables.mid(at, Chunk))
            names << detail::quoteText(table);
        const QString list = names.join(u',');
        done = exec(db, QStringLiteral("DELETE FROM sqlite_master WHERE tbl_name IN (%1)").arg(list)) &&
               exec(db, QStringLiteral("DELETE FROM sqlite_sequence WHERE name IN (%1)").arg(list));
    }
    const int version = pragmaValue(db, "PRAGMA schema_version");
    done = done && version >= 0 && exec(db, QStringLiteral("PRAGMA schema_version = %1").arg(version + 1)) &&
           exec(db, QStringLiteral("PRAGMA user_version = %1").arg(VacuumPending));
    exec(db, QStringLiteral("PRAGMA writable_schema = OFF"));
    return done;
}

} // namespace

bool prepareFoodOrderStore(sqlite3 *db)
{
    const FoundTables seen = findTables(db);
    if (seen.storeTables == 2 && seen.orderTables.isEmpty())
        return false;
    if (!exec(db, QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    const FoundTables found = findTables(db);   // another workstation may have done it meanwhile
    bool done = true;
    for (const QString &definition : foodOrderStoreDefinitions())
        done = done && exec(db, definition);
    QStringList copied;
    for (const QString &table : found.orderTables) {
        if (done && copyOrderTable(db, table))
            copied << table;
    }
    done = done && (copied.isEmpty() || forgetTables(db, copied));
    if (!done || !exec(db, QStringLiteral("COMMIT"))) {
        exec(db, QStringLiteral("ROLLBACK"));
        return false;
    }
    return !copied.isEmpty();
}

void vacuumIfPending(sqlite3 *db)
{
    if (pragmaValue(db, "PRAGMA user_version") != VacuumPending)
        return;
    if (exec(db, QStringLiteral("VACUUM")))
        exec(db, QStringLiteral("PRAGMA user_version = %1").arg(Ordinary));
}

} // namespace ado
