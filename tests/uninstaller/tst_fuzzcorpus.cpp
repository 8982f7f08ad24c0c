// Replays the fuzz corpus of the data reader (found by the fuzz target built with clang's
// libFuzzer) through the same entry point, built with the ordinary compiler: every input is
// read without a crash and with the same result each time.
#include "uninstdata.h"

#include <QDir>
#include <QFile>
#include <QTest>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size);

using namespace uninst;

class TestUninstFuzzCorpus : public QObject {
    Q_OBJECT

private slots:
    void everyInputIsReadSafely()
    {
        const QDir corpus(QStringLiteral(HOTEL_FUZZ_CORPUS));
        const QStringList names = corpus.entryList(QDir::Files);
        QVERIFY(names.size() >= 7);
        int read = 0;
        for (const QString &name : names) {
            QFile file(corpus.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())), 0);
            const ByteString input(bytes.constData(), bytes.size());
            const DataResult first = ReadUnwrappedData(input);
            const DataResult again = ReadUnwrappedData(input);
            QCOMPARE(int(first.status), int(again.status));
            QCOMPARE(first.reason, again.reason);
            read += first.status == DataStatus::Read;
        }
        QVERIFY(read > 0);
    }

    void seedsReadWhole()
    {
        const QDir corpus(QStringLiteral(HOTEL_FUZZ_CORPUS));
        QFile unwrapped(corpus.filePath("full-unwrapped"));
        QVERIFY(unwrapped.open(QIODevice::ReadOnly));
        const QByteArray data = unwrapped.readAll();
        const DataResult direct = ReadUnwrappedData(ByteString(data.constData(), data.size()));
        QCOMPARE(int(direct.status), int(DataStatus::Read));
        QCOMPARE(int(direct.data.registry[2].subkeys.size()), 1);

        QFile whole(corpus.filePath("full-file"));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray file = whole.readAll();
        const AppendedData appended = TakeAppendedData(ByteString(file.constData(), file.size()));
        QCOMPARE(int(appended.status), int(DataStatus::Read));
        QCOMPARE(int(ReadUninstallData(appended.wrapped).status), int(DataStatus::Read));
    }
};

QTEST_APPLESS_MAIN(TestUninstFuzzCorpus)
#include "tst_fuzzcorpus.moc"
