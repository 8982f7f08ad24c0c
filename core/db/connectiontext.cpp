#include "core/db/connectiontext.h"

namespace core {

QString AccessConnectionText(const QString &path, const QString &password)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path +
           QStringLiteral(";Persist Security Info=False;Jet OLEDB:Database Password=") + password;
}

QString MySqlConnectionText(const QString &user, const QString &password, const QString &host,
                            const QString &database)
{
    return QStringLiteral("uid=") + user + QStringLiteral(";pwd=") + password + QStringLiteral(";server=") + host +
           QStringLiteral(";") + QStringLiteral("driver={MySQL ODBC 3.51 Driver};database=") + database +
           QStringLiteral(";dsn='';OPTION=16427");
}

} // namespace core
