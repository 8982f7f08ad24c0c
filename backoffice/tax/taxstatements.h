#pragma once
// The tax editor's statements: the taxes of one category (1 room, 2 food and beverages),
// adding one and removing one.
#include "vb/currency.h"

#include <QString>

namespace backoffice {

inline constexpr int RoomTaxCategory = 1;
inline constexpr int FoodTaxCategory = 2;

QString TaxListSql(int category);
// The name trimmed of blanks at both ends and quoted (an apostrophe is kept); the percent with
// "." as the decimal point whatever the locale.
QString TaxInsertSql(const QString &name, vb::Currency percent, int category);
// The key as a plain number.
QString TaxDeleteSql(double id);

} // namespace backoffice
