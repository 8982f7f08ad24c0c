#include "vb/conversions.h"
#include "vb/datetime.h"
#include "vb/locale.h"

#include "vbtest.h"

using vb::Date;
using vb::Variant;

namespace {
Variant text(const char *s) { return Variant(QString::fromUtf8(s)); }
QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return QDateTime(QDate(y, mo, d), QTime(h, mi, s)); }
}

class TestDates : public QObject {
    Q_OBJECT

private slots:
    void init() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }

    void serialsCountDaysFromTheZeroDay()
    {
        QCOMPARE(Date::fromQDate(QDate(1899, 12, 30)).serial(), 0.0);
        QCOMPARE(Date::fromQDate(QDate(1900, 1, 1)).serial(), 2.0);
        QCOMPARE(Date::fromQDate(QDate(2026, 12, 8)).serial(), 46364.0);
        QCOMPARE(Date::fromQDateTime(at(2026, 12, 8, 18)).serial(), 46364.75);
        // Before the zero day the time is still added forwards: -1.25 is 12/29/1899 06:00.
        QCOMPARE(Date(-1.25).toQDateTime(), at(1899, 12, 29, 6));
        QCOMPARE(Date::fromQDateTime(at(1899, 12, 29, 6)).serial(), -1.25);
        // A hair below midnight is read as the next day.
        QCOMPARE(Date(46364.9999999).toQDateTime(), at(2026, 12, 9));
        QVERIFY(Date(46364.5).hasTime() && Date(46364.5).hasDate());
        QVERIFY(!Date(46364.0).hasTime());
        QVERIFY(!Date(0.5).hasDate());
    }

    void dateSerialOverflowsIntoTheNextPeriod()
    {
        QCOMPARE(Date::serial(2026, 13, 1).toQDate(), QDate(2027, 1, 1));
        QCOMPARE(Date::serial(2026, 3, 0).toQDate(), QDate(2026, 2, 28));
        QCOMPARE(Date::serial(26, 1, 1).toQDate(), QDate(2026, 1, 1));
        QCOMPARE(Date::serial(99, 1, 1).toQDate(), QDate(1999, 1, 1));
        QVERIFY_VB_ERROR(Date::serial(10000, 1, 1), vb::errInvalidProcedureCall);
    }

    void defaultTextShowsTimeOnlyWhenThereIsOne()
    {
        QCOMPARE(vb::CStr(Variant(Date::fromQDate(QDate(2026, 12, 8)))), QStringLiteral("12/8/2026"));
        QCOMPARE(vb::CStr(Variant(Date::fromQDateTime(at(2026, 12, 8, 14, 5, 9)))), QStringLiteral("12/8/2026 2:05:09 PM"));
        QCOMPARE(vb::CStr(Variant(Date::fromQDateTime(at(1899, 12, 30, 9, 30)))), QStringLiteral("9:30:00 AM"));
        QCOMPARE(vb::CStr(Variant(Date(0.0))), QStringLiteral("12:00:00 AM"));
        vb::SetCurrentLocale(QLocale(QStringLiteral("de_DE")));
        QCOMPARE(vb::CStr(Variant(Date::fromQDate(QDate(2026, 12, 8)))), QStringLiteral("08.12.2026"));
    }

    void textsBecomeDates_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QDateTime>("expected");
        QTest::newRow("short date") << QStringLiteral("12/8/2026") << at(2026, 12, 8);
        QTest::newRow("ISO") << QStringLiteral("2026-12-08") << at(2026, 12, 8);
        QTest::newRow("ISO with time") << QStringLiteral("2026-12-08 14:05:09") << at(2026, 12, 8, 14, 5, 9);
        QTest::newRow("short date with PM time") << QStringLiteral("12/8/2026 2:05 PM") << at(2026, 12, 8, 14, 5);
        QTest::newRow("midnight AM") << QStringLiteral("12/8/2026 12:00:00 AM") << at(2026, 12, 8);
        QTest::newRow("noon PM") << QStringLiteral("12/8/2026 12:30 pm") << at(2026, 12, 8, 12, 30);
        QTest::newRow("two-digit year") << QStringLiteral("1/2/29") << at(2029, 1, 2);
        QTest::newRow("two-digit year 1900s") << QStringLiteral("1/2/30") << at(1930, 1, 2);
        QTest::newRow("impossible month swapped") << QStringLiteral("13/12/2026") << at(2026, 12, 13);
        QTest::newRow("month name") << QStringLiteral("December 8, 2026") << at(2026, 12, 8);
        QTest::newRow("day first with abbreviation") << QStringLiteral("8-Dec-2026") << at(2026, 12, 8);
        QTest::newRow("long date") << QStringLiteral("Tuesday, December 8, 2026") << at(2026, 12, 8);
        QTest::newRow("month and year") << QStringLiteral("December 2026") << at(2026, 12, 1);
        QTest::newRow("time alone") << QStringLiteral("14:30") << at(1899, 12, 30, 14, 30);
        QTest::newRow("blanks around") << QStringLiteral("  12/8/2026  ") << at(2026, 12, 8);
    }
    void textsBecomeDates()
    {
        QFETCH(QString, input);
        QFETCH(QDateTime, expected);
        QCOMPARE(vb::CDate(Variant(input)).toQDateTime(), expected);
        QVERIFY(vb::IsDate(Variant(input)));
    }

    void textsThatAreNoDates_data()
    {
        QTest::addColumn<QString>("input");
        QTest::newRow("empty") << QString();
        QTest::newRow("word") << QStringLiteral("abc");
        QTest::newRow("number") << QStringLiteral("5");
        QTest::newRow("decimal number") << QStringLiteral("12.5");
        QTest::newRow("no such day") << QStringLiteral("2/30/2026");
        QTest::newRow("hour 25") << QStringLiteral("25:00");
        QTest::newRow("13 PM") << QStringLiteral("13:00 PM");
        QTest::newRow("four numbers") << QStringLiteral("1/2/3/4");
    }
    void textsThatAreNoDates()
    {
        QFETCH(QString, input);
        QVERIFY(!vb::IsDate(Variant(input)));
        QVERIFY_VB_ERROR(vb::CDate(Variant(input)), vb::errTypeMismatch);
    }

    void dayFirstLocalesReadDayFirst()
    {
        vb::SetCurrentLocale(QLocale(QStringLiteral("en_GB")));
        QCOMPARE(vb::CDate(text("8/12/2026")).toQDate(), QDate(2026, 12, 8));
        vb::SetCurrentLocale(QLocale(QStringLiteral("de_DE")));
        QCOMPARE(vb::CDate(text("08.12.2026")).toQDate(), QDate(2026, 12, 8));
    }

    void numbersBecomeDates()
    {
        QCOMPARE(vb::CDate(Variant(46364.75)).toQDateTime(), at(2026, 12, 8, 18));
        QCOMPARE(vb::CDate(Variant(int32_t(2))).toQDate(), QDate(1900, 1, 1));
        QVERIFY_VB_ERROR(vb::CDate(Variant(3e6)), vb::errOverflow);
        QVERIFY_VB_ERROR(vb::CDate(Variant(vb::Null)), vb::errInvalidUseOfNull);
        QVERIFY(!vb::IsDate(Variant(46364.0)));
    }

    void dateDiffAndWeekday()
    {
        const Date a = Date::fromQDateTime(at(2026, 12, 8, 23, 59));
        const Date b = Date::fromQDateTime(at(2026, 12, 9, 0, 1));
        QCOMPARE(vb::DateDiff(QStringLiteral("d"), a, b), 1L);   // a midnight crossed, though minutes apart
        QCOMPARE(vb::DateDiff(QStringLiteral("d"), b, a), -1L);
        QCOMPARE(vb::DateDiff(QStringLiteral("d"), Date::serial(2026, 2, 1), Date::serial(2026, 3, 1)), 28L);
        QCOMPARE(vb::DateDiff(QStringLiteral("m"), Date::serial(2026, 12, 31), Date::serial(2027, 1, 1)), 1L);
        QCOMPARE(vb::DateDiff(QStringLiteral("yyyy"), Date::serial(2026, 12, 31), Date::serial(2027, 1, 1)), 1L);
        QVERIFY_VB_ERROR(vb::DateDiff(QStringLiteral("x"), a, b), vb::errInvalidProcedureCall);
        QCOMPARE(vb::Weekday(Date::serial(2026, 12, 6)), 1);   // a Sunday
        QCOMPARE(vb::Weekday(Date::serial(2026, 12, 12)), 7);  // a Saturday
    }

    void todayAndNow()
    {
        const Date today = vb::Today();
        QVERIFY(!today.hasTime());
        const Date now = vb::Now();
        QVERIFY(now >= today && now.serial() < today.serial() + 1.0 + 1.0 / 86400);
        QCOMPARE(now.toQDateTime().time().msec(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDates)
#include "tst_dates.moc"
