#include "tools/hoteldb/serversetup.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "schema/schema.h"
#include "tools/hoteldb/connectionrefusal.h"
#include "tools/hoteldb/refusal.h"
#include "vb/conversions.h"
#include "vb/error.h"

#include <QRandomGenerator>
#include <QSet>

#include <functional>
#include <memory>

namespace hoteldb {

namespace {

// The server's numbers: a statement it cannot parse, a database it has none of.
constexpr long ParseError = 1064, UnknownDatabase = 1049;

// Every right the program uses on its database.
const QStringList NeededRights = {QStringLiteral("SELECT"), QStringLiteral("INSERT"), QStringLiteral("UPDATE"),
                                  QStringLiteral("DELETE"), QStringLiteral("CREATE"), QStringLiteral("INDEX"),
                                  QStringLiteral("DROP")};

QString neededRightsText() { return NeededRights.join(QStringLiteral(", ")); }

std::unique_ptr<ado::Connection> connect(const ServerAccount &account, const QString &database)
{
    auto conn = std::make_unique<ado::Connection>();
    try {
        conn->Open(ConnectionText(account, database));
    } catch (const vb::Error &error) {
        throw ConnectionRefusal(account, database, error);
    }
    return conn;
}

void quietly(const std::function<void()> &step)
{
    try {
        step();
    } catch (const vb::Error &) {
    }
}

// A failure of the server while it is checked or set up.
[[noreturn]] void serverFailed(const vb::Error &error)
{
    throw Refusal{QStringLiteral("The server failed%1: %2").arg(ErrorNumberText(error), error.Description())};
}

vb::Variant scalar(ado::Connection &conn, const QString &sql)
{
    ado::Recordset rs;
    rs.Open(sql, conn);
    return rs.Fields(0).Value();
}

// The name as the server reads it where the tool writes it unquoted (CREATE DATABASE): a word
// of its SQL ("select") or a number ("123") is no name there. Asked with a query that reads
// nothing; any answer but a parse error (no database chosen, no such table) lets it pass.
void requireServerName(ado::Connection &server, const QString &database)
{
    try {
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM %1 WHERE 1=0").arg(database), server);
    } catch (const vb::Error &error) {
        if (ServerErrorNumber(error) == ParseError)
            throw Refusal{QStringLiteral("The server does not take \"%1\" as a database name: it is a word of its SQL "
                                         "or a number%2. Choose another name; nothing was changed.")
                              .arg(database, ErrorNumberText(error))};
    }
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

// The rights the account holds on a database the server does not have yet, as the server's
// grant tables show them to the account itself: its global rights and those on database names
// that match (a granted name may hold the wildcards "_" and "%").
QSet<QString> rightsOnMissingDatabase(ado::Connection &server, const QString &database)
{
    const QString grantee = QStringLiteral("GRANTEE = CONCAT('''', REPLACE(CURRENT_USER(), '@', '''@'''), '''')");
    const QStringList rights = ado::ColumnTexts(
        server, QStringLiteral("SELECT PRIVILEGE_TYPE FROM information_schema.USER_PRIVILEGES WHERE %1 UNION "
                               "SELECT PRIVILEGE_TYPE FROM information_schema.SCHEMA_PRIVILEGES WHERE %1 AND "
                               "'%2' LIKE TABLE_SCHEMA ESCAPE '\\'")
                    .arg(grantee, database));
    return QSet<QString>(rights.begin(), rights.end());
}

// The hotel's database, made when the server has none of that name: first every right the
// program needs on it is checked, so that a database the account could not use (or drop
// again) is never made.
std::unique_ptr<ado::Connection> connectMakingDatabase(const ServerAccount &account, ado::Connection &server,
                                                       bool &created)
{
    created = false;
    auto existing = std::make_unique<ado::Connection>();
    try {
        existing->Open(ConnectionText(account, account.database));
        return existing;
    } catch (const vb::Error &error) {
        if (ServerErrorNumber(error) != UnknownDatabase)
            throw ConnectionRefusal(account, account.database, error);
    }
    QSet<QString> rights;
    try {
        rights = rightsOnMissingDatabase(server, account.database);
    } catch (const vb::Error &error) {
        serverFailed(error);
    }
    if (!rights.contains(QStringLiteral("CREATE")))
        throw Refusal{QStringLiteral("The server has no database %1, and this account may not create it (ask the "
                                     "server's administrator to, as the README says); nothing was changed.")
                          .arg(account.database)};
    for (const QString &right : NeededRights) {
        if (!rights.contains(right))
            throw Refusal{QStringLiteral("The server has no database %1, and this account would lack the right %2 on "
                                         "it; the program needs %3 there (see the README). Nothing was changed.")
                              .arg(account.database, right, neededRightsText())};
    }
    try {
        server.Execute(QStringLiteral("CREATE DATABASE %1 CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci")
                           .arg(account.database));
    } catch (const vb::Error &error) {
        throw Refusal{QStringLiteral("The server has no database %1, and this account may not create it (ask the "
                                     "server's administrator to, as the README says)%2: %3")
                          .arg(account.database, ErrorNumberText(error), error.Description())};
    }
    created = true;
    return connect(account, account.database);
}

// The hotel's tables the database holds already, as the schema names them.
QStringList hotelTablesPresent(ado::Connection &conn)
{
    QSet<QString> names;
    const QString tables =
        QStringLiteral("SELECT table_name FROM information_schema.tables WHERE table_schema = DATABASE()");
    for (const QString &name : ado::ColumnTexts(conn, tables))
        names.insert(name.toLower());
    QStringList present;
    for (const QString &table : schema::TableNames()) {
        if (names.contains(table.toLower()))
            present << table;
    }
    return present;
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
                                                "%3 there (see the README). The server said%4: %5")
                                     .arg(QLatin1String(step.right), account.database, neededRightsText(),
                                          ErrorNumberText(error), error.Description());
            throw Refusal{text};
        }
    }
}

// Runs the schema's statements, noting each table made (so that a later failure drops them again).
void createHotelTables(ado::Connection &conn, QStringList &created)
{
    const QStringList tables = schema::TableNames();
    try {
        for (const QString &statement : schema::AccessStatements()) {
            conn.Execute(statement);
            for (const QString &table : tables) {
                if (statement.startsWith(QStringLiteral("CREATE TABLE %1 ").arg(table)))
                    created << table;
            }
        }
    } catch (const vb::Error &error) {
        throw Refusal{QStringLiteral("Creating the hotel's tables failed%1: %2")
                          .arg(ErrorNumberText(error), error.Description())};
    }
}

// Checks the database, then creates the hotel's tables unless they are kept.
void putTables(ado::Connection &conn, const ServerAccount &account, ExistingTables existing, QStringList &created)
{
    try {
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
        if (present.isEmpty())
            createHotelTables(conn, created);
    } catch (const vb::Error &error) {
        serverFailed(error);
    }
}

} // namespace

ServerSetupResult PutHotelOnServer(const ServerAccount &account, ExistingTables existing,
                                   const std::function<void()> &settle)
{
    CheckAccount(account);
    ServerSetupResult result;
    const auto server = connect(account, QString());
    requireServerName(*server, account.database);
    try {
        requireCaseBlindTableNames(*server);
    } catch (const vb::Error &error) {
        serverFailed(error);
    }
    const auto conn = connectMakingDatabase(account, *server, result.createdDatabase);
    QStringList created;
    try {
        putTables(*conn, account, existing, created);
        result.createdTables = !created.isEmpty();
        settle();
    } catch (const Refusal &refusal) {
        // What this run made goes again, newest first.
        if (result.createdDatabase) {
            quietly([&] { server->Execute(QStringLiteral("DROP DATABASE ") + account.database); });
        } else {
            for (auto table = created.crbegin(); table != created.crend(); ++table)
                quietly([&] { conn->Execute(QStringLiteral("DROP TABLE ") + *table); });
        }
        if (created.isEmpty() && !result.createdDatabase)
            throw;
        throw Refusal{refusal.text + QStringLiteral(" What this run had made on the server was removed again.")};
    }
    return result;
}

} // namespace hoteldb
