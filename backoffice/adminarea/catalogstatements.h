#pragma once
// The statements of the food and drink catalogue tab. A typed name or note is cleaned once
// (CleanTypedText) and that value is looked up and stored; categories go by their key.
#include "vb/currency.h"

#include <QString>

namespace backoffice {

QString CategoryListSql();
QString CategoryLookupSql(const QString &name);
QString CategoryInsertSql(const QString &name);
QString CategoryItemsDeleteSql(long categoryId);
QString CategoryDeleteSql(long categoryId);

QString ItemListSql(long categoryId);
QString ItemLookupSql(const QString &name, long categoryId);
QString ItemInsertSql(const QString &name, vb::Currency price, const QString &note, long categoryId);
QString ItemDeleteSql(long itemId);

} // namespace backoffice
