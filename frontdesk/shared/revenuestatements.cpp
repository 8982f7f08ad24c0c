#include "frontdesk/shared/revenuestatements.h"

#include "core/db/sqldate.h"

namespace frontdesk {

namespace {

struct RevenueColumns {
    QString amount;
    QString count;
};

RevenueColumns columnsOf(RevenueSource source)
{
    if (source == RevenueSource::Booking)
        return {QStringLiteral("tBookingRevenue"), QStringLiteral("tBookings")};
    return {QStringLiteral("tFoodDrinkRevenue"), QStringLiteral("tFoodOrders")};
}

} // namespace

QString RevenueOfDaySql(vb::Date today)
{
    return QStringLiteral("SELECT * FROM tbl_revenueStats WHERE tDate =") + core::SqlDate(today) + QStringLiteral(" ");
}

QString RevenueInsertSql(RevenueSource source, vb::Currency total)
{
    const RevenueColumns columns = columnsOf(source);
    const QString amount = total.toInvariantString();
    return QStringLiteral("INSERT INTO tbl_revenueStats (tRevenue,") + columns.amount + QStringLiteral(", ")
           + columns.count + QStringLiteral(") values(") + amount + QStringLiteral(",") + amount + QStringLiteral(",1)");
}

QString RevenueUpdateSql(RevenueSource source, vb::Currency total, vb::Date today)
{
    const RevenueColumns columns = columnsOf(source);
    const QString amount = total.toInvariantString();
    return QStringLiteral("UPDATE tbl_revenueStats SET tRevenue = tRevenue + ") + amount + QStringLiteral(",")
           + columns.amount + QStringLiteral("=") + columns.amount + QStringLiteral(" + ") + amount
           + QStringLiteral(", ") + columns.count + QStringLiteral(" = ") + columns.count
           + QStringLiteral(" + 1 WHERE tDate = ") + core::SqlDate(today);
}

} // namespace frontdesk
