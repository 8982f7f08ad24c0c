#pragma once
// The MariaDB/MySQL server, database and account a hotel's program folder is pointed at, in the
// forms the program reads them: the host text of config.ini ("host" or "host;port=N") and the
// connection text the statement layer builds from it.
#include <QString>

namespace hoteldb {

struct ServerAccount {
    QString host;
    int port = 0;   // 0: the driver's default port
    QString database;
    QString user;
    QString password;
};

// config.ini's "SQLhost": the host, and ";port=N" when a port is given.
QString HostText(const ServerAccount &account);

// The statement layer's MySQL connection text for `database` (empty: no database chosen).
QString ConnectionText(const ServerAccount &account, const QString &database);

// Raises a Refusal when the values cannot pass through config.ini and the program's connection
// text as they stand (the text carries them unquoted, the secrets are enciphered as Windows-1252
// bytes, the program trims blanks from what it reads), or when the database name is no plain
// MariaDB name.
void CheckAccount(const ServerAccount &account);

} // namespace hoteldb
