// The guest lists' queries as text, the export's file name rule and the row icon rule.
#include "core/ui/exportdialog.h"
#include "frontdesk/guests/customerliststatements.h"
#include "frontdesk/guests/customerlistwindow.h"
#include "support/expect_error.h"

#include <QtTest>

using namespace frontdesk;

class TestListStatements : public QObject {
    Q_OBJECT
private slots:
    void customerListQueries_data();
    void customerListQueries();
    void foodOrdersOfAGuest();
    void exportFileName_data();
    void exportFileName();
    void titleIcon_data();
    void titleIcon();
};

void TestListStatements::customerListQueries_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("sql");
    const QString all = "SELECT * FROM tbl_customers";
    QTest::newRow("load") << "tbl_customers" << 0 << "Smith" << "Confirmed" << all;
    QTest::newRow("empty search") << "tbl_customers" << 1 << "" << "Confirmed" << all;
    QTest::newRow("refresh, empty") << "tbl_customers" << 2 << "" << "" << all;
    QTest::newRow("number with sign")
        << "tbl_customers" << 1 << "#AB'CDEFG" << ""
        << "SELECT * FROM tbl_customers WHERE cUniqueNo LIKE  'ABCDEFG' OR cFirstName LIKE  'ABCDEFG' OR cLastName "
           "LIKE  'ABCDEFG'";
    QTest::newRow("typed wildcard, refresh")
        << "tbl_customers_history" << 2 << "Sm%" << ""
        << "SELECT * FROM tbl_customers_history WHERE cUniqueNo LIKE  'Sm%' OR cFirstName LIKE  'Sm%' OR cLastName "
           "LIKE  'Sm%'";
    QTest::newRow("search text not trimmed")
        << "tbl_customers" << 1 << " Ann" << ""
        << "SELECT * FROM tbl_customers WHERE cUniqueNo LIKE  ' Ann' OR cFirstName LIKE  ' Ann' OR cLastName LIKE  ' Ann'";
    QTest::newRow("status") << "tbl_customers" << 3 << "Smith" << "Checked Out"
                            << "SELECT * FROM tbl_customers WHERE cStatus = 'Checked Out'";
    QTest::newRow("all statuses") << "tbl_customers" << 3 << "Smith" << "View All Status" << all;
}

void TestListStatements::customerListQueries()
{
    QFETCH(QString, table);
    QFETCH(int, mode);
    QFETCH(QString, search);
    QFETCH(QString, status);
    QFETCH(QString, sql);
    QCOMPARE(CustomerListSql(table, mode, search, status), sql);
}

void TestListStatements::foodOrdersOfAGuest()
{
    QCOMPARE(GuestFoodOrdersSql("#ABCDEFGH"), QStringLiteral("SELECT ID FROM tbl_FoodOrders WHERE OrderNo='ABCDEFGH'"));
    QCOMPARE(GuestFoodOrdersSql("O'X"), QStringLiteral("SELECT ID FROM tbl_FoodOrders WHERE OrderNo='O''X'"));
}

void TestListStatements::exportFileName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("cancelled") << "" << "";
    QTest::newRow("wildcard") << "/tmp/*.xls" << "";
    QTest::newRow("no extension") << "/tmp/list" << "/tmp/list.xls";
    QTest::newRow("other extension") << "/tmp/list.txt" << "/tmp/list.txt.xls";
    QTest::newRow("lower") << "/tmp/list.xls" << "/tmp/list.xls";
    QTest::newRow("mixed case kept") << "/tmp/list.XlS" << "/tmp/list.XlS";
}

void TestListStatements::exportFileName()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(core::ExportFileName(chosen), written);
}

void TestListStatements::titleIcon_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("icon");
    for (const char *t : {"Mr", "Mr.", "Dr.", "Prof.", "Shri", "Master", "M.r."})
        QTest::newRow(t) << QString::fromLatin1(t) << 1;
    for (const char *t : {"Mrs.", "Miss.", "mr", "DR", "", "Mister"})
        QTest::newRow(t) << QString::fromLatin1(t) << 2;
}

void TestListStatements::titleIcon()
{
    QFETCH(QString, title);
    QFETCH(int, icon);
    QCOMPARE(TitleIcon(title), icon);
}

QTEST_MAIN(TestListStatements)
#include "tst_liststatements.moc"
