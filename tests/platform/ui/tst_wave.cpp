// The wave reader behind PlaySoundFile: the formats it plays, the chunk walk, and every file it
// must refuse rather than hand to the audio device.
#include "ui/wave.h"

#include "support/wavebytes.h"

#include <QtTest>

using ui::ReadWave;

using namespace testsupport;

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
    QTest::newRow("16-bit mono") << WaveRiff(WaveFmt(1, 1, 8000, 16) + WaveChunk("data", four)) << int(QAudioFormat::Int16) << 1 << 8000 << 4;
    QTest::newRow("8-bit stereo") << WaveRiff(WaveFmt(1, 2, 22050, 8) + WaveChunk("data", four)) << int(QAudioFormat::UInt8) << 2 << 22050 << 4;
    QTest::newRow("32-bit float") << WaveRiff(WaveFmt(3, 1, 44100, 32) + WaveChunk("data", four)) << int(QAudioFormat::Float) << 1 << 44100 << 4;
    QTest::newRow("32-bit integer") << WaveRiff(WaveFmt(1, 1, 48000, 32) + WaveChunk("data", four)) << int(QAudioFormat::Int32) << 1 << 48000 << 4;
    // A chunk of odd length is padded; the walk steps over it to the samples.
    QTest::newRow("odd chunk before data")
        << WaveRiff(WaveFmt(1, 1, 8000, 16) + WaveChunk("LIST", "abc") + WaveChunk("data", four)) << int(QAudioFormat::Int16) << 1 << 8000 << 4;
    // A sample cut in half is not played: whole frames only.
    QTest::newRow("half a frame at the end")
        << WaveRiff(WaveFmt(1, 2, 8000, 16) + WaveChunk("data", QByteArray(6, 'x'))) << int(QAudioFormat::Int16) << 2 << 8000 << 4;
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
    const QByteArray data = WaveChunk("data", QByteArray(4, 'x'));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not RIFF") << QByteArray("RIFX") + WaveRiff(WaveFmt(1, 1, 8000, 16) + data).mid(4);
    QTest::newRow("not WAVE") << QByteArray(WaveRiff(WaveFmt(1, 1, 8000, 16) + data)).replace("WAVE", "AVI ");
    QTest::newRow("ADPCM") << WaveRiff(WaveFmt(2, 1, 8000, 4) + data);
    QTest::newRow("24-bit") << WaveRiff(WaveFmt(1, 1, 8000, 24) + data);
    QTest::newRow("no channels") << WaveRiff(WaveFmt(1, 0, 8000, 16) + data);
    QTest::newRow("data before fmt") << WaveRiff(data + WaveFmt(1, 1, 8000, 16));
    QTest::newRow("no data") << WaveRiff(WaveFmt(1, 1, 8000, 16));
    QTest::newRow("short fmt") << WaveRiff(WaveChunk("fmt ", QByteArray(8, '\0')) + data);
    QTest::newRow("data longer than the file") << WaveRiff(WaveFmt(1, 1, 8000, 16)) + "data" + Le32(1000) + "xx";
    QTest::newRow("chunk size near 4 GiB") << WaveRiff(WaveChunk("LIST", "ab")).replace(Le32(2), Le32(0xFFFFFFF0u));
}

void TestWave::refusesOthers()
{
    QFETCH(QByteArray, file);
    QVERIFY(!ReadWave(file));
}

QTEST_GUILESS_MAIN(TestWave)
#include "tst_wave.moc"
