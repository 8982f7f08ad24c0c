#pragma once
// The statement of the revenue report: the five figures of one day of tbl_revenueStats.
#include <QString>

namespace backoffice {

// The date is written #M/D/YYYY# (numbers without leading zeros), which the data layer reads
// as month, day, year on both engines.
QString DayFiguresSql(int month, int day, int year);

} // namespace backoffice
