#pragma once
// A MariaDB server of the test's own, to stop, kill and restart while the program runs (the
// shared test server must stay up for the other tests). It runs on HOTEL_TEST_MYSQL_FAULT_PORT
// from a fresh data folder in the scratch folder, with the test user and database of the shared
// server, and is pointed at by the HOTEL_TEST_MYSQL_* variables while it lives, so that
// CoreFixture("mariadb") and ScratchMariaDb work on it. Every test that starts one holds the
// CTest resource lock "mariadb_fault_port", so that two never bind the port at once.
#include <QString>
#include <QTest>

#include <sys/types.h>

namespace testsupport {

class MariaDbFaultServer {
public:
    static bool configured() { return !qEnvironmentVariableIsEmpty("HOTEL_TEST_MYSQL_FAULT_PORT"); }

    MariaDbFaultServer();
    ~MariaDbFaultServer();
    MariaDbFaultServer(const MariaDbFaultServer &) = delete;
    MariaDbFaultServer &operator=(const MariaDbFaultServer &) = delete;

    // SIGSTOP: the server keeps its connections but answers nothing, as a hung machine.
    void hang();
    // SIGCONT.
    void wake();
    // SIGKILL, then the server is started again on the same data (its clients' connections are gone).
    void killAndRestart();

private:
    void launch();
    pid_t pid() const;

    QString folder_;
    QString port_;
    QByteArray savedHost_;
    QByteArray savedPort_;
};

} // namespace testsupport

// In a test function: skips (fails under HOTEL_REQUIRE_MYSQL=1) without a port for the server.
#define HOTEL_NEED_MARIADB_FAULT_SERVER()                                                        \
    do {                                                                                         \
        HOTEL_NEED_MARIADB();                                                                    \
        if (!testsupport::MariaDbFaultServer::configured()) {                                    \
            if (testsupport::ScratchMariaDb::required())                                         \
                QFAIL("HOTEL_REQUIRE_MYSQL=1 but HOTEL_TEST_MYSQL_FAULT_PORT is not set");       \
            QSKIP("no port for a server of the test's own (HOTEL_TEST_MYSQL_FAULT_PORT)");       \
        }                                                                                        \
    } while (false)
