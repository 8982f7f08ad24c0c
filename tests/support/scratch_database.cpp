#include "support/scratch_database.h"

#include "ado/connection.h"
#include "ado/database_file.h"
#include "schema/food_order_store.h"
#include "schema/schema.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>

namespace testsupport {

namespace {

QString env(const char *name)
{
    return qEnvironmentVariable(name);
}

// Unique within the run and across parallel test programs.
QString freshSuffix()
{
    static QAtomicInt counter;
    return QStringLiteral("%1_%2_%3")
        .arg(QCoreApplication::applicationPid())
        .arg(counter.fetchAndAddRelaxed(1))
        .arg(QRandomGenerator::global()->generate() & 0xffffff, 6, 16, QLatin1Char('0'));
}

// Without a time limit: dropping a database that thousands of food orders filled with tables
// takes longer than a statement's usual 30 seconds.
void runOnServer(const QString &sql)
{
    ado::Connection server;
    server.SetCommandTimeout(0);
    server.Open(ScratchMariaDb::connectionText(env("HOTEL_TEST_MYSQL_DB")));
    server.Execute(sql);
}

} // namespace

QString scratchFolder()
{
    QString folder = env("HOTEL_TEST_SCRATCH");
    if (folder.isEmpty())
        folder = QDir::temp().filePath(QStringLiteral("hotel-test-scratch"));
    QDir().mkpath(folder);
    return folder;
}

QString accessConnectionText(const QString &path, const QString &password)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path +
           QStringLiteral(";Persist Security Info=False;Jet OLEDB:Database Password=") + password;
}

QString makeScratchAccessDatabase(const QString &fileName, bool withSchema, const QString &password)
{
    schema::InstallFoodOrderStore();   // as every program that opens the file does
    const QString name = fileName.isEmpty() ? QStringLiteral("db_%1.mdb").arg(freshSuffix()) : fileName;
    const QString path = QDir(scratchFolder()).filePath(name);
    QFile::remove(path);
    ado::CreateDatabaseFile(path, password);
    const QString text = accessConnectionText(path, password);
    if (withSchema) {
        ado::Connection connection;
        connection.Open(text);
        schema::CreateTables(connection);
    }
    return text;
}

bool ScratchMariaDb::configured()
{
    return !env("HOTEL_TEST_MYSQL_HOST").isEmpty() && !env("HOTEL_TEST_MYSQL_USER").isEmpty() &&
           !env("HOTEL_TEST_MYSQL_DB").isEmpty();
}

bool ScratchMariaDb::required()
{
    return env("HOTEL_REQUIRE_MYSQL") == QLatin1String("1");
}

QString ScratchMariaDb::connectionText(const QString &database)
{
    return QStringLiteral("uid=") + env("HOTEL_TEST_MYSQL_USER") + QStringLiteral(";pwd=") +
           env("HOTEL_TEST_MYSQL_PASSWORD") + QStringLiteral(";server=") + env("HOTEL_TEST_MYSQL_HOST") +
           QStringLiteral(";driver={MySQL ODBC 3.51 Driver};database=") + database +
           QStringLiteral(";dsn='';OPTION=16427");
}

ScratchMariaDb::ScratchMariaDb(bool withSchema) : name_(QStringLiteral("hotel_t_") + freshSuffix())
{
    runOnServer(QStringLiteral("CREATE DATABASE %1 CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci").arg(name_));
    if (!withSchema)
        return;
    try {
        ado::Connection connection;
        connection.Open(connectionText());
        schema::CreateTables(connection);
    } catch (...) {
        runOnServer(QStringLiteral("DROP DATABASE %1").arg(name_));
        throw;
    }
}

ScratchMariaDb::~ScratchMariaDb()
{
    try {
        runOnServer(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(name_));
    } catch (const std::exception &error) {
        qWarning("could not drop the test database %s: %s", qPrintable(name_), error.what());
    }
}

ScratchDatabase::ScratchDatabase(const QString &engine, bool withSchema)
{
    if (engine == QLatin1String("mariadb")) {
        mariaDb_ = std::make_unique<ScratchMariaDb>(withSchema);
        connectionText_ = mariaDb_->connectionText();
    } else {
        connectionText_ = makeScratchAccessDatabase(QString(), withSchema);
    }
}

ScratchDatabase::~ScratchDatabase() = default;

} // namespace testsupport
