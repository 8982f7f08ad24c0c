// The statement helpers shared by the windows: the one date literal, the names of the
// per-room and per-order tables, and the quiet check whether a table exists.
#include "ado/connection.h"
#include "core/db/dbworks.h"
#include "core/db/sqldate.h"
#include "core/db/tableexists.h"
#include "core/db/tablenames.h"
#include "core/state/appstate.h"
#include "support/corefixture.h"
#include "support/expect_error.h"
#include "support/scratch_database.h"
#include "vb/conversions.h"
#include "vb/locale.h"

#include <QtTest>

namespace {

struct SettingsWindowProbe {
    int opened = 0;
    SettingsWindowProbe() { core::SetDatabaseSettingsWindow({[] { return false; }, [this] { ++opened; }}); }
    ~SettingsWindowProbe() { core::SetDatabaseSettingsWindow({}); }
};

const QString roomColumns = QStringLiteral(" ( ID AUTOINCREMENT PRIMARY KEY, cUniqueID VARCHAR(225) NOT NULL)");

} // namespace

class TestSqlNames : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }

    void dateLiteralIsTheSameInEveryLocale_data();
    void dateLiteralIsTheSameInEveryLocale();
    void dayFirstLocaleStoresAndFindsTheRightDay_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void dayFirstLocaleStoresAndFindsTheRightDay();
    void roomTableNames_data();
    void roomTableNames();
    void foodOrderTableNames_data();
    void foodOrderTableNames();
    void tableExistsQuietly_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void tableExistsQuietly();
    void tableExistsWithoutConnectionRaises();
};

void TestSqlNames::dateLiteralIsTheSameInEveryLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("literal");
    const QDate april3(2026, 4, 3);
    for (const char *locale : {"en_US", "en_GB", "de_DE"}) {
        QTest::addRow("%s date", locale) << locale << QDateTime(april3, QTime(0, 0)) << "#2026-04-03#";
        QTest::addRow("%s time", locale) << locale << QDateTime(april3, QTime(14, 5, 9)) << "#2026-04-03 14:05:09#";
    }
    QTest::newRow("year 100") << "en_GB" << QDateTime(QDate(100, 1, 2), QTime(0, 0)) << "#0100-01-02#";
}

void TestSqlNames::dateLiteralIsTheSameInEveryLocale()
{
    QFETCH(QString, locale);
    QFETCH(QDateTime, when);
    QFETCH(QString, literal);
    vb::SetCurrentLocale(QLocale(locale));
    QCOMPARE(core::SqlDate(vb::Date::fromQDateTime(when)), literal);
}

// 3 April written in an en_GB statement is 3 April in the table, and a lookup by that literal
// finds the row (the short date 03/04/2026 would be read as 4 March).
void TestSqlNames::dayFirstLocaleStoresAndFindsTheRightDay()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    vb::SetCurrentLocale(QLocale(QStringLiteral("en_GB")));
    const vb::Date april3 = vb::Date::serial(2026, 4, 3);
    QVERIFY(core::ExecuteSQL("INSERT INTO tbl_logTable (LogText, LogDateLine) VALUES ('x', " + core::SqlDate(april3) + ")",
                             core::SqlAction::Insert));
    QCOMPARE(vb::CDate(fx.scalar("SELECT LogDateLine FROM tbl_logTable")).toQDate(), QDate(2026, 4, 3));
    QCOMPARE(vb::CLng(fx.scalar("SELECT count(*) FROM tbl_logTable WHERE LogDateLine = " + core::SqlDate(april3))), 1);
}

void TestSqlNames::roomTableNames_data()
{
    QTest::addColumn<QString>("room");
    QTest::addColumn<QString>("table");   // empty: refused
    QTest::newRow("number") << "101" << "[room_101]";
    QTest::newRow("trimmed") << " 101 " << "[room_101]";
    QTest::newRow("blank inside") << "Suite A" << "[room_Suite A]";
    QTest::newRow("umlaut") << "Düne" << "[room_Düne]";
    QTest::newRow("longest") << QString(59, u'9') << "[room_" + QString(59, u'9') + "]";
    QTest::newRow("too long") << QString(60, u'9') << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("blanks") << "   " << "";
    for (const char *bad : {"a]b", "a[b", "a`b", "a'b", "a\"b", "a\nb", "1] ; DROP TABLE tbl_users; --"})
        QTest::addRow("refused %s", bad) << bad << "";
}

void TestSqlNames::roomTableNames()
{
    QFETCH(QString, room);
    QFETCH(QString, table);
    if (table.isEmpty())
        HOTEL_EXPECT_ERROR(core::RoomTableName(room), vb::errInvalidProcedureCall);
    else
        QCOMPARE(core::RoomTableName(room), table);
}

void TestSqlNames::foodOrderTableNames_data()
{
    QTest::addColumn<QString>("orderId");
    QTest::addColumn<QString>("table");
    QTest::newRow("six digits") << "999999" << "[tbl_FoodOrder_999999]";
    QTest::newRow("eighteen digits") << "108108108108108108" << "[tbl_FoodOrder_108108108108108108]";
    for (const char *bad : {"", "#123456", "12a456", "123 456", " 123456", "1;DROP TABLE tbl_users"})
        QTest::addRow("refused '%s'", bad) << bad << "";
}

void TestSqlNames::foodOrderTableNames()
{
    QFETCH(QString, orderId);
    QFETCH(QString, table);
    if (table.isEmpty())
        HOTEL_EXPECT_ERROR(core::FoodOrderTableName(orderId), vb::errInvalidProcedureCall);
    else
        QCOMPARE(core::FoodOrderTableName(orderId), table);
}

// Present and missing tables are told apart without a report, without touching the shared
// recordset or the last statement, and without ending the transaction around the check.
void TestSqlNames::tableExistsQuietly()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    SettingsWindowProbe settings;
    const QString suite = core::RoomTableName("Suite A");
    fx.exec("CREATE TABLE " + suite + roomColumns);

    QVERIFY(core::OpenRecordset("SELECT * FROM tbl_HotelInfo"));
    const auto sharedRecordset = core::State().mRS;
    {
        core::Transaction transaction;
        QVERIFY(core::ExecuteSQL("INSERT INTO " + suite + " (cUniqueID) VALUES ('G1')", core::SqlAction::Insert));
        QVERIFY(core::TableExists(suite));
        QVERIFY(core::TableExists("tbl_customers"));
        QVERIFY(!core::TableExists(core::RoomTableName("999")));
        QVERIFY(!core::TableExists(core::FoodOrderTableName("123456")));
        transaction.Commit([] { return true; });
    }
    QCOMPARE(core::State().mLastSQL, "INSERT INTO " + suite + " (cUniqueID) VALUES ('G1')");
    QCOMPARE(core::State().mRS, sharedRecordset);
    QCOMPARE(settings.opened, 0);
    QVERIFY(fx.dialogs().messages().isEmpty());
    QCOMPARE(vb::CLng(fx.scalar("SELECT count(*) FROM " + suite)), 1);

    fx.exec("DROP TABLE " + suite);
    QVERIFY(!core::TableExists(suite));
}

void TestSqlNames::tableExistsWithoutConnectionRaises()
{
    testsupport::CoreFixture fx;
    core::State().mConn->Close();
    QVERIFY(testsupport::RaisesError([] { core::TableExists("tbl_customers"); }));
    core::State().mConn.reset();
    QVERIFY(testsupport::RaisesError([] { core::TableExists("tbl_customers"); }));
}

QTEST_MAIN(TestSqlNames)
#include "tst_sqlnames.moc"
