#include "vb/currency.h"
#include "vb/locale.h"

#include "vbtest.h"

#include <limits>

using vb::Currency;

class TestCurrency : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }

    void sumsAreExact()
    {
        // 0.1 added ten times is exactly one; with doubles it is not.
        Currency sum;
        for (int i = 0; i < 10; ++i)
            sum += Currency::fromRaw(1000);
        QCOMPARE(sum, Currency(1));
        QCOMPARE((Currency::fromRaw(1000000) + Currency::fromRaw(505000)).raw(), 1505000);   // 100.00 + 50.50
        QCOMPARE((Currency(100) - Currency::fromRaw(505000)).toInvariantString(), QStringLiteral("49.5"));
        QCOMPARE((-Currency::fromRaw(12345)).raw(), -12345);
    }

    void multiplicationRoundsHalfToEven_data()
    {
        QTest::addColumn<qint64>("a");
        QTest::addColumn<qint64>("b");
        QTest::addColumn<qint64>("product");
        QTest::newRow("1234.5 * 1.08") << qint64(12345000) << qint64(10800) << qint64(13332600);
        QTest::newRow("0.0001 * 0.5 half to even 0") << qint64(1) << qint64(5000) << qint64(0);
        QTest::newRow("0.0003 * 0.5 half to even 0.0002") << qint64(3) << qint64(5000) << qint64(2);
        QTest::newRow("-0.0003 * 0.5") << qint64(-3) << qint64(5000) << qint64(-2);
        QTest::newRow("0.0003 * 0.6 above half") << qint64(3) << qint64(6000) << qint64(2);
        QTest::newRow("large exact") << qint64(900000000000000000) << qint64(100000) << qint64(9000000000000000000);
    }
    void multiplicationRoundsHalfToEven()
    {
        QFETCH(qint64, a);
        QFETCH(qint64, b);
        QFETCH(qint64, product);
        QCOMPARE((Currency::fromRaw(a) * Currency::fromRaw(b)).raw(), product);
    }

    void divisionRoundsHalfToEven()
    {
        QCOMPARE((Currency(10) / Currency(3)).raw(), 33333);
        QCOMPARE((Currency(20) / Currency(3)).raw(), 66667);
        QCOMPARE((Currency::fromRaw(1) / Currency(2)).raw(), 0);       // 0.00005 -> 0
        QCOMPARE((Currency::fromRaw(3) / Currency(2)).raw(), 2);       // 0.00015 -> 0.0002
        QCOMPARE((Currency::fromRaw(-3) / Currency(2)).raw(), -2);
        QVERIFY_VB_ERROR(Currency(1) / Currency(), vb::errDivisionByZero);
    }

    void overflowRaisesSix()
    {
        const Currency max = Currency::fromRaw(std::numeric_limits<int64_t>::max());
        const Currency min = Currency::fromRaw(std::numeric_limits<int64_t>::min());
        QVERIFY_VB_ERROR(max + Currency::fromRaw(1), vb::errOverflow);
        QVERIFY_VB_ERROR(min - Currency::fromRaw(1), vb::errOverflow);
        QVERIFY_VB_ERROR(-min, vb::errOverflow);
        QVERIFY_VB_ERROR(max * Currency(2), vb::errOverflow);
        QVERIFY_VB_ERROR(max / Currency::fromRaw(5000), vb::errOverflow);
        QVERIFY_VB_ERROR(Currency::fromDouble(1e15), vb::errOverflow);
        QVERIFY_VB_ERROR(Currency::fromDouble(std::numeric_limits<double>::quiet_NaN()), vb::errOverflow);
    }

    void fromDoubleRoundsScaledValueHalfToEven()
    {
        QCOMPARE(Currency::fromDouble(1234.5).raw(), 12345000);
        QCOMPARE(Currency::fromDouble(0.00025).raw(), 2);     // 2.5 ten-thousandths -> 2
        QCOMPARE(Currency::fromDouble(0.00035).raw(), 4);     // 3.5 -> 4
        QCOMPARE(Currency::fromDouble(-0.00035).raw(), -4);
        QCOMPARE(Currency::fromDouble(0.00045).raw(), 4);
        QCOMPARE(Currency::fromDouble(-1e14).raw(), -1000000000000000000);
    }

    void invariantTextHasNoTrailingZeros()
    {
        QCOMPARE(Currency::fromRaw(12345000).toInvariantString(), QStringLiteral("1234.5"));
        QCOMPARE(Currency().toInvariantString(), QStringLiteral("0"));
        QCOMPARE(Currency::fromRaw(120001).toInvariantString(), QStringLiteral("12.0001"));
        QCOMPARE(Currency::fromRaw(-5).toInvariantString(), QStringLiteral("-0.0005"));
        QCOMPARE(Currency::fromRaw(std::numeric_limits<int64_t>::min()).toInvariantString(),
                 QStringLiteral("-922337203685477.5808"));
    }
};

QTEST_GUILESS_MAIN(TestCurrency)
#include "tst_currency.moc"
