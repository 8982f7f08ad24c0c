// The tables the program expects, on both engines, and the default data.mdb that the set-up writes.
#include "ado/connection.h"
#include "ado/recordset.h"
#include "schema/schema.h"
#include "support/scratch_database.h"
#include "vb/conversions.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

// The columns as the windows read them, in order.
const QMap<QString, QStringList> &expectedColumns()
{
    static const QStringList guest = {
        "ID", "cTitle", "cFirstName", "cLastName", "cAddress", "cPhone", "cNoOfAdults", "cNoOfMinors",
        "cCheckInDate", "cCheckOutDate", "cNoOfDays", "cRoomsRate", "cTax", "cGrandTotal", "cAdvancePaid", "cDue",
        "cPaymentMethod", "cPaymentMethodDetails", "cRoomNameID", "cRoomNamePrice", "cAdditionalNote", "cUniqueNo",
        "cStatus"};
    static const QMap<QString, QStringList> columns = {
        {"tbl_customers", guest},
        {"tbl_customers_history", guest},
        {"tbl_Rooms", {"RoomID", "RoomNameID", "Description", "RoomType", "RoomPrice"}},
        {"tbl_users", {"ID", "cusername", "cpassword", "cmodifysettings", "croomlist", "cmodifytax",
                       "ccustomerviewedit", "canViewReport", "cusertype"}},
        {"tbl_Tax", {"ID", "TaxName", "TaxRate", "TaxCat"}},
        {"tbl_foodCat", {"ID", "catName"}},
        {"tbl_FoodItem", {"ID", "ItemName", "ItemPrice", "ItemNote", "ItemCat"}},
        {"tbl_FoodOrders", {"ID", "OrderNo", "FoodOrderID", "CustomerTitle", "CustomerFName", "CustomreLName",
                            "TotalPrice", "Status", "Dateline"}},
        {"tbl_revenueStats", {"tDate", "tRevenue", "tBookingRevenue", "tFoodDrinkRevenue", "tBookings", "tFoodOrders"}},
        {"tbl_logTable", {"ID", "LogText", "LoggedUser", "LogKey", "LogDateLine"}},
        {"tbl_HotelInfo", {"ID", "HotelName", "HotelPhoneNo", "HotelFaxNo", "HotelAddress", "AddOrderSign"}},
    };
    return columns;
}

QStringList columnsOf(ado::Connection &conn, const QString &table)
{
    ado::Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM %1 WHERE 1=0").arg(table), conn);
    QStringList names;
    for (int i = 0; i < rs.Fields().Count(); ++i)
        names << rs.Fields(i).Name();
    return names;
}

// Runs the real sqlcipher shell on a file with the given commands; returns what it prints.
QString sqlcipherShell(const QString &path, const QByteArray &commands, int *exitCode = nullptr)
{
    QProcess shell;
    shell.setProcessChannelMode(QProcess::MergedChannels);
    shell.start(QStringLiteral("sqlcipher"), {QStringLiteral("-batch"), path});
    shell.write(commands);
    shell.closeWriteChannel();
    if (!shell.waitForFinished(30000))
        return QStringLiteral("<sqlcipher did not finish>");
    if (exitCode)
        *exitCode = shell.exitCode();
    return QString::fromUtf8(shell.readAll());
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class TestSchema : public QObject {
    Q_OBJECT

private slots:
    void everyTableWithItsColumns_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void everyTableWithItsColumns()
    {
        HOTEL_FETCH_ENGINE(engine);
        testsupport::ScratchDatabase db(engine);
        ado::Connection conn;
        conn.Open(db.connectionText());
        const QStringList tables = schema::TableNames();
        QCOMPARE(QSet<QString>(tables.begin(), tables.end()),
                 QSet<QString>(expectedColumns().keyBegin(), expectedColumns().keyEnd()));
        for (auto it = expectedColumns().cbegin(); it != expectedColumns().cend(); ++it)
            QCOMPARE(columnsOf(conn, it.key()), it.value());
    }

    // The guest numbers the lists and lookups search by are indexed on both engines.
    void lookupColumnsAreIndexed_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void lookupColumnsAreIndexed()
    {
        HOTEL_FETCH_ENGINE(engine);
        testsupport::ScratchDatabase db(engine);
        ado::Connection conn;
        conn.Open(db.connectionText());
        const QString sql = db.isMariaDb()
            ? QStringLiteral("SELECT lower(table_name), lower(column_name) FROM information_schema.statistics WHERE "
                             "table_schema = database() AND index_name LIKE 'idx%'")
            : QStringLiteral("SELECT lower(tbl_name), lower(substr(sql, instr(sql, '(') + 1, "
                             "instr(sql, ')') - instr(sql, '(') - 1)) FROM sqlite_master WHERE type = 'index' AND "
                             "name LIKE 'idx%'");
        ado::Recordset rs;
        rs.Open(sql, conn);
        QSet<QString> indexed;
        for (; !rs.IsEOF(); rs.MoveNext())
            indexed << vb::CStr(rs.Fields(0).Value()) + QLatin1Char('.') + vb::CStr(rs.Fields(1).Value());
        for (const char *column : {"tbl_customers.cuniqueno", "tbl_customers_history.cuniqueno",
                                   "tbl_foodorders.orderno", "tbl_foodorders.foodorderid", "tbl_revenuestats.tdate",
                                   "tbl_logtable.logdateline"})
            QVERIFY2(indexed.contains(QString::fromLatin1(column)), column);
    }

    void hotelInformationAndNothingElse_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void hotelInformationAndNothingElse()
    {
        HOTEL_FETCH_ENGINE(engine);
        testsupport::ScratchDatabase db(engine);
        ado::Connection conn;
        conn.Open(db.connectionText());
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM tbl_HotelInfo"), conn, ado::adOpenKeyset, ado::adLockOptimistic);
        QCOMPARE(rs.RecordCount(), 1L);
        QCOMPARE(rs.Fields(QStringLiteral("ID")).Value(), vb::Variant(int32_t(1)));
        QCOMPARE(rs.Fields(QStringLiteral("AddOrderSign")).Value(), vb::Variant(int16_t(1)));
        // The windows put these straight into text boxes: texts, never Null.
        for (const char *field : {"HotelName", "HotelPhoneNo", "HotelFaxNo", "HotelAddress"})
            QCOMPARE(rs.Fields(QString::fromLatin1(field)).Value().type(), vb::VarType::String);
        for (const QString &table : schema::TableNames()) {
            if (table == QLatin1String("tbl_HotelInfo"))
                continue;
            rs.Close();
            rs.Open(QStringLiteral("SELECT * FROM ") + table, conn);
            QVERIFY2(rs.RecordCount() == 0, qPrintable(table));
        }
    }

    // The statements as each engine runs them keep nothing of the Access dialect.
    void textColumnWidths_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::addColumn<int>("width");
        QTest::newRow("title") << "tbl_customers" << "cTitle" << 50;
        QTest::newRow("name, any case") << "TBL_Customers" << "CFIRSTNAME" << 255;
        QTest::newRow("memo") << "tbl_customers" << "cAddress" << 0;
        QTest::newRow("number") << "tbl_customers" << "cNoOfAdults" << 0;
        QTest::newRow("first column") << "tbl_foodCat" << "catName" << 255;
        QTest::newRow("room number") << "tbl_Rooms" << "RoomNameID" << 50;
        QTest::newRow("order item, made at run time") << "tbl_FoodOrder_" << "FoodItem" << 225;
        QTest::newRow("no such column") << "tbl_foodCat" << "catNam" << 0;
        QTest::newRow("no such table") << "tbl_food" << "catName" << 0;
    }
    void textColumnWidths()
    {
        QFETCH(QString, table);
        QFETCH(QString, column);
        QFETCH(int, width);
        QCOMPARE(schema::TextColumnWidth(table, column), width);
    }

    void statementsPerEngine()
    {
        const QString lite = schema::StatementsFor(ado::SqlDialect::SQLite).join(u'\n');
        const QString maria = schema::StatementsFor(ado::SqlDialect::MariaDB).join(u'\n');
        for (const QString &sql : {lite, maria}) {
            QVERIFY(!sql.contains(QLatin1String("MEMO")));
            QVERIFY(!sql.contains(QLatin1String("Now()")));
            QVERIFY(!sql.contains(QLatin1String("AUTOINCREMENT PRIMARY KEY")));
        }
        QVERIFY(lite.contains(QLatin1String("cusername VARCHAR(255) COLLATE NOCASE")));
        QVERIFY(maria.contains(QLatin1String("TotalPrice DECIMAL(19,4)")));
        QVERIFY(maria.contains(QLatin1String("COLLATE=utf8mb4_general_ci")));
    }

    void defaultDatabaseTool()
    {
        const QString tool = QDir(qEnvironmentVariable("HOTEL_PROGRAM_DIR")).filePath(QStringLiteral("make-default-db"));
        QVERIFY2(QFile::exists(tool), qPrintable(tool));
        const QString path = QDir(testsupport::scratchFolder()).filePath(QStringLiteral("data.mdb"));
        QFile::remove(path);
        QCOMPARE(QProcess::execute(tool, {path}), 0);
        const QByteArray written = fileHash(path);
        QVERIFY(!written.isEmpty());

        // Never overwrites: a second run fails and leaves the file as it was.
        QVERIFY(QProcess::execute(tool, {path}) != 0);
        QCOMPARE(fileHash(path), written);

        // The real sqlcipher shell sees every table with the built-in key, and nothing without it.
        const QString tables = sqlcipherShell(path, "PRAGMA key='640917';\n.tables\n");
        for (const QString &table : schema::TableNames())
            QVERIFY2(tables.contains(table), qPrintable(tables));
        // The store of the food orders' items is there from the start, and no table carries a
        // trigger.
        for (const char *store : {"tbl_FoodOrderItems", "tbl_FoodOrderTables"})
            QVERIFY2(tables.contains(QLatin1String(store)), qPrintable(tables));
        QCOMPARE(sqlcipherShell(path, "PRAGMA key='640917';\nSELECT count(*) FROM sqlite_master WHERE type = 'trigger';\n")
                     .trimmed(),
                 QStringLiteral("0"));
        QVERIFY(sqlcipherShell(path, ".tables\n").contains(QLatin1String("not a database")));
        QVERIFY(sqlcipherShell(path, "PRAGMA key='640918';\nSELECT count(*) FROM sqlite_master;\n")
                    .contains(QLatin1String("not a database")));
        QCOMPARE(sqlcipherShell(path, "PRAGMA key='640917';\nSELECT HotelName, AddOrderSign FROM tbl_HotelInfo;\n").trimmed(),
                 QStringLiteral("My Hotel|1"));

        ado::Connection conn;
        conn.Open(testsupport::accessConnectionText(path, schema::BuiltInPassword));
        QCOMPARE(columnsOf(conn, QStringLiteral("tbl_customers")), expectedColumns().value("tbl_customers"));
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
