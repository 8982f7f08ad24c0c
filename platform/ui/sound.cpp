#include "ui/sound.h"

#include "ui/wave.h"
#include "vb/app.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPointer>
#include <memory>

namespace ui {

namespace {

// One sound at a time for the whole run: starting another stops the one playing. The file is
// read and decoded here and its samples handed to the audio device directly; nothing is loaded
// on a thread of its own, so nothing can still be loading when the program ends.
struct Playing {
    std::unique_ptr<QAudioSink> sink;
    std::unique_ptr<QBuffer> samples;
};

Playing &playing()
{
    static Playing current;
    return current;
}

void stopPlaying()
{
    Playing &current = playing();
    if (current.sink)
        current.sink->stop();
    current.sink.reset();
    current.samples.reset();
}

// The sound stops first thing in the application's destruction, while the audio backend is
// still there.
void registerStopAtExit()
{
    static bool registered = false;
    if (!registered)
        qAddPostRoutine(stopPlaying);
    registered = true;
}

void play(const Wave &wave)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(wave.format))
        return;   // no device, or one that cannot play this file: silent
    registerStopAtExit();
    Playing &current = playing();
    current.samples = std::make_unique<QBuffer>();
    current.samples->setData(wave.samples);
    current.samples->open(QIODevice::ReadOnly);
    current.sink = std::make_unique<QAudioSink>(device, wave.format);
    current.sink->start(current.samples.get());
}

} // namespace

bool PlaySoundFile(const QString &file)
{
    const QFileInfo info(vb::NativePath(file));
    if (file.isEmpty() || !info.isFile() || !QCoreApplication::instance())
        return false;
    stopPlaying();
    QFile wavFile(info.absoluteFilePath());
    if (!wavFile.open(QIODevice::ReadOnly))
        return true;   // asked for; an unreadable file stays silent
    if (const std::optional<Wave> wave = ReadWave(wavFile.readAll()))
        play(*wave);
    return true;
}

} // namespace ui
