// CCrypto must give the Windows program's stored texts. Expected hex texts were produced by
// the OpenSSL command line, independently of this code, from the Base provider's scheme
// (key = first 5 bytes of MD5 of the key text; RC2 with 40 effective bits, CBC, zero IV,
// PKCS #5 padding; RC4 under the same 5 bytes), e.g.
//   K=$(printf '%s' 123456789 | openssl md5 -r | cut -c1-10)
//   printf 'Admin' | openssl enc -rc2-40-cbc -K $K -iv 0000000000000000
//       -provider legacy -provider default | xxd -p -u           (one command line)
// with accented texts converted to Windows-1252 first (iconv -t cp1252).
#include "core/crypto/ccrypto.h"
#include "core/crypto/programkey.h"
#include "core/state/appstate.h"
#include "core/state/errorreport.h"
#include "vb/locale.h"

#include <QRegularExpression>
#include <QtTest>

namespace core {

namespace {
const QString kKey = QStringLiteral("123456789");
const QRegularExpression kHexForm(QStringLiteral("^(?:[0-9A-F]{2})+$"));
} // namespace

class CCryptoTest : public QObject {
    Q_OBJECT

    QList<ReportMode> reports;

private slots:
    void initTestCase()
    {
        vb::SetCurrentLocale(QLocale("en_US"));
        SetErrorReportPresenter([this](ReportMode mode) { reports << mode; });
    }
    void cleanupTestCase() { SetErrorReportPresenter({}); }
    void init()
    {
        ResetState();
        reports.clear();
    }

    void knownCipherTexts_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("hex");
        QTest::newRow("RC2") << "Admin" << kKey << 1 << "47A7502894307070";
        QTest::newRow("RC2, 2 chars") << "sa" << kKey << 1 << "21C54EB72A90784F";
        QTest::newRow("RC2, 7 chars") << "secret1" << kKey << 1 << "3A3D449AE7709824";
        QTest::newRow("RC2, 8 chars") << "Password" << kKey << 1
                                      << "05D87FDBDB8E07695725D4DA414122E1";
        QTest::newRow("RC2, accents") << QStringLiteral("Crème brûlée") << kKey << 1
                                      << "A3A1AF784C53AF0BC5185B43F2283B8B";
        QTest::newRow("RC2, other key") << "Admin" << "Hotel Key" << 1 << "360B1290784FBB43";
        QTest::newRow("RC4") << "Admin" << kKey << 2 << "0DEEB2D607";
        QTest::newRow("RC4, accents") << QStringLiteral("Crème") << kKey << 2 << "0FF837D20C";
    }

    void knownCipherTexts()
    {
        QFETCH(QString, plain);
        QFETCH(QString, key);
        QFETCH(int, type);
        QFETCH(QString, hex);
        CCrypto crypto;
        QCOMPARE(crypto.Encrypt(plain, key, true, type), hex);
        QCOMPARE(crypto.Decrypt(hex, key, true, type), plain);
        // A second object gives the same text: that is how stored passwords are matched.
        QCOMPARE(CCrypto().Encrypt(plain, key, true, type), hex);
        QCOMPARE(State().mLastError, QString());
        QVERIFY(reports.isEmpty());
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<int>("type");
        const QStringList texts{
            "x", "abcdefg", "abcdefgh", "abcdefghi", "0123456789ABCDEF",
            QStringLiteral("Ünïcødé ÿ€ Œuvre"), "trailing blanks  ", " ", "line\r\nbreak\ttab",
            QStringLiteral("àáâãäåæçèéêëìíîïðñòóôõö÷øùúûüýþÿ")};
        for (int type : {1, 2}) {
            for (const QString &text : texts) {
                const QString name = QStringLiteral("type %1, %2 chars: %3")
                                         .arg(type).arg(text.size()).arg(text);
                QTest::newRow(qPrintable(name)) << text << type;
            }
        }
    }

    void roundTrip()
    {
        QFETCH(QString, plain);
        QFETCH(int, type);
        CCrypto crypto;
        const QString hex = crypto.Encrypt(plain, ProgramKey(), true, type);
        QVERIFY2(kHexForm.match(hex).hasMatch(), qPrintable(hex));
        // RC2: whole 8-byte blocks, a further block when the text fills its blocks exactly.
        const qsizetype bytes = type == 1 ? (plain.size() / 8 + 1) * 8 : plain.size();
        QCOMPARE(hex.size(), 2 * bytes);
        QCOMPARE(crypto.Decrypt(hex, ProgramKey(), true, type), plain);

        // The raw form is the same bytes, one character each.
        const QString raw = crypto.Encrypt(plain, ProgramKey(), false, type);
        QCOMPARE(raw.size(), bytes);
        QCOMPARE(CCrypto::ConvertStringToHex(raw), hex);
        QCOMPARE(crypto.Decrypt(raw, ProgramKey(), false, type), plain);
        QCOMPARE(State().mLastError, QString());
    }

    void typesDiffer()
    {
        CCrypto crypto;
        QVERIFY(crypto.Encrypt("Admin", kKey, true, 1) != crypto.Encrypt("Admin", kKey, true, 2));
        QVERIFY(crypto.Encrypt("Admin", kKey, true, 1) != crypto.Encrypt("Admin", "12345678", true, 1));
    }

    void failuresAreReported_data()
    {
        QTest::addColumn<bool>("encrypt");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("lastError");
        const QString badType = "Invalid encryption type specified";
        const QString missing = "Both a string and a key are required";
        const QString badHex = "Error Code : ENDN005\r\nNot a valid hex string\r\n"
                               "--- Ensure 'dbkey' value in config.ini file is valid";
        const QString encrypt = "Error Code : ENDN002 \r\n";
        const QString decrypt = "Error Code : ENDN003\r\n";
        const QString core = "Error Code : ENDN001\r\n";

        QTest::newRow("encrypt, type 0") << true << "Admin" << kKey << 0 << encrypt + badType;
        QTest::newRow("encrypt, type 3") << true << "Admin" << kKey << 3 << encrypt + badType;
        QTest::newRow("encrypt, type checked first") << true << "" << "" << 3 << encrypt + badType;
        QTest::newRow("encrypt, no text") << true << "" << kKey << 1 << encrypt + missing;
        QTest::newRow("encrypt, no key") << true << "Admin" << "" << 2 << encrypt + missing;
        QTest::newRow("decrypt, type 0") << false << "47A7502894307070" << kKey << 0
                                         << decrypt + badType;
        QTest::newRow("decrypt, type -1") << false << "47A7502894307070" << kKey << -1
                                          << decrypt + badType;
        QTest::newRow("decrypt, no text") << false << "" << kKey << 1 << decrypt + missing;
        QTest::newRow("decrypt, no key") << false << "47A7502894307070" << "" << 1
                                         << decrypt + missing;
        QTest::newRow("odd hex length") << false << "47A750289430707" << kKey << 1 << badHex;
        QTest::newRow("lower-case hex") << false << "47a7502894307070" << kKey << 1 << badHex;
        QTest::newRow("not hex") << false << "47A75028943070G0" << kKey << 1 << badHex;
        QTest::newRow("hex with blank") << false << "47A7 502894307070 " << kKey << 1 << badHex;
        QTest::newRow("RC4, bad hex") << false << "0DEEB2D6 7" << kKey << 2 << badHex;
        QTest::newRow("not whole blocks") << false << "47A75028943070" << kKey << 1
                                          << core + "Could not decrypt data";
        QTest::newRow("wrong key") << false << "47A7502894307070" << "987654321" << 1
                                   << core + "Could not decrypt data";
    }

    void failuresAreReported()
    {
        QFETCH(bool, encrypt);
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(int, type);
        QFETCH(QString, lastError);
        CCrypto crypto;
        const QString result = encrypt ? crypto.Encrypt(text, key, true, type)
                                       : crypto.Decrypt(text, key, true, type);
        QCOMPARE(result, QString());
        QCOMPARE(State().mLastError, lastError);
        // One report, not modal; bad hex decrypts to nothing without a second report.
        QCOMPARE(reports, QList<ReportMode>{ReportMode::Modeless});
    }

    void objectWorksAfterAFailure()
    {
        CCrypto crypto;
        QCOMPARE(crypto.Decrypt("zz", kKey, true, 1), QString());
        QCOMPARE(crypto.Encrypt("Admin", kKey, true, 1), QStringLiteral("47A7502894307070"));
    }

    void hexConversions()
    {
        QCOMPARE(CCrypto::ConvertStringToHex(QStringLiteral("\n")), QStringLiteral("0A"));
        QCOMPARE(CCrypto::ConvertStringToHex(QStringLiteral("A\x01é€ÿ")),
                 QStringLiteral("4101E980FF"));
        QCOMPARE(CCrypto::ConvertStringToHex(QString()), QString());
        QCOMPARE(CCrypto::ConvertStringFromHex(QStringLiteral("0A41E980FF")),
                 QStringLiteral("\nAé€ÿ"));
        QCOMPARE(CCrypto::ConvertStringFromHex(QString()), QString());
        QVERIFY(reports.isEmpty());
    }

    void programKey()
    {
        const QString key = ProgramKey();
        QVERIFY2(QRegularExpression("^[0-9]{9}$").match(key).hasMatch(), qPrintable(key));
        QCOMPARE(ProgramKey(), key);
    }
};

} // namespace core

QTEST_GUILESS_MAIN(core::CCryptoTest)
#include "tst_ccrypto.moc"
