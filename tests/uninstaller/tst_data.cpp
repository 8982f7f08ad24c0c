// Reading the appended uninstallation data: layers, tail, header, sections, registry tree,
// window template, images, and the dump tool that prints what was read.
#include "templateformat.h"
#include "uninstdata.h"

#include "support/filebytes.h"
#include "uninstaller/support/uninstdatabuilder.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace uninst;
using namespace uninsttest;

namespace {


DataResult read(const TestData &data) { return ReadUninstallData(Bytes(data.wrapped())); }

// A literal with its NUL bytes, without the terminator.
template <size_t N>
QByteArray Raw(const char (&text)[N]) { return QByteArray(text, int(N - 1)); }

QStringList texts(const std::vector<ByteString> &lines)
{
    QStringList out;
    for (const ByteString &line : lines)
        out << QString::fromLatin1(QBytes(line));
    return out;
}

} // namespace

class TestUninstData : public QObject {
    Q_OBJECT

private slots:
    void layerBytesCheckedByHand()
    {
        // "AB" with step 1 and start 2: A + 3, B + 4, then k, s and the lanes.
        QCOMPARE(WrapLayer("AB", 1, 2).toHex(' '), QByteArray("44 46 01 02 44 46 01 02 00 00 00 00"));
        ByteString layer = Bytes(QByteArray::fromHex("444601024446010200000000"));
        QVERIFY(UnwrapDataLayer(&layer));
        QCOMPARE(layer.bytes(), std::string("AB"));
    }

    void layers_data()
    {
        QTest::addColumn<QByteArray>("layer");
        QTest::addColumn<bool>("good");
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("exactly ten bytes") << QByteArray::fromHex("05090509000000000000") << true << QByteArray();
        QTest::newRow("ten bytes, bad sum") << QByteArray::fromHex("05090509000000000001") << false << QByteArray();
        QTest::newRow("step 0 subtracts the start") << WrapLayer("\x10\x20", 0, 0x10) << true << QByteArray("\x10\x20");
        QTest::newRow("step 0 stored bytes") << QByteArray::fromHex("2030" "0010" "20300010" "00000000") << true
                                             << QByteArray("\x10\x20");
        QByteArray flipped = WrapLayer("payload bytes", 9, 200);
        flipped[3] = char(flipped[3] ^ 1);
        QTest::newRow("a changed byte") << flipped << false << QByteArray();
    }
    void layers()
    {
        QFETCH(QByteArray, layer);
        QFETCH(bool, good);
        QFETCH(QByteArray, payload);
        ByteString data = Bytes(layer);
        QCOMPARE(UnwrapDataLayer(&data), good);
        QCOMPARE(data.length(), layer.size() - 10);
        if (good)
            QCOMPARE(QBytes(data), payload);
    }

    void shortLayerIsLeftAlone()
    {
        ByteString data = Bytes(QByteArray(9, 'x'));
        QVERIFY(!UnwrapDataLayer(&data));
        QCOMPARE(data.length(), 9);
    }

    void tails_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        const QByteArray exe(100, 'E');
        QTest::newRow("good") << Attach(exe, "wrapped") << int(DataStatus::Read);
        QTest::newRow("offset past the end") << exe + QByteArray::fromHex("ffff0000") << int(DataStatus::Corrupt);
        QTest::newRow("shorter than the trailer") << QByteArray("ab") << int(DataStatus::Corrupt);
        QTest::newRow("offset at the trailer") << exe + QByteArray::fromHex("64000000") << int(DataStatus::Read);
    }
    void tails()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QCOMPARE(int(TakeAppendedData(Bytes(file)).status), status);
        const QString path = QDir(qEnvironmentVariable("HOTEL_TEST_SCRATCH")).filePath("tail.bin");
        QDir().mkpath(QFileInfo(path).absolutePath());
        testsupport::WriteBytes(path, file);
        const AppendedData fromFile = ReadAppendedData(path.toStdString());
        QCOMPARE(int(fromFile.status), status);
        QCOMPARE(QBytes(fromFile.wrapped), QBytes(TakeAppendedData(Bytes(file)).wrapped));
    }

    void absurdSizeIsOutOfMemory()
    {
        // A sparse file of 100 MB whose data would start at 0.
        const QString path = QDir(qEnvironmentVariable("HOTEL_TEST_SCRATCH")).filePath("huge.bin");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(100 * 1024 * 1024));
        file.close();
        QCOMPARE(int(ReadAppendedData(path.toStdString()).status), int(DataStatus::OutOfMemory));
        QCOMPARE(int(ReadAppendedData((path + ".missing").toStdString()).status), int(DataStatus::Unreadable));
        QFile::remove(path);
    }

    void readsEverything()
    {
        TestData data;
        data.commandKind = "1";
        data.commandLine = "\"C:\\Program Files\\Brevant\\setup.exe\" /remove";
        data.shared = {"C:\\Windows\\System32\\tvlno.dll|CTRL", "C:\\Common\\x.dll"};
        data.backups = {"C:\\Backup\\a.dll\tC:\\Windows\\a.dll\t65536\t2\t30000000\t123456", "ab"};
        data.files = {"C:\\Brevant\\Hotel.exe", "C:\\Brevant\\a\0ignored", "xy"};
        data.directories = {"C:\\Brevant"};
        data.roots[2].subkey("Software", 0, RegNode().subkey("Brevant", 1 | 4, RegNode().value("Path").value("Keep", 0)));
        const DataResult result = read(data);
        QCOMPARE(int(result.status), int(DataStatus::Read));
        const uninst::UninstallData &out = result.data;
        QVERIFY(out.hasHeader);
        QCOMPARE(out.headerFlag, int('U'));
        QCOMPARE(QBytes(out.windowTemplate), data.windowTemplate);
        QCOMPARE(QBytes(out.product.name), QByteArray("Brevant Hotel"));
        QCOMPARE(QBytes(out.product.commandKind), QByteArray("1"));
        QCOMPARE(QBytes(out.product.commandLine), data.commandLine);
        QCOMPARE(texts(out.shared), QStringList({"C:\\Windows\\System32\\tvlno.dll|CTRL", "C:\\Common\\x.dll"}));
        QCOMPARE(int(out.backups.size()), 1);
        QCOMPARE(QBytes(out.backups[0].targetPath), QByteArray("C:\\Windows\\a.dll"));
        QCOMPARE(out.backups[0].versionHigh, 65536u);
        QCOMPARE(out.backups[0].timeLow, 123456u);
        QCOMPARE(texts(out.files), QStringList({"C:\\Brevant\\Hotel.exe", "C:\\Brevant\\a"}));
        QCOMPARE(texts(out.directories), QStringList({"C:\\Brevant"}));
        QVERIFY(out.hasRegistryTree);
        const RegistrySubkey &brevant = out.registry[2].subkeys.at(0).node.subkeys.at(0);
        QCOMPARE(QBytes(brevant.name), QByteArray("Brevant"));
        QCOMPARE(brevant.flags, 5u);
        QCOMPARE(int(brevant.node.values.size()), 2);
        QCOMPARE(brevant.node.values[1].flag, 0u);
        QVERIFY(out.registry[0].subkeys.empty());
    }

    void withoutHeader()
    {
        TestData data;
        data.header = false;
        data.files = {"C:\\x\\y.txt"};
        const DataResult result = read(data);
        QCOMPARE(int(result.status), int(DataStatus::Read));
        QVERIFY(!result.data.hasHeader);
        QVERIFY(result.data.messageTable.isEmpty());
        QCOMPARE(texts(result.data.files), QStringList({"C:\\x\\y.txt"}));
    }

    void missingSectionIsEmpty()
    {
        const DataResult result = ReadUnwrappedData(Bytes(Raw("P\0\0\r\nShared:\r\nC:\\s.dll\r\nFiles:\r\nC:\\f.txt\r\n")));
        QCOMPARE(int(result.status), int(DataStatus::Read));
        QCOMPARE(texts(result.data.shared), QStringList({"C:\\s.dll"}));
        QCOMPARE(texts(result.data.files), QStringList({"C:\\f.txt"}));
        QVERIFY(result.data.backups.empty());
        QVERIFY(!result.data.hasRegistryTree);
    }

    void corruptData_data()
    {
        QTest::addColumn<QByteArray>("unwrapped");
        QTest::addColumn<QString>("reason");
        QTest::newRow("one byte") << QByteArray("\\") << "shorter than two bytes";
        QTest::newRow("header past the end") << QByteArray("\\U\x00\x00\x01\x00rest", 10) << "header block";
        TestData lying;
        lying.registry = false;
        QByteArray tree = lying.unwrapped() + U32(0x7fffffff);
        QTest::newRow("value count larger than the data") << tree << "value count";
        QByteArray noNul = lying.unwrapped() + U32(1) + "a name that never ends";
        QTest::newRow("name without its end") << noNul << "without its end";
        QByteArray deep = lying.unwrapped();
        for (int i = 0; i < 600; ++i)
            deep += U32(0) + U32(1) + U32(1) + "k" + QByteArray(1, '\0');
        deep += QByteArray(20, '\0');
        QTest::newRow("nested too deeply") << deep << "too deeply";
        QByteArray cutMessages = "\\U" + U32(12) + U32(20) + "12345678";
        QTest::newRow("message table past the header") << cutMessages + "P\r\n" << "message table";
    }
    void corruptData()
    {
        QFETCH(QByteArray, unwrapped);
        QFETCH(QString, reason);
        const DataResult result = ReadUninstallData(Bytes(WrapTwice(unwrapped)));
        QCOMPARE(int(result.status), int(DataStatus::Corrupt));
        QVERIFY2(QString::fromStdString(result.reason).contains(reason), result.reason.c_str());
    }

    void templateVersions_data()
    {
        QTest::addColumn<int>("version");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("3 with extra blocks") << 3;
        QTest::newRow("4") << 4;
        QTest::newRow("5") << 5;
        QTest::newRow("6") << 6;
    }
    void templateVersions()
    {
        QFETCH(int, version);
        Template t = ProgressTemplate();
        t.version = uint32_t(version);
        t.extraBlocks = {"block one", ""};
        Control list;
        list.kind = 7;
        list.id = 90;
        list.textColour = 0x000000FF;
        list.backColour = 0x00FFFFFF;
        t.controls.append(list);
        WindowRecord window;
        std::vector<ControlRecord> controls;
        QCOMPARE(ParseTemplate(Bytes(t.bytes()), 1000, 1, &window, &controls), int(TemplateRead));
        QCOMPARE(window.version, uint32_t(version));
        QCOMPARE(window.width, 420);
        QCOMPARE(QBytes(window.faceName), QByteArray("DejaVu Sans"));
        QCOMPARE(int(controls.size()), t.controls.size());
        QCOMPARE(controls[0].id, 57u);
        QCOMPARE(QBytes(controls[9].text), QByteArray("&Close"));
        // Before version 4 a list box always takes window text on the window colour.
        QCOMPARE(controls[10].textColour, version < 4 ? 0x01000000u : 0x000000FFu);
        QCOMPARE(controls[10].backColour, version < 4 ? 0x02000000u : 0x00FFFFFFu);
        // The same record read with the neighbouring version's layout is refused or differs.
        QByteArray cut = t.bytes();
        cut.chop(1);
        QCOMPARE(ParseTemplate(Bytes(cut), 1000, 1, &window, &controls), int(NotATemplate));
    }

    void templateRefusals()
    {
        WindowRecord window;
        std::vector<ControlRecord> controls;
        QCOMPARE(ParseTemplate(Bytes("xRTT" + ProgressTemplate().bytes()), 1000, 1, &window, &controls), int(NotATemplate));
        QCOMPARE(ParseTemplate(Bytes("RT"), 1000, 1, &window, &controls), int(NotATemplate));
        Template empty;
        empty.controls.clear();
        QByteArray countLie = empty.bytes();
        countLie.chop(4);
        countLie += U32(0x10000000);
        QCOMPARE(ParseTemplate(Bytes(countLie), 1000, 1, &window, &controls), int(NotATemplate));
    }

    void scaling()
    {
        Template t;
        t.width = 300;
        t.height = 218;
        Control c;
        c.x = 8;
        c.y = 8;
        c.width = 80;
        c.height = 24;
        t.controls = {c};
        WindowRecord window;
        std::vector<ControlRecord> controls;
        QCOMPARE(ParseTemplate(Bytes(t.bytes()), 1250, 1, &window, &controls), int(TemplateRead));
        QCOMPARE(window.width, 375);
        QCOMPARE(window.height, 268);
        QCOMPARE(QList<int>({controls[0].x, controls[0].y, controls[0].width, controls[0].height}),
                 QList<int>({10, 10, 100, 30}));
        QCOMPARE(window.xOffset, 0);
    }

    void languageBlocks_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<uint>("language");
        QTest::addColumn<QByteArray>("shown");
        const QByteArray both = "<LangID=1>Remove</LangID=1><LangID=1035>Poista</LangID=1035>";
        QTest::newRow("1035") << both << 1035u << QByteArray("Poista");
        QTest::newRow("other id falls back to 1") << both << 1031u << QByteArray("Remove");
        QTest::newRow("language 1 itself") << both << 1u << QByteArray("Remove");
        QTest::newRow("no blocks") << QByteArray("Plain") << 1035u << QByteArray("Plain");
        QTest::newRow("unclosed 1 stays whole") << QByteArray("<LangID=1>Remove") << 7u << QByteArray("<LangID=1>Remove");
        QTest::newRow("wrong case is no tag") << QByteArray("<langid=7>x</langid=7>") << 7u << QByteArray("<langid=7>x</langid=7>");
    }
    void languageBlocks()
    {
        QFETCH(QByteArray, text);
        QFETCH(uint, language);
        QFETCH(QByteArray, shown);
        QCOMPARE(QBytes(LanguageBlock(Bytes(text), language)), shown);
    }

    void labelWithoutTextLosesIt()
    {
        Template t;
        Control c;
        c.variant = 2;
        c.text = "hidden";
        t.controls = {c};
        WindowRecord window;
        std::vector<ControlRecord> controls;
        QCOMPARE(ParseTemplate(Bytes(t.bytes()), 1000, 1, &window, &controls), int(TemplateRead));
        QVERIFY(controls[0].text.isEmpty());
    }

    void imageTables()
    {
        std::vector<ImageRecord> images;
        QCOMPARE(LoadImageTable(Bytes(QByteArray("\0\0\0", 3)), &images), int(ImageTableShort));
        QCOMPARE(LoadImageTable(Bytes(U32(0)), &images), int(ImagesLoaded));
        QVERIFY(images.empty());
        const QByteArray bmp = SolidBitmap(4, 3, 0xFF0000);
        // Checked by hand: count 1, length, id 7, then "BM".
        const QByteArray table = ImageTableBytes({{7, bmp}});
        QCOMPARE(table.left(14).toHex(' '), QByteArray("00 00 00 01 00 00 00 5a 00 00 00 07 42 4d"));
        QCOMPARE(LoadImageTable(Bytes(table), &images), int(ImagesLoaded));
        QCOMPARE(images[0].id, 7);
        QCOMPARE(images[0].bytes.length(), 90);
        images.clear();
        QCOMPARE(LoadImageTable(Bytes(table.left(40)), &images), int(ImageTableCorrupt));
    }

    void bitmaps_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("valid");
        const QByteArray bmp = SolidBitmap(5, 2, 0x00FF00);
        QTest::newRow("24-bit") << bmp << true;
        QTest::newRow("pixels cut") << bmp.left(bmp.size() - 1) << false;
        QTest::newRow("not BM") << QByteArray("XM") + bmp.mid(2) << false;
        QTest::newRow("header only") << bmp.left(20) << false;
        QByteArray huge = bmp;
        huge[19] = char(0x7f);   // width in the millions
        QTest::newRow("absurd width") << huge << false;
    }
    void bitmaps()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, valid);
        QCOMPARE(CheckBitmap(Bytes(file)).valid, valid);
    }

    void dumpTool()
    {
        TestData data;
        data.images = {{3, SolidBitmap(8, 8, 0x336699)}, {4, SolidIcon(0x00FF00)}};
        data.files = {"C:\\Brevant\\Hotel.exe"};
        data.roots[1].subkey("Software", 0, RegNode().subkey("Brevant", 5));
        const QString scratch = qEnvironmentVariable("HOTEL_TEST_SCRATCH");
        QDir().mkpath(scratch);
        const QString path = QDir(scratch).filePath("dumped.exe");
        testsupport::WriteBytes(path, Attach("MZ program", data.wrapped()));
        const QString tool = QDir(qEnvironmentVariable("HOTEL_PROGRAM_DIR")).filePath("uninstdata-dump");

        QProcess process;
        process.start(tool, {path});
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 0);
        const QJsonObject out = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
        QCOMPARE(out["result"].toString(), "read");
        QCOMPARE(out["outerLayer"].toString(), "good");
        QCOMPARE(out["innerLayer"].toString(), "good");
        QCOMPARE(out["languageId"].toInt(), 1033);
        QCOMPARE(out["messages"].toArray().size(), 13);
        QCOMPARE(out["messages"].toArray()[1].toObject()["text"].toString(),
                 "Do you really want to remove %s and all of its components?");
        QCOMPARE(out["template"].toObject()["controls"].toArray().size(), 10);
        QCOMPARE(out["images"].toArray()[0].toObject()["type"].toString(), "bmp");
        QCOMPARE(out["images"].toArray()[1].toObject()["type"].toString(), "icon");
        QCOMPARE(out["product"].toObject()["name"].toString(), "Brevant Hotel");
        QCOMPARE(out["files"].toArray()[0].toString(), "C:\\Brevant\\Hotel.exe");
        QCOMPARE(out["registry"].toObject()["HKEY_CURRENT_USER"].toObject()["subkeys"].toArray()[0]
                     .toObject()["node"].toObject()["subkeys"].toArray()[0].toObject()["flags"].toInt(), 5);

        QByteArray file = testsupport::ReadBytes(path);
        file[20] = char(file[20] ^ 0x40);   // inside the outer layer
        testsupport::WriteBytes(path, file);
        process.start(tool, {path});
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.exitCode(), 1);
        const QJsonObject refused = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
        QCOMPARE(refused["result"].toString(), "corrupt");
        QCOMPARE(refused["outerLayer"].toString(), "corrupt");
    }
};

QTEST_MAIN(TestUninstData)
#include "tst_data.moc"
