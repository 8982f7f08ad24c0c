#pragma once
// The floor of the MariaDB benchmarks: the `mariadb` command-line client running the same query
// on the same server in batch mode, its output thrown away. The password goes in through the
// client's environment, never its command line.
#include <QProcess>
#include <QString>

namespace bench {

// The test server's settings (scripts/mariadb-test-server.sh).
inline bool MariaDbServerConfigured()
{
    return !qEnvironmentVariableIsEmpty("HOTEL_TEST_MYSQL_PORT") && !qEnvironmentVariableIsEmpty("HOTEL_TEST_MYSQL_USER");
}

// Runs `sql` on `database` with `mariadb --batch`; false when the client failed.
inline bool RunMariaDbClient(const QString &database, const QString &sql)
{
    QProcess client;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MYSQL_PWD"), qEnvironmentVariable("HOTEL_TEST_MYSQL_PASSWORD"));
    client.setProcessEnvironment(environment);
    client.setStandardOutputFile(QProcess::nullDevice());
    client.start(QStringLiteral("mariadb"),
                 {QStringLiteral("--no-defaults"), QStringLiteral("--batch"), QStringLiteral("--host=127.0.0.1"),
                  QStringLiteral("--port=") + qEnvironmentVariable("HOTEL_TEST_MYSQL_PORT"),
                  QStringLiteral("--user=") + qEnvironmentVariable("HOTEL_TEST_MYSQL_USER"), database,
                  QStringLiteral("--execute=") + sql});
    return client.waitForFinished(-1) && client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0;
}

} // namespace bench
