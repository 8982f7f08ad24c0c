// The embedded file as the program leaves it: no trigger on any table made at run time, the
// per-order tables as rows of one store that the sqlcipher client reads too, files of earlier
// versions with real per-order tables moved into the store without losing an item, and a
// statement that meets another workstation's schema change run again instead of refused.
#include "ado/connection.h"
#include "ado/errors.h"
#include "ado/recordset.h"
#include "support/expect_error.h"
#include "support/scratch_database.h"
#include "support/sqlcipher_client.h"
#include "vb/conversions.h"

#include <QDir>
#include <QTest>

using testsupport::SqlcipherClient;

namespace {

const char *const RoomTable =
    "CREATE TABLE [room_101] ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL, cUniqueID VARCHAR(225) "
    "NOT NULL, CheckInDate DATETIME, CheckOutDate DATETIME, RoomBookedDate DATETIME, RoomNote MEMO NULL)";

QString orderTable(const QString &id)
{
    return QStringLiteral("CREATE TABLE tbl_FoodOrder_%1 ( ID AUTOINCREMENT PRIMARY KEY,FoodItem VARCHAR(225) NOT NULL, "
                          "Price Currency NOT NULL)")
        .arg(id);
}

QString orderItem(const QString &id, const QString &item, const QString &price)
{
    return QStringLiteral("INSERT INTO tbl_FoodOrder_%1 (FoodItem, Price) VALUES ('%2', %3)").arg(id, item, price);
}

struct File {
    explicit File(const QString &name)
        : path(QDir(testsupport::scratchFolder()).filePath(name)), text(testsupport::makeScratchAccessDatabase(name))
    {
    }
    // What the sqlcipher client prints for `sql`.
    QString client(const QString &sql) const { return SqlcipherClient::runOnce(path, sql).trimmed(); }

    QString path;
    QString text;
};

QStringList itemsOf(ado::Connection &conn, const QString &id)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM  tbl_FoodOrder_") + id, conn);
    QStringList items;
    for (; !rs.IsEOF(); rs.MoveNext())
        items << QStringLiteral("%1 %2 %3").arg(rs.Fields("ID").Value().asLong()).arg(vb::CStr(rs.Fields("FoodItem").Value()),
                                                                                     vb::CStr(rs.Fields("Price").Value()));
    return items;
}

} // namespace

class TestFoodOrderStore : public QObject {
    Q_OBJECT

private slots:
    // A room and an order made, used and removed add no trigger and, for the order, no table:
    // the file's schema stays what the schema builder made. The type checks still refuse.
    void runTimeTablesAddNothingToParse()
    {
        File file(QStringLiteral("runtime.mdb"));
        const QString schemaBefore = file.client(QStringLiteral("SELECT type, name FROM sqlite_master ORDER BY name;"));
        ado::Connection conn;
        conn.Open(file.text);
        conn.Execute(RoomTable);
        conn.Execute("INSERT INTO room_101 (RoomNameID, cUniqueID,CheckInDate,CheckOutDate,RoomBookedDate) values "
                     "('101','AB1',#3/5/2009#,#3/9/2009#,#3/1/2009#)");
        HOTEL_EXPECT_ERROR(conn.Execute("INSERT INTO room_101 (RoomNameID, cUniqueID) values ('1x1','AB2')"),
                           ado::E_TYPE_MISMATCH);
        HOTEL_EXPECT_ERROR(conn.Execute("INSERT INTO room_101 (RoomNameID, cUniqueID, CheckInDate) values (1,'AB2','soon')"),
                           ado::E_TYPE_MISMATCH);
        conn.Execute(orderTable(QStringLiteral("101112")));
        conn.Execute(orderItem(QStringLiteral("101112"), QStringLiteral("Tea"), QStringLiteral("2.5")));
        HOTEL_EXPECT_ERROR(conn.Execute(orderItem(QStringLiteral("101112"), QStringLiteral("Tea"), QStringLiteral("''"))),
                           ado::E_TYPE_MISMATCH);
        conn.Close();

        QCOMPARE(file.client(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'trigger';")), QStringLiteral("0"));
        QCOMPARE(file.client(QStringLiteral("SELECT RoomNameID, typeof(RoomNameID) FROM room_101;")), QStringLiteral("101|integer"));
        QCOMPARE(file.client(QStringLiteral("SELECT type, name FROM sqlite_master WHERE name <> 'room_101' ORDER BY name;")),
                 schemaBefore);
    }

    // How a reader of the file with the sqlcipher client finds an order's items (README).
    void sqlcipherClientReadsAnOrdersItems()
    {
        File file(QStringLiteral("reader.mdb"));
        ado::Connection conn;
        conn.Open(file.text);
        conn.Execute(orderTable(QStringLiteral("91084576")));
        conn.Execute(orderItem(QStringLiteral("91084576"), QStringLiteral("Tea"), QStringLiteral("2.5")));
        conn.Execute(orderItem(QStringLiteral("91084576"), QStringLiteral("Cake"), QStringLiteral("10")));
        conn.Execute(orderTable(QStringLiteral("101010")));
        conn.Close();
        QCOMPARE(file.client(QStringLiteral(
                     "SELECT ID, FoodItem, Price FROM tbl_FoodOrderItems WHERE OrderID = '91084576' ORDER BY ID;")),
                 QStringLiteral("1|Tea|2.5\n2|Cake|10"));
        QCOMPARE(file.client(QStringLiteral("SELECT OrderID FROM tbl_FoodOrderTables ORDER BY OrderID;")),
                 QStringLiteral("101010\n91084576"));
    }

    // A file of an earlier version: real per-order tables with their triggers, one with its last
    // item removed (so the next ID is past the last row), and a table of that name that the order
    // window did not make. The open moves the orders' rows into the store and their tables out
    // of the file; the foreign table stays whole.
    void earlierPerOrderTablesMoveIntoTheStore()
    {
        File file(QStringLiteral("earlier.mdb"));
        const QString earlierTable = QStringLiteral(
            "CREATE TABLE \"tbl_FoodOrder_%1\" (ID INTEGER PRIMARY KEY AUTOINCREMENT, FoodItem VARCHAR(225) COLLATE "
            "NOCASE NOT NULL, Price CURRENCY NOT NULL); CREATE TRIGGER \"tbl_FoodOrder_%1_typecheck_insert\" BEFORE "
            "INSERT ON \"tbl_FoodOrder_%1\" WHEN typeof(NEW.\"Price\") NOT IN ('integer','real','null') BEGIN SELECT "
            "RAISE(ABORT, 'Data type mismatch in criteria expression.'); END;");
        file.client(QStringLiteral("DROP TABLE tbl_FoodOrderItems; DROP TABLE tbl_FoodOrderTables;") +
                    earlierTable.arg(555) + earlierTable.arg(666) +
                    QStringLiteral("INSERT INTO tbl_FoodOrder_555 (FoodItem, Price) VALUES ('Tea', 2.5), ('Cake', 10), "
                                   "('Pie', 3); DELETE FROM tbl_FoodOrder_555 WHERE ID = 3;"
                                   "CREATE TABLE tbl_FoodOrder_777 (Note TEXT); INSERT INTO tbl_FoodOrder_777 VALUES ('mine');"));

        ado::Connection conn;
        conn.Open(file.text);
        QCOMPARE(itemsOf(conn, QStringLiteral("555")), QStringList({"1 Tea 2.5", "2 Cake 10"}));
        QCOMPARE(itemsOf(conn, QStringLiteral("666")), QStringList());
        conn.Execute(orderItem(QStringLiteral("555"), QStringLiteral("Jam"), QStringLiteral("1")));
        conn.Execute(orderItem(QStringLiteral("666"), QStringLiteral("Jam"), QStringLiteral("1")));
        QCOMPARE(itemsOf(conn, QStringLiteral("555")), QStringList({"1 Tea 2.5", "2 Cake 10", "4 Jam 1"}));
        QCOMPARE(itemsOf(conn, QStringLiteral("666")), QStringList({"1 Jam 1"}));
        conn.Close();

        QCOMPARE(file.client(QStringLiteral("SELECT name FROM sqlite_master WHERE name LIKE 'tbl!_FoodOrder!_%' ESCAPE '!' "
                                            "OR type = 'trigger' ORDER BY name;")),
                 QStringLiteral("tbl_FoodOrder_777"));
        QCOMPARE(file.client(QStringLiteral("SELECT Note FROM tbl_FoodOrder_777;")), QStringLiteral("mine"));
        // The moved tables' pages were given back: nothing of them is left in the file.
        QCOMPARE(file.client(QStringLiteral("PRAGMA integrity_check;")), QStringLiteral("ok"));
    }

    // Another program creates and drops a table over and over while the program reads and
    // writes: every statement of the program succeeds.
    void schemaChangedElsewhereIsNoRefusal()
    {
        File file(QStringLiteral("schema.mdb"));
        SqlcipherClient other(file.path);
        other.send(QStringLiteral(".timeout 5000"));
        QString churn;
        for (int i = 0; i < 1000; ++i)
            churn += QStringLiteral("CREATE TABLE churn_%1 (a); DROP TABLE churn_%1;\n").arg(i % 7);
        other.post(churn);

        ado::Connection conn;
        conn.Open(file.text);
        for (int i = 0; i < 150; ++i) {
            conn.Execute(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES('c%1')").arg(i));
            ado::Recordset rs;
            rs.Open(QStringLiteral("SELECT count(*) FROM tbl_foodCat"), conn);
            QCOMPARE(rs.Fields(0).Value().asLong(), long(i + 1));
        }
    }
};

QTEST_GUILESS_MAIN(TestFoodOrderStore)
#include "tst_foodorderstore.moc"
