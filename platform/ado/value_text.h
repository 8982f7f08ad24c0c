#pragma once
// Reading stored texts into runtime values without going through the locale: dates as the databases
// keep them and exact decimal amounts.
#include "vb/currency.h"
#include "vb/datetime.h"

#include <QByteArrayView>
#include <optional>

namespace ado {

// The automation date of a calendar day and a time of day.
vb::Date dateFromParts(int year, int month, int day, int hour, int minute, int second);

// "YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS" (also with 'T' and fractions of a second); nullopt for anything else.
std::optional<vb::Date> dateFromIsoText(QByteArrayView text);

// "-1234.5678", "12", "0.50000": exact to four places (further places round half to even); nullopt when
// it is no plain decimal number or does not fit.
std::optional<vb::Currency> currencyFromDecimalText(QByteArrayView text);

} // namespace ado
