#include "backoffice/log/logstatements.h"

#include "core/db/sqltext.h"

namespace backoffice {

namespace {

QString keyCondition(const QString &logKey)
{
    return logKey == AllLogs ? QString() : QStringLiteral(" WHERE LogKey='") + core::SqlText(logKey) + QStringLiteral("'");
}

} // namespace

QString LogKeyOfFilter(const QString &caption)
{
    if (caption == QLatin1String("Bookings"))
        return QStringLiteral("Bookings");
    if (caption == QLatin1String("Room Added Removed"))
        return QStringLiteral("RoomAddedRemove");
    if (caption == QLatin1String("Database Changes"))
        return QStringLiteral("DBChanges");
    if (caption == QLatin1String("User Log In/Out"))
        return QStringLiteral("LoginLogout");
    return AllLogs;
}

QString LogListSql(const QString &logKey) { return QStringLiteral("SELECT * FROM tbl_logTable") + keyCondition(logKey); }

QString LogDeleteSql(double id) { return QStringLiteral("DELETE FROM tbl_logTable WHERE ID=") + QString::number(id, 'g', 15); }

QString LogClearSql(const QString &logKey) { return QStringLiteral("DELETE FROM tbl_logTable") + keyCondition(logKey); }

} // namespace backoffice
