// One suite, both engines: the statements the windows write, as they write them, on SQLCipher and on
// MariaDB through ODBC.
#include "ado/connection.h"
#include "ado/errors.h"
#include "ado/recordset.h"
#include "ado/result_table.h"
#include "support/expect_error.h"
#include "support/scratch_database.h"
#include "vb/conversions.h"
#include "vb/locale.h"

#include <QTest>
#include <memory>

namespace {

struct Database {
    explicit Database(const QString &engine) : scratch(engine) { conn.Open(scratch.connectionText()); }

    std::unique_ptr<ado::Recordset> query(const QString &sql)
    {
        auto rs = std::make_unique<ado::Recordset>();
        rs->Open(sql, conn, ado::adOpenKeyset, ado::adLockOptimistic);
        return rs;
    }
    vb::Variant scalar(const QString &sql) { return query(sql)->Fields(0).Value(); }

    // The booking window's INSERT, with the values that matter here.
    void insertGuest(const QString &first, const QString &uniqueNo, const QString &note = QStringLiteral("note"))
    {
        conn.Execute(QStringLiteral(
            "INSERT INTO tbl_customers (cTitle,cFirstName,cLastName,cAddress,cPhone, cNoOfAdults, cNoOfMinors, "
            "cCheckInDate, cCheckOutDate, cNoOfDays, cRoomsRate, cTax, cGrandTotal, cAdvancePaid, cDue, "
            "cPaymentMethod, cPaymentMethodDetails, cRoomNameID, cRoomNamePrice, cAdditionalNote, cUniqueNo, "
            "cStatus) values ('Mr.','%1','Smith','1 Road','555',2,0,#3/5/2009# , #3/8/2009#,3,450.5,45.05,495.55,"
            "100,395.55,'Cash','card!*!s','101,102','150,150','%3','%2','Checked In')")
                         .arg(first, uniqueNo, note));
    }

    testsupport::ScratchDatabase scratch;
    ado::Connection conn;
};

const char *const RoomTable =
    "CREATE TABLE [room_101] ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL, cUniqueID VARCHAR(225) "
    "NOT NULL, CheckInDate DATETIME, CheckOutDate DATETIME, RoomBookedDate DATETIME, RoomNote MEMO NULL)";

vb::Date day(int y, int m, int d)
{
    return vb::Date::fromQDate(QDate(y, m, d));
}

} // namespace

class TestAdoEngines : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }

    void typedValuesAndNull_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void typedValuesAndNull()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        db.insertGuest(QStringLiteral("Zoë"), QStringLiteral("ZSABCDEF"), QStringLiteral("00123"));
        db.conn.Execute("INSERT INTO tbl_users (cusername,cpassword,cmodifysettings,croomlist,cmodifytax,"
                        "canViewReport, ccustomerviewedit, cusertype) VALUES('admin','AB12',1,1,1,1,1,1)");

        auto rs = db.query("SELECT * FROM tbl_customers");
        QCOMPARE(rs->RecordCount(), 1L);
        QCOMPARE(rs->Fields().Count(), 23);
        QCOMPARE(rs->Fields(0).Name(), QStringLiteral("ID"));
        QCOMPARE(rs->Fields("id").Value().type(), vb::VarType::Long);
        QCOMPARE(rs->Fields("CFIRSTNAME").Value(), vb::Variant(QStringLiteral("Zoë")));
        QCOMPARE(rs->Fields("cNoOfAdults").Value(), vb::Variant(int32_t(2)));
        QCOMPARE(rs->Fields("cCheckInDate").Value(), vb::Variant(day(2009, 3, 5)));
        QCOMPARE(rs->Fields("cRoomsRate").Value(), vb::Variant(vb::Currency::fromRaw(4505000)));
        QCOMPARE(rs->Fields("cTax").Value(), vb::Variant(vb::Currency::fromRaw(450500)));
        // A memo is text: '00123' is no number.
        QCOMPARE(rs->Fields("cAdditionalNote").Value(), vb::Variant(QStringLiteral("00123")));
        QCOMPARE(rs->Fields("cPaymentMethodDetails").Value(), vb::Variant(QStringLiteral("card!*!s")));

        db.conn.Execute("UPDATE tbl_customers SET cAddress = NULL, cNoOfAdults ='3' WHERE ID=1");
        rs = db.query("SELECT cAddress, cNoOfAdults FROM tbl_customers");
        QVERIFY(rs->Fields("cAddress").Value().isNull());
        QCOMPARE(rs->Fields("cNoOfAdults").Value(), vb::Variant(int32_t(3)));

        rs = db.query("SELECT * FROM tbl_users WHERE cusername = 'ADMIN'");   // text compares without case
        QCOMPARE(rs->RecordCount(), 1L);
        QCOMPARE(rs->Fields("cusertype").Value(), vb::Variant(int16_t(1)));
    }

    void dateLiteralsRoundTrip_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void dateLiteralsRoundTrip()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        db.conn.Execute("INSERT INTO tbl_revenueStats (tRevenue,tBookingRevenue, tBookings) values(10,10,1)");
        // The revenue report writes M/D/YYYY; the booking window the short date form.
        db.conn.Execute("UPDATE tbl_revenueStats SET tDate = #3/5/2009#");
        auto rs = db.query("SELECT tRevenue,tBookingRevenue,tFoodDrinkRevenue,tBookings,tFoodOrders  FROM "
                           "tbl_revenueStats WHERE tDate=#3/5/2009#");
        QCOMPARE(rs->RecordCount(), 1L);
        QCOMPARE(rs->Fields("tFoodDrinkRevenue").Value(), vb::Variant(vb::Currency(0)));
        QCOMPARE(db.query("SELECT * FROM tbl_revenueStats WHERE tDate =#03/05/2009# ")->RecordCount(), 1L);
        QCOMPARE(db.query("SELECT * FROM tbl_revenueStats WHERE tDate =#3/6/2009#")->RecordCount(), 0L);
        QCOMPARE(db.scalar("SELECT tDate FROM tbl_revenueStats"), vb::Variant(day(2009, 3, 5)));

        db.conn.Execute(RoomTable);
        db.conn.Execute("INSERT INTO room_101 (RoomNameID, cUniqueID,CheckInDate,CheckOutDate,RoomBookedDate) "
                        "values ('101','AB',#13/03/2009#,#3/15/2009 2:30:00 PM#,#2009-03-01#)");
        rs = db.query("SELECT * FROM room_101");
        QCOMPARE(rs->Fields("CheckInDate").Value(), vb::Variant(day(2009, 3, 13)));
        const vb::Date out = rs->Fields("CheckOutDate").Value().asDate();
        QCOMPARE(out.toQDateTime(), QDateTime(QDate(2009, 3, 15), QTime(14, 30)));
        QCOMPARE(db.query("SELECT * FROM room_101 WHERE CheckOutDate > #3/15/2009#")->RecordCount(), 1L);
    }

    void databaseDefaults_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void databaseDefaults()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
        db.conn.Execute("INSERT INTO tbl_revenueStats (tRevenue, tFoodDrinkRevenue, tFoodOrders) values(5,5,1)");
        db.conn.Execute("INSERT INTO tbl_logTable (LogText,LoggedUser, LogKey) values('User Logged in : a','a','LoginLogout')");
        db.conn.Execute("INSERT INTO tbl_users(cusername, cpassword, cmodifysettings ,croomlist, cmodifytax, "
                        "ccustomerviewedit,canViewReport) VALUES('b','x',0,1,0,1,0)");
        auto rs = db.query("SELECT * FROM tbl_revenueStats");
        QCOMPARE(rs->Fields("tDate").Value(), vb::Variant(vb::Today()));
        QCOMPARE(rs->Fields("tBookings").Value(), vb::Variant(int32_t(0)));
        QCOMPARE(rs->Fields("tBookingRevenue").Value(), vb::Variant(vb::Currency(0)));
        const QDateTime logged = db.scalar("SELECT LogDateLine FROM tbl_logTable").asDate().toQDateTime();
        QVERIFY2(logged >= before && logged <= QDateTime::currentDateTime().addSecs(2), qPrintable(logged.toString()));
        QCOMPARE(db.scalar("SELECT cusertype FROM tbl_users"), vb::Variant(int16_t(0)));
    }

    void perRoomTables_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void perRoomTables()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        db.insertGuest(QStringLiteral("Ann"), QStringLiteral("ASABCDEF"));
        db.insertGuest(QStringLiteral("Bob"), QStringLiteral("BSABCDEF"));
        db.conn.Execute(RoomTable);
        db.conn.Execute("INSERT INTO room_101 (RoomNameID, cUniqueID,CheckInDate,CheckOutDate,RoomBookedDate) values "
                        "('101','bsabcdef',#3/5/2009#,#3/9/2009#,#3/1/2009#)");
        db.conn.Execute("INSERT INTO room_101 (RoomNameID, cUniqueID,CheckInDate,CheckOutDate,RoomBookedDate) values "
                        "('101','ASABCDEF',#3/5/2009#,#3/8/2009#,#3/1/2009#)");
        // The room schedule's join, earliest check-out first; guest numbers match without regard to case.
        auto rs = db.query("SELECT room_101.*,tbl_customers.cTitle, tbl_customers.cFirstName, tbl_customers.cLastName "
                           "FROM room_101, tbl_customers WHERE room_101.cUniqueID = tbl_customers.cUniqueNo "
                           "ORDER BY CheckOutDate ASC");
        QCOMPARE(rs->RecordCount(), 2L);
        QCOMPARE(rs->Fields().Count(), 10);
        QCOMPARE(rs->Fields("cFirstName").Value(), vb::Variant(QStringLiteral("Ann")));
        QCOMPARE(rs->Fields("RoomNameID").Value(), vb::Variant(int32_t(101)));
        QCOMPARE(rs->Fields("ID").Value(), vb::Variant(int32_t(2)));
        rs->MoveNext();
        QCOMPARE(rs->Fields("cFirstName").Value(), vb::Variant(QStringLiteral("Bob")));

        db.conn.Execute("DELETE FROM  room_101 WHERE cUniqueID = 'ASABCDEF'");
        QCOMPARE(db.query("SELECT * FROM room_101")->RecordCount(), 1L);
        db.conn.Execute("DROP TABLE [room_101]");
        HOTEL_EXPECT_ERROR(db.query("SELECT * FROM room_101"), ado::E_NO_TABLE);
        db.conn.Execute(RoomTable);   // a room added again starts empty
        QCOMPARE(db.query("SELECT * FROM ROOM_101")->RecordCount(), 0L);
    }

    void perOrderTables_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void perOrderTables()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        db.insertGuest(QStringLiteral("Ann"), QStringLiteral("ASABCDEF"));
        db.conn.Execute("INSERT INTO tbl_FoodOrders(OrderNo, FoodOrderID, CustomerTitle, CustomerFName, CustomreLName, "
                        "TotalPrice, Status) VALUES ('ASABCDEF','9108457612','Mr.','Ann','Smith',12.5,'Due')");
        db.conn.Execute("CREATE TABLE tbl_FoodOrder_9108457612 ( ID AUTOINCREMENT PRIMARY KEY,FoodItem VARCHAR(225) "
                        "NOT NULL, Price Currency NOT NULL)");
        db.conn.Execute("INSERT INTO tbl_FoodOrder_9108457612 (FoodItem, Price) VALUES ('Tea', 2.5)");
        db.conn.Execute("INSERT INTO tbl_FoodOrder_9108457612 (FoodItem, Price) VALUES ('Cake', 10)");
        auto rs = db.query("SELECT * FROM  tbl_FoodOrder_9108457612");
        QCOMPARE(rs->RecordCount(), 2L);
        rs->MoveLast();
        QCOMPARE(rs->Fields("ID").Value(), vb::Variant(int32_t(2)));
        QCOMPARE(rs->Fields("Price").Value(), vb::Variant(vb::Currency(10)));

        rs = db.query("SELECT * FROM tbl_customers as customertbl LEFT JOIN tbl_FoodOrders as foodtbl ON  "
                      "customertbl.cUniqueNo = foodtbl.OrderNo  WHERE cUniqueNo = 'ASABCDEF'");
        QCOMPARE(rs->RecordCount(), 1L);
        QCOMPARE(rs->Fields("FoodOrderID").Value(), vb::Variant(QStringLiteral("9108457612")));
        QCOMPARE(rs->Fields("Dateline").Value().type(), vb::VarType::Date);

        // A sum has no declared type: MariaDB gives a Currency, SQLite a number; both read as 12.5.
        const vb::Variant sum = db.scalar("SELECT  SUM(TotalPrice) as tPrice FROM tbl_FoodOrders WHERE OrderNo = 'ASABCDEF'");
        QVERIFY(sum.type() == vb::VarType::Currency || sum.type() == vb::VarType::Double);
        QCOMPARE(vb::CCur(sum), vb::Currency::fromRaw(125000));
        QVERIFY(db.scalar("SELECT  SUM(TaxRate) as tTax FROM tbl_tax WHERE TaxCat = 2").isNull());
        QCOMPARE(db.scalar("SELECT count(*) FROM tbl_FoodOrders"), vb::Variant(int32_t(1)));

        db.conn.Execute("DROP TABLE tbl_FoodOrder_9108457612");
        db.conn.Execute("DELETE FROM tbl_FoodOrders WHERE FoodOrderID ='9108457612'");
        HOTEL_EXPECT_ERROR(db.query("SELECT * FROM  tbl_FoodOrder_9108457612"), ado::E_NO_TABLE);
    }

    // What a table gives the order window, the details window and the removal, and what the
    // embedded file's store of per-order tables gives too: IDs from 1 in each table and never
    // given out twice, the errors of a missing table and of one made twice, the counts of
    // changed rows, the columns and their types, the rows in ID order.
    void perOrderTablesAreTables_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void perOrderTablesAreTables()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        const QString create = QStringLiteral("CREATE TABLE %1 ( ID AUTOINCREMENT PRIMARY KEY,FoodItem VARCHAR(225) "
                                              "NOT NULL, Price Currency NOT NULL)");
        const QString insert = QStringLiteral("INSERT INTO %1 (FoodItem, Price) VALUES ('%2', %3)");
        const struct {
            QString sql;
            long rows;    // when it succeeds
            long error;   // 0: it succeeds
        } steps[] = {
            {create.arg("[tbl_FoodOrder_111]"), 0, 0},
            {create.arg("tbl_FoodOrder_222"), 0, 0},
            {insert.arg("[tbl_FoodOrder_111]", "Tea", "2.5"), 1, 0},
            {insert.arg("[tbl_FoodOrder_111]", "Cake", "10"), 1, 0},
            {insert.arg("tbl_foodorder_222", "Soup", "4.25"), 1, 0},
            {insert.arg("[tbl_FoodOrder_111]", "Pie", "3"), 1, 0},
            {"DELETE FROM tbl_FoodOrder_111 WHERE Price > 5", 1, 0},
            {"DELETE FROM tbl_FoodOrder_111 WHERE tbl_FoodOrder_111.FoodItem = 'pie'", 1, 0},
            {insert.arg("[tbl_FoodOrder_111]", "Jam", "1"), 1, 0},
            {create.arg("[tbl_FoodOrder_111]"), 0, ado::E_SYNTAX},
            {insert.arg("tbl_FoodOrder_333", "Tea", "1"), 0, ado::E_NO_TABLE},
            {"SELECT * FROM  tbl_FoodOrder_333", 0, ado::E_NO_TABLE},
            {"DELETE FROM tbl_FoodOrder_333", 0, ado::E_NO_TABLE},
            {"DROP TABLE tbl_FoodOrder_333", 0, ado::E_NO_TABLE},
            {insert.arg("tbl_FoodOrder_222", "Tea", "'abc'"), 0, ado::E_TYPE_MISMATCH},
            {"INSERT INTO tbl_FoodOrder_222 (FoodItem) VALUES ('Tea')", 0, ado::E_FAIL_UNSPECIFIED},
        };
        for (const auto &step : steps) {
            long rows = -99;
            try {
                db.conn.Execute(step.sql, &rows);
                QVERIFY2(step.error == 0, qPrintable(step.sql));
                QVERIFY2(rows == step.rows, qPrintable(QStringLiteral("%1 gave %2").arg(step.sql).arg(rows)));
            } catch (const vb::Error &error) {
                QVERIFY2(error.Number() == step.error, qPrintable(step.sql + QStringLiteral(": ") + error.Description()));
            }
        }

        auto rs = db.query("SELECT * FROM  tbl_FoodOrder_111");
        QCOMPARE(rs->Fields().Count(), 3);
        QCOMPARE(rs->Fields(0).Name(), QStringLiteral("ID"));
        QCOMPARE(rs->Fields(1).Name(), QStringLiteral("FoodItem"));
        QCOMPARE(rs->Fields(2).Name(), QStringLiteral("Price"));
        QStringList rows;
        for (; !rs->IsEOF(); rs->MoveNext())
            rows << QStringLiteral("%1 %2 %3").arg(rs->Fields(0).Value().asLong()).arg(vb::CStr(rs->Fields(1).Value()),
                                                                                      vb::CStr(rs->Fields(2).Value()));
        QCOMPARE(rows, QStringList({"1 Tea 2.5", "4 Jam 1"}));
        rs = db.query("SELECT * FROM tbl_FoodOrder_222");
        QCOMPARE(rs->RecordCount(), 1L);
        QCOMPARE(rs->Fields("ID").Value(), vb::Variant(int32_t(1)));
        QCOMPARE(rs->Fields("FoodItem").Value(), vb::Variant(QStringLiteral("Soup")));
        QCOMPARE(rs->Fields("Price").Value(), vb::Variant(vb::Currency::fromRaw(42500)));
        QCOMPARE(db.query("SELECT * FROM [tbl_FoodOrder_111] WHERE 1=0")->Fields().Count(), 3);

        // Removed and made again, the table starts empty and counts from 1.
        long rowsOfDrop = -99;
        db.conn.Execute("DROP TABLE tbl_FoodOrder_111", &rowsOfDrop);
        QCOMPARE(rowsOfDrop, 0L);
        HOTEL_EXPECT_ERROR(db.query("SELECT * FROM  tbl_FoodOrder_111"), ado::E_NO_TABLE);
        db.conn.Execute(create.arg("[tbl_FoodOrder_111]"));
        QCOMPARE(db.query("SELECT * FROM tbl_FoodOrder_111")->RecordCount(), 0L);
        db.conn.Execute(insert.arg("[tbl_FoodOrder_111]", "Tea", "2"));
        QCOMPARE(db.scalar("SELECT ID FROM tbl_FoodOrder_111"), vb::Variant(int32_t(1)));

        // Rows written in a transaction go with its rollback.
        db.conn.BeginTrans();
        db.conn.Execute(insert.arg("tbl_FoodOrder_222", "Cake", "10"));
        QCOMPARE(db.query("SELECT * FROM tbl_FoodOrder_222")->RecordCount(), 2L);
        db.conn.RollbackTrans();
        QCOMPARE(db.query("SELECT * FROM tbl_FoodOrder_222")->RecordCount(), 1L);
    }

    // Changing statements the windows run as queries leave a closed recordset.
    void guestMovesToHistory_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void guestMovesToHistory()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        db.insertGuest(QStringLiteral("Ann"), QStringLiteral("ASABCDEF"), QStringLiteral("00123"));
        db.insertGuest(QStringLiteral("Bob"), QStringLiteral("BSABCDEF"));
        auto copy = db.query("INSERT INTO tbl_customers_history SELECT * FROM tbl_customers WHERE ID = 2");
        QCOMPARE(copy->State(), long(ado::adStateClosed));
        HOTEL_EXPECT_ERROR(copy->RecordCount(), ado::adErrObjectClosed);
        db.conn.Execute("DELETE FROM tbl_customers WHERE ID = 2");

        auto rs = db.query("SELECT * FROM tbl_customers_history WHERE cUniqueNo='BSABCDEF'");
        QCOMPARE(rs->RecordCount(), 1L);
        QCOMPARE(rs->Fields("ID").Value(), vb::Variant(int32_t(2)));
        QCOMPARE(rs->Fields("cGrandTotal").Value(), vb::Variant(vb::Currency::fromRaw(4955500)));
        QCOMPARE(rs->Fields("cCheckOutDate").Value(), vb::Variant(day(2009, 3, 8)));
        QCOMPARE(db.query("SELECT * FROM tbl_customers")->RecordCount(), 1L);

        // Copying the same guest twice (a removal retried) keeps both copies.
        db.query("INSERT INTO tbl_customers_history SELECT * FROM tbl_customers WHERE ID = 1");
        db.query("INSERT INTO tbl_customers_history SELECT * FROM tbl_customers WHERE ID = 1");
        QCOMPARE(db.query("SELECT * FROM tbl_customers_history")->RecordCount(), 3L);
        QCOMPARE(db.query("DELETE FROM tbl_customers_history")->State(), long(ado::adStateClosed));
        QCOMPARE(db.query("SELECT * FROM tbl_customers_history")->RecordCount(), 0L);
    }

    void searchesAndNames_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void searchesAndNames()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        db.insertGuest(QStringLiteral("Ann"), QStringLiteral("ASABCDEF"));
        db.insertGuest(QStringLiteral("Annabel"), QStringLiteral("ASQWERTY"));
        db.insertGuest(QStringLiteral("Bob"), QStringLiteral("BSABCDEF"));
        auto rs = db.query("SELECT * FROM tbl_customers WHERE cUniqueNo LIKE  'ann%' OR cFirstName LIKE  'ann%' OR "
                           "cLastName LIKE  'ann%'");
        QCOMPARE(rs->RecordCount(), 2L);
        QCOMPARE(db.query("SELECT * FROM tbl_customers WHERE cStatus = 'checked in'")->RecordCount(), 3L);
        QCOMPARE(db.query("SELECT * FROM TBL_Customers WHERE cFirstName = 'BOB'")->RecordCount(), 1L);
        db.conn.Execute("INSERT INTO tbl_Tax(TaxName,TaxRate,TaxCat ) values('VAT','12.5',1)");
        QCOMPARE(db.scalar("SELECT *  FROM tbl_tax WHERE TaxCat=1"), vb::Variant(int32_t(1)));
        QCOMPARE(db.query("SELECT TaxRate FROM tbl_Tax WHERE TaxCat=1")->Fields("taxrate").Value(),
                 vb::Variant(vb::Currency::fromRaw(125000)));
        db.conn.Execute("UPDATE tbl_Rooms SET RoomPrice = '75.25' WHERE RoomID =1");   // no such room: no change
        QCOMPARE(db.query("SELECT * FROM tbl_users ORDER BY id ASC")->RecordCount(), 0L);
    }

    // Beyond ASCII too, as Jet compares: equality and LIKE with its wildcards. (MariaDB's collation also
    // ignores accents; nothing here depends on that.)
    void textIgnoresCase_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void textIgnoresCase()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        for (const char *name : {"Müller", "zoë", "Ångström", "ann_x", "annex"})
            db.conn.Execute(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES('%1')").arg(QString::fromUtf8(name)));
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat WHERE catName = 'MÜLLER'")->RecordCount(), 1L);
        QCOMPARE(db.scalar("SELECT catName FROM tbl_foodCat WHERE catName = 'ZOË'"), vb::Variant(QStringLiteral("zoë")));
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat WHERE catName LIKE 'mÜ%'")->RecordCount(), 1L);
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat WHERE catName LIKE '%STRÖM'")->RecordCount(), 1L);
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat WHERE catName LIKE 'm_ller'")->RecordCount(), 1L);
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat WHERE catName LIKE 'ANN%'")->RecordCount(), 2L);
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat WHERE catName LIKE 'ann_'")->RecordCount(), 0L);
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat WHERE catName LIKE '%'")->RecordCount(), 5L);
        // A letter beyond ASCII is one character for '_'; a '%' gives back what it took when the
        // rest does not match.
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat WHERE catName LIKE '_ngstr_m'")->RecordCount(), 1L);
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat WHERE catName LIKE 'zo_'")->RecordCount(), 1L);
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat WHERE catName LIKE '%N%X'")->RecordCount(), 2L);
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat WHERE catName LIKE '%e%e%'")->RecordCount(), 0L);
    }

    void textsAsTyped_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void textsAsTyped()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        const QString text = QStringLiteral("C:\\notes\\ 100% #1 \"quoted\" [x] ünï ✓");
        db.conn.Execute(QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values('%1','it''s','x')")
                            .arg(text));
        auto rs = db.query("SELECT * FROM tbl_logTable");
        QCOMPARE(rs->Fields("LogText").Value(), vb::Variant(text));
        QCOMPARE(rs->Fields("LoggedUser").Value(), vb::Variant(QStringLiteral("it's")));
        const QString longText(20000, u'é');
        db.conn.Execute(QStringLiteral("UPDATE tbl_logTable SET LogText = '%1'").arg(longText));
        QCOMPARE(db.scalar("SELECT LogText FROM tbl_logTable").asString(), longText);
    }

    // A result of many rows, read in blocks on MariaDB: texts longer than any buffer, NULLs, dates
    // and amounts on rows scattered over the blocks, each back whole on its own row.
    void manyRowsEachValueOnItsRow_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void manyRowsEachValueOnItsRow()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        constexpr int Rows = 3000;
        const auto logText = [](int i) {
            return i % 7 == 3 ? QString(1500 + i, QChar(u'a' + i % 26)) + QString::number(i) + QStringLiteral("✓")
                              : QStringLiteral("row %1").arg(i);
        };
        db.conn.BeginTrans();
        for (int i = 0; i < Rows; ++i) {
            const QString user = i % 5 == 0 ? QStringLiteral("NULL") : QStringLiteral("'u%1'").arg(i);
            db.conn.Execute(QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey, LogDateLine) "
                                           "values('%1', %2, 'k', #%3/%4/2009#)")
                                .arg(logText(i), user)
                                .arg(i % 12 + 1)
                                .arg(i % 28 + 1));
            db.conn.Execute(QStringLiteral("INSERT INTO tbl_Tax(TaxName,TaxRate,TaxCat) values('t%1',%2.%3,%4)")
                                .arg(i)
                                .arg(i)
                                .arg(i % 10000, 4, 10, QLatin1Char('0'))
                                .arg(i % 3));
        }
        db.conn.CommitTrans();

        auto rs = db.query("SELECT ID, LoggedUser, LogText, LogDateLine FROM tbl_logTable ORDER BY ID");
        QCOMPARE(rs->RecordCount(), long(Rows));
        for (int i = 0; i < Rows; ++i, rs->MoveNext()) {
            QCOMPARE(rs->Fields(0).Value(), vb::Variant(int32_t(i + 1)));
            if (i % 5 == 0)
                QVERIFY2(rs->Fields(1).Value().isNull(), qPrintable(QString::number(i)));
            else
                QCOMPARE(rs->Fields(1).Value(), vb::Variant(QStringLiteral("u%1").arg(i)));
            QCOMPARE(rs->Fields(2).Value().asString(), logText(i));
            QCOMPARE(rs->Fields(3).Value(), vb::Variant(day(2009, i % 12 + 1, i % 28 + 1)));
        }
        rs = db.query("SELECT TaxRate, TaxCat FROM tbl_Tax ORDER BY ID");
        for (int i = 0; i < Rows; ++i, rs->MoveNext()) {
            QCOMPARE(rs->Fields(0).Value(), vb::Variant(vb::Currency::fromRaw(int64_t(i) * 10000 + i)));
            QCOMPARE(rs->Fields(1).Value(), vb::Variant(int16_t(i % 3)));
        }
        QVERIFY(rs->IsEOF());
    }

    void emptyTextsBeforeAnyOther_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void emptyTextsBeforeAnyOther()
    {
        // A result whose first texts are empty, then a long one, then short ones.
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        const QString longText(9000, u'x');
        db.conn.Execute(QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values('%1', '', '')")
                            .arg(longText));
        db.conn.Execute("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values('a', '', 'b')");
        auto rs = db.query("SELECT LoggedUser, LogKey, LogText FROM tbl_logTable ORDER BY ID");
        QCOMPARE(rs->Fields("LoggedUser").Value(), vb::Variant(QString()));
        QCOMPARE(rs->Fields("LogKey").Value(), vb::Variant(QString()));
        QCOMPARE(rs->Fields("LogText").Value(), vb::Variant(longText));
        rs->MoveNext();
        QCOMPARE(rs->Fields("LogText").Value(), vb::Variant(QStringLiteral("a")));
        QCOMPARE(rs->Fields("LogKey").Value(), vb::Variant(QStringLiteral("b")));
    }

    void errorNumbers_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void errorNumbers()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        HOTEL_EXPECT_ERROR(db.conn.Execute("SELEKT * FROM tbl_users"), ado::E_SYNTAX);
        HOTEL_EXPECT_ERROR(db.query("SELECT * FROM tbl_users WHERE"), ado::E_SYNTAX);
        HOTEL_EXPECT_ERROR(db.query("SELECT * FROM tbl_nothing"), ado::E_NO_TABLE);
        HOTEL_EXPECT_ERROR(db.query("SELECT cNothing FROM tbl_users"), ado::E_NO_VALUE);
        HOTEL_EXPECT_ERROR(db.query("SELECT * FROM tbl_users WHERE x = #31/31/2009#"), ado::E_SYNTAX);
        HOTEL_EXPECT_ERROR(db.conn.Execute("DROP TABLE [room_999]"), ado::E_NO_TABLE);
        HOTEL_EXPECT_ERROR(db.conn.Execute("INSERT INTO tbl_HotelInfo (ID, HotelName) VALUES (1, 'again')"),
                           ado::E_FAIL_UNSPECIFIED);
        db.conn.Execute(RoomTable);
        HOTEL_EXPECT_ERROR(db.conn.Execute(RoomTable), ado::E_SYNTAX);   // the table exists already
        HOTEL_EXPECT_ERROR(db.conn.Execute("INSERT INTO room_101 (RoomNameID) values ('101')"), ado::E_FAIL_UNSPECIFIED);
        db.conn.Execute("INSERT INTO tbl_users(cusername, cpassword, cmodifysettings ,croomlist, cmodifytax, "
                        "ccustomerviewedit,canViewReport) VALUES('b','x',0,1,0,1,0)");
        HOTEL_EXPECT_ERROR(db.conn.Execute("UPDATE tbl_users SET cmodifysettings = 'abc'"), ado::E_TYPE_MISMATCH);
        HOTEL_EXPECT_ERROR(db.conn.Execute("UPDATE tbl_users SET cmodifysettings = 1, croomlist = 'x' WHERE ID = 1"),
                           ado::E_TYPE_MISMATCH);
        QCOMPARE(db.scalar("SELECT cmodifysettings FROM tbl_users"), vb::Variant(int16_t(0)));
        HOTEL_EXPECT_ERROR(db.conn.Execute("INSERT INTO tbl_Tax(TaxName,TaxRate,TaxCat ) values('x','',1)"),
                           ado::E_TYPE_MISMATCH);
        try {
            db.query("SELECT * FROM tbl_nothing");
        } catch (const vb::Error &error) {
            QVERIFY(error.Description().contains(QLatin1String("tbl_nothing"), Qt::CaseInsensitive));
            QVERIFY(error.Source() == ado::JetSource || error.Source() == ado::OdbcSource);
        }
        // The connection still works after every failure.
        QCOMPARE(db.scalar("SELECT HotelName FROM tbl_HotelInfo WHERE ID=1"), vb::Variant(QStringLiteral("My Hotel")));
    }

    void closedObjects_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void closedObjects()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        HOTEL_EXPECT_ERROR(db.conn.Open(db.scratch.connectionText()), ado::adErrObjectOpen);
        QCOMPARE(db.conn.State(), long(ado::adStateOpen));

        ado::Recordset never;
        QCOMPARE(never.State(), long(ado::adStateClosed));
        HOTEL_EXPECT_ERROR(never.RecordCount(), ado::adErrObjectClosed);
        HOTEL_EXPECT_ERROR(never.Fields("ID").Value(), ado::adErrObjectClosed);
        HOTEL_EXPECT_ERROR(never.MoveNext(), ado::adErrObjectClosed);
        HOTEL_EXPECT_ERROR(never.Close(), ado::adErrObjectClosed);

        auto rs = db.query("SELECT * FROM tbl_HotelInfo");
        HOTEL_EXPECT_ERROR(rs->Open("SELECT * FROM tbl_HotelInfo", db.conn), ado::adErrObjectOpen);
        HOTEL_EXPECT_ERROR(rs->Fields("NoSuchField"), ado::adErrItemNotFound);
        HOTEL_EXPECT_ERROR(rs->Fields(6), ado::adErrItemNotFound);
        rs->Close();
        HOTEL_EXPECT_ERROR(rs->IsEOF(), ado::adErrObjectClosed);

        db.conn.Close();
        QCOMPARE(db.conn.State(), long(ado::adStateClosed));
        HOTEL_EXPECT_ERROR(db.conn.Execute("DELETE FROM tbl_logTable"), ado::adErrInvalidConnection);
        HOTEL_EXPECT_ERROR(db.query("SELECT * FROM tbl_HotelInfo"), ado::adErrInvalidConnection);
        HOTEL_EXPECT_ERROR(db.conn.BeginTrans(), ado::adErrInvalidConnection);
        HOTEL_EXPECT_ERROR(db.conn.Close(), ado::adErrObjectClosed);
        db.conn.Open(db.scratch.connectionText());   // opens again after a close
        QCOMPARE(db.query("SELECT * FROM tbl_HotelInfo")->RecordCount(), 1L);
    }

    void navigation_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void navigation()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        for (const char *name : {"Drinks", "Meals", "Snacks"})
            db.conn.Execute(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES('%1')").arg(QLatin1String(name)));
        auto rs = db.query("SELECT * FROM tbl_foodCat ORDER BY ID");
        QCOMPARE(rs->RecordCount(), 3L);
        QVERIFY(!rs->IsBOF() && !rs->IsEOF());
        QCOMPARE(rs->Fields("catName").Value(), vb::Variant(QStringLiteral("Drinks")));
        rs->MovePrevious();
        QVERIFY(rs->IsBOF() && !rs->IsEOF());
        HOTEL_EXPECT_ERROR(rs->Fields("catName").Value(), ado::adErrNoCurrentRecord);
        HOTEL_EXPECT_ERROR(rs->MovePrevious(), ado::adErrNoCurrentRecord);
        rs->MoveLast();
        QCOMPARE(rs->Fields(1).Value(), vb::Variant(QStringLiteral("Snacks")));
        rs->MoveNext();
        QVERIFY(rs->IsEOF() && !rs->IsBOF());
        HOTEL_EXPECT_ERROR(rs->Fields(1).Value(), ado::adErrNoCurrentRecord);
        HOTEL_EXPECT_ERROR(rs->MoveNext(), ado::adErrNoCurrentRecord);
        rs->MovePrevious();
        QCOMPARE(rs->Fields(1).Value(), vb::Variant(QStringLiteral("Snacks")));
        rs->MoveFirst();
        int walked = 0;
        while (!rs->IsEOF()) {
            ++walked;
            rs->MoveNext();
        }
        QCOMPARE(walked, 3);

        auto empty = db.query("SELECT * FROM tbl_foodCat WHERE ID = 0");
        QVERIFY(empty->IsBOF() && empty->IsEOF());
        QCOMPARE(empty->RecordCount(), 0L);
        QCOMPARE(empty->Fields().Count(), 2);
        HOTEL_EXPECT_ERROR(empty->MoveFirst(), ado::adErrNoCurrentRecord);
        HOTEL_EXPECT_ERROR(empty->Fields("catName").Value(), ado::adErrNoCurrentRecord);
    }

    // A list keeps the rows of its query after the recordset is closed or opened again, and
    // tells blank cells (Null, an empty text) without making their texts.
    void rowsOutliveTheRecordset_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void rowsOutliveTheRecordset()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        db.conn.Execute("INSERT INTO tbl_foodCat(catName) VALUES('Soup')");
        db.conn.Execute("INSERT INTO tbl_foodCat(catName) VALUES('')");
        db.conn.Execute("INSERT INTO tbl_foodCat(catName) VALUES(NULL)");
        auto rs = db.query("SELECT ID, catName FROM tbl_foodCat ORDER BY ID");
        const std::shared_ptr<const ado::ResultTable> rows = rs->Rows();
        rs->Close();
        HOTEL_EXPECT_ERROR(rs->Rows(), ado::adErrObjectClosed);
        QCOMPARE(rows->rowCount(), 3);
        QCOMPARE(rows->value(0, 1), vb::Variant(QStringLiteral("Soup")));
        QVERIFY(!rows->isBlank(0, 1));
        QVERIFY(rows->isBlank(1, 1));
        QVERIFY(rows->isBlank(2, 1));
        QVERIFY(!rows->isBlank(2, 0));
    }

    // Each statement in turn, with the rows it reports; a statement that changes no rows reports 0
    // even right after one that did.
    void recordsAffected_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void recordsAffected()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        const struct {
            const char *sql;
            long rows;
        } steps[] = {
            {"INSERT INTO tbl_foodCat(catName) VALUES('Soup')", 1},
            {"INSERT INTO tbl_foodCat(catName) VALUES('Tea')", 1},
            {"CREATE TABLE [room_7] ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL, cUniqueID VARCHAR(225) "
             "NOT NULL, CheckInDate DATETIME, CheckOutDate DATETIME, RoomBookedDate DATETIME, RoomNote MEMO NULL)", 0},
            {"UPDATE tbl_foodCat SET catName = catName", 2},   // matched, though nothing differs
            {"UPDATE tbl_foodCat SET catName = 'x' WHERE ID = -1", 0},
            {"SELECT * FROM tbl_foodCat", 0},
            {"DELETE FROM tbl_foodCat WHERE catName = 'Tea'", 1},
            {"DROP TABLE [room_7]", 0},
            {"DELETE FROM tbl_foodCat", 1},
            {"DELETE FROM tbl_foodCat", 0},
        };
        for (const auto &step : steps) {
            long rows = -99;
            db.conn.Execute(QString::fromUtf8(step.sql), &rows);
            QVERIFY2(rows == step.rows, qPrintable(QStringLiteral("%1 gave %2").arg(step.sql).arg(rows)));
        }
    }

    void transactions_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void transactions()
    {
        HOTEL_FETCH_ENGINE(engine);
        Database db(engine);
        HOTEL_EXPECT_ERROR(db.conn.CommitTrans(), ado::E_NO_TRANSACTION);
        QCOMPARE(db.conn.BeginTrans(), 1L);
        db.conn.Execute("INSERT INTO tbl_foodCat(catName) VALUES('Gone')");
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat")->RecordCount(), 1L);
        db.conn.RollbackTrans();
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat")->RecordCount(), 0L);

        db.conn.BeginTrans();
        db.conn.Execute("INSERT INTO tbl_foodCat(catName) VALUES('Kept')");
        db.conn.CommitTrans();
        HOTEL_EXPECT_ERROR(db.conn.RollbackTrans(), ado::E_NO_TRANSACTION);
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat")->RecordCount(), 1L);

        // Closing drops an open transaction.
        db.conn.BeginTrans();
        db.conn.Execute("INSERT INTO tbl_foodCat(catName) VALUES('Dropped')");
        db.conn.Close();
        db.conn.Open(db.scratch.connectionText());
        QCOMPARE(db.query("SELECT * FROM tbl_foodCat")->RecordCount(), 1L);
    }
};

QTEST_GUILESS_MAIN(TestAdoEngines)
#include "tst_ado_engines.moc"
