#include "support/mariadb_client.h"

#include <QProcess>

namespace testsupport {

namespace {

ClientRun run(const QStringList &arguments, const QProcessEnvironment &environment, bool discardOutput)
{
    QProcess client;
    client.setProcessEnvironment(environment);
    if (discardOutput)
        client.setStandardOutputFile(QProcess::nullDevice());
    client.start(QStringLiteral("mariadb"), arguments);
    ClientRun result;
    result.ok = client.waitForFinished(-1) && client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0;
    if (!discardOutput)
        result.output = QString::fromUtf8(client.readAllStandardOutput());
    result.errors = QString::fromUtf8(client.readAllStandardError());
    return result;
}

} // namespace

ClientRun RunMariaDbClient(const QString &database, const QString &sql, bool discardOutput)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MYSQL_PWD"), qEnvironmentVariable("HOTEL_TEST_MYSQL_PASSWORD"));
    QStringList arguments{QStringLiteral("--no-defaults"), QStringLiteral("--batch"), QStringLiteral("--skip-column-names"),
                          QStringLiteral("--host=127.0.0.1"),
                          QStringLiteral("--port=") + qEnvironmentVariable("HOTEL_TEST_MYSQL_PORT"),
                          QStringLiteral("--user=") + qEnvironmentVariable("HOTEL_TEST_MYSQL_USER"),
                          QStringLiteral("--execute=") + sql};
    if (!database.isEmpty())
        arguments << database;
    return run(arguments, environment, discardOutput);
}

ClientRun RunAsServerRoot(const QString &sql)
{
    return run({QStringLiteral("--no-defaults"), QStringLiteral("--batch"), QStringLiteral("--skip-column-names"),
                QStringLiteral("--socket=") + qEnvironmentVariable("HOTEL_MARIADB_SOCKET"), QStringLiteral("--user=root"),
                QStringLiteral("--execute=") + sql},
               QProcessEnvironment::systemEnvironment(), false);
}

} // namespace testsupport
