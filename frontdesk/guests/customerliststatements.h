#pragma once
// The queries of the guest lists (current and former guests), side-effect free and tested
// as text.
#include <QString>

namespace frontdesk {

// Which control last asked a guest list for its rows.
enum CustomerSearchMode : int {
    SearchNone = 0,
    SearchText = 1,       // "Search" or Enter in the search box
    SearchRefresh = 2,    // "Refresh": runs the search text too
    SearchStatus = 3,     // the status filter (current guests only)
};

// The status filter's entry that lists every guest.
inline const QString AllStatuses = QStringLiteral("View All Status");

// The rows of `table` ("tbl_customers" or "tbl_customers_history") for a refill: modes 1
// and 2 match the search text against the guest number, first and last name as whole
// LIKE patterns (no wildcard added), mode 3 filters by status, anything else lists all.
// The texts lose every "'" and "#" first (a number typed with its sign finds the guest).
QString CustomerListSql(const QString &table, int searchMode, const QString &searchText,
                        const QString &statusFilter = QString());

// Whether a guest has food orders: the guest number as shown, its "#" signs removed.
QString GuestFoodOrdersSql(const QString &customerId);

} // namespace frontdesk
