// TVL.NUMB: the token's steps with chosen random numbers, the form of real tokens, and the
// component made by class identifier.
#include "com/create.h"
#include "numberlib/token.h"
#include "numberlib/tvl.h"
#include "registry/registry.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <dlfcn.h>
#include <optional>
#include <vector>

using namespace tvlno;

namespace {

// Hands out the given numbers in order and counts the draws.
class ScriptedRandom {
public:
    explicit ScriptedRandom(std::vector<double> numbers) : numbers_(std::move(numbers)) {}
    RandomSource source()
    {
        return [this] { return numbers_.at(next_++); };
    }
    size_t draws() const { return next_; }

private:
    std::vector<double> numbers_;
    size_t next_ = 0;
};

// The number that draws the letter: 65 + whole part of (r x 25).
double letter(char c)
{
    return (c - 'A' + 0.5) / 25.0;
}

// The number that picks a position 1 to 3: 1 + whole part of (r x 3).
double position(int p)
{
    return (p - 1 + 0.5) / 3.0;
}

// Reads a group back: four units, each a letter or a two-digit code; the group is well formed
// when exactly one letter was turned into its code, everywhere, and it stood among the first three.
bool isWellFormedGroup(const QString &token, qsizetype &at)
{
    QString letters;
    std::optional<QChar> coded;
    for (int unit = 0; unit < 4; ++unit) {
        if (at >= token.size())
            return false;
        if (token.at(at).isDigit()) {
            if (at + 1 >= token.size() || !token.at(at + 1).isDigit())
                return false;
            const QChar c(token.mid(at, 2).toInt());
            if (c < QLatin1Char('A') || c > QLatin1Char('Y') || (coded && *coded != c))
                return false;
            coded = c;
            letters += QLatin1Char('#');
            at += 2;
        } else {
            letters += token.at(at);
            at += 1;
        }
    }
    return coded && !letters.contains(*coded) && letters.indexOf(QLatin1Char('#')) < 3;
}

} // namespace

class TestTvl : public QObject {
    Q_OBJECT

private slots:
    void init() { QDir(reg::RegistryDirectory()).removeRecursively(); }

    void tokenFollowsTheDrawsInOrder()
    {
        // Groups K B K M and Q R S T; position 3 (K, 75) in the first, 1 (Q, 81) in the second.
        ScriptedRandom random({letter('K'), letter('B'), letter('K'), letter('M'),
                               letter('Q'), letter('R'), letter('S'), letter('T'),
                               position(3), position(1), 0.5});
        QCOMPARE(BuildToken(random.source()), QStringLiteral("75B75M81RST"));
        QCOMPARE(random.draws(), size_t(11));   // the last draw only advances the source
    }

    void fourEqualLettersBecomeEightDigits()
    {
        ScriptedRandom random({0, 0, 0, 0, letter('B'), letter('C'), letter('D'), letter('E'), 0, position(2), 0});
        QCOMPARE(BuildToken(random.source()), QStringLiteral("65656565B67DE"));
    }

    void theFourthLetterIsNeverPickedButIsReplacedWhenEqual()
    {
        // The largest number picks position 3, never 4.
        QCOMPARE(ReplaceLetterByCode(QStringLiteral("ABCD"), 1 + int(0.999999 * 3)), QStringLiteral("AB67D"));
        QCOMPARE(ReplaceLetterByCode(QStringLiteral("ABCA"), 1), QStringLiteral("65BC65"));
    }

    void lettersRunFromAToY()
    {
        ScriptedRandom random({0.0, 0.999999, 0.5, 0.04});
        QCOMPARE(RandomGroup(random.source()), QStringLiteral("AYMB"));
    }

    void realTokensHaveTheirForm()
    {
        static const QRegularExpression alphabet(QStringLiteral("^[A-Y0-9]{10,16}$"));
        TVL tvl;
        for (int i = 0; i < 2000; ++i) {
            const QString token = tvl.NUMB();
            QVERIFY2(alphabet.match(token).hasMatch(), qPrintable(token));
            qsizetype at = 0;
            QVERIFY2(isWellFormedGroup(token, at) && isWellFormedGroup(token, at) && at == token.size(), qPrintable(token));
        }
    }

    void componentIsMadeByClassIdentifierOnceRegistered()
    {
        com::ComPtr<_TVL> tvl;
        QCOMPARE(com::CreateInstance(CLSID_TVL, &tvl), com::REGDB_E_CLASSNOTREG);

        const QString path = QDir(qEnvironmentVariable("HOTEL_PROGRAM_DIR")).filePath(QStringLiteral("libtvlno.so"));
        void *library = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(library, dlerror());
        const auto registerServer = reinterpret_cast<com::DllEntryFunction>(dlsym(library, "DllRegisterServer"));
        QVERIFY(registerServer);
        QCOMPARE(registerServer(), com::S_OK);

        QCOMPARE(com::CreateInstance(CLSID_TVL, &tvl), com::S_OK);
        const QString token = tvl->NUMB();
        QVERIFY2(token.size() >= 10 && token.size() <= 16, qPrintable(token));
    }
};

QTEST_GUILESS_MAIN(TestTvl)
#include "tst_tvl.moc"
