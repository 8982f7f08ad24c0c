#pragma once
// Reading a RIFF wave file's format and samples: integer PCM of 8, 16 or 32 bits and 32-bit
// float, any number of channels. Anything else, or a file cut before its samples, is refused.
#include <QAudioFormat>
#include <QByteArray>
#include <optional>

namespace ui {

struct Wave {
    QAudioFormat format;
    QByteArray samples;   // whole frames only
};

std::optional<Wave> ReadWave(const QByteArray &file);

} // namespace ui
