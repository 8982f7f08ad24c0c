#pragma once
// Fresh databases for tests: an SQLCipher file in the test's scratch folder, or a database of its own
// on the private MariaDB test server (scripts/mariadb-test-server.sh), each with every table of the
// schema. Both give the connection text the statement layer would build.
#include <QString>
#include <QTest>
#include <memory>

namespace testsupport {

// The test's private folder (HOTEL_TEST_SCRATCH), made when missing.
QString scratchFolder();

// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<path>;...;Jet OLEDB:Database Password=<password>"
QString accessConnectionText(const QString &path, const QString &password);

// A new keyed database file in the scratch folder (a fresh name when `fileName` is empty), with the
// schema unless `withSchema` is false. Returns its connection text; raises a vb::Error on failure.
QString makeScratchAccessDatabase(const QString &fileName = QString(), bool withSchema = true,
                                  const QString &password = QStringLiteral("640917"));

// A database of its own on the MariaDB test server, dropped again when the object goes.
class ScratchMariaDb {
public:
    // The environment names a test server (HOTEL_TEST_MYSQL_HOST, _USER, _PASSWORD, _DB).
    static bool configured();
    // HOTEL_REQUIRE_MYSQL=1: a missing server is a failure, not a skip.
    static bool required();
    // "uid=..;pwd=..;server=..;driver={MySQL ODBC 3.51 Driver};database=<database>;dsn='';OPTION=16427"
    static QString connectionText(const QString &database);

    // Creates the database (and the schema unless `withSchema` is false); raises a vb::Error on failure.
    explicit ScratchMariaDb(bool withSchema = true);
    ~ScratchMariaDb();
    ScratchMariaDb(const ScratchMariaDb &) = delete;
    ScratchMariaDb &operator=(const ScratchMariaDb &) = delete;

    const QString &databaseName() const { return name_; }
    QString connectionText() const { return connectionText(name_); }

private:
    QString name_;
};

// Either kind, chosen by name: "access" or "mariadb" (what data-driven tests fetch).
class ScratchDatabase {
public:
    explicit ScratchDatabase(const QString &engine, bool withSchema = true);
    ~ScratchDatabase();
    bool isMariaDb() const { return mariaDb_ != nullptr; }
    const QString &connectionText() const { return connectionText_; }

private:
    std::unique_ptr<ScratchMariaDb> mariaDb_;
    QString connectionText_;
};

} // namespace testsupport

// In a test function: skips (fails under HOTEL_REQUIRE_MYSQL=1) when no MariaDB test server is set up.
#define HOTEL_NEED_MARIADB()                                                                   \
    do {                                                                                       \
        if (!testsupport::ScratchMariaDb::configured()) {                                      \
            if (testsupport::ScratchMariaDb::required())                                       \
                QFAIL("HOTEL_REQUIRE_MYSQL=1 but the HOTEL_TEST_MYSQL_* variables are not set"); \
            QSKIP("no MariaDB test server (HOTEL_TEST_MYSQL_* not set)");                      \
        }                                                                                      \
    } while (false)

// Adds the rows "access" and "mariadb" of a QString column "engine" to a data-driven test.
#define HOTEL_BOTH_ENGINES_DATA()                       \
    do {                                                \
        QTest::addColumn<QString>("engine");            \
        QTest::newRow("access") << QStringLiteral("access"); \
        QTest::newRow("mariadb") << QStringLiteral("mariadb"); \
    } while (false)

// Fetches "engine" and skips the MariaDB row when there is no server.
#define HOTEL_FETCH_ENGINE(engine)                 \
    QFETCH(QString, engine);                       \
    if ((engine) == QLatin1String("mariadb"))      \
        HOTEL_NEED_MARIADB()
