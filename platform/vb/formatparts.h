#pragma once
// Internal: the pieces of Format, one per kind of value.
#include "vb/datetime.h"
#include "vb/decimal.h"

#include <QString>

namespace vb::detail {

// Named numeric forms ("Currency", "Fixed", "Standard", "Percent", "Scientific", "Yes/No",
// "True/False", "On/Off"); isNamedNumberFormat tells which names exist. "General Number" needs
// the value's own type and is done by Format itself.
bool isNamedNumberFormat(const QString &name);
QString formatNamedNumber(const Decimal &value, const QString &name);
// Custom numeric patterns: "0.00", "#,##0.00", "000", up to three sections (positive;negative;zero).
QString formatNumberPattern(const Decimal &value, const QString &pattern);
// The whole digits with the locale's group separator every three digits.
QString grouped(const QString &digits);

bool isNamedDateFormat(const QString &name);
QString formatNamedDate(Date value, const QString &name);
// Does the custom pattern format dates (d, m, y, h, n, s, ...) rather than numbers?
bool isDatePattern(const QString &pattern);
// Custom date patterns: "dd/mm/yyyy", "mmmm yyyy", "hh:mm:ss", "HH:MMAMPM", ...
QString formatDatePattern(Date value, const QString &pattern);

// The default text of a date: short date, then the long time when the date has one.
QString defaultDateText(Date value);

} // namespace vb::detail
