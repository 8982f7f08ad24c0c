#pragma once
// The statement of the revenue report: the five figures of one day of tbl_revenueStats.
#include <QString>

namespace backoffice {

QString DayFiguresSql(int month, int day, int year);

} // namespace backoffice
