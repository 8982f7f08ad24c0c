#include "backoffice/stats/statsstatements.h"

#include "core/db/sqldate.h"

namespace backoffice {

QString DayFiguresSql(int month, int day, int year)
{
    return QStringLiteral("SELECT tRevenue,tBookingRevenue,tFoodDrinkRevenue,tBookings,tFoodOrders  FROM "
                          "tbl_revenueStats WHERE tDate=")
           + core::SqlDate(vb::Date::serial(year, month, day));
}

} // namespace backoffice
