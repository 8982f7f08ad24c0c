#pragma once
// The statements of the "Other Settings" and "Database Settings" tabs: the hotel
// information, the clearing of the guest history and the log row of a settings change.
#include <QString>

namespace backoffice {

struct HotelInfo {
    QString name;
    QString phone;
    QString fax;
    QString address;
    bool orderSign = false;
};

QString HotelInfoSql();
// The four texts lose every "'".
QString HotelInfoUpdateSql(const HotelInfo &info);
QString HistoryClearSql();
QString DbSettingsLogSql(bool useSql, const QString &userName);

} // namespace backoffice
