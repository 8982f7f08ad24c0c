#pragma once
// The `mariadb` command-line client on the MariaDB test server (scripts/mariadb-test-server.sh):
// as the test user over TCP, the password handed over in the client's environment (never on
// its command line), or as the server's root through its socket (HOTEL_MARIADB_SOCKET).
#include <QString>

namespace testsupport {

struct ClientRun {
    bool ok = false;     // the client ran and exited with 0
    QString output;      // batch output: tab-separated rows, without the header line
    QString errors;
};

// Runs `sql` in batch mode on `database` (empty: none) as the test user. With `discardOutput`
// the rows go to the null device, as fast as the client can write them.
ClientRun RunMariaDbClient(const QString &database, const QString &sql, bool discardOutput = false);

// Runs `sql` as the server's root, through its socket.
ClientRun RunAsServerRoot(const QString &sql);

} // namespace testsupport
