// The store of the per-order tables in an embedded file, made (and filled from the real
// per-order tables of earlier versions) when the file is opened.
#include "schema/food_order_store.h"
#include "schema/schema.h"

namespace schema::foodorders {

namespace {

using ado::EmbeddedFile;
using ado::SqlDialect;
namespace rewrite = ado::rewrite;

// user_version of a file whose moved per-order tables still hold their pages: they are given
// back by a VACUUM, which the next open tries again when this one could not run it.
constexpr int VacuumPending = 2;
constexpr int Ordinary = 1;

struct FoundTables {
    int storeTables = 0;
    QStringList orderTables;   // real tbl_FoodOrder_<id> tables
};

// A LIKE pattern ('!' escapes) that matches `text` as it stands, or with `orLonger` any name that
// begins with it; without regard to case, as table names are.
QString likePattern(const QString &text, bool orLonger = false)
{
    QString escaped = text;
    escaped.replace(u'!', QLatin1String("!!")).replace(u'_', QLatin1String("!_")).replace(u'%', QLatin1String("!%"));
    return rewrite::quoteText(orLonger ? escaped + u'%' : escaped);
}

FoundTables findTables(EmbeddedFile &file)
{
    FoundTables found;
    const QString sql = QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND (name LIKE %1 ESCAPE '!' "
                                       "OR name LIKE %2 ESCAPE '!' OR name LIKE %3 ESCAPE '!')")
                            .arg(likePattern(FoodOrderTablePrefix, true), likePattern(FoodOrderItemsTable),
                                 likePattern(FoodOrderTablesTable));
    for (const QString &name : file.column(sql)) {
        if (EmbeddedFileTableNames().contains(name, Qt::CaseInsensitive))
            ++found.storeTables;
        else if (FoodOrderIdOfTable(name))
            found.orderTables << name;
    }
    return found;
}

// One table's rows and its last ID into the store. A table that cannot be copied (not the
// columns the order window gives it) is left out, whole.
bool copyOrderTable(EmbeddedFile &file, const QString &table)
{
    const QString key = rewrite::quoteText(*FoodOrderIdOfTable(table));
    const QString name = rewrite::quoteName(table, SqlDialect::SQLite);
    const QStringList steps = {
        QStringLiteral("INSERT INTO %1 (OrderID, LastID) SELECT %2, max(ifnull((SELECT seq FROM sqlite_sequence WHERE "
                       "name = %3), 0), ifnull((SELECT max(ID) FROM %4), 0))")
            .arg(FoodOrderTablesTable, key, rewrite::quoteText(table), name),
        QStringLiteral("INSERT INTO %1 (OrderID, ID, FoodItem, Price) SELECT %2, ID, FoodItem, Price FROM %3")
            .arg(FoodOrderItemsTable, key, name),
    };
    file.exec(QStringLiteral("SAVEPOINT copy_order_table"));
    bool copied = true;
    for (const QString &step : steps)
        copied = copied && file.exec(step);
    if (!copied)
        file.exec(QStringLiteral("ROLLBACK TO copy_order_table"));
    file.exec(QStringLiteral("RELEASE copy_order_table"));
    return copied;
}

// The copied tables go from the schema with their triggers and sequence rows. DROP TABLE would
// scan the whole schema table for each of them, which takes minutes for a year of orders; the
// schema rows are deleted at once instead, the schema's version moves on so that every
// connection reads the schema again, and the tables' pages wait for the VACUUM.
bool forgetTables(EmbeddedFile &file, const QStringList &tables)
{
    if (!file.exec(QStringLiteral("PRAGMA writable_schema = ON")))
        return false;
    bool done = true;
    constexpr qsizetype Chunk = 500;
    for (qsizetype at = 0; done && at < tables.size(); at += Chunk) {
        QStringList names;
        for (const QString &table : tables.mid(at, Chunk))
            names << rewrite::quoteText(table);
        const QString list = names.join(u',');
        done = file.exec(QStringLiteral("DELETE FROM sqlite_master WHERE tbl_name IN (%1)").arg(list)) &&
               file.exec(QStringLiteral("DELETE FROM sqlite_sequence WHERE name IN (%1)").arg(list));
    }
    const int version = file.number(QStringLiteral("PRAGMA schema_version"));
    done = done && version >= 0 && file.exec(QStringLiteral("PRAGMA schema_version = %1").arg(version + 1)) &&
           file.exec(QStringLiteral("PRAGMA user_version = %1").arg(VacuumPending));
    file.exec(QStringLiteral("PRAGMA writable_schema = OFF"));
    return done;
}

} // namespace

bool prepareFile(EmbeddedFile &file)
{
    const FoundTables seen = findTables(file);
    if (seen.storeTables == 2 && seen.orderTables.isEmpty())
        return false;
    if (!file.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    const FoundTables found = findTables(file);   // another workstation may have done it meanwhile
    bool done = true;
    for (const QString &definition : EmbeddedFileStatements())
        done = done && file.exec(definition);
    QStringList copied;
    for (const QString &table : found.orderTables) {
        if (done && copyOrderTable(file, table))
            copied << table;
    }
    done = done && (copied.isEmpty() || forgetTables(file, copied));
    if (!done || !file.exec(QStringLiteral("COMMIT"))) {
        file.exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return !copied.isEmpty();
}

void vacuumIfPending(EmbeddedFile &file)
{
    if (file.number(QStringLiteral("PRAGMA user_version")) != VacuumPending)
        return;
    if (file.exec(QStringLiteral("VACUUM")))
        file.exec(QStringLiteral("PRAGMA user_version = %1").arg(Ordinary));
}

} // namespace schema::foodorders
