#include "vb/conversions.h"
#include "vb/locale.h"
#include "vb/text.h"

#include "vbtest.h"

Q_DECLARE_METATYPE(vb::Variant)

using vb::Date;
using vb::Variant;

namespace {
Variant text(const char *s) { return Variant(QString::fromUtf8(s)); }
Variant dateTime(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return Variant(Date::fromQDateTime(QDateTime(QDate(y, mo, d), QTime(h, mi, s))));
}
}

class TestFormat : public QObject {
    Q_OBJECT

private slots:
    void init() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }

    void namedNumberForms_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("currency") << Variant(1234.5) << "Currency" << "$1,234.50";
        QTest::newRow("currency negative") << Variant(int32_t(-5)) << "Currency" << "($5.00)";
        QTest::newRow("currency zero") << Variant(0.0) << "Currency" << "$0.00";
        QTest::newRow("currency millions") << Variant(vb::Currency(1234567)) << "Currency" << "$1,234,567.00";
        QTest::newRow("currency rounds half up") << Variant(vb::Currency::fromRaw(1250)) << "Currency" << "$0.13";
        QTest::newRow("currency 2.345 as shown") << Variant(2.345) << "Currency" << "$2.35";
        QTest::newRow("currency of a formatted text") << text("$1,234.50") << "Currency" << "$1,234.50";
        QTest::newRow("currency of a plain text") << text("42") << "currency" << "$42.00";
        QTest::newRow("currency of letters") << text("abc") << "Currency" << "abc";
        QTest::newRow("tiny negative is zero") << Variant(-0.001) << "Currency" << "$0.00";
        QTest::newRow("fixed") << Variant(1234.5) << "Fixed" << "1234.50";
        QTest::newRow("fixed negative") << Variant(-0.5) << "Fixed" << "-0.50";
        QTest::newRow("standard") << Variant(1234.5) << "Standard" << "1,234.50";
        QTest::newRow("standard carries") << Variant(999.999) << "Standard" << "1,000.00";
        // The remaining named forms (expectations recorded from Windows' VarFormat).
        QTest::newRow("general number") << Variant(int32_t(1)) << "General Number" << "1";
        QTest::newRow("general number keeps decimals") << Variant(1234.5) << "General Number" << "1234.5";
        QTest::newRow("general number of a currency") << Variant(vb::Currency(-12)) << "general number" << "-12";
        QTest::newRow("general number of True") << Variant(true) << "General Number" << "-1";
        QTest::newRow("general number of letters") << text("abc") << "General Number" << "abc";
        QTest::newRow("percent") << Variant(int32_t(1)) << "Percent" << "100.00%";
        QTest::newRow("percent of a half") << Variant(0.5) << "Percent" << "50.00%";
        QTest::newRow("percent ungrouped negative") << Variant(-12.345) << "Percent" << "-1234.50%";
        QTest::newRow("scientific") << Variant(int32_t(1)) << "Scientific" << "1.00E+00";
        QTest::newRow("scientific large") << Variant(12345.0) << "Scientific" << "1.23E+04";
        QTest::newRow("scientific small negative") << Variant(-0.00015) << "Scientific" << "-1.50E-04";
        QTest::newRow("scientific rounds into the next power") << Variant(9.999) << "Scientific" << "1.00E+01";
        QTest::newRow("scientific zero") << Variant(0.0) << "Scientific" << "0.00E+00";
        QTest::newRow("yes") << Variant(int32_t(-1)) << "Yes/No" << "Yes";
        QTest::newRow("no") << Variant(int32_t(0)) << "Yes/No" << "No";
        QTest::newRow("true") << Variant(int32_t(1)) << "True/False" << "True";
        QTest::newRow("false") << Variant(0.0) << "True/False" << "False";
        QTest::newRow("on") << Variant(2.5) << "On/Off" << "On";
        QTest::newRow("off") << text("0") << "on/off" << "Off";
    }
    void namedNumberForms()
    {
        QFETCH(Variant, value);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(vb::Format(value, format), expected);
    }

    void customNumberPatterns_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two decimals") << Variant(3.14159) << "0.00" << "3.14";
        QTest::newRow("rounds half away") << Variant(2.5) << "0" << "3";
        QTest::newRow("leading zeros") << Variant(int32_t(42)) << "00000" << "00042";
        QTest::newRow("grouped") << Variant(1234567.891) << "#,##0.00" << "1,234,567.89";
        QTest::newRow("optional decimals") << Variant(1.5) << "0.##" << "1.5";
        QTest::newRow("no lone zero") << Variant(0.5) << "#.##" << ".5";
        QTest::newRow("percent") << Variant(0.125) << "0.0%" << "12.5%";
        QTest::newRow("negative") << Variant(-3.0) << "0.00" << "-3.00";
        QTest::newRow("negative section") << Variant(-3.0) << "0.00;(0.00)" << "(3.00)";
        QTest::newRow("zero section") << Variant(0.0) << "0;-0;\"none\"" << "none";
        QTest::newRow("literal prefix") << Variant(7.0) << "\"No. \"000" << "No. 007";
    }
    void customNumberPatterns()
    {
        QFETCH(Variant, value);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(vb::Format(value, format), expected);
    }

    void dateForms_data()
    {
        QTest::addColumn<Variant>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        const Variant d = dateTime(2026, 12, 8, 14, 5, 9);
        QTest::newRow("dd/mm/yyyy") << d << "dd/mm/yyyy" << "08/12/2026";
        QTest::newRow("mm/dd/yyyy") << d << "mm/dd/yyyy" << "12/08/2026";
        QTest::newRow("m/d/yyyy") << d << "m/d/yyyy" << "12/8/2026";
        QTest::newRow("M/D/YYYY upper case") << d << "M/D/YYYY" << "12/8/2026";
        QTest::newRow("d") << d << "d" << "8";
        QTest::newRow("mmmm yyyy") << d << "mmmm yyyy" << "December 2026";
        QTest::newRow("mmm") << d << "mmm" << "Dec";
        QTest::newRow("yyyy") << d << "yyyy" << "2026";
        QTest::newRow("dd-mmmm-yyyy") << d << "dd-mmmm-yyyy" << "08-December-2026";
        QTest::newRow("hh:mm:ss minutes after hours") << d << "hh:mm:ss" << "14:05:09";
        QTest::newRow("HH:MMAMPM") << d << "HH:MMAMPM" << "02:05PM";
        QTest::newRow("h:nn am/pm") << dateTime(2026, 12, 8, 0, 7) << "h:nn am/pm" << "12:07 am";
        QTest::newRow("A/P") << d << "h A/P" << "2 P";
        QTest::newRow("Short Date") << d << "Short Date" << "12/8/2026";
        QTest::newRow("Long Date") << d << "Long Date" << "Tuesday, December 8, 2026";
        QTest::newRow("General Date") << d << "General Date" << "12/8/2026 2:05:09 PM";
        QTest::newRow("General Date no time") << dateTime(2026, 12, 8) << "General Date" << "12/8/2026";
        QTest::newRow("Short Time") << d << "Short Time" << "14:05";
        QTest::newRow("Long Time") << d << "Long Time" << "2:05:09 PM";
        QTest::newRow("Medium Time") << d << "Medium Time" << "02:05 PM";
        QTest::newRow("Medium Date") << d << "Medium Date" << "08-Dec-26";
        // A named number form applied to a date formats its serial number, never as a pattern.
        QTest::newRow("Percent of a date") << dateTime(2024, 4, 3, 12) << "Percent" << "4538550.00%";
        QTest::newRow("date text") << text("2026-12-08") << "dd/mm/yyyy" << "08/12/2026";
        QTest::newRow("serial number") << Variant(46364.0) << "m/d/yyyy" << "12/8/2026";
        QTest::newRow("quoted literal") << d << "\"Day\" d" << "Day 8";
        QTest::newRow("not a date stays") << text("abc") << "dd/mm/yyyy" << "abc";
    }
    void dateForms()
    {
        QFETCH(Variant, value);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(vb::Format(value, format), expected);
    }

    void emptyFormatNullAndEmpty()
    {
        QCOMPARE(vb::Format(Variant(1.5)), QStringLiteral("1.5"));
        QCOMPARE(vb::Format(dateTime(2026, 12, 8)), QStringLiteral("12/8/2026"));
        QCOMPARE(vb::Format(Variant(vb::Null), QStringLiteral("Currency")), QString());
        QCOMPARE(vb::Format(Variant(), QStringLiteral("Currency")), QString());
    }

    void formatCurrency()
    {
        QCOMPARE(vb::FormatCurrency(Variant(1234.5)), QStringLiteral("$1,234.50"));
        QCOMPARE(vb::FormatCurrency(Variant(-5.0)), QStringLiteral("($5.00)"));
        QCOMPARE(vb::FormatCurrency(Variant()), QStringLiteral("$0.00"));
        QVERIFY_VB_ERROR(vb::FormatCurrency(text("abc")), vb::errTypeMismatch);
    }

    void formattedAmountsReadBack()
    {
        // The windows show amounts formatted and read them back as numbers.
        for (const double amount : {0.0, 1234.5, -5.0, 1e6 + 0.25}) {
            const QString shown = vb::Format(Variant(amount), QStringLiteral("Currency"));
            QVERIFY2(vb::IsNumeric(Variant(shown)), qPrintable(shown));
            QCOMPARE(vb::CCur(Variant(shown)), vb::Currency::fromDouble(amount));
        }
    }

    void otherLocales()
    {
        vb::SetCurrentLocale(QLocale(QStringLiteral("de_DE")));
        QCOMPARE(vb::Format(Variant(1234.5), QStringLiteral("Currency")), QStringLiteral("1.234,50\u00A0€"));
        QCOMPARE(vb::Format(Variant(1234.5), QStringLiteral("Standard")), QStringLiteral("1.234,50"));
        QCOMPARE(vb::Format(dateTime(2026, 12, 8), QStringLiteral("dd/mm/yyyy")), QStringLiteral("08.12.2026"));
        QCOMPARE(vb::Format(dateTime(2026, 12, 8), QStringLiteral("mmmm")), QStringLiteral("Dezember"));
    }
};

QTEST_GUILESS_MAIN(TestFormat)
#include "tst_format.moc"
