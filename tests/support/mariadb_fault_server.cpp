#include "support/mariadb_fault_server.h"

#include "support/scratch_database.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <csignal>

namespace testsupport {

namespace {

// Runs functions of scripts/mariadb-test-server.sh, so that the server starts as the shared one does.
void runScript(const QString &commands)
{
    QProcess bash;
    bash.setProcessChannelMode(QProcess::ForwardedChannels);
    bash.start(QStringLiteral("bash"), {QStringLiteral("-euc"), QStringLiteral("source '") +
                                                                   QStringLiteral(HOTEL_SOURCE_DIR) +
                                                                   QStringLiteral("/scripts/mariadb-test-server.sh'; ") +
                                                                   commands});
    if (!bash.waitForFinished(120000) || bash.exitCode() != 0)
        qFatal("the MariaDB server of the test did not start: %s", qPrintable(commands));
}

bool alive(pid_t pid) { return pid > 0 && ::kill(pid, 0) == 0; }

void waitUntilGone(pid_t pid)
{
    for (int i = 0; i < 300 && alive(pid); ++i)
        QThread::msleep(100);
}

} // namespace

MariaDbFaultServer::MariaDbFaultServer()
    : folder_(scratchFolder() + QStringLiteral("/fault-server")),
      port_(qEnvironmentVariable("HOTEL_TEST_MYSQL_FAULT_PORT")),
      savedHost_(qgetenv("HOTEL_TEST_MYSQL_HOST")),
      savedPort_(qgetenv("HOTEL_TEST_MYSQL_PORT"))
{
    QDir(folder_).removeRecursively();
    runScript(QStringLiteral("hotel_mariadb_install '%1'").arg(folder_));
    launch();
    runScript(QStringLiteral("hotel_mariadb_add_test_user '%1'").arg(folder_));
    qputenv("HOTEL_TEST_MYSQL_HOST", ("127.0.0.1;port=" + port_).toUtf8());
    qputenv("HOTEL_TEST_MYSQL_PORT", port_.toUtf8());
}

MariaDbFaultServer::~MariaDbFaultServer()
{
    qputenv("HOTEL_TEST_MYSQL_HOST", savedHost_);
    qputenv("HOTEL_TEST_MYSQL_PORT", savedPort_);
    const pid_t server = pid();
    if (alive(server)) {
        ::kill(server, SIGCONT);
        ::kill(server, SIGTERM);
        waitUntilGone(server);
        if (alive(server))
            ::kill(server, SIGKILL);
    }
    QDir(folder_).removeRecursively();
}

void MariaDbFaultServer::launch()
{
    runScript(QStringLiteral("hotel_mariadb_launch '%1' %2").arg(folder_, port_));
}

pid_t MariaDbFaultServer::pid() const
{
    QFile file(folder_ + QStringLiteral("/mysqld.pid"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return static_cast<pid_t>(file.readAll().trimmed().toLong());
}

void MariaDbFaultServer::hang() { ::kill(pid(), SIGSTOP); }

void MariaDbFaultServer::wake() { ::kill(pid(), SIGCONT); }

void MariaDbFaultServer::killAndRestart()
{
    const pid_t server = pid();
    ::kill(server, SIGKILL);
    waitUntilGone(server);
    QFile::remove(folder_ + QStringLiteral("/mysqld.pid"));
    launch();
}

} // namespace testsupport
