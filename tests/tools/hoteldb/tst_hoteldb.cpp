// hotel-db's refusals, each leaving config.ini and the server as they were and no secret in
// its output, and its embedded verb.
#include "hoteldbtesting.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "core/db/connectiontext.h"
#include "schema/schema.h"
#include "support/mariadb_cut_proxy.h"
#include "tools/hoteldb/secretmask.h"
#include "tools/hoteldb/settingsfile.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace hoteldbtesting;

namespace {

// How a refusal's run is set up: the account, the database as the server holds it before.
enum class Before { Missing, Empty, Hotel };

// An account of the test's own on the server, with only the given rights on a database; gone afterwards.
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
    void serverThatNeverAnswers();
    void configIniKeptFromOtherUsers_data();
    void configIniKeptFromOtherUsers();
    void secretsMaskedAsWholeValues_data();
    void secretsMaskedAsWholeValues();
    void embeddedVerb_data();
    void embeddedVerb();
};

void TestHotelDb::refusals_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("rights");       // a limited account of the test's own with these rights
    QTest::addColumn<QString>("grantedOn");    // "other": on another database than the one asked for
    QTest::addColumn<QStringList>("extra");    // further arguments
    QTest::addColumn<QString>("password");     // empty: the test user's
    QTest::addColumn<QString>("odbcSysIni");   // "empty": a driver manager that knows no driver
    QTest::addColumn<QString>("says");
    const QStringList none;
    const QString on;
    QTest::newRow("hotel there already") << int(Before::Hotel) << QString() << on << none << QString() << QString()
                                         << "already holds a hotel's tables";
    QTest::newRow("keep tables of an empty database") << int(Before::Missing) << QString() << on << QStringList{"--keep-tables"}
                                                      << QString() << QString() << "lacks tables the program needs";
    QTest::newRow("server not reached") << int(Before::Missing) << QString() << on << QStringList{"--port", "1"} << QString()
                                        << QString() << "cannot be reached (error 200";
    QTest::newRow("wrong password") << int(Before::Missing) << QString() << on << none << "not-the-Password-9" << QString()
                                    << "refused the user name and password (error 1045)";
    QTest::newRow("one-letter password, wrong") << int(Before::Missing) << QString() << on << none << "e" << QString()
                                                << "The server refused the user name and password (error 1045): ";
    QTest::newRow("driver not registered") << int(Before::Missing) << QString() << on << none << QString() << "empty"
                                           << "does not know the driver \"MySQL ODBC 3.51 Driver\"";
    QTest::newRow("may only read and add") << int(Before::Empty) << "SELECT, INSERT" << on << none << QString() << QString()
                                           << "lacks the right DROP";
    QTest::newRow("may not drop") << int(Before::Empty) << "SELECT, INSERT, UPDATE, DELETE, CREATE, INDEX" << on << none
                                  << QString() << QString() << "lacks the right DROP";
    QTest::newRow("may not drop a database it would make")
        << int(Before::Missing) << "SELECT, INSERT, UPDATE, DELETE, CREATE, INDEX" << on << none << QString() << QString()
        << "would lack the right DROP";
    QTest::newRow("may not index") << int(Before::Empty) << "SELECT, INSERT, UPDATE, DELETE, CREATE, DROP" << on << none
                                   << QString() << QString() << "lacks the right INDEX";
    QTest::newRow("may not create the database") << int(Before::Missing) << "SELECT" << on << none << QString()
                                                 << QString() << "may not create it";
    QTest::newRow("database not granted") << int(Before::Empty) << "ALL" << "other" << none << QString() << QString()
                                          << "may not use the database";
    QTest::newRow("password the connection text cannot carry") << int(Before::Missing) << QString() << on << none
                                                               << "pass;word" << QString() << "holds a \";\"";
    QTest::newRow("reserved word as name") << int(Before::Missing) << QString() << on << QStringList{"--database", "select"}
                                           << QString() << QString() << "does not take \"select\" as a database name";
    QTest::newRow("digits as name") << int(Before::Missing) << QString() << on << QStringList{"--database", "123"}
                                    << QString() << QString() << "does not take \"123\" as a database name";
    QTest::newRow("program folder missing") << int(Before::Missing) << QString() << on
                                            << QStringList{"--folder", "/nonexistent/hotel"} << QString() << QString()
                                            << "does not exist";
    QTest::newRow("program folder not writable") << int(Before::Missing) << QString() << on
                                                 << QStringList{"--folder", "/proc"} << QString() << QString()
                                                 << "/proc/config.ini cannot be written";
}

void TestHotelDb::refusals()
{
    HOTEL_NEED_MARIADB();
    QFETCH(int, before);
    QFETCH(QString, rights);
    QFETCH(QString, grantedOn);
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
        limited = std::make_unique<LimitedAccount>(grantedOn.isEmpty() ? database.name() : database.name() + "_other",
                                                   rights);
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
    // A password of one letter is part of many words: what counts there is that they stay readable.
    if (password.size() > 1)
        QVERIFY2(!run.all().contains(password), qPrintable(run.all()));
    if (limited)
        QVERIFY2(!run.all().contains(limited->name()), qPrintable(run.all()));
    if (!grantedOn.isEmpty())   // a database the account may not use is no matter of its password
        QVERIFY2(!run.err.contains("password"), qPrintable(run.all()));
    QCOMPARE(fileBytes(folder + "/config.ini"), settings);
    QCOMPARE(database.exists(), before != int(Before::Missing));
    QCOMPARE(database.query("SHOW TABLES"), tablesBefore);
    const QString asked = arguments[arguments.indexOf("--database") + 1];
    if (asked != database.name())
        QCOMPARE(testsupport::RunMariaDbClient(QString(), "SHOW DATABASES LIKE '" + asked + "'").output, QString());
}

// A server that takes the connection and never answers (hung): a refusal that names the host
// once the connection timeout has passed, not a refused account.
void TestHotelDb::serverThatNeverAnswers()
{
    HOTEL_NEED_MARIADB();
    testsupport::MariaDbCutProxy hung;
    hung.freeze();
    FreshDatabase database;
    QStringList arguments = serverArguments(freshProgramFolder(), database.name());
    arguments[arguments.indexOf("--port") + 1] = QString::number(hung.port());
    QElapsedTimer clock;
    clock.start();
    const ToolRun run = runTool(arguments, qEnvironmentVariable("HOTEL_TEST_MYSQL_PASSWORD"), true);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QStringLiteral("The server at 127.0.0.1;port=%1 took the connection but gave no answer")
                                  .arg(hung.port())),
             qPrintable(run.all()));
    QVERIFY(clock.elapsed() < 60000);
    QVERIFY(!database.exists());
}

// config.ini holds the enciphered server password: it is the owner's alone in a folder of its
// own, and the group's too in a folder shared with a group (where every clerk's program must
// read it); never the other users'.
void TestHotelDb::configIniKeptFromOtherUsers_data()
{
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode");
    QTest::newRow("folder of its own") << 0755 << 0600;
    QTest::newRow("folder shared with a group") << 02775 << 0660;
}

void TestHotelDb::configIniKeptFromOtherUsers()
{
    HOTEL_NEED_MARIADB();
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    FreshDatabase database;
    const QString folder = freshProgramFolder();
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), mode_t(folderMode)) == 0);
    const ToolRun run = runTool(serverArguments(folder, database.name()), qEnvironmentVariable("HOTEL_TEST_MYSQL_PASSWORD"), true);
    QVERIFY2(run.exitCode == 0, qPrintable(run.all()));
    struct stat status {};
    QVERIFY(::stat(QFile::encodeName(folder + "/config.ini").constData(), &status) == 0);
    QCOMPARE(int(status.st_mode & 07777), fileMode);

    // Back to the embedded file: the server's secrets stay in it, and so do the permissions.
    const ToolRun back = runTool({"embedded", "--folder", folder}, QString(), true);
    QVERIFY2(back.exitCode == 0, qPrintable(back.all()));
    QVERIFY(::stat(QFile::encodeName(folder + "/config.ini").constData(), &status) == 0);
    QCOMPARE(int(status.st_mode & 07777), fileMode);
}

void TestHotelDb::secretsMaskedAsWholeValues_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one letter inside words") << "e" << "The server refused the user name" << "The server refused the user name";
    QTest::newRow("one letter alone") << "e" << "password e was wrong" << "password **** was wrong";
    QTest::newRow("in a connection text") << "s3cret!" << "uid=x;pwd=s3cret!;server=h" << "uid=x;pwd=****;server=h";
    QTest::newRow("quoted, and inside a longer word") << "abc" << "'abc' is not abcdef" << "'****' is not abcdef";
    QTest::newRow("the user quoted") << "pw-123" << "Access denied for user 'clerk'@'h'" << "Access denied for user '****'@'h'";
}

void TestHotelDb::secretsMaskedAsWholeValues()
{
    QFETCH(QString, password);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    hoteldb::ServerAccount account;
    account.user = QStringLiteral("clerk");
    account.password = password;
    QCOMPARE(hoteldb::WithoutSecrets(text, account), shown);
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
