#include "vb/conversions.h"
#include "vb/locale.h"

#include "vbtest.h"

#include <limits>

Q_DECLARE_METATYPE(vb::Variant)

using vb::Variant;

namespace {
Variant text(const char *s) { return Variant(QString::fromUtf8(s)); }
}

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void init() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }

    void wholeNumbersRoundHalvesToEven_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("'2.5'") << text("2.5") << 2;
        QTest::newRow("'3.5'") << text("3.5") << 4;
        QTest::newRow("' 12.5 '") << text(" 12.5 ") << 12;
        QTest::newRow("'13.5'") << text("13.5") << 14;
        QTest::newRow("'-2.5'") << text("-2.5") << -2;
        QTest::newRow("'2.5000001' above half") << text("2.5000001") << 3;
        QTest::newRow("'$1,234.50'") << text("$1,234.50") << 1234;
        QTest::newRow("'(5)' negative") << text("(5)") << -5;
        QTest::newRow("'($7.50)'") << text("($7.50)") << -8;
        QTest::newRow("'1e3'") << text("1e3") << 1000;
        QTest::newRow("'&HFF'") << text("&HFF") << 255;
        QTest::newRow("double 0.5") << Variant(0.5) << 0;
        QTest::newRow("double 1.5") << Variant(1.5) << 2;
        QTest::newRow("currency 2.5") << Variant(vb::Currency::fromRaw(25000)) << 2;
        QTest::newRow("currency 2.5001") << Variant(vb::Currency::fromRaw(25001)) << 3;
        QTest::newRow("True") << Variant(true) << -1;
        QTest::newRow("Empty") << Variant() << 0;
    }
    void wholeNumbersRoundHalvesToEven()
    {
        QFETCH(Variant, value);
        QFETCH(int, expected);
        QCOMPARE(int(vb::CInt(value)), expected);
        QCOMPARE(int(vb::CLng(value)), expected);
    }

    void conversionErrors()
    {
        QVERIFY_VB_ERROR(vb::CLng(text("abc")), vb::errTypeMismatch);
        QVERIFY_VB_ERROR(vb::CLng(text("")), vb::errTypeMismatch);
        QVERIFY_VB_ERROR(vb::CLng(text("12abc")), vb::errTypeMismatch);
        QVERIFY_VB_ERROR(vb::CLng(text("1.2.3")), vb::errTypeMismatch);
        QVERIFY_VB_ERROR(vb::CLng(text("-(5)")), vb::errTypeMismatch);
        QVERIFY_VB_ERROR(vb::CInt(text("40000")), vb::errOverflow);
        QVERIFY_VB_ERROR(vb::CInt(Variant(32767.5)), vb::errOverflow);   // rounds to 32768
        QCOMPARE(vb::CInt(Variant(-32768.5)), int16_t(-32768));         // rounds to the even -32768
        QVERIFY_VB_ERROR(vb::CLng(Variant(3e9)), vb::errOverflow);
        QVERIFY_VB_ERROR(vb::CLng(text("99999999999999999999999999999999999")), vb::errOverflow);
        QVERIFY_VB_ERROR(vb::CStr(Variant(vb::Null)), vb::errInvalidUseOfNull);
        QVERIFY_VB_ERROR(vb::CLng(Variant(vb::Null)), vb::errInvalidUseOfNull);
        QVERIFY_VB_ERROR(vb::CCur(Variant(vb::Null)), vb::errInvalidUseOfNull);
        QVERIFY_VB_ERROR(vb::CBool(text("maybe")), vb::errTypeMismatch);
        QVERIFY_VB_ERROR(vb::ParseNumber(QStringLiteral("1,5x")), vb::errTypeMismatch);
    }

    void errorsCarryNumberDescriptionAndSource()
    {
        const vb::Error e(vb::vbObjectError + 513, QStringLiteral("Bad key"), QStringLiteral("INI"));
        QCOMPARE(e.Number(), vb::vbObjectError + 513);
        QCOMPARE(e.Source(), QStringLiteral("INI"));
        QVERIFY(QString::fromUtf8(e.what()).contains(QStringLiteral("Bad key")));
        QCOMPARE(vb::Error::standard(13).Description(), QStringLiteral("Type mismatch"));
        QCOMPARE(vb::Error::standard(6).Description(), QStringLiteral("Overflow"));
        QCOMPARE(vb::Error::standard(94).Description(), QStringLiteral("Invalid use of Null"));
    }

    void currencyFromTextIsExact()
    {
        QCOMPARE(vb::CCur(text("$1,234.50")), vb::Currency::fromRaw(12345000));
        QCOMPARE(vb::CCur(text("0.00005")).raw(), 0);          // half to even at the fourth decimal
        QCOMPARE(vb::CCur(text("0.00015")).raw(), 2);
        QCOMPARE(vb::CCur(text("0.000051")).raw(), 1);
        QCOMPARE(vb::CCur(text("($5.00)")).raw(), -50000);
        QCOMPARE(vb::CCur(text("-$5")).raw(), -50000);
        QCOMPARE(vb::CCur(text("5$")).raw(), 50000);
        QCOMPARE(vb::CCur(text("922337203685477.5807")).raw(), std::numeric_limits<int64_t>::max());
        QVERIFY_VB_ERROR(vb::CCur(text("922337203685477.5808")), vb::errOverflow);
        QCOMPARE(vb::CCur(Variant(int32_t(7))).raw(), 70000);
        QCOMPARE(vb::CCur(Variant(100.0)) + vb::CCur(text("50.50")), vb::Currency::fromRaw(1505000));
    }

    void doublesAndBooleans()
    {
        QCOMPARE(vb::CDbl(text("1,234.5")), 1234.5);
        QCOMPARE(vb::CDbl(text("1.5E+3")), 1500.0);
        QCOMPARE(vb::CDbl(text("  -0.25  ")), -0.25);
        QCOMPARE(vb::CDbl(Variant(vb::Currency::fromRaw(12345))), 1.2345);
        QCOMPARE(vb::CDbl(Variant(vb::Date(45000.5))), 45000.5);
        QVERIFY(vb::CBool(text("true")));
        QVERIFY(!vb::CBool(text("False")));
        QVERIFY(vb::CBool(text("-1")));
        QVERIFY(!vb::CBool(text("0")));
        QVERIFY(vb::CBool(Variant(0.1)));
        QVERIFY(!vb::CBool(Variant()));
    }

    void stringsOfValues()
    {
        QCOMPARE(vb::CStr(Variant(true)), QStringLiteral("True"));
        QCOMPARE(vb::CStr(Variant(false)), QStringLiteral("False"));
        QCOMPARE(vb::CStr(Variant()), QString());
        QCOMPARE(vb::CStr(Variant(0.1)), QStringLiteral("0.1"));
        QCOMPARE(vb::CStr(Variant(1.0 / 3)), QStringLiteral("0.333333333333333"));
        QCOMPARE(vb::CStr(Variant(2.0 / 3)), QStringLiteral("0.666666666666667"));
        QCOMPARE(vb::CStr(Variant(1e20)), QStringLiteral("1E+20"));
        QCOMPARE(vb::CStr(Variant(1.5e-7)), QStringLiteral("1.5E-07"));
        QCOMPARE(vb::CStr(Variant(123456789012345.0)), QStringLiteral("123456789012345"));
        QCOMPARE(vb::CStr(Variant(-0.0)), QStringLiteral("0"));
        QCOMPARE(vb::CStr(Variant(int16_t(-5))), QStringLiteral("-5"));
        QCOMPARE(vb::CStr(Variant(vb::Currency::fromRaw(12345000))), QStringLiteral("1234.5"));
        QCOMPARE(vb::CStr(Variant(vb::Currency::fromRaw(-10000))), QStringLiteral("-1"));
    }

    void stringsFollowTheLocale()
    {
        vb::SetCurrentLocale(QLocale(QStringLiteral("de_DE")));
        QCOMPARE(vb::CStr(Variant(1234.5)), QStringLiteral("1234,5"));
        QCOMPARE(vb::CStr(Variant(vb::Currency::fromRaw(12345000))), QStringLiteral("1234,5"));
        QCOMPARE(vb::CDbl(text("1.234,5")), 1234.5);
        QCOMPARE(vb::CCur(text("1.234,50 €")).raw(), 12345000);
        QVERIFY(!vb::IsNumeric(text("$5")));
    }

    void isNumeric_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("Empty") << Variant() << true;
        QTest::newRow("Null") << Variant(vb::Null) << false;
        QTest::newRow("''") << text("") << false;
        QTest::newRow("'  '") << text("  ") << false;
        QTest::newRow("'$1,234.50'") << text("$1,234.50") << true;
        QTest::newRow("'12'") << text("12") << true;
        QTest::newRow("' -12.5 '") << text(" -12.5 ") << true;
        QTest::newRow("'.5'") << text(".5") << true;
        QTest::newRow("'12abc'") << text("12abc") << false;
        QTest::newRow("'abc'") << text("abc") << false;
        QTest::newRow("'$'") << text("$") << false;
        QTest::newRow("'-'") << text("-") << false;
        QTest::newRow("'1,2'") << text("1,2") << true;
        QTest::newRow("',5' group first") << text(",5") << false;
        QTest::newRow("'1e5'") << text("1e5") << true;
        QTest::newRow("'&H1F'") << text("&H1F") << true;
        QTest::newRow("'&HZZ'") << text("&HZZ") << false;
        QTest::newRow("double") << Variant(1.5) << true;
        QTest::newRow("Boolean") << Variant(true) << true;
        QTest::newRow("Date") << Variant(vb::Date(1.0)) << false;
    }
    void isNumeric()
    {
        QFETCH(Variant, value);
        QFETCH(bool, numeric);
        QCOMPARE(vb::IsNumeric(value), numeric);
    }

    void valReadsTheLeadingNumber_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<double>("value");
        QTest::newRow("12abc") << QStringLiteral("12abc") << 12.0;
        QTest::newRow("blanks inside") << QStringLiteral("  1 2 3") << 123.0;
        QTest::newRow("tab and newline") << QStringLiteral("\t4\n5") << 45.0;
        QTest::newRow("decimal point") << QStringLiteral("3.75 kg") << 3.75;
        QTest::newRow("comma stops") << QStringLiteral("1,234") << 1.0;
        QTest::newRow("dollar sign stops") << QStringLiteral("$5") << 0.0;
        QTest::newRow("negative") << QStringLiteral("-7.5") << -7.5;
        QTest::newRow("exponent") << QStringLiteral("2e3x") << 2000.0;
        QTest::newRow("E without digits") << QStringLiteral("2e") << 2.0;
        QTest::newRow("hex") << QStringLiteral("&HFF") << 255.0;
        QTest::newRow("hex wraps as Integer") << QStringLiteral("&HFFFF") << -1.0;
        QTest::newRow("hex beyond 16 bits") << QStringLiteral("&H10000") << 65536.0;
        QTest::newRow("octal") << QStringLiteral("&O17") << 15.0;
        QTest::newRow("empty") << QString() << 0.0;
        QTest::newRow("letters") << QStringLiteral("abc") << 0.0;
        QTest::newRow("lone dot") << QStringLiteral(".") << 0.0;
        QTest::newRow("huge exponent") << QStringLiteral("1e999") << std::numeric_limits<double>::max();
    }
    void valReadsTheLeadingNumber()
    {
        QFETCH(QString, input);
        QFETCH(double, value);
        QCOMPARE(vb::Val(input), value);
    }

    void intAndFix()
    {
        QCOMPARE(vb::Int(-2.5), -3.0);
        QCOMPARE(vb::Fix(-2.5), -2.0);
        QCOMPARE(vb::Int(2.7), 2.0);
        QCOMPARE(vb::Fix(2.7), 2.0);
    }

    void variantKeepsItsType()
    {
        QCOMPARE(Variant().type(), vb::VarType::Empty);
        QCOMPARE(Variant(vb::Null).type(), vb::VarType::Null);
        QCOMPARE(Variant(int16_t(1)).type(), vb::VarType::Integer);
        QCOMPARE(Variant(1).type(), vb::VarType::Long);
        QCOMPARE(Variant("a").type(), vb::VarType::String);
        QCOMPARE(Variant(vb::Currency(1)).type(), vb::VarType::Currency);
        QVERIFY(Variant(1) != Variant(1.0));
        QVERIFY(vb::IsNull(Variant(vb::Null)) && !vb::IsNull(Variant()));
        QVERIFY(vb::IsEmpty(Variant()) && !vb::IsEmpty(text("")));
    }
};


QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
