#include "controls/compoundfile.h"

#include <QList>
#include <cstdint>

namespace controls {

namespace {
constexpr qsizetype kSector = 512;
constexpr qsizetype kIdsPerSector = kSector / 4;
constexpr qsizetype kHeaderDifat = 109;
constexpr qsizetype kMiniStreamCutoff = 4096;
constexpr uint32_t kFree = 0xFFFFFFFF;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFatSector = 0xFFFFFFFD;
constexpr uint32_t kDifatSector = 0xFFFFFFFC;
constexpr uint32_t kNoStream = 0xFFFFFFFF;

void put16(QByteArray &b, qsizetype at, uint16_t v)
{
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>(v >> 8);
}

void put32(QByteArray &b, qsizetype at, uint32_t v)
{
    put16(b, at, static_cast<uint16_t>(v));
    put16(b, at + 2, static_cast<uint16_t>(v >> 16));
}

qsizetype sectorsFor(qsizetype count, qsizetype perSector) { return (count + perSector - 1) / perSector; }

struct Layout {
    qsizetype streamSectors = 0;
    qsizetype fatSectors = 0;
    qsizetype difatSectors = 0;
    qsizetype total() const { return streamSectors + 1 + fatSectors + difatSectors; }
    uint32_t directory() const { return static_cast<uint32_t>(streamSectors); }
    uint32_t firstFat() const { return directory() + 1; }
    uint32_t firstDifat() const { return firstFat() + static_cast<uint32_t>(fatSectors); }
};

// The FAT must map every sector, its own and the DIFAT's included: grow until it does.
Layout layoutFor(qsizetype streamBytes)
{
    Layout l;
    l.streamSectors = sectorsFor(streamBytes, kSector);
    for (;;) {
        const qsizetype fat = sectorsFor(l.total(), kIdsPerSector);
        const qsizetype difat = fat > kHeaderDifat ? sectorsFor(fat - kHeaderDifat, kIdsPerSector - 1) : 0;
        if (fat == l.fatSectors && difat == l.difatSectors)
            return l;
        l.fatSectors = fat;
        l.difatSectors = difat;
    }
}

void directoryEntry(QByteArray &dir, int slot, const QString &name, uint8_t type, uint32_t child, uint32_t start,
                    uint32_t size)
{
    const qsizetype at = slot * 128;
    for (int i = 0; i < name.size() && i < 31; ++i)
        put16(dir, at + 2 * i, name[i].unicode());
    put16(dir, at + 64, static_cast<uint16_t>((name.size() + 1) * 2));
    dir[at + 66] = static_cast<char>(type);
    dir[at + 67] = 1;   // black in the red-black tree
    put32(dir, at + 68, kNoStream);
    put32(dir, at + 72, kNoStream);
    put32(dir, at + 76, child);
    put32(dir, at + 116, start);
    put32(dir, at + 120, size);
}

QByteArray header(const Layout &l)
{
    QByteArray h(kSector, '\0');
    static const unsigned char signature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    for (int i = 0; i < 8; ++i)
        h[i] = static_cast<char>(signature[i]);
    put16(h, 24, 0x003E);   // minor version
    put16(h, 26, 0x0003);   // major version 3: 512-byte sectors
    put16(h, 28, 0xFFFE);   // little-endian
    put16(h, 30, 9);        // sector size 2^9
    put16(h, 32, 6);        // mini sector size 2^6
    put32(h, 44, static_cast<uint32_t>(l.fatSectors));
    put32(h, 48, l.directory());
    put32(h, 56, static_cast<uint32_t>(kMiniStreamCutoff));
    put32(h, 60, kEndOfChain);  // no mini FAT
    put32(h, 64, 0);
    put32(h, 68, l.difatSectors ? l.firstDifat() : kEndOfChain);
    put32(h, 72, static_cast<uint32_t>(l.difatSectors));
    for (qsizetype i = 0; i < kHeaderDifat; ++i)
        put32(h, 76 + 4 * i, i < l.fatSectors ? l.firstFat() + static_cast<uint32_t>(i) : kFree);
    return h;
}

QByteArray fat(const Layout &l)
{
    QByteArray f(l.fatSectors * kSector, '\xFF');
    qsizetype slot = 0;
    auto next = [&](uint32_t v) { put32(f, 4 * slot++, v); };
    for (qsizetype s = 0; s < l.streamSectors; ++s)
        next(s + 1 < l.streamSectors ? static_cast<uint32_t>(s + 1) : kEndOfChain);
    next(kEndOfChain);  // the directory
    for (qsizetype s = 0; s < l.fatSectors; ++s)
        next(kFatSector);
    for (qsizetype s = 0; s < l.difatSectors; ++s)
        next(kDifatSector);
    return f;
}

// FAT sector numbers past the header's 109, 127 a sector, each sector chained to the next.
QByteArray difat(const Layout &l)
{
    QByteArray d(l.difatSectors * kSector, '\xFF');
    for (qsizetype s = 0; s < l.difatSectors; ++s) {
        const qsizetype base = s * kSector;
        for (qsizetype i = 0; i < kIdsPerSector - 1; ++i) {
            const qsizetype fatIndex = kHeaderDifat + s * (kIdsPerSector - 1) + i;
            if (fatIndex < l.fatSectors)
                put32(d, base + 4 * i, l.firstFat() + static_cast<uint32_t>(fatIndex));
        }
        put32(d, base + kSector - 4,
              s + 1 < l.difatSectors ? l.firstDifat() + static_cast<uint32_t>(s + 1) : kEndOfChain);
    }
    return d;
}
} // namespace

QByteArray BuildCompoundFile(const QString &streamName, QByteArray stream)
{
    if (stream.size() < kMiniStreamCutoff)
        stream.append(QByteArray(kMiniStreamCutoff - stream.size(), '\0'));
    const auto streamSize = static_cast<uint32_t>(stream.size());
    const Layout l = layoutFor(stream.size());
    stream.append(QByteArray(l.streamSectors * kSector - stream.size(), '\0'));

    QByteArray dir(kSector, '\0');
    directoryEntry(dir, 0, QStringLiteral("Root Entry"), 5, 1, kEndOfChain, 0);
    directoryEntry(dir, 1, streamName, 2, kNoStream, 0, streamSize);
    for (int slot = 2; slot < 4; ++slot) {
        for (int field : {68, 72, 76})
            put32(dir, slot * 128 + field, kNoStream);
    }

    QByteArray file = header(l);
    file.reserve(l.total() * kSector + kSector);
    for (const QByteArray &part : {stream, dir, fat(l), difat(l)})
        file.append(part);
    return file;
}

} // namespace controls
