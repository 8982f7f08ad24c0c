#include "ado/sqlite_food_order_store.h"

#include "ado/food_order_store.h"
#include "ado/sql_emit.h"
#include "ado/sqlcipher.h"

namespace ado {

namespace {

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

// One table's rows and its last ID into the store, then the table goes. A table that cannot be
// moved (not the columns the order window gives it) stays where it is, whole.
void moveOrderTable(sqlite3 *db, const QString &table)
{
    const QString key = detail::quoteText(*foodOrderIdOfTable(table));
    const QString name = detail::quoteName(table, SqlDialect::SQLite);
    const QStringList steps = {
        QStringLiteral("INSERT INTO %1 (OrderID, LastID) SELECT %2, max(ifnull((SELECT seq FROM sqlite_sequence WHERE "
                       "name = %3), 0), ifnull((SELECT max(ID) FROM %4), 0))")
            .arg(FoodOrderTablesTable, key, detail::quoteText(table), name),
        QStringLiteral("INSERT INTO %1 (OrderID, ID, FoodItem, Price) SELECT %2, ID, FoodItem, Price FROM %3")
            .arg(FoodOrderItemsTable, key, name),
        QStringLiteral("DROP TABLE %1").arg(name),
    };
    exec(db, QStringLiteral("SAVEPOINT move_order_table"));
    for (const QString &step : steps) {
        if (!exec(db, step)) {
            exec(db, QStringLiteral("ROLLBACK TO move_order_table"));
            break;
        }
    }
    exec(db, QStringLiteral("RELEASE move_order_table"));
}

} // namespace

void prepareFoodOrderStore(sqlite3 *db)
{
    const FoundTables seen = findTables(db);
    if (seen.storeTables == 2 && seen.orderTables.isEmpty())
        return;
    if (!exec(db, QStringLiteral("BEGIN IMMEDIATE")))
        return;
    const FoundTables found = findTables(db);   // another workstation may have done it meanwhile
    bool made = true;
    for (const QString &definition : foodOrderStoreDefinitions())
        made = made && exec(db, definition);
    if (made) {
        for (const QString &table : found.orderTables)
            moveOrderTable(db, table);
    }
    if (!made || !exec(db, QStringLiteral("COMMIT")))
        exec(db, QStringLiteral("ROLLBACK"));
}

} // namespace ado
