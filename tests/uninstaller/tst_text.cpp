// The uninstaller's byte strings, pointer list, text conversions and message table.
#include "bytestring.h"
#include "messagetable.h"
#include "ptrlist.h"
#include "textcodec.h"

#include "uninstaller/support/uninstdatabuilder.h"

#include <QTest>

using namespace uninst;
using uninsttest::Bytes;

namespace {

QString wide(const QByteArray &b) { return QString::fromStdU16String(Utf8ToWide(Bytes(b))); }

} // namespace

class TestUninstText : public QObject {
    Q_OBJECT

private slots:
    void upperCasing()
    {
        ByteString text(Bytes("az\xe5\xe4\xf6\xe9\xfc-Z"));
        text.upperCase();
        QCOMPARE(QByteArray(text.data(), int(text.length())), QByteArray("AZ\xc5\xc4\xd6\xe9\xfc-Z"));
        QVERIFY(ByteString("Files\xe5").equals(ByteString("FILES\xc5"), false));
        QVERIFY(!ByteString("Files").equals(ByteString("FILES"), true));
    }

    void findingAndPlaceholders()
    {
        ByteString text("Remove %s now %s");
        QCOMPARE(text.find("%s"), 7);
        QCOMPARE(text.find("%s", 8), 14);
        QCOMPARE(text.find(""), -1);
        QCOMPARE(text.find("now", 16), -1);
        QCOMPARE(text.find("NOW", 0, false), 10);
        QCOMPARE(text.findLast("%s"), 14);
        QCOMPARE(text.findLast("%s", 13), 7);
        QVERIFY(ReplaceFirstPlaceholder(&text, "Hotel"));
        QCOMPARE(text.bytes(), std::string("Remove Hotel now %s"));
        ByteString none("nothing here");
        QVERIFY(!ReplaceFirstPlaceholder(&none, "x"));
        QCOMPARE(none.bytes(), std::string("nothing here"));
    }

    void readsAtTheEdges()
    {
        const ByteString three(Bytes(QByteArray("\x01\x02\x03", 3)));
        QCOMPARE(three.readU32(0), -1);
        QCOMPARE(three.readU16(1), 0x0203);
        QCOMPARE(three.readU16(2), -1);
        QCOMPARE(three.byteAt(3), -1);
        QCOMPARE(ByteString(Bytes(QByteArray("\xff\xfe\x00\x01", 4))).readU32(0), 0xFFFE0001LL);

        ByteString text("abc");
        text.erase(2, 2);   // passes the end: nothing
        QCOMPARE(text.bytes(), std::string("abc"));
        text.erase(1, 1);
        QCOMPARE(text.bytes(), std::string("ac"));
        QCOMPARE(ByteString("abcdef").substring(4, 5).bytes(), std::string("abcdef"));
        ByteString many("a--b--c--d");
        many.removeOccurrences("--", 0, 2, true);
        QCOMPARE(many.bytes(), std::string("abc--d"));
    }

    void readsLines()
    {
        const ByteString text(Bytes(QByteArray("a\r\nb")));
        int64_t position = 0;
        QCOMPARE(text.readLine(&position).bytes(), std::string("a"));
        QCOMPARE(position, 3);
        QCOMPARE(text.readLine(&position).bytes(), std::string("b"));
        QCOMPARE(position, 4);
        QVERIFY(!text.hasMore(position));

        const ByteString withNul(Bytes(QByteArray("ab\0cd\r\n\r\n", 9)));
        position = 0;
        QCOMPARE(withNul.readLine(&position).bytes(), std::string("ab"));
        position = 0;
        QCOMPARE(withNul.readLine(&position, true).length(), 5);
        QCOMPARE(withNul.readLine(&position).bytes(), std::string());
        QCOMPARE(position, 9);
        QCOMPARE(withNul.readLine(nullptr).bytes(), std::string("Invalid param"));
        position = 99;
        QCOMPARE(withNul.readLine(&position).bytes(), std::string("Out of bounds"));
    }

    void decodesUtf8_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two-byte") << QByteArray("\xc3\xa4") << QStringLiteral("\u00e4");
        QTest::newRow("Latin-1 fallback") << QByteArray("\xe4x") << QStringLiteral("\u00e4x");
        QTest::newRow("overlong NUL") << QByteArray("ok\xc0\x80", 4) << QString();
        QTest::newRow("three-byte") << QByteArray("\xe2\x82\xac") << QStringLiteral("\u20ac");
        QTest::newRow("overlong three-byte") << QByteArray("\xe0\x80\xaf") << QString();
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << QString();
        QTest::newRow("FFFE") << QByteArray("\xef\xbf\xbe") << QString();
        QTest::newRow("cut by the length") << QByteArray("a\xe2\x82") << QString();
        QTest::newRow("stray continuation") << QByteArray("\x80z") << QStringLiteral("\u0080z");
        QTest::newRow("four-byte lead alone") << QByteArray("\xf0!") << QStringLiteral("\u00f0!");
    }
    void decodesUtf8()
    {
        QFETCH(QByteArray, utf8);
        QFETCH(QString, expected);
        QCOMPARE(wide(utf8), expected);
    }

    void decodesUpToTheNulWithoutLength()
    {
        QCOMPARE(QString::fromStdU16String(Utf8ToWide("\xc3\xa4z\0tail")), QStringLiteral("\u00e4z"));
        // Without a length, a lead byte before the NUL is a character of its own.
        QCOMPARE(QString::fromStdU16String(Utf8ToWide("a\xc3")), QStringLiteral("a\u00c3"));
    }

    void encodesUtf16()
    {
        const std::u16string text = u"a\u00e4\u20ac\U0001F600";
        QCOMPARE(WideToUtf8(text).bytes(), std::string("a\xc3\xa4\xe2\x82\xac\xed\xa0\xbd\xed\xb8\x80"));
    }

    void pointerList()
    {
        int a = 1, b = 2, c = 3;
        PtrList<int> list;
        QCOMPARE(list.add(&a), 1);
        QCOMPARE(list.add(&b), 1);
        QCOMPARE(list.add(&a), -1);
        QCOMPARE(list.count(), 2);
        QCOMPARE(list.add(&c, 0), 1);
        QCOMPARE(list.get(0), &c);
        QCOMPARE(list.get(3), nullptr);
        QCOMPARE(list.move(0, 2), 1);
        QCOMPARE(list.indexOf(&c), 2);
        QCOMPARE(list.move(1, 1), -1);
        QCOMPARE(list.move(1, 5), -1);
        QCOMPARE(list.remove(&a), 1);
        QCOMPARE(list.remove(&a), -1);
        QCOMPARE(list.count(), 2);
    }

    void messageTable()
    {
        // Checked by hand: language 1035, two records with id 1 ("ä" and "second"), one
        // empty record with id 4.
        const QByteArray table = uninsttest::MessageTableBytes(1035, {{1, "\xc3\xa4"}, {4, ""}, {1, "second"}});
        QCOMPARE(table.left(18).toHex(' '), QByteArray("00 00 04 0b 00 00 00 03 00 00 00 01 00 00 00 02 c3 a4"));
        MessageTable messages;
        QCOMPARE(messages.languageId(), 1u);
        QVERIFY(messages.load(Bytes(table)));
        QCOMPARE(messages.languageId(), 1035u);
        QCOMPARE(messages.text(1).bytes(), std::string("\xc3\xa4"));
        QCOMPARE(messages.text(4).bytes(), std::string());
        QCOMPARE(messages.text(9).bytes(), std::string());

        MessageTable cut;
        QVERIFY(!cut.load(Bytes(table.left(table.size() - 2))));
        QCOMPARE(cut.text(4).bytes(), std::string());   // read before the cut record
        QCOMPARE(int(cut.records().size()), 2);
    }

    // A message is read as a C string: it ends at its first NUL.
    void messageEndsAtItsFirstNul_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("NUL inside") << QByteArray("Remove %s\0 and more", 20) << QByteArray("Remove %s");
        QTest::newRow("NUL first") << QByteArray("\0hidden", 7) << QByteArray();
        QTest::newRow("NUL at the end") << QByteArray("Done\0", 5) << QByteArray("Done");
        QTest::newRow("no NUL") << QByteArray("Done") << QByteArray("Done");
    }
    void messageEndsAtItsFirstNul()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, text);
        MessageTable messages;
        QVERIFY(messages.load(Bytes(uninsttest::MessageTableBytes(1033, {{1, stored}}))));
        QCOMPARE(QByteArray::fromStdString(messages.text(1).bytes()), text);
    }
};

QTEST_APPLESS_MAIN(TestUninstText)
#include "tst_text.moc"
