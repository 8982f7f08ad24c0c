#include "vb/app.h"
#include "vb/crlf.h"
#include "vb/locale.h"
#include "vb/random.h"
#include "vb/text.h"

#include "vbtest.h"

#include <QDir>
#include <QTime>

class TestRuntime : public QObject {
    Q_OBJECT

private slots:
    // Runs with LC_ALL=C: a system without regional settings gets those of a fresh US Windows.
    void initTestCase()
    {
        QCOMPARE(vb::CurrentLocale().name(), QStringLiteral("en_US"));
        QCOMPARE(vb::ShortDateFormat(), QStringLiteral("M/d/yyyy"));
    }

    void init() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }

    void trimRemovesBlanksOnly()
    {
        QCOMPARE(vb::Trim(QStringLiteral("  a b  ")), QStringLiteral("a b"));
        QCOMPARE(vb::Trim(QStringLiteral("\ta\t")), QStringLiteral("\ta\t"));
        QCOMPARE(vb::LTrim(QStringLiteral("  a  ")), QStringLiteral("a  "));
        QCOMPARE(vb::RTrim(QStringLiteral("  a  ")), QStringLiteral("  a"));
        QCOMPARE(vb::Trim(QStringLiteral("   ")), QString());
    }

    void substrings()
    {
        const QString s = QStringLiteral("Brevant");
        QCOMPARE(vb::Left(s, 3), QStringLiteral("Bre"));
        QCOMPARE(vb::Right(s, 4), QStringLiteral("vant"));
        QCOMPARE(vb::Right(s, 40), s);
        QCOMPARE(vb::Mid(s, 2, 3), QStringLiteral("rev"));
        QCOMPARE(vb::Mid(s, 5), QStringLiteral("ant"));
        QCOMPARE(vb::Mid(s, 50), QString());
        QCOMPARE(vb::InStr(s, QStringLiteral("v")), 4);
        QCOMPARE(vb::InStr(s, QStringLiteral("V")), 0);   // case matters
        QCOMPARE(vb::InStr(s, QStringLiteral("a"), 6), 0);
        QCOMPARE(vb::InStr(s, QString(), 3), 3);
        QVERIFY_VB_ERROR(vb::Mid(s, 0), vb::errInvalidProcedureCall);
        QVERIFY_VB_ERROR(vb::Left(s, -1), vb::errInvalidProcedureCall);
        QVERIFY_VB_ERROR(vb::InStr(s, QStringLiteral("a"), 0), vb::errInvalidProcedureCall);
        QCOMPARE(vb::UCase(QStringLiteral("ab")), QStringLiteral("AB"));
        QCOMPARE(vb::LCase(QStringLiteral("AB")), QStringLiteral("ab"));
    }

    void replaceEveryOccurrence()
    {
        QCOMPARE(vb::Replace(QStringLiteral("O'Brien's"), QStringLiteral("'"), QStringLiteral("!*!")),
                 QStringLiteral("O!*!Brien!*!s"));
        QCOMPARE(vb::Replace(QStringLiteral("aaa"), QStringLiteral("aa"), QStringLiteral("b")), QStringLiteral("ba"));
        QCOMPARE(vb::Replace(QStringLiteral("Abc"), QStringLiteral("a"), QStringLiteral("x")), QStringLiteral("Abc"));
        QCOMPARE(vb::Replace(QStringLiteral("abc"), QString(), QStringLiteral("x")), QStringLiteral("abc"));
    }

    void rndIsUniformAndRepeatsForTheSameSeed()
    {
        vb::Randomize(1234.5);
        QList<double> first;
        for (int i = 0; i < 1000; ++i)
            first.append(vb::Rnd());
        vb::Randomize(1234.5);
        for (int i = 0; i < 1000; ++i)
            QCOMPARE(vb::Rnd(), first.at(i));

        vb::Randomize(1234.75);
        QVERIFY(vb::Rnd() != first.at(0));

        // Whole part of Rnd * 25 picks each of 25 letters about equally often.
        vb::Randomize(99.0);
        QList<int> counts(25, 0);
        for (int i = 0; i < 25000; ++i) {
            const double r = vb::Rnd();
            QVERIFY(r >= 0.0 && r < 1.0);
            ++counts[int(r * 25)];
        }
        for (const int c : counts)
            QVERIFY2(c > 800 && c < 1200, qPrintable(QString::number(c)));
    }

    void randomizeSeedsFromTheClock()
    {
        // Seconds since midnight plus the time of day as a fraction of a day.
        QCOMPARE(vb::ClockSeed(43200.0), 43200.5);
        QCOMPARE(vb::ClockSeed(0.0), 0.0);
        const double before = vb::Timer();
        QVERIFY(before >= 0.0 && before < 86400.0);
        QVERIFY(qAbs(before - QTime::currentTime().msecsSinceStartOfDay() / 1000.0) < 2.0);
    }

    void appPathAndNativePaths()
    {
        QCOMPARE(vb::NativePath(QStringLiteral("/opt/hotel\\config.ini")), QStringLiteral("/opt/hotel/config.ini"));
        QCOMPARE(vb::NativePath(QStringLiteral("/opt/hotel/\\sounds\\\\ding.wav")), QStringLiteral("/opt/hotel/sounds/ding.wav"));
        QCOMPARE(vb::NativePath(QStringLiteral("relative\\file")), QStringLiteral("relative/file"));

        const QString fromEnvironment = qEnvironmentVariable("HOTEL_PROGRAM_DIR");
        QVERIFY2(!fromEnvironment.isEmpty(), "the test runner sets HOTEL_PROGRAM_DIR");
        QCOMPARE(vb::AppPath(), QDir::cleanPath(fromEnvironment));

        vb::SetAppPath(QStringLiteral("/tmp/prog/"));
        QCOMPARE(vb::AppPath(), QStringLiteral("/tmp/prog"));
        QCOMPARE(vb::NativePath(vb::AppPath() + QStringLiteral("\\config.ini")), QStringLiteral("/tmp/prog/config.ini"));
        vb::SetAppPath(QString());

        qunsetenv("HOTEL_PROGRAM_DIR");
        QCOMPARE(vb::AppPath(), QCoreApplication::applicationDirPath());
        qputenv("HOTEL_PROGRAM_DIR", fromEnvironment.toUtf8());
    }

    void unitedStatesRegionalSettings()
    {
        QCOMPARE(vb::ShortDateFormat(), QStringLiteral("M/d/yyyy"));
        QCOMPARE(vb::LongTimeFormat(), QStringLiteral("h:mm:ss AP"));
        QCOMPARE(vb::CurrencySymbol(), QStringLiteral("$"));
        QCOMPARE(vb::DecimalSeparator(), QLatin1Char('.'));
        QCOMPARE(vb::GroupSeparator(), QLatin1Char(','));
        QCOMPARE(vb::DateSeparator(), QLatin1Char('/'));
    }

    // CR LF texts shown in a widget and read back: every pair becomes one line feed and
    // back; a line feed typed in a text box becomes a pair, a pair stays one pair.
    void crLfTextsRoundTripThroughWidgets_data()
    {
        QTest::addColumn<QString>("crlf");
        QTest::addColumn<QString>("lines");
        QTest::newRow("none") << "abc" << "abc";
        QTest::newRow("one pair") << "a\r\nb" << "a\nb";
        QTest::newRow("blank line") << "a\r\n\r\nb" << "a\n\nb";
        QTest::newRow("trailing") << "a\r\n" << "a\n";
    }
    void crLfTextsRoundTripThroughWidgets()
    {
        QFETCH(QString, crlf);
        QFETCH(QString, lines);
        QCOMPARE(vb::CrLfToLines(crlf), lines);
        QCOMPARE(vb::LinesToCrLf(lines), crlf);
        QCOMPARE(vb::LinesToCrLf(crlf), crlf);
    }
};

QTEST_GUILESS_MAIN(TestRuntime)
#include "tst_runtime.moc"
