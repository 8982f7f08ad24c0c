#pragma once
// The activity log viewer's statements: the entries of a filter, removing one, clearing the
// entries of a filter. A key of "All Logs" stands for every entry.
#include <QString>

namespace backoffice {

inline const QString AllLogs = QStringLiteral("All Logs");

// The log key of a filter caption ("User Log In/Out" gives "LoginLogout"); "All Logs" for
// "All Logs" and anything unknown.
QString LogKeyOfFilter(const QString &caption);

QString LogListSql(const QString &logKey);
QString LogDeleteSql(double id);
QString LogClearSql(const QString &logKey);

} // namespace backoffice
