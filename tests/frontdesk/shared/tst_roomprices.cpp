// The room price lists of the guest rows: written one element per price, and read back,
// lists written earlier in a locale's currency form with its separators included.
#include "frontdesk/shared/roomprices.h"
#include "vb/conversions.h"
#include "vb/locale.h"
#include "vb/text.h"

#include <QScopeGuard>
#include <QtTest>

using namespace frontdesk;

namespace {
QStringList amountsOf(const QList<RoomPrice> &prices)
{
    QStringList amounts;
    for (const RoomPrice &price : prices)
        amounts << (price.amount ? price.amount->toInvariantString() : QStringLiteral("none"));
    return amounts;
}
} // namespace

class TestRoomPrices : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }
    void earlierListsAndNewListsReadBack_data();
    void earlierListsAndNewListsReadBack();
    void storedListsAsTheyStand_data();
    void storedListsAsTheyStand();
};

// Each row: the prices of a booking in one locale. The earlier list is what the booking window
// showed, joined with ","; the list written now holds plain amounts.
void TestRoomPrices::earlierListsAndNewListsReadBack_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("amounts");
    QTest::newRow("en_US") << "en_US" << QStringList{"1200", "100"};
    QTest::newRow("en_US negative and millions") << "en_US" << QStringList{"-1200", "1234567.89", "0.5"};
    QTest::newRow("en_GB negative") << "en_GB" << QStringList{"-1200", "5"};
    QTest::newRow("en_IN lakh groups") << "en_IN" << QStringList{"120000", "50"};
    QTest::newRow("de_DE sign last, decimal comma") << "de_DE" << QStringList{"1200", "100", "-7.25"};
    QTest::newRow("fr_FR") << "fr_FR" << QStringList{"1200.5", "3"};
    QTest::newRow("nl_NL sign first, decimal comma") << "nl_NL" << QStringList{"1200", "-100"};
}

void TestRoomPrices::earlierListsAndNewListsReadBack()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, amounts);
    vb::SetCurrentLocale(QLocale(locale));
    QList<vb::Currency> prices;
    QStringList shown;
    for (const QString &amount : amounts) {
        prices << vb::CCur(vb::Variant(amount.toDouble()));
        shown << vb::Format(vb::Variant(prices.back()), QStringLiteral("Currency"));
    }
    const QString earlier = shown.join(QLatin1Char(','));
    QCOMPARE(amountsOf(ReadRoomPrices(earlier)), amounts);
    QCOMPARE(ReadRoomPrices(earlier).value(0).shown(), shown.value(0));

    const QString written = StoredRoomPrices(prices);
    QCOMPARE(written.count(QLatin1Char(',')), amounts.size() - 1);
    QCOMPARE(amountsOf(ReadRoomPrices(written)), amounts);
}

void TestRoomPrices::storedListsAsTheyStand_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("empty") << "" << QStringList() << QStringList();
    QTest::newRow("blanks after the commas") << "$1,050.50, $80.00" << QStringList{"1050.5", "80"}
                                             << QStringList{"$1,050.50", "$80.00"};
    QTest::newRow("written now") << "1200,100.5,-3" << QStringList{"1200", "100.5", "-3"}
                                 << QStringList{"$1,200.00", "$100.50", "($3.00)"};
    QTest::newRow("an element that is no amount") << "$100.00,tbd" << QStringList{"100", "none"}
                                                  << QStringList{"$100.00", "tbd"};
}

void TestRoomPrices::storedListsAsTheyStand()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, amounts);
    QFETCH(QStringList, shown);
    const QList<RoomPrice> prices = ReadRoomPrices(stored);
    QCOMPARE(amountsOf(prices), amounts);
    QStringList texts;
    for (const RoomPrice &price : prices)
        texts << price.shown();
    QCOMPARE(texts, shown);
}

QTEST_MAIN(TestRoomPrices)
#include "tst_roomprices.moc"
