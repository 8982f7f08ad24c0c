#include "schema/schema.h"

#include "ado/connection.h"
#include "ado/database_file.h"
#include "ado/statement_hooks.h"
#include "schema/food_order_store.h"
#include "vb/error.h"

#include <QFile>
#include <QRegularExpression>

namespace schema {

namespace {

struct Table {
    QString name;
    QString columns;
};

// Guest rows; tbl_customers_history holds the same columns in the same order, so that
// "INSERT INTO tbl_customers_history SELECT * FROM tbl_customers" copies a guest.
const char *const GuestColumns =
    "cTitle TEXT(50), cFirstName TEXT(255), cLastName TEXT(255), cAddress MEMO, cPhone TEXT(255), "
    "cNoOfAdults LONG, cNoOfMinors LONG, cCheckInDate DATETIME, cCheckOutDate DATETIME, cNoOfDays LONG, "
    "cRoomsRate CURRENCY, cTax CURRENCY, cGrandTotal CURRENCY, cAdvancePaid CURRENCY, cDue CURRENCY, "
    "cPaymentMethod TEXT(255), cPaymentMethodDetails MEMO, cRoomNameID MEMO, cRoomNamePrice MEMO, "
    "cAdditionalNote MEMO, cUniqueNo TEXT(50), cStatus TEXT(50)";

QList<Table> tables()
{
    const QString guest = QLatin1String(GuestColumns);
    return {
        {"tbl_customers", "ID AUTOINCREMENT PRIMARY KEY, " + guest},
        // A former guest keeps the ID of the row copied in; the same guest copied twice must not fail.
        {"tbl_customers_history", "ID LONG NOT NULL, " + guest},
        {"tbl_Rooms", "RoomID AUTOINCREMENT PRIMARY KEY, RoomNameID TEXT(50), Description MEMO, "
                      "RoomType TEXT(255), RoomPrice CURRENCY"},
        {"tbl_users", "ID AUTOINCREMENT PRIMARY KEY, cusername TEXT(255), cpassword MEMO, cmodifysettings SHORT, "
                      "croomlist SHORT, cmodifytax SHORT, ccustomerviewedit SHORT, canViewReport SHORT, "
                      "cusertype SHORT DEFAULT 0"},
        {"tbl_Tax", "ID AUTOINCREMENT PRIMARY KEY, TaxName TEXT(255), TaxRate CURRENCY, TaxCat SHORT"},
        {"tbl_foodCat", "ID AUTOINCREMENT PRIMARY KEY, catName TEXT(255)"},
        {"tbl_FoodItem", "ID AUTOINCREMENT PRIMARY KEY, ItemName TEXT(255), ItemPrice CURRENCY, ItemNote MEMO, "
                         "ItemCat LONG"},
        {"tbl_FoodOrders", "ID AUTOINCREMENT PRIMARY KEY, OrderNo TEXT(50), FoodOrderID TEXT(50), "
                           "CustomerTitle TEXT(50), CustomerFName TEXT(255), CustomreLName TEXT(255), "
                           "TotalPrice CURRENCY, Status TEXT(50), Dateline DATETIME DEFAULT Now()"},
        {"tbl_revenueStats", "tDate DATETIME DEFAULT Date(), tRevenue CURRENCY DEFAULT 0, "
                             "tBookingRevenue CURRENCY DEFAULT 0, tFoodDrinkRevenue CURRENCY DEFAULT 0, "
                             "tBookings LONG DEFAULT 0, tFoodOrders LONG DEFAULT 0"},
        {"tbl_logTable", "ID AUTOINCREMENT PRIMARY KEY, LogText MEMO, LoggedUser TEXT(255), LogKey TEXT(50), "
                         "LogDateLine DATETIME DEFAULT Now()"},
        {"tbl_HotelInfo", "ID AUTOINCREMENT PRIMARY KEY, HotelName TEXT(255), HotelPhoneNo TEXT(255), "
                          "HotelFaxNo TEXT(255), HotelAddress MEMO, AddOrderSign SHORT DEFAULT 0"},
    };
}

// Indexes on the columns the lists, searches and reports look rows up by: guest numbers
// (current and former guests, food orders), the order ids the order window checks a new id
// against and the orders window finds an order by, the dates and keys the report and log
// filter on, and the names the windows find rooms, users and catalogue items by.
const char *const Indexes[][3] = {
    {"idx_customers_uniqueno", "tbl_customers", "cUniqueNo"},
    {"idx_customers_history_uniqueno", "tbl_customers_history", "cUniqueNo"},
    {"idx_foodorders_orderno", "tbl_FoodOrders", "OrderNo"},
    {"idx_foodorders_foodorderid", "tbl_FoodOrders", "FoodOrderID"},
    {"idx_foodorders_dateline", "tbl_FoodOrders", "Dateline"},
    {"idx_fooditem_itemcat", "tbl_FoodItem", "ItemCat"},
    {"idx_revenuestats_tdate", "tbl_revenueStats", "tDate"},
    {"idx_logtable_logdateline", "tbl_logTable", "LogDateLine"},
    {"idx_logtable_logkey", "tbl_logTable", "LogKey"},
    {"idx_tax_taxcat", "tbl_Tax", "TaxCat"},
    {"idx_rooms_roomnameid", "tbl_Rooms", "RoomNameID"},
    {"idx_users_username", "tbl_users", "cusername"},
};

// The hotel information starts neutral; the administrators fill it in. Texts are empty rather than
// Null because the windows put them straight into text boxes.
const char *const HotelInfoRow =
    "INSERT INTO tbl_HotelInfo (ID, HotelName, HotelPhoneNo, HotelFaxNo, HotelAddress, AddOrderSign) "
    "VALUES (1, 'My Hotel', '', '', '', 1)";

// The text columns that windows fill into tables made at run time, as the CREATE TABLE statements
// of those windows declare them: a food order's items take the catalogue's item names.
QList<Table> runTimeTables()
{
    return {{FoodOrderTablePrefix, "FoodItem VARCHAR(225)"}};
}

// The store of the per-order tables, in SQLite's dialect. The column types are those the order
// window's CREATE TABLE gives its table, so that the fields read back with the same types;
// WITHOUT ROWID keeps each order's items together, in ID order, under the key.
QList<Table> embeddedFileTables()
{
    return {
        {FoodOrderTablesTable, "OrderID VARCHAR(64) NOT NULL PRIMARY KEY, LastID INTEGER NOT NULL"},
        {FoodOrderItemsTable, "OrderID VARCHAR(64) NOT NULL, ID INTEGER NOT NULL, FoodItem VARCHAR(225) COLLATE "
                              "NOCASE NOT NULL, Price CURRENCY NOT NULL " +
                                  ado::rewrite::numberTypeCheck(QStringLiteral("Price")) +
                                  ", PRIMARY KEY (OrderID, ID)"},
    };
}

// The width of `column` in a table's column definitions, 0 when it has no fixed width.
int widthIn(const QString &columns, const QString &column)
{
    static const QRegularExpression text(QStringLiteral("^(\\w+)\\s+(?:TEXT|VARCHAR|CHAR)\\((\\d+)\\)"),
                                         QRegularExpression::CaseInsensitiveOption);
    for (const QString &definition : columns.split(QLatin1Char(','))) {
        const QRegularExpressionMatch match = text.match(definition.trimmed());
        if (match.hasMatch() && match.captured(1).compare(column, Qt::CaseInsensitive) == 0)
            return match.captured(2).toInt();
    }
    return 0;
}

QStringList namesOf(const QList<Table> &list)
{
    QStringList names;
    for (const Table &table : list)
        names << table.name;
    return names;
}

} // namespace

int TextColumnWidth(const QString &table, const QString &column)
{
    const QList<Table> all = tables() + runTimeTables();
    for (const Table &candidate : all) {
        if (candidate.name.compare(table, Qt::CaseInsensitive) == 0)
            return widthIn(candidate.columns, column);
    }
    return 0;
}

QStringList TableNames()
{
    return namesOf(tables());
}

QStringList AccessStatements()
{
    QStringList statements;
    for (const Table &table : tables())
        statements << QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, table.columns);
    for (const auto &index : Indexes)
        statements << QStringLiteral("CREATE INDEX %1 ON %2 (%3)").arg(QLatin1String(index[0]), QLatin1String(index[1]),
                                                                      QLatin1String(index[2]));
    statements << QString::fromLatin1(HotelInfoRow);
    return statements;
}

QStringList StatementsFor(ado::SqlDialect dialect)
{
    QStringList statements;
    for (const QString &statement : AccessStatements())
        statements << ado::translateAccessSql(statement, dialect);
    return statements;
}

QStringList EmbeddedFileTableNames()
{
    return namesOf(embeddedFileTables());
}

QStringList EmbeddedFileStatements()
{
    QStringList statements;
    for (const Table &table : embeddedFileTables())
        statements << QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2) WITHOUT ROWID").arg(table.name, table.columns);
    return statements;
}

void CreateTables(ado::Connection &connection)
{
    for (const QString &statement : AccessStatements())
        connection.Execute(statement);
}

void MakeDefaultDatabase(const QString &path)
{
    InstallFoodOrderStore();
    ado::CreateDatabaseFile(path, BuiltInPassword);
    try {
        ado::Connection connection;
        connection.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=False;"
                                       "Jet OLEDB:Database Password=%2")
                            .arg(path, BuiltInPassword));
        connection.BeginTrans();
        CreateTables(connection);
        connection.CommitTrans();
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

} // namespace schema
