// The profile functions against the rules Windows documents for GetPrivateProfileString and
// WritePrivateProfileString.
#include "profile/profile.h"
#include "support/filebytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using profile::GetPrivateProfileString;
using profile::WritePrivateProfileString;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

namespace {

const QChar NUL(0);

} // namespace

class TestProfile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString ini_;

    QString get(const profile::NullableText &section, const profile::NullableText &key,
                const profile::NullableText &def = QString(), uint32_t size = 255, uint32_t *count = nullptr)
    {
        QString buffer;
        const uint32_t n = GetPrivateProfileString(section, key, def, &buffer, size, ini_);
        if (count)
            *count = n;
        return buffer;
    }

private slots:
    void init()
    {
        QVERIFY(dir_.isValid());
        ini_ = dir_.filePath(QStringLiteral("config.ini"));
        QFile::remove(ini_);
    }

    void sectionsAndKeysMatchWithoutCase()
    {
        QVERIFY(WritePrivateProfileString(QStringLiteral("Settings"), QStringLiteral("UseSQL"), QStringLiteral("1"), ini_));
        uint32_t n = 0;
        QCOMPARE(get(QStringLiteral("SETTINGS"), QStringLiteral("usesql"), QString(), 255, &n), QStringLiteral("1") + NUL);
        QCOMPARE(n, 1u);
        // A second write with other case replaces the value and keeps the file's spelling.
        QVERIFY(WritePrivateProfileString(QStringLiteral("settings"), QStringLiteral("USESQL"), QStringLiteral("0"), ini_));
        QCOMPARE(ReadBytes(ini_), QByteArray("[Settings]\r\nUseSQL=0\r\n"));
    }

    void valuesLoseSurroundingBlanksAndQuotes()
    {
        WriteBytes(ini_, "  [ pos ]  \r\n  Left   =   120   \r\n"
                         "q1=\"  spaced  \"\r\nq2='single'\r\nq3=\"open\r\nq4=\"\r\n");
        QCOMPARE(get(QStringLiteral("pos"), QStringLiteral("left")), QStringLiteral("120") + NUL);
        QCOMPARE(get(QStringLiteral("pos"), QStringLiteral("q1")), QStringLiteral("  spaced  ") + NUL);
        QCOMPARE(get(QStringLiteral("pos"), QStringLiteral("q2")), QStringLiteral("single") + NUL);
        QCOMPARE(get(QStringLiteral("pos"), QStringLiteral("q3")), QStringLiteral("\"open") + NUL);
        QCOMPARE(get(QStringLiteral("pos"), QStringLiteral("q4")), QStringLiteral("\"") + NUL);
        // Names asked with blanks around them still match.
        QCOMPARE(get(QStringLiteral(" pos "), QStringLiteral(" Left ")), QStringLiteral("120") + NUL);
    }

    void defaultComesBackWhenMissing()
    {
        uint32_t n = 0;
        // No file at all.
        QCOMPARE(get(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("FAIL"), 255, &n), QStringLiteral("FAIL") + NUL);
        QCOMPARE(n, 4u);
        QVERIFY(WritePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"), ini_));
        // Missing key, missing section; trailing blanks of the default are dropped; null is "".
        QCOMPARE(get(QStringLiteral("s"), QStringLiteral("other"), QStringLiteral("dflt  ")), QStringLiteral("dflt") + NUL);
        QCOMPARE(get(QStringLiteral("nope"), QStringLiteral("k"), QStringLiteral("d")), QStringLiteral("d") + NUL);
        QCOMPARE(get(QStringLiteral("nope"), QStringLiteral("k"), std::nullopt, 255, &n), QString(NUL));
        QCOMPARE(n, 0u);
        // The key names of a missing section are the default too.
        QCOMPARE(get(QStringLiteral("nope"), std::nullopt, QStringLiteral("d")), QStringLiteral("d") + NUL);
    }

    void longValueIsCutToTheBuffer()
    {
        const QString value(300, QLatin1Char('x'));
        QVERIFY(WritePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), value, ini_));
        uint32_t n = 0;
        const QString buffer = get(QStringLiteral("s"), QStringLiteral("k"), QString(), 255, &n);
        QCOMPARE(n, 254u);
        QCOMPARE(buffer, QString(254, QLatin1Char('x')) + NUL);
        // A default is cut the same way.
        QCOMPARE(get(QStringLiteral("s"), QStringLiteral("none"), QStringLiteral("abcdef"), 4, &n), QStringLiteral("abc") + NUL);
        QCOMPARE(n, 3u);
    }

    void keyNamesAreNulSeparatedWithAFinalNul()
    {
        WriteBytes(ini_, "[a]\r\nfirst=1\r\n; note=no key\r\nno equals sign\r\n\r\nSecond = 2\r\n[b]\r\nthird=3\r\n");
        uint32_t n = 0;
        QCOMPARE(get(QStringLiteral("A"), std::nullopt, QString(), 8192, &n),
                 QStringLiteral("first") + NUL + QStringLiteral("Second") + NUL + NUL);
        QCOMPARE(n, 13u);
        QCOMPARE(get(std::nullopt, std::nullopt, QString(), 8192, &n),
                 QStringLiteral("a") + NUL + QStringLiteral("b") + NUL + NUL);
        QCOMPARE(n, 4u);
    }

    void listTooLongForTheBufferEndsInTwoNuls()
    {
        QVERIFY(WritePrivateProfileString(QStringLiteral("s"), QStringLiteral("alpha"), QStringLiteral("1"), ini_));
        QVERIFY(WritePrivateProfileString(QStringLiteral("s"), QStringLiteral("beta"), QStringLiteral("2"), ini_));
        uint32_t n = 0;
        // "alpha\0beta\0\0" needs 12 characters.
        QCOMPARE(get(QStringLiteral("s"), std::nullopt, QString(), 12, &n),
                 QStringLiteral("alpha") + NUL + QStringLiteral("beta") + NUL + NUL);
        QCOMPARE(n, 11u);
        QCOMPARE(get(QStringLiteral("s"), std::nullopt, QString(), 11, &n),
                 QStringLiteral("alpha") + NUL + QStringLiteral("bet") + NUL + NUL);
        QCOMPARE(n, 9u);
        QCOMPARE(get(QStringLiteral("s"), std::nullopt, QString(), 5, &n), QStringLiteral("alp") + NUL + NUL);
        QCOMPARE(n, 3u);
    }

    // Windows treats a list of section names that exactly fills the buffer as cut (a list of key
    // names above fits exactly); "section1\0section2\0section3\0\0" takes 28 characters.
    void sectionNamesThatFillTheBufferCountAsCut_data()
    {
        QTest::addColumn<uint>("size");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<uint>("count");
        const QString all = QStringLiteral("section1") + NUL + QStringLiteral("section2") + NUL + QStringLiteral("section3") + NUL + NUL;
        QTest::newRow("room to spare") << 29u << all << 27u;
        QTest::newRow("exact fit") << 28u << all << 26u;
        QTest::newRow("one short") << 27u << QString(QStringLiteral("section1") + NUL + QStringLiteral("section2") + NUL + QStringLiteral("section") + NUL + NUL) << 25u;
    }
    void sectionNamesThatFillTheBufferCountAsCut()
    {
        QFETCH(uint, size);
        QFETCH(QString, expected);
        QFETCH(uint, count);
        WriteBytes(ini_, "[section1]\r\nname1=value1\r\n[section2]\r\n[section3]\r\n");
        uint32_t n = 0;
        QCOMPARE(get(std::nullopt, std::nullopt, QString(), size, &n), expected);
        QCOMPARE(n, count);
    }

    void zeroSizeLeavesTheBufferAlone()
    {
        WriteBytes(ini_, "[s]\r\nk=v\r\n");
        QString buffer = QStringLiteral("kept");
        for (const profile::NullableText &section : {profile::NullableText(), profile::NullableText(QStringLiteral("s"))}) {
            QCOMPARE(GetPrivateProfileString(section, QStringLiteral("k"), QStringLiteral("d"), &buffer, 0, ini_), 0u);
            QCOMPARE(buffer, QStringLiteral("kept"));
        }
    }

    void nullValueDeletesKeyAndNullKeyDeletesSection()
    {
        WriteBytes(ini_, "; kept comment\r\n[one]\r\nk1=1\r\nk2=2\r\n\r\n[two]\r\nk=3\r\n");
        QVERIFY(WritePrivateProfileString(QStringLiteral("ONE"), QStringLiteral("K1"), std::nullopt, ini_));
        QCOMPARE(ReadBytes(ini_), QByteArray("; kept comment\r\n[one]\r\nk2=2\r\n\r\n[two]\r\nk=3\r\n"));
        QVERIFY(WritePrivateProfileString(QStringLiteral("one"), std::nullopt, std::nullopt, ini_));
        QCOMPARE(ReadBytes(ini_), QByteArray("; kept comment\r\n[two]\r\nk=3\r\n"));
        // Deleting what is not there succeeds and changes nothing.
        QVERIFY(WritePrivateProfileString(QStringLiteral("one"), std::nullopt, std::nullopt, ini_));
        QVERIFY(WritePrivateProfileString(QStringLiteral("two"), QStringLiteral("zz"), std::nullopt, ini_));
        QCOMPARE(ReadBytes(ini_), QByteArray("; kept comment\r\n[two]\r\nk=3\r\n"));
    }

    void deletingFromAMissingFileCreatesNothing()
    {
        QVERIFY(WritePrivateProfileString(QStringLiteral("s"), std::nullopt, std::nullopt, ini_));
        QVERIFY(WritePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), std::nullopt, ini_));
        QVERIFY(!QFile::exists(ini_));
    }

    void newKeysGoToTheEndOfTheirSection()
    {
        WriteBytes(ini_, "[a]\nx=1\n\n[b]\ny=2");   // LF line ends, no final line end
        QVERIFY(WritePrivateProfileString(QStringLiteral("a"), QStringLiteral("z"), QStringLiteral("3"), ini_));
        QVERIFY(WritePrivateProfileString(QStringLiteral("c"), QStringLiteral("w"), QStringLiteral("4"), ini_));
        QCOMPARE(ReadBytes(ini_), QByteArray("[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n[c]\r\nw=4\r\n"));
    }

    void anyLineEndIsRead()
    {
        WriteBytes(ini_, "[cr]\rk=old mac\r[lf]\nk=unix\n");
        QCOMPARE(get(QStringLiteral("cr"), QStringLiteral("k")), QStringLiteral("old mac") + NUL);
        QCOMPARE(get(QStringLiteral("lf"), QStringLiteral("k")), QStringLiteral("unix") + NUL);
    }

    void textsAreWindows1252()
    {
        QVERIFY(WritePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), QString::fromUtf8("caf\u00e9 \u20ac \u0101"), ini_));
        QCOMPARE(ReadBytes(ini_), QByteArray("[s]\r\nk=caf\xe9 \x80 ?\r\n"));
        QCOMPARE(get(QStringLiteral("s"), QStringLiteral("k")), QString::fromUtf8("caf\u00e9 \u20ac ?") + NUL);
    }

    void textsEndAtTheirFirstNul()
    {
        QVERIFY(WritePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("ab") + NUL + QStringLiteral("cd"), ini_));
        QCOMPARE(ReadBytes(ini_), QByteArray("[s]\r\nk=ab\r\n"));
    }

    void windowsFormPathsAreAccepted()
    {
        QDir(dir_.path()).mkdir(QStringLiteral("sub"));
        const QString windowsForm = dir_.path() + QStringLiteral("\\sub\\\\win.ini");
        QVERIFY(WritePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"), windowsForm));
        QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("sub/win.ini"))));
        QString buffer;
        QCOMPARE(GetPrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), QString(), &buffer, 255, windowsForm), 1u);
    }

    void failedWritesReportFalseAndLeaveNoFiles()
    {
        const QString inMissingFolder = dir_.filePath(QStringLiteral("missing/config.ini"));
        QVERIFY(!WritePrivateProfileString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"), inMissingFolder));
        QVERIFY(!QFile::exists(inMissingFolder));
        QVERIFY(!WritePrivateProfileString(std::nullopt, QStringLiteral("k"), QStringLiteral("v"), ini_));
        QVERIFY(!QFile::exists(ini_));
    }

    void writesReplaceTheFileWholeWithoutLeftovers()
    {
        for (int i = 0; i < 20; ++i)
            QVERIFY(WritePrivateProfileString(QStringLiteral("s"), QStringLiteral("k%1").arg(i), QString::number(i), ini_));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("config.ini")});
        QCOMPARE(get(QStringLiteral("s"), QStringLiteral("k19")), QStringLiteral("19") + NUL);
    }
};

QTEST_GUILESS_MAIN(TestProfile)
#include "tst_profile.moc"
