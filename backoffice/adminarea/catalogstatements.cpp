#include "backoffice/adminarea/catalogstatements.h"

#include "backoffice/adminarea/sqlliteral.h"

namespace backoffice {

QString CategoryListSql() { return QStringLiteral("SELECT * FROM tbl_foodCat"); }

QString CategoryLookupSql(const QString &name)
{
    return QStringLiteral("SELECT * FROM tbl_foodCat WHERE catName= ") + Quoted(name);
}

QString CategoryInsertSql(const QString &name)
{
    return QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES(") + Quoted(name) + QStringLiteral(")");
}

QString CategoryItemsDeleteSql(long categoryId)
{
    return QStringLiteral("DELETE FROM tbl_FoodItem WHERE ItemCat = ") + Number(categoryId);
}

QString CategoryDeleteSql(long categoryId)
{
    return QStringLiteral("DELETE FROM tbl_foodCat WHERE ID = ") + Number(categoryId);
}

QString ItemListSql(long categoryId)
{
    return QStringLiteral("SELECT * FROM tbl_FoodItem WHERE ItemCat = ") + Number(categoryId);
}

QString ItemLookupSql(const QString &name, long categoryId)
{
    return QStringLiteral("SELECT ItemName FROM tbl_FoodItem WHERE ItemName=") + Quoted(name)
           + QStringLiteral(" AND ItemCat = ") + Number(categoryId);
}

QString ItemInsertSql(const QString &name, vb::Currency price, const QString &note, long categoryId)
{
    return QStringLiteral("INSERT INTO tbl_FoodItem(ItemName, ItemPrice, ItemNote, ItemCat) VALUES(") + Quoted(name)
           + QStringLiteral(",") + price.toInvariantString() + QStringLiteral(",") + Quoted(note)
           + QStringLiteral(", ") + Number(categoryId) + QStringLiteral(")");
}

QString ItemDeleteSql(long itemId) { return QStringLiteral("DELETE FROM tbl_FoodItem WHERE ID = ") + Number(itemId); }

} // namespace backoffice
