// The Access dialect turned into SQLite's and MariaDB's, and the small readers under it.
#include "ado/connection_text.h"
#include "ado/jet_date.h"
#include "ado/sql_translator.h"
#include "ado/value_text.h"
#include "vb/datetime.h"

#include <QRandomGenerator>
#include <QTest>

using ado::SqlDialect;

class TestAdoTranslator : public QObject {
    Q_OBJECT

private:
    static QString sqlite(const QString &sql) { return ado::translateAccessSql(sql, SqlDialect::SQLite).join(u'\n'); }
    static QString maria(const QString &sql) { return ado::translateAccessSql(sql, SqlDialect::MariaDB).join(u'\n'); }

private slots:
    void dateLiterals_data()
    {
        QTest::addColumn<QString>("literal");
        QTest::addColumn<QString>("stored");   // empty: rejected
        QTest::newRow("M/D/YYYY") << "3/5/2009" << "2009-03-05";
        QTest::newRow("day first when month is impossible") << "13/03/2009" << "2009-03-13";
        QTest::newRow("short date of en_GB with zeros") << "25/12/2009" << "2009-12-25";
        QTest::newRow("ISO") << "2009-03-05" << "2009-03-05";
        QTest::newRow("with time") << "3/5/2009 10:30:15 AM" << "2009-03-05 10:30:15";
        QTest::newRow("PM") << "3/5/2009 1:05 PM" << "2009-03-05 13:05:00";
        QTest::newRow("midnight is the date alone") << "3/5/2009 12:00:00 AM" << "2009-03-05";
        QTest::newRow("24h time") << "2009-03-05 23:59:59" << "2009-03-05 23:59:59";
        QTest::newRow("time alone") << "10:30 PM" << "1899-12-30 22:30:00";
        QTest::newRow("month name") << "5-Mar-2009" << "2009-03-05";
        QTest::newRow("long month name") << "March 5, 2009" << "2009-03-05";
        QTest::newRow("two-digit year 29") << "3/5/29" << "2029-03-05";
        QTest::newRow("two-digit year 30") << "3/5/30" << "1930-03-05";
        QTest::newRow("dotted") << "05.03.2009" << "2009-05-03";
        QTest::newRow("leap day") << "2/29/2008" << "2008-02-29";
        QTest::newRow("no leap day") << "2/29/2009" << "";
        QTest::newRow("both orders impossible") << "13/13/2009" << "";
        QTest::newRow("no year") << "3/5" << "";
        QTest::newRow("words") << "today" << "";
        QTest::newRow("hour 25") << "25:00" << "";
        QTest::newRow("PM hour 13") << "3/5/2009 13:00 PM" << "";
        QTest::newRow("empty") << "" << "";
    }

    void dateLiterals()
    {
        QFETCH(QString, literal);
        QFETCH(QString, stored);
        const auto parts = ado::parseJetDateLiteral(literal);
        QCOMPARE(parts.has_value(), !stored.isEmpty());
        if (parts)
            QCOMPARE(ado::isoDateText(*parts), stored);
    }

    void datesBecomeQuotedIsoText()
    {
        QCOMPARE(sqlite("SELECT * FROM tbl_revenueStats WHERE tDate =#3/5/2009# "),
                 QStringLiteral("SELECT * FROM tbl_revenueStats WHERE tDate ='2009-03-05'"));
        QCOMPARE(maria("UPDATE t SET a = #3/5/2009 10:00:00 AM#"),
                 QStringLiteral("UPDATE t SET a = '2009-03-05 10:00:00'"));
        try {
            sqlite("SELECT * FROM t WHERE d = #2/30/2009#");
            QFAIL("an impossible date was accepted");
        } catch (const ado::SqlSyntaxError &error) {
            QVERIFY(error.message.contains(QLatin1String("#2/30/2009#")));
        }
    }

    // A '#' inside quotes is text, not a date; in MariaDB it would otherwise start a comment.
    void quotedTextIsLeftAlone()
    {
        const QString sql = QStringLiteral("INSERT INTO t (a, b) values('it''s #1 [x]', \"say \"\"hi\"\" 'you'\")");
        const QString expected = QStringLiteral("INSERT INTO t (a, b) values('it''s #1 [x]', 'say \"hi\" ''you''')");
        QCOMPARE(sqlite(sql), expected);
        QCOMPARE(maria(sql), expected);
        QCOMPARE(maria("SELECT * FROM t WHERE p = 'C:\\dir\\'"), QStringLiteral("SELECT * FROM t WHERE p = 'C:\\dir\\'"));
    }

    void bracketsBecomeQuotedNames()
    {
        QCOMPARE(sqlite("DROP TABLE [room_101]"), QStringLiteral("DROP TABLE \"room_101\""));
        QCOMPARE(maria("DROP TABLE [room_101]"), QStringLiteral("DROP TABLE `room_101`"));
        QCOMPARE(maria("SELECT [a`b] FROM x"), QStringLiteral("SELECT `a``b` FROM x"));
    }

    void currentDateFunctions()
    {
        QCOMPARE(sqlite("SELECT * FROM t WHERE d < Now()"),
                 QStringLiteral("SELECT * FROM t WHERE d < datetime('now','localtime')"));
        QCOMPARE(maria("SELECT * FROM t WHERE d = date ( )"), QStringLiteral("SELECT * FROM t WHERE d = CURDATE()"));
        // A column named Date stays a column.
        QCOMPARE(sqlite("SELECT Date FROM t"), QStringLiteral("SELECT Date FROM t"));
    }

    void doubleMinusIsNoComment()
    {
        QCOMPARE(maria("UPDATE t SET a = a --5"), QStringLiteral("UPDATE t SET a = a - -5"));
    }

    void oneStatementOnly()
    {
        QCOMPARE(sqlite("DELETE FROM tbl_logTable;  "), QStringLiteral("DELETE FROM tbl_logTable"));
        QVERIFY_THROWS_EXCEPTION(ado::SqlSyntaxError, sqlite("SELECT * FROM t; DROP TABLE t"));
        QVERIFY_THROWS_EXCEPTION(ado::SqlSyntaxError, sqlite("PRAGMA key='x'"));
        QVERIFY_THROWS_EXCEPTION(ado::SqlSyntaxError, sqlite("ATTACH DATABASE '/tmp/x' AS y"));
        QVERIFY_THROWS_EXCEPTION(ado::SqlSyntaxError, sqlite("   "));
        QVERIFY_THROWS_EXCEPTION(ado::SqlSyntaxError, sqlite("SELECT 'open"));
        QVERIFY_THROWS_EXCEPTION(ado::SqlSyntaxError, sqlite("SELECT [open"));
        QVERIFY_THROWS_EXCEPTION(ado::SqlSyntaxError, sqlite("SELECT #3/5/2009"));
        QVERIFY_THROWS_EXCEPTION(ado::SqlSyntaxError, sqlite(QStringLiteral("SELECT 1") + QChar(0) + "; DROP TABLE t"));
    }

    // The per-room table as the administration area writes it.
    void roomTable()
    {
        const QString sql = QStringLiteral(
            "CREATE TABLE [room_101] ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL, cUniqueID "
            "VARCHAR(225) NOT NULL, CheckInDate DATETIME, CheckOutDate DATETIME, RoomBookedDate DATETIME, RoomNote "
            "MEMO NULL)");
        QCOMPARE(maria(sql),
                 QStringLiteral("CREATE TABLE `room_101` (ID INT AUTO_INCREMENT PRIMARY KEY, RoomNameID INT NOT NULL, "
                                "cUniqueID VARCHAR(225) NOT NULL, CheckInDate DATETIME, CheckOutDate DATETIME, "
                                "RoomBookedDate DATETIME, RoomNote LONGTEXT NULL) "
                                "DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci"));
        // One statement: the type checks are CHECK constraints of the columns, no triggers.
        const QStringList lite = ado::translateAccessSql(sql, SqlDialect::SQLite);
        QCOMPARE(lite.size(), 1);
        QVERIFY2(lite[0].startsWith(QStringLiteral("CREATE TABLE \"room_101\" (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                                         "RoomNameID INTEGER NOT NULL CONSTRAINT \"typecheck_RoomNameID\" CHECK "
                                         "(CAST(\"RoomNameID\" AS NUMERIC) = +\"RoomNameID\"), cUniqueID VARCHAR(225) "
                                         "COLLATE NOCASE NOT NULL, CheckInDate DATETIME CONSTRAINT \"typecheck_CheckInDate\" "
                                         "CHECK (NOT (typeof(\"CheckInDate\") = 'blob' OR (typeof(\"CheckInDate\") = 'text' AND "
                                         "\"CheckInDate\" NOT GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]*' AND "
                                         "CAST(\"CheckInDate\" AS NUMERIC) <> +\"CheckInDate\"))), CheckOutDate DATETIME "
                                         "CONSTRAINT \"typecheck_CheckOutDate\" CHECK")),
                 qPrintable(lite[0]));
        QVERIFY(!lite[0].contains(QLatin1String("TRIGGER")));
        QVERIFY(lite[0].endsWith(QLatin1String("RoomNote TEXT COLLATE NOCASE NULL)")));
    }

    void foodOrderTableAndTypes()
    {
        QCOMPARE(maria("CREATE TABLE tbl_FoodOrder_101112 ( ID AUTOINCREMENT PRIMARY KEY,FoodItem VARCHAR(225) NOT NULL, "
                       "Price Currency NOT NULL)"),
                 QStringLiteral("CREATE TABLE tbl_FoodOrder_101112 (ID INT AUTO_INCREMENT PRIMARY KEY, FoodItem "
                                "VARCHAR(225) NOT NULL, Price DECIMAL(19,4) NOT NULL) "
                                "DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci"));
        QCOMPARE(maria("CREATE TABLE t (a TEXT(50), b TEXT, c LONG, d SHORT, e BYTE, f FLOAT, g COUNTER, h DATETIME DEFAULT Now())"),
                 QStringLiteral("CREATE TABLE t (a VARCHAR(50), b LONGTEXT, c INT, d SMALLINT, e TINYINT UNSIGNED, "
                                "f DOUBLE, g INT AUTO_INCREMENT PRIMARY KEY, h DATETIME DEFAULT (NOW())) "
                                "DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_general_ci"));
        QVERIFY(ado::translateAccessSql("CREATE TABLE t (d DATETIME DEFAULT Date())", SqlDialect::SQLite)
                    .first()
                    .startsWith(QLatin1String("CREATE TABLE t (d DATETIME DEFAULT (date('now','localtime')) CONSTRAINT")));
        QVERIFY_THROWS_EXCEPTION(ado::SqlSyntaxError, sqlite("CREATE TABLE t (a TEXT, )"));
        QVERIFY_THROWS_EXCEPTION(ado::SqlSyntaxError, sqlite("CREATE TABLE t (a)"));
        QVERIFY_THROWS_EXCEPTION(ado::SqlSyntaxError, sqlite("CREATE TABLE t (a INT"));
    }

    // Whatever the text, the translator answers or refuses; it never fails otherwise.
    void randomTextNeverBreaksTheTranslator()
    {
        QRandomGenerator random(20091);
        const QString alphabet = QStringLiteral("SELECT FROM WHERE CREATE TABLE ( ) , ; ' \" [ ] ` # - / 0 1 : AM");
        for (int i = 0; i < 3000; ++i) {
            QString sql;
            const int length = random.bounded(60);
            for (int j = 0; j < length; ++j) {
                sql += i % 2 ? QChar(static_cast<char16_t>(random.bounded(1, 0xFFFF)))
                             : alphabet[random.bounded(alphabet.size())];
            }
            for (SqlDialect dialect : {SqlDialect::SQLite, SqlDialect::MariaDB}) {
                try {
                    ado::translateAccessSql(sql, dialect);
                } catch (const ado::SqlSyntaxError &) {
                }
            }
        }
    }

    void isoTextsBecomeDates()
    {
        QCOMPARE(ado::dateFromIsoText("2009-03-05")->serial(), vb::Date::fromQDate(QDate(2009, 3, 5)).serial());
        QCOMPARE(ado::dateFromIsoText("1899-12-30 06:00:00")->serial(), 0.25);
        QCOMPARE(ado::dateFromIsoText("1899-12-29 06:00:00")->serial(), -1.25);
        QCOMPARE(ado::dateFromIsoText("2009-03-05T10:30:00.250")->serial(),
                 vb::Date::fromQDateTime(QDateTime(QDate(2009, 3, 5), QTime(10, 30))).serial());
        QVERIFY(!ado::dateFromIsoText("2009-02-29"));
        QVERIFY(!ado::dateFromIsoText("2009-03-05 10"));
        QVERIFY(!ado::dateFromIsoText("3/5/2009"));
        QVERIFY(!ado::dateFromIsoText(""));
    }

    void decimalTextsBecomeCurrency()
    {
        QCOMPARE(ado::currencyFromDecimalText("150.50")->raw(), 1505000);
        QCOMPARE(ado::currencyFromDecimalText("-12")->raw(), -120000);
        QCOMPARE(ado::currencyFromDecimalText("12.34565")->raw(), 123456);    // half to even
        QCOMPARE(ado::currencyFromDecimalText("12.34575")->raw(), 123458);
        QCOMPARE(ado::currencyFromDecimalText("12.345651")->raw(), 123457);
        QCOMPARE(ado::currencyFromDecimalText("922337203685477.5807")->raw(), INT64_MAX);
        QVERIFY(!ado::currencyFromDecimalText("922337203685478"));
        QVERIFY(!ado::currencyFromDecimalText("1e5"));
        QVERIFY(!ado::currencyFromDecimalText("-"));
        QVERIFY(!ado::currencyFromDecimalText("1.2.3"));
    }

    void connectionTexts()
    {
        const ado::ConnectionText access(QStringLiteral(
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/my hotel/data.mdb;Persist Security Info=False;"
            "Jet OLEDB:Database Password=640917"));
        QCOMPARE(access.value("data source"), QStringLiteral("/opt/my hotel/data.mdb"));
        QCOMPARE(access.value("Jet OLEDB:Database Password"), QStringLiteral("640917"));
        const ado::ConnectionText odbc(QStringLiteral(
            "uid=me;pwd={a;b}}c};server=127.0.0.1;port=3307;driver={MySQL ODBC 3.51 Driver};database=h;dsn='';OPTION=16427"));
        QCOMPARE(odbc.value("PWD"), QStringLiteral("a;b}c"));
        QCOMPARE(odbc.value("port"), QStringLiteral("3307"));
        QCOMPARE(odbc.value("dsn"), QString());
        QVERIFY(odbc.has("driver"));
        QVERIFY(!odbc.has("provider"));
    }
};

QTEST_GUILESS_MAIN(TestAdoTranslator)
#include "tst_ado_translator.moc"
