// hotel-db's refusals, each leaving config.ini and the server as they were and no secret in
// its output, and its embedded verb.
#include "hoteldbtesting.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "core/db/connectiontext.h"
#include "schema/schema.h"
#include "tools/hoteldb/settingsfile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace hoteldbtesting;

namespace {

// How a refusal's run is set up: the account, the database as the server holds it before.
enum class Before { Missing, Empty, Hotel };

// An account of the test's own on the server, with only the given rights on the database; gone afterwards.
class LimitedAccount {
public:
    LimitedAccount(const QString &database, const QString &rights) : name_(freshName("clerk_"))
    {
        testsupport::RunAsServerRoot(QStringLiteral("CREATE USER '%1'@'127.0.0.1' IDENTIFIED BY '%2'; "
                                                    "CREATE USER '%1'@'localhost' IDENTIFIED BY '%2'; "
                                                    "GRANT %3 ON %4.* TO '%1'@'127.0.0.1'; "
                                                    "GRANT %3 ON %4.* TO '%1'@'localhost';")
                                         .arg(name_, password(), rights, database));
    }
    ~LimitedAccount()
    {
        testsupport::RunAsServerRoot(QStringLiteral("DROP USER '%1'@'127.0.0.1'; DROP USER '%1'@'localhost';").arg(name_));
    }
    const QString &name() const { return name_; }
    static QString password() { return QStringLiteral("limited-Pw-7x"); }

private:
    QString name_;
};

} // namespace

class TestHotelDb : public QObject {
    Q_OBJECT

private slots:
    void refusals_data();
    void refusals();
    void embeddedVerb_data();
    void embeddedVerb();
};

void TestHotelDb::refusals_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("rights");       // a limited account of the test's own with these rights
    QTest::addColumn<QStringList>("extra");    // further arguments
    QTest::addColumn<QString>("password");     // empty: the test user's
    QTest::addColumn<QString>("odbcSysIni");   // "empty": a driver manager that knows no driver
    QTest::addColumn<QString>("says");
    const QStringList none;
    QTest::newRow("hotel there already") << int(Before::Hotel) << QString() << none << QString() << QString()
                                         << "already holds a hotel's tables";
    QTest::newRow("keep tables of an empty database") << int(Before::Missing) << QString() << QStringList{"--keep-tables"}
                                                      << QString() << QString() << "lacks tables the program needs";
    QTest::newRow("server not reached") << int(Before::Missing) << QString() << QStringList{"--port", "1"} << QString()
                                        << QString() << "cannot be reached";
    QTest::newRow("wrong password") << int(Before::Missing) << QString() << none << "not-the-Password-9" << QString()
                                    << "refused the user name and password";
    QTest::newRow("driver not registered") << int(Before::Missing) << QString() << none << QString() << "empty"
                                           << "does not know the driver \"MySQL ODBC 3.51 Driver\"";
    QTest::newRow("may only read and add") << int(Before::Empty) << "SELECT, INSERT" << none << QString() << QString()
                                           << "lacks the right DROP";
    QTest::newRow("may not drop") << int(Before::Empty) << "SELECT, INSERT, UPDATE, DELETE, CREATE, INDEX" << none
                                  << QString() << QString() << "lacks the right DROP";
    QTest::newRow("may not index") << int(Before::Empty) << "SELECT, INSERT, UPDATE, DELETE, CREATE, DROP" << none
                                   << QString() << QString() << "lacks the right INDEX";
    QTest::newRow("may not create the database") << int(Before::Missing) << "SELECT" << none << QString()
                                                 << QString() << "may not create it";
    QTest::newRow("password the connection text cannot carry") << int(Before::Missing) << QString() << none
                                                               << "pass;word" << QString() << "holds a \";\"";
}

void TestHotelDb::refusals()
{
    HOTEL_NEED_MARIADB();
    QFETCH(int, before);
    QFETCH(QString, rights);
    QFETCH(QStringList, extra);
    QFETCH(QString, password);
    QFETCH(QString, odbcSysIni);
    QFETCH(QString, says);
    FreshDatabase database;
    if (before != int(Before::Missing))
        QVERIFY(testsupport::RunMariaDbClient(QString(), "CREATE DATABASE " + database.name()).ok);
    if (before == int(Before::Hotel))
        QCOMPARE(runTool(serverArguments(freshProgramFolder(), database.name()),
                         qEnvironmentVariable("HOTEL_TEST_MYSQL_PASSWORD"), true).exitCode, 0);
    std::unique_ptr<LimitedAccount> limited;
    if (!rights.isEmpty())
        limited = std::make_unique<LimitedAccount>(database.name(), rights);
    const QString user = limited ? limited->name() : qEnvironmentVariable("HOTEL_TEST_MYSQL_USER");
    if (password.isEmpty())
        password = limited ? LimitedAccount::password() : qEnvironmentVariable("HOTEL_TEST_MYSQL_PASSWORD");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QTemporaryDir noDrivers;
    if (odbcSysIni == QLatin1String("empty"))
        environment.insert(QStringLiteral("ODBCSYSINI"), noDrivers.path());
    const QString tablesBefore = database.query("SHOW TABLES");

    const QString folder = freshProgramFolder();
    const QByteArray settings = fileBytes(folder + "/config.ini");
    QStringList arguments = serverArguments(folder, database.name(), user);
    for (int i = 0; i + 1 < extra.size(); i += 2) {
        const int at = int(arguments.indexOf(extra[i]));
        if (at >= 0)
            arguments[at + 1] = extra[i + 1];
    }
    if (extra.size() % 2)
        arguments << extra.last();
    const ToolRun run = runTool(arguments, password, true, environment);

    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(says), qPrintable(run.all()));
    QVERIFY2(!run.all().contains(password), qPrintable(run.all()));
    if (limited)
        QVERIFY2(!run.all().contains(limited->name()), qPrintable(run.all()));
    QCOMPARE(fileBytes(folder + "/config.ini"), settings);
    QCOMPARE(database.exists(), before != int(Before::Missing));
    QCOMPARE(database.query("SHOW TABLES"), tablesBefore);
}

void TestHotelDb::embeddedVerb_data()
{
    QTest::addColumn<QString>("db");   // config.ini's "db"
    QTest::addColumn<int>("exitCode");
    QTest::newRow("default file made") << QString() << 0;
    QTest::newRow("named file missing") << "/nonexistent/hotel.mdb" << 1;
}

void TestHotelDb::embeddedVerb()
{
    QFETCH(QString, db);
    QFETCH(int, exitCode);
    const QString folder = freshProgramFolder();
    QFile ini(folder + "/config.ini");
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[settings]\r\ndb=%1\r\ndbkey=\r\nuseSQL=1\r\nSQLhost=h\r\nSQLDBname=d\r\n").arg(db).toUtf8());
    ini.close();
    const QByteArray settings = fileBytes(folder + "/config.ini");

    const ToolRun run = runTool({"embedded", "--folder", folder}, QString(), true);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode != 0) {
        QVERIFY2(run.err.contains("does not exist"), qPrintable(run.all()));
        QCOMPARE(fileBytes(folder + "/config.ini"), settings);
        return;
    }
    QCOMPARE(hoteldb::ReadSetting(folder, "useSQL"), QStringLiteral("0"));
    QCOMPARE(hoteldb::ReadSetting(folder, "SQLhost"), QStringLiteral("h"));   // the server's settings stay for later
    ado::Connection conn;
    conn.Open(core::AccessConnectionText(folder + "/data.mdb", schema::BuiltInPassword));
    ado::Recordset rs;
    rs.Open("SELECT HotelName FROM tbl_HotelInfo WHERE ID = 1", conn);
    QCOMPARE(rs.Fields(0).Value().asString(), QStringLiteral("My Hotel"));
}

QTEST_GUILESS_MAIN(TestHotelDb)
#include "tst_hoteldb.moc"
