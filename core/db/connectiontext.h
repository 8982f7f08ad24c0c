#pragma once
// The two connection texts the statement layer opens, built from the database settings.
#include <QString>

namespace core {

// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path + ";...;Jet OLEDB:Database Password=" + password
QString AccessConnectionText(const QString &path, const QString &password);

// "uid=" + user + ";pwd=" + password + ";server=" + host + ";driver={MySQL ODBC 3.51 Driver};database=" +
// database + ";dsn='';OPTION=16427". The values go in as they stand, without quoting.
QString MySqlConnectionText(const QString &user, const QString &password, const QString &host,
                            const QString &database);

} // namespace core
