// The wave reader behind PlaySoundFile: the formats it plays, the chunk walk, and every file it
// must refuse rather than hand to the audio device.
#include "ui/wave.h"

#include <QtEndian>
#include <QtTest>

using ui::ReadWave;

namespace {

QByteArray le16(quint16 v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; }
QByteArray le32(quint32 v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; }

QByteArray chunk(const char *id, const QByteArray &body)
{
    QByteArray out = QByteArray(id, 4) + le32(quint32(body.size())) + body;
    if (body.size() % 2)
        out += '\0';
    return out;
}

QByteArray fmt(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 align = quint16(channels * bits / 8);
    return chunk("fmt ", le16(tag) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits));
}

QByteArray riff(const QByteArray &chunks) { return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks; }

} // namespace

class TestWave : public QObject {
    Q_OBJECT
private slots:
    void readsPlayableFiles_data();
    void readsPlayableFiles();
    void readsTheShippedSound();
    void refusesOthers_data();
    void refusesOthers();
};

void TestWave::readsPlayableFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("sampleFormat");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("bytes");

    const QByteArray four(4, 'x');
    QTest::newRow("16-bit mono") << riff(fmt(1, 1, 8000, 16) + chunk("data", four)) << int(QAudioFormat::Int16) << 1 << 8000 << 4;
    QTest::newRow("8-bit stereo") << riff(fmt(1, 2, 22050, 8) + chunk("data", four)) << int(QAudioFormat::UInt8) << 2 << 22050 << 4;
    QTest::newRow("32-bit float") << riff(fmt(3, 1, 44100, 32) + chunk("data", four)) << int(QAudioFormat::Float) << 1 << 44100 << 4;
    QTest::newRow("32-bit integer") << riff(fmt(1, 1, 48000, 32) + chunk("data", four)) << int(QAudioFormat::Int32) << 1 << 48000 << 4;
    // A chunk of odd length is padded; the walk steps over it to the samples.
    QTest::newRow("odd chunk before data")
        << riff(fmt(1, 1, 8000, 16) + chunk("LIST", "abc") + chunk("data", four)) << int(QAudioFormat::Int16) << 1 << 8000 << 4;
    // A sample cut in half is not played: whole frames only.
    QTest::newRow("half a frame at the end")
        << riff(fmt(1, 2, 8000, 16) + chunk("data", QByteArray(6, 'x'))) << int(QAudioFormat::Int16) << 2 << 8000 << 4;
}

void TestWave::readsPlayableFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(int, sampleFormat);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(int, bytes);
    const auto wave = ReadWave(file);
    QVERIFY(wave);
    QCOMPARE(int(wave->format.sampleFormat()), sampleFormat);
    QCOMPARE(wave->format.channelCount(), channels);
    QCOMPARE(wave->format.sampleRate(), rate);
    QCOMPARE(int(wave->samples.size()), bytes);
}

// The sound played after a booking or a food order is saved.
void TestWave::readsTheShippedSound()
{
    QFile file(QStringLiteral(HOTEL_SOUNDS_DIR "/cashin.wav"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const auto wave = ReadWave(file.readAll());
    QVERIFY(wave);
    QCOMPARE(wave->format.sampleFormat(), QAudioFormat::Int16);
    QCOMPARE(wave->format.channelCount(), 1);
    QCOMPARE(wave->format.sampleRate(), 22050);
    QCOMPARE(wave->samples.size(), 9261 * 2);
}

void TestWave::refusesOthers_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray data = chunk("data", QByteArray(4, 'x'));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not RIFF") << QByteArray("RIFX") + riff(fmt(1, 1, 8000, 16) + data).mid(4);
    QTest::newRow("not WAVE") << QByteArray(riff(fmt(1, 1, 8000, 16) + data)).replace("WAVE", "AVI ");
    QTest::newRow("ADPCM") << riff(fmt(2, 1, 8000, 4) + data);
    QTest::newRow("24-bit") << riff(fmt(1, 1, 8000, 24) + data);
    QTest::newRow("no channels") << riff(fmt(1, 0, 8000, 16) + data);
    QTest::newRow("data before fmt") << riff(data + fmt(1, 1, 8000, 16));
    QTest::newRow("no data") << riff(fmt(1, 1, 8000, 16));
    QTest::newRow("short fmt") << riff(chunk("fmt ", QByteArray(8, '\0')) + data);
    QTest::newRow("data longer than the file") << riff(fmt(1, 1, 8000, 16)) + "data" + le32(1000) + "xx";
    QTest::newRow("chunk size near 4 GiB") << riff(chunk("LIST", "ab")).replace(le32(2), le32(0xFFFFFFF0u));
}

void TestWave::refusesOthers()
{
    QFETCH(QByteArray, file);
    QVERIFY(!ReadWave(file));
}

QTEST_GUILESS_MAIN(TestWave)
#include "tst_wave.moc"
