#pragma once
// The day's row of tbl_revenueStats: a booking or a food order adds its total to the day's
// revenue and counts itself; the day's first inserts the row (tDate is the database's
// default, today), later ones update it.
#include "vb/currency.h"
#include "vb/datetime.h"

#include <QString>

namespace frontdesk {

enum class RevenueSource {
    Booking,     // tBookingRevenue, tBookings
    FoodOrder,   // tFoodDrinkRevenue, tFoodOrders
};

QString RevenueOfDaySql(vb::Date today);
QString RevenueInsertSql(RevenueSource source, vb::Currency total);
QString RevenueUpdateSql(RevenueSource source, vb::Currency total, vb::Date today);

} // namespace frontdesk
