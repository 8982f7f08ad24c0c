#pragma once
// RIFF wave files built byte by byte, for the tests of the sound player and its reader.
//
//   QByteArray wav = testsupport::WaveRiff(testsupport::WaveFmt(1, 1, 8000, 16)
//                                          + testsupport::WaveChunk("data", samples));
#include <QByteArray>
#include <QtEndian>

namespace testsupport {

inline QByteArray Le16(quint16 v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; }
inline QByteArray Le32(quint32 v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; }

// A chunk with its id and size, padded to an even length.
inline QByteArray WaveChunk(const char *id, const QByteArray &body)
{
    QByteArray out = QByteArray(id, 4) + Le32(quint32(body.size())) + body;
    if (body.size() % 2)
        out += '\0';
    return out;
}

// The "fmt " chunk: format tag (1 integer PCM, 3 float), channels, sample rate, bits per sample.
inline QByteArray WaveFmt(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 align = quint16(channels * bits / 8);
    return WaveChunk("fmt ", Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) + Le16(bits));
}

inline QByteArray WaveRiff(const QByteArray &chunks) { return "RIFF" + Le32(quint32(4 + chunks.size())) + "WAVE" + chunks; }

} // namespace testsupport
