#include "backoffice/statsstatements.h"

namespace backoffice {

QString DayFiguresSql(int month, int day, int year)
{
    return QStringLiteral("SELECT tRevenue,tBookingRevenue,tFoodDrinkRevenue,tBookings,tFoodOrders  FROM "
                          "tbl_revenueStats WHERE tDate=#%1/%2/%3#")
        .arg(month)
        .arg(day)
        .arg(year);
}

} // namespace backoffice
