#include "ui/wave.h"

#include <QtEndian>

namespace ui {

namespace {

constexpr quint16 PcmTag = 1;
constexpr quint16 FloatTag = 3;

quint16 le16(const char *p) { return qFromLittleEndian<quint16>(p); }
quint32 le32(const char *p) { return qFromLittleEndian<quint32>(p); }

QAudioFormat::SampleFormat sampleFormat(quint16 tag, quint16 bits)
{
    if (tag == FloatTag)
        return bits == 32 ? QAudioFormat::Float : QAudioFormat::Unknown;
    if (tag != PcmTag)
        return QAudioFormat::Unknown;
    switch (bits) {
    case 8: return QAudioFormat::UInt8;
    case 16: return QAudioFormat::Int16;
    case 32: return QAudioFormat::Int32;
    default: return QAudioFormat::Unknown;
    }
}

} // namespace

std::optional<Wave> ReadWave(const QByteArray &file)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<QAudioFormat> format;
    // Chunks follow one another, each padded to an even length; "fmt " comes before "data".
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const char *header = file.constData() + at;
        const quint32 size = le32(header + 4);
        const qsizetype body = at + 8;
        if (size > quint32(file.size() - body))
            return std::nullopt;
        if (qstrncmp(header, "fmt ", 4) == 0) {
            if (size < 16)
                return std::nullopt;
            const char *fmt = file.constData() + body;
            const quint16 channels = le16(fmt + 2);
            const quint32 rate = le32(fmt + 4);
            const auto sample = sampleFormat(le16(fmt), le16(fmt + 14));
            if (sample == QAudioFormat::Unknown || channels == 0 || rate == 0 || rate > 384000)
                return std::nullopt;
            format.emplace();
            format->setChannelCount(channels);
            format->setSampleRate(int(rate));
            format->setSampleFormat(sample);
        } else if (qstrncmp(header, "data", 4) == 0) {
            if (!format)
                return std::nullopt;
            const qsizetype frame = format->bytesPerFrame();
            return Wave{*format, file.mid(body, qsizetype(size) / frame * frame)};
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return std::nullopt;
}

} // namespace ui
