#include "tools/hoteldb/serversetup.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "schema/schema.h"
#include "tools/hoteldb/refusal.h"
#include "vb/conversions.h"
#include "vb/error.h"

#include <QRandomGenerator>
#include <QSet>

#include <functional>
#include <memory>

namespace hoteldb {

namespace {

const QString DriverName = QStringLiteral("MySQL ODBC 3.51 Driver");

bool mentions(const vb::Error &error, const char *text)
{
    return error.Description().contains(QLatin1String(text), Qt::CaseInsensitive);
}

// What a failed connection means for the person setting up, by the driver manager's and the
// server's own messages.
Refusal connectionRefusal(const ServerAccount &account, const vb::Error &error)
{
    const QString said = error.Description();
    if (mentions(error, "Can't open lib") || mentions(error, "Data source name not found"))
        return {QStringLiteral("unixODBC does not know the driver \"%1\": run the set-up as root (bash scripts/run.sh) "
                               "or register it as the README says. The driver manager said: %2")
                    .arg(DriverName, said)};
    if (mentions(error, "Access denied"))
        return {QStringLiteral("The server refused the user name and password: %1").arg(said)};
    if (mentions(error, "Can't connect") || mentions(error, "Unknown server host") || mentions(error, "timeout"))
        return {QStringLiteral("The server at %1 cannot be reached: %2").arg(HostText(account), said)};
    return {QStringLiteral("The server at %1 did not let this account in: %2").arg(HostText(account), said)};
}

std::unique_ptr<ado::Connection> connect(const ServerAccount &account, const QString &database)
{
    auto conn = std::make_unique<ado::Connection>();
    conn->Open(ConnectionText(account, database));
    return conn;
}

// The connection to the hotel's database; the database is made when the server has none of
// that name and the account may make one.
std::unique_ptr<ado::Connection> connectMakingDatabase(const ServerAccount &account, bool &created)
{
    created = false;
    try {
        return connect(account, account.database);
    } catch (const vb::Error &error) {
        if (!mentions(error, "Unknown database"))
            throw connectionRefusal(account, error);
    }
    std::unique_ptr<ado::Connection> server;
    try {
        server = connect(account, QString());
    } catch (const vb::Error &error) {
        throw connectionRefusal(account, error);
    }
    try {
        server->Execute(QStringLiteral("CREATE DATABASE %1 CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci")
                            .arg(account.database));
    } catch (const vb::Error &error) {
        throw Refusal{QStringLiteral("The server has no database %1, and this account may not create it (ask the "
                                     "server's administrator to, as the README says): %2")
                          .arg(account.database, error.Description())};
    }
    created = true;
    try {
        return connect(account, account.database);
    } catch (const vb::Error &error) {
        throw connectionRefusal(account, error);
    }
}

vb::Variant scalar(ado::Connection &conn, const QString &sql)
{
    ado::Recordset rs;
    rs.Open(sql, conn);
    return rs.Fields(0).Value();
}

// The statements name tables in varying case ("tbl_Tax", "tbl_tax"): the server must not tell them apart.
void requireCaseBlindTableNames(ado::Connection &conn)
{
    if (vb::CLng(scalar(conn, QStringLiteral("SELECT @@lower_case_table_names"))) != 0)
        return;
    throw Refusal{QStringLiteral("The server tells table names apart by case (lower_case_table_names=0), and the "
                                 "program names its tables in varying case: set lower_case_table_names=1 in the "
                                 "server's configuration and restart it (see the README).")};
}

// The hotel's tables the database holds already, as the schema names them.
QStringList hotelTablesPresent(ado::Connection &conn)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT table_name FROM information_schema.tables WHERE table_schema = DATABASE()"), conn);
    QSet<QString> names;
    for (; !rs.IsEOF(); rs.MoveNext())
        names.insert(vb::CStr(rs.Fields(0).Value()).toLower());
    QStringList present;
    for (const QString &table : schema::TableNames()) {
        if (names.contains(table.toLower()))
            present << table;
    }
    return present;
}

void quietly(const std::function<void()> &step)
{
    try {
        step();
    } catch (const vb::Error &) {
    }
}

// Every right the program uses on its database, tried on a table of the check's own that is dropped again.
void requireRights(ado::Connection &conn, const ServerAccount &account)
{
    const QString table = QStringLiteral("hoteldb_rights_%1").arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
    const struct {
        const char *right;
        QString sql;
        bool query;
    } steps[] = {
        // The server checks the right before it looks for the table: no table is made that could not be dropped.
        {"DROP", QStringLiteral("DROP TABLE IF EXISTS %1").arg(table), false},
        {"CREATE", QStringLiteral("CREATE TABLE %1 ( ID AUTOINCREMENT PRIMARY KEY,FoodItem VARCHAR(225) NOT NULL, "
                                  "Price Currency NOT NULL)").arg(table), false},
        {"INDEX", QStringLiteral("CREATE INDEX %1_item ON %1 (FoodItem)").arg(table), false},
        {"INSERT", QStringLiteral("INSERT INTO %1 (FoodItem, Price) VALUES ('check', 1)").arg(table), false},
        {"UPDATE", QStringLiteral("UPDATE %1 SET Price = 2").arg(table), false},
        {"SELECT", QStringLiteral("SELECT * FROM %1").arg(table), true},
        {"DELETE", QStringLiteral("DELETE FROM %1").arg(table), false},
        {"DROP", QStringLiteral("DROP TABLE %1").arg(table), false},
    };
    for (const auto &step : steps) {
        try {
            if (step.query) {
                ado::Recordset rs;
                rs.Open(step.sql, conn);
            } else {
                conn.Execute(step.sql);
            }
        } catch (const vb::Error &error) {
            if (&step > &steps[1])   // the table was made
                quietly([&] { conn.Execute(QStringLiteral("DROP TABLE ") + table); });
            const QString text = QStringLiteral("This account lacks the right %1 on the database %2; the program needs "
                                                "SELECT, INSERT, UPDATE, DELETE, CREATE, INDEX and DROP there (see the "
                                                "README). The server said: %3")
                                     .arg(QLatin1String(step.right), account.database, error.Description());
            throw Refusal{text};
        }
    }
}

// Runs the schema's statements; when one fails, drops the tables this run created.
void createHotelTables(ado::Connection &conn)
{
    const QStringList tables = schema::TableNames();
    QStringList created;
    try {
        for (const QString &statement : schema::AccessStatements()) {
            conn.Execute(statement);
            for (const QString &table : tables) {
                if (statement.startsWith(QStringLiteral("CREATE TABLE %1 ").arg(table)))
                    created << table;
            }
        }
    } catch (const vb::Error &error) {
        for (const QString &table : created)
            quietly([&] { conn.Execute(QStringLiteral("DROP TABLE ") + table); });
        throw Refusal{QStringLiteral("Creating the hotel's tables failed, and the tables made so far were dropped "
                                     "again: %1").arg(error.Description())};
    }
}

// Checks the server and the database, then creates the hotel's tables unless they are kept.
void putTables(ado::Connection &conn, const ServerAccount &account, ExistingTables existing, ServerSetupResult &result)
{
    try {
        requireCaseBlindTableNames(conn);
        const QStringList present = hotelTablesPresent(conn);
        const QStringList all = schema::TableNames();
        if (existing == ExistingTables::Refuse && !present.isEmpty())
            throw Refusal{QStringLiteral("The database %1 already holds a hotel's tables (%2); nothing was changed. "
                                         "To point this program folder at that hotel, run again with --keep-tables.")
                              .arg(account.database, present.join(QStringLiteral(", ")))};
        if (existing == ExistingTables::Keep && present.size() != all.size()) {
            QStringList missing;
            for (const QString &table : all) {
                if (!present.contains(table))
                    missing << table;
            }
            throw Refusal{QStringLiteral("The database %1 lacks tables the program needs (%2); nothing was changed.")
                              .arg(account.database, missing.join(QStringLiteral(", ")))};
        }
        requireRights(conn, account);
        if (present.isEmpty()) {
            createHotelTables(conn);
            result.createdTables = true;
        }
    } catch (const vb::Error &error) {
        throw Refusal{QStringLiteral("The server failed: %1").arg(error.Description())};
    }
}

} // namespace

ServerSetupResult PutHotelOnServer(const ServerAccount &account, ExistingTables existing)
{
    CheckAccount(account);
    ServerSetupResult result;
    const auto conn = connectMakingDatabase(account, result.createdDatabase);
    try {
        putTables(*conn, account, existing, result);
    } catch (const Refusal &) {
        if (result.createdDatabase)
            quietly([&] { conn->Execute(QStringLiteral("DROP DATABASE ") + account.database); });
        throw;
    }
    return result;
}

} // namespace hoteldb
