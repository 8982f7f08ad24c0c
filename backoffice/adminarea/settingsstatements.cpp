#include "backoffice/adminarea/settingsstatements.h"

#include "backoffice/adminarea/sqlliteral.h"

namespace backoffice {

namespace {

QString withoutQuotes(const QString &text) { return Quoted(QString(text).remove(QLatin1Char('\''))); }

} // namespace

QString HotelInfoSql() { return QStringLiteral("SELECT * FROM tbl_HotelInfo WHERE id=1"); }

QString HotelInfoUpdateSql(const HotelInfo &info)
{
    return QStringLiteral("UPDATE tbl_HotelInfo SET HotelName=") + withoutQuotes(info.name)
           + QStringLiteral(", HotelPhoneNo = ") + withoutQuotes(info.phone) + QStringLiteral(", HotelFaxNo = ")
           + withoutQuotes(info.fax) + QStringLiteral(", HotelAddress = ") + withoutQuotes(info.address)
           + QStringLiteral(", AddOrderSign=") + (info.orderSign ? QStringLiteral("1") : QStringLiteral("0"));
}

QString HistoryClearSql() { return QStringLiteral("DELETE FROM tbl_customers_history"); }

QString DbSettingsLogSql(bool useSql, const QString &userName)
{
    return QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values('Database Settings Modified "
                          "(Use SQL : ")
           + (useSql ? QStringLiteral("Yes") : QStringLiteral("No")) + QStringLiteral(")',") + Quoted(userName)
           + QStringLiteral(",'DBChanges')");
}

} // namespace backoffice
