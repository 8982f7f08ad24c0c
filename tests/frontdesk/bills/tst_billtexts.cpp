// The guest bill and the food bill as text, line by line, tabs included.
#include "billsamples.h"
#include "support/expect_error.h"
#include "vb/locale.h"

#include <QtTest>

using namespace frontdesk;

Q_DECLARE_METATYPE(frontdesk::RoomTax)
Q_DECLARE_METATYPE(frontdesk::BilledRoom)
Q_DECLARE_METATYPE(frontdesk::BilledItem)

namespace {

const QString Emoji = QString::fromUtf8("\xf0\x9f\x98\x80");

const QString Rule = QString(81, QLatin1Char('-')) + QLatin1Char(' ');

} // namespace

class TestBillTexts : public QObject {
    Q_OBJECT
private slots:
    void init() { vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanupTestCase() { vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void guestBillLineByLine();
    void guestBillEdges_data();
    void guestBillEdges();
    void guestBillDatesFollowTheLocale();
    void foodBillLineByLine();
    void foodBillEdges_data();
    void foodBillEdges();
    void foodBillRefusesAmountsThatAreNoNumbers();
};

void TestBillTexts::guestBillLineByLine()
{
    const QList<RoomTax> taxes{{QStringLiteral("Service Tax"), vb::Currency(10)},
                               {QStringLiteral("VAT"), vb::Currency::fromRaw(25000)}};
    const QString bill = GuestBillText(billsamples::TwoRoomGuest(), QStringLiteral("#"), taxes);
    QVERIFY(!bill.endsWith(QStringLiteral("\r\n")));
    const QStringList lines = bill.split(QStringLiteral("\r\n"));
    const QStringList expected{
        QStringLiteral("Customer ID \t\t\t: #JSABCDEF"),
        QStringLiteral("Customer Name \t\t: Mr. John O'Neil"),
        QStringLiteral("Address \t\t\t: 12 Quay Street"),
        QStringLiteral("Phone No \t\t\t: 555-0100"),
        QStringLiteral("Checkin Date \t\t: 4/3/2026"),
        QStringLiteral("Check Out Date \t\t: 4/5/2026"),
        QStringLiteral("Total Price \t\t: $400.00"),
        QStringLiteral("Total \t\t\t\t: $400.00"),
        QStringLiteral("Tax(s) \t\t\t: 12.5% Tax(s), Inclusive Service Tax,VAT,"),
        QStringLiteral("Tax Amount \t\t: $50.00"),
        QStringLiteral("Grand Total \t\t: $450.00"),
        QStringLiteral("Payment Method \t: Cash"),
        QStringLiteral("Advance Paid \t\t: $100.00"),
        QStringLiteral("Due \t\t\t\t: $350.00"),
        QStringLiteral("Room(s) & Price(s) \t: 101 ($150.00), Suite 2 ($250.00),"),
    };
    QCOMPARE(lines.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(lines.at(i), expected.at(i));
}

// Each row changes the two-room guest and names the one line that changes with it.
void TestBillTexts::guestBillEdges_data()
{
    QTest::addColumn<QString>("orderSign");
    QTest::addColumn<QList<RoomTax>>("taxes");
    QTest::addColumn<QList<BilledRoom>>("rooms");
    QTest::addColumn<int>("line");   // 1-based
    QTest::addColumn<QString>("expected");

    const QList<BilledRoom> two = billsamples::TwoRoomGuest().rooms;
    QTest::newRow("no room tax: 0 and nothing after Inclusive")
        << QStringLiteral("#") << QList<RoomTax>{} << two << 9 << QStringLiteral("Tax(s) \t\t\t: 0% Tax(s), Inclusive ");
    QTest::newRow("one whole tax")
        << QStringLiteral("#") << QList<RoomTax>{{QStringLiteral("GST"), vb::Currency(5)}} << two << 9
        << QStringLiteral("Tax(s) \t\t\t: 5% Tax(s), Inclusive GST,");
    QTest::newRow("no order sign") << QString() << QList<RoomTax>{} << two << 1 << QStringLiteral("Customer ID \t\t\t: JSABCDEF");
    QTest::newRow("one room") << QStringLiteral("#") << QList<RoomTax>{}
                              << QList<BilledRoom>{{QStringLiteral("101"), QStringLiteral("$150.00")}} << 15
                              << QStringLiteral("Room(s) & Price(s) \t: 101 ($150.00),");
    QTest::newRow("no room") << QStringLiteral("#") << QList<RoomTax>{} << QList<BilledRoom>{} << 15
                             << QStringLiteral("Room(s) & Price(s) \t: ");
    QTest::newRow("characters beyond the code page")
        << QStringLiteral("#") << QList<RoomTax>{}
        << QList<BilledRoom>{{QStringLiteral("中") + Emoji, QStringLiteral("€5")}} << 15
        << QStringLiteral("Room(s) & Price(s) \t: 中") + Emoji + QStringLiteral(" (€5),");
}

void TestBillTexts::guestBillEdges()
{
    QFETCH(QString, orderSign);
    QFETCH(QList<RoomTax>, taxes);
    QFETCH(QList<BilledRoom>, rooms);
    QFETCH(int, line);
    QFETCH(QString, expected);
    GuestDetails guest = billsamples::TwoRoomGuest();
    guest.rooms = rooms;
    const QStringList lines = GuestBillText(guest, orderSign, taxes).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 15);
    QCOMPARE(lines.at(line - 1), expected);
}

void TestBillTexts::guestBillDatesFollowTheLocale()
{
    vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const QStringList lines = GuestBillText(billsamples::TwoRoomGuest(), QString(), {}).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.at(4), QStringLiteral("Checkin Date \t\t: 03/04/2026"));
    QCOMPARE(lines.at(5), QStringLiteral("Check Out Date \t\t: 05/04/2026"));
}

void TestBillTexts::foodBillLineByLine()
{
    const QString bill = FoodBillText(billsamples::TwoItemOrder(), QStringLiteral("#"));
    QVERIFY(!bill.endsWith(QStringLiteral("\r\n")));
    const QStringList expected{
        QStringLiteral("Customer Name \t\t\t\t\t: Mrs. Ann Lee"),
        QString(),
        QStringLiteral("Customer ID \t\t\t\t\t\t: #ALQWERTY"),
        QStringLiteral("Food & Beverages Order No. \t\t\t: #123456"),
        QString(),
        Rule,
        QStringLiteral("Chef's Special\t\t\t\t\t\t\t$12.50"),
        QStringLiteral("Tea\t\t\t\t\t\t\t$2.00"),
        Rule,
        QStringLiteral("Total \t\t\t\t\t\t\t$1,214.50"),
        QStringLiteral("Tax \t\t\t\t\t\t\t12.5%"),
        QStringLiteral("Tax Amount\t\t\t\t\t\t$151.81"),
        QStringLiteral("Grand Total \t\t\t\t\t\t$1,366.31"),
    };
    QCOMPARE(bill.split(QStringLiteral("\r\n")), expected);
}

void TestBillTexts::foodBillEdges_data()
{
    QTest::addColumn<QString>("orderSign");
    QTest::addColumn<QString>("orderText");
    QTest::addColumn<QList<BilledItem>>("items");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QStringList>("expectedLines");   // lines that must be present, in order

    QTest::newRow("no order sign: bare numbers")
        << QString() << QStringLiteral("123456") << billsamples::TwoItemOrder().items << QStringLiteral("0")
        << QStringList{QStringLiteral("Customer ID \t\t\t\t\t\t: ALQWERTY"),
                       QStringLiteral("Food & Beverages Order No. \t\t\t: 123456"), QStringLiteral("Tax \t\t\t\t\t\t\t0%")};
    QTest::newRow("one item: one line between the rules")
        << QStringLiteral("#") << QStringLiteral("#9") << QList<BilledItem>{{QStringLiteral("Tea"), QStringLiteral("$2.00")}}
        << QStringLiteral("5")
        << QStringList{Rule, QStringLiteral("Tea\t\t\t\t\t\t\t$2.00"), Rule, QStringLiteral("Tax \t\t\t\t\t\t\t5%")};
    QTest::newRow("no item: the rules meet")
        << QStringLiteral("#") << QStringLiteral("#9") << QList<BilledItem>{} << QStringLiteral("7.25")
        << QStringList{Rule, Rule, QStringLiteral("Tax \t\t\t\t\t\t\t7.25%")};
}

void TestBillTexts::foodBillEdges()
{
    QFETCH(QString, orderSign);
    QFETCH(QString, orderText);
    QFETCH(QList<BilledItem>, items);
    QFETCH(QString, percent);
    QFETCH(QStringList, expectedLines);
    FoodOrderDetails order = billsamples::TwoItemOrder();
    order.orderText = orderText;
    order.items = items;
    order.taxPercent = percent;
    const QStringList lines = FoodBillText(order, orderSign).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 11 + items.size());
    // The expected lines stand consecutively (rules and items) or at least in order.
    qsizetype from = 0;
    for (const QString &expected : expectedLines) {
        const qsizetype at = lines.indexOf(expected, from);
        QVERIFY2(at >= 0, qPrintable(expected));
        from = at + 1;
    }
    if (items.isEmpty())
        QCOMPARE(lines.at(6), Rule);   // the second rule right after the first
}

void TestBillTexts::foodBillRefusesAmountsThatAreNoNumbers()
{
    FoodOrderDetails order = billsamples::TwoItemOrder();
    order.taxAmount = QStringLiteral("abc");
    HOTEL_EXPECT_ERROR(FoodBillText(order, QStringLiteral("#")), vb::errTypeMismatch);
}

QTEST_MAIN(TestBillTexts)
#include "tst_billtexts.moc"
