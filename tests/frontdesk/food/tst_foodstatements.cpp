// The texts of the food windows' statements: the food order with its order id and revenue,
// the guest search and a guest's orders.
#include "frontdesk/food/customersearchstatements.h"
#include "frontdesk/food/fooddetailsstatements.h"
#include "frontdesk/food/foodingbookstatements.h"
#include "frontdesk/shared/revenuestatements.h"
#include "schema/schema.h"
#include "support/expect_error.h"
#include "vb/locale.h"
#include "vb/random.h"

#include <QProcess>
#include <QTextStream>
#include <QtTest>

using namespace frontdesk;

class TestFoodStatements : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_GB"))); }
    void cleanupTestCase() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }

    void foodOrderStatementsKeepApostrophes();
    void foodOrderRevenue();
    void foodOrderIdDigits_data();
    void foodOrderIdDigits();
    void workstationsSeededAtOnceDrawOwnOrderIds();
    void guestSearchPattern_data();
    void guestSearchPattern();
    void guestOrdersStatements();
};

void TestFoodStatements::foodOrderStatementsKeepApostrophes()
{
    QCOMPARE(GuestByNumberSql(" OS'ABC "), QStringLiteral("SELECT * FROM tbl_customers WHERE cUniqueNo='OS''ABC'"));
    QCOMPARE(FoodItemSql(12), QStringLiteral("SELECT * FROM tbl_FoodItem WHERE ID = 12"));
    FoodOrderRecord order{"OSABCDEF", "109108010", "Mr.", "Ann", "O'Neil", vb::Currency::fromDouble(1234.5), "Paid'"};
    QCOMPARE(FoodOrderInsertSql(order),
             QStringLiteral("INSERT INTO tbl_FoodOrders(OrderNo, FoodOrderID, CustomerTitle, CustomerFName, "
                            "CustomreLName, TotalPrice, Status) VALUES ('OSABCDEF','109108010','Mr.','Ann','O''Neil',"
                            "1234.5,'Paid''')"));
    QCOMPARE(FoodOrderTableCreateSql("109108010"),
             QStringLiteral("CREATE TABLE [tbl_FoodOrder_109108010] ( ID AUTOINCREMENT PRIMARY KEY,FoodItem "
                            "VARCHAR(225) NOT NULL, Price Currency NOT NULL)"));
    // The catalogue's item name box is fitted to that width.
    QCOMPARE(schema::TextColumnWidth("tbl_FoodOrder_", "FoodItem"), 225);
    QCOMPARE(FoodOrderItemInsertSql("109108010", "Chef's Special", vb::Currency::fromDouble(12.5)),
             QStringLiteral("INSERT INTO [tbl_FoodOrder_109108010] (FoodItem, Price) VALUES ('Chef''s Special', 12.5)"));
    QCOMPARE(FoodOrderTableDropSql("109108010"), QStringLiteral("DROP TABLE [tbl_FoodOrder_109108010]"));
    QCOMPARE(FoodOrderIdLookupSql("109108010"),
             QStringLiteral("SELECT FoodOrderID FROM tbl_FoodOrders WHERE FoodOrderID = '109108010'"));
    HOTEL_EXPECT_ERROR(FoodOrderTableCreateSql("#109"), vb::errInvalidProcedureCall);
}

void TestFoodStatements::foodOrderRevenue()
{
    const vb::Date today = vb::Date::serial(2026, 4, 3);
    const vb::Currency total = vb::Currency::fromDouble(1234.5);
    QCOMPARE(RevenueOfDaySql(today), QStringLiteral("SELECT * FROM tbl_revenueStats WHERE tDate =#2026-04-03# "));
    QCOMPARE(RevenueInsertSql(RevenueSource::FoodOrder, total),
             QStringLiteral("INSERT INTO tbl_revenueStats (tRevenue,tFoodDrinkRevenue, tFoodOrders) "
                            "values(1234.5,1234.5,1)"));
    QCOMPARE(RevenueUpdateSql(RevenueSource::FoodOrder, total, today),
             QStringLiteral("UPDATE tbl_revenueStats SET tRevenue = tRevenue + 1234.5,tFoodDrinkRevenue="
                            "tFoodDrinkRevenue + 1234.5, tFoodOrders = tFoodOrders + 1 WHERE tDate = #2026-04-03#"));
}

void TestFoodStatements::foodOrderIdDigits_data()
{
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QString>("id");
    QTest::newRow("shortest") << QList<double>{0, 0, 0, 0, 0, 0} << "999999";
    QTest::newRow("longest") << QList<double>{0.999, 0.995, 0.99, 0.991, 0.9999, 0.999} << "108108108108108108";
    QTest::newRow("draws 4 to 6 first") << QList<double>{0.01, 0.02, 0.03, 0.5, 0.61, 0.905} << "597099101112";
}

void TestFoodStatements::foodOrderIdDigits()
{
    QFETCH(QList<double>, draws);
    QFETCH(QString, id);
    QCOMPARE(FoodOrderId([&] { return draws.takeFirst(); }), id);
    QVERIFY(draws.isEmpty());
}

// Each copy of the program seeds its random source from the clock; copies seeded at the same
// instant (the same seed here) must still draw different order ids.
namespace {
const char *DrawOrderIds = "--draw-order-ids";
constexpr double SameInstant = 43200.5;

int drawOrderIds()
{
    vb::Randomize(SameInstant);
    QTextStream out(stdout);
    for (int i = 0; i < 20; ++i)
        out << FoodOrderId(vb::Rnd) << "\n";
    return 0;
}

QStringList idsOfAnotherCopy()
{
    QProcess copy;
    copy.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(DrawOrderIds)});
    if (!copy.waitForFinished(30000))
        copy.kill();
    return QString::fromLatin1(copy.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
} // namespace

void TestFoodStatements::workstationsSeededAtOnceDrawOwnOrderIds()
{
    const QStringList first = idsOfAnotherCopy();
    const QStringList second = idsOfAnotherCopy();
    QCOMPARE(first.size(), 20);
    QCOMPARE(second.size(), 20);
    for (const QString &id : first)
        QVERIFY2(!second.contains(id), qPrintable(id));
    // Within one copy the same seed still repeats the same draws.
    vb::Randomize(SameInstant);
    const QString again = FoodOrderId(vb::Rnd);
    vb::Randomize(SameInstant);
    QCOMPARE(FoodOrderId(vb::Rnd), again);
}

void TestFoodStatements::guestSearchPattern_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("plain") << "Smith" << "Smith";
    QTest::newRow("apostrophe and sign") << "#O'Neil" << "ONeil";
    QTest::newRow("wildcards kept") << "Sm%" << "Sm%";
    QTest::newRow("empty") << "" << "";
}

void TestFoodStatements::guestSearchPattern()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QCOMPARE(CustomerSearchSql(text),
             QString("SELECT * FROM tbl_customers WHERE cUniqueNo LIKE  '%1' OR cFirstName LIKE  '%1' OR "
                     "cLastName LIKE  '%1'")
                 .arg(pattern));
}

void TestFoodStatements::guestOrdersStatements()
{
    QCOMPARE(GuestOrdersSql("OS'A"),
             QStringLiteral("SELECT * FROM tbl_customers as customertbl LEFT JOIN tbl_FoodOrders as foodtbl ON  "
                            "customertbl.cUniqueNo = foodtbl.OrderNo  WHERE cUniqueNo = 'OS''A'"));
    QCOMPARE(OrderItemsSql("999999"), QStringLiteral("SELECT * FROM  [tbl_FoodOrder_999999]"));
    HOTEL_EXPECT_ERROR(OrderItemsSql(""), vb::errInvalidProcedureCall);
    QCOMPARE(GuestOrdersTotalSql("OSABC"),
             QStringLiteral("SELECT  SUM(TotalPrice) as tPrice FROM tbl_FoodOrders WHERE OrderNo = 'OSABC' "
                            "AND (Status IS NULL OR Status <> 'Paid')"));
    QCOMPARE(FoodTaxPercentSql(), QStringLiteral("SELECT  SUM(TaxRate) as tTax FROM tbl_tax WHERE TaxCat = 2"));
    QCOMPARE(OrderDeleteSql("999999"), QStringLiteral("DELETE FROM tbl_FoodOrders WHERE FoodOrderID ='999999'"));
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], DrawOrderIds) == 0)
        return drawOrderIds();
    TestFoodStatements test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_foodstatements.moc"
