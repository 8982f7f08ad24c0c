#include "frontdesk/guests/customerliststatements.h"

#include "core/db/sqltext.h"

namespace frontdesk {

namespace {
QString cleaned(const QString &text)
{
    return core::SqlText(QString(text).remove(QLatin1Char('\'')).remove(QLatin1Char('#')));
}
} // namespace

QString CustomerListSql(const QString &table, int searchMode, const QString &searchText, const QString &statusFilter)
{
    const QString all = QStringLiteral("SELECT * FROM ") + table;
    switch (searchMode) {
    case SearchText:
    case SearchRefresh: {
        if (searchText.isEmpty())
            return all;
        const QString text = cleaned(searchText);
        return all + QStringLiteral(" WHERE cUniqueNo LIKE  '") + text + QStringLiteral("' OR cFirstName LIKE  '")
               + text + QStringLiteral("' OR cLastName LIKE  '") + text + QLatin1Char('\'');
    }
    case SearchStatus:
        if (statusFilter == AllStatuses)
            return all;
        return all + QStringLiteral(" WHERE cStatus = '") + cleaned(statusFilter) + QLatin1Char('\'');
    default:
        return all;
    }
}

QString GuestFoodOrdersSql(const QString &customerId)
{
    return QStringLiteral("SELECT ID FROM tbl_FoodOrders WHERE OrderNo='")
           + core::SqlText(QString(customerId).remove(QLatin1Char('#'))) + QLatin1Char('\'');
}

} // namespace frontdesk
