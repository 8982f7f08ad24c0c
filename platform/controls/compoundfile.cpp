#include "controls/compoundfile.h"

#include "vb/error.h"
#include "vb/wholefile.h"

#include <QtEndian>
#include <algorithm>
#include <limits>
#include <stdexcept>

namespace controls {

namespace {
constexpr qsizetype kSector = CompoundFileWriter::kSector;
constexpr qsizetype kIdsPerSector = kSector / 4;
constexpr qsizetype kHeaderDifat = 109;
constexpr qsizetype kMiniStreamCutoff = 4096;
constexpr uint32_t kFree = 0xFFFFFFFF;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFatSector = 0xFFFFFFFD;
constexpr uint32_t kDifatSector = 0xFFFFFFFC;
constexpr uint32_t kNoStream = 0xFFFFFFFF;

void put16(QByteArray &b, qsizetype at, uint16_t v) { qToLittleEndian(v, b.data() + at); }

void put32(QByteArray &b, qsizetype at, uint32_t v) { qToLittleEndian(v, b.data() + at); }

qsizetype sectorsFor(qsizetype count, qsizetype perSector) { return (count + perSector - 1) / perSector; }

// Where the sectors after the stream's go: one directory sector, the FAT, the DIFAT.
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
Layout layoutFor(qsizetype streamSectors)
{
    Layout l;
    l.streamSectors = streamSectors;
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

QByteArray directory(const QString &streamName, uint32_t start, uint32_t size)
{
    QByteArray dir(kSector, '\0');
    directoryEntry(dir, 0, QStringLiteral("Root Entry"), 5, 1, kEndOfChain, 0);
    directoryEntry(dir, 1, streamName, 2, kNoStream, start, size);
    for (int slot = 2; slot < 4; ++slot) {
        for (int field : {68, 72, 76})
            put32(dir, slot * 128 + field, kNoStream);
    }
    return dir;
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

// Each stream sector points at the next in the stream's order, the last ends the chain.
QByteArray fatBytes(const Layout &l, const std::vector<CompoundFileWriter::Run> &streamOrder)
{
    std::vector<uint32_t> fat(static_cast<size_t>(l.fatSectors * kIdsPerSector), kFree);
    uint32_t previous = kFree;
    for (const CompoundFileWriter::Run &run : streamOrder) {
        for (uint32_t s = run.first; s < run.first + run.count; ++s) {
            if (previous != kFree)
                fat[previous] = s;
            previous = s;
        }
    }
    fat[previous] = kEndOfChain;
    fat[l.directory()] = kEndOfChain;
    for (qsizetype s = 0; s < l.fatSectors; ++s)
        fat[l.firstFat() + s] = kFatSector;
    for (qsizetype s = 0; s < l.difatSectors; ++s)
        fat[l.firstDifat() + s] = kDifatSector;
    QByteArray bytes(l.fatSectors * kSector, Qt::Uninitialized);
    qToLittleEndian<uint32_t>(fat.data(), static_cast<qsizetype>(fat.size()), bytes.data());
    return bytes;
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

CompoundFileWriter::CompoundFileWriter(vb::SaveFile &file) : file_(file)
{
    // The header's place; it is written last, when the layout is known.
    const QByteArray placeholder(kSector, '\0');
    file_.write(placeholder.constData(), placeholder.size());
}

void CompoundFileWriter::appendHead(const char *data, qsizetype size) { append(head_, data, size); }

void CompoundFileWriter::appendBody(const char *data, qsizetype size) { append(body_, data, size); }

void CompoundFileWriter::append(Part &part, const char *data, qsizetype size)
{
    part.size += size;
    if (!part.partial.isEmpty()) {
        const qsizetype take = std::min(size, kSector - part.partial.size());
        part.partial.append(data, take);
        data += take;
        size -= take;
        if (part.partial.size() < kSector)
            return;
        writeSectors(part, part.partial.constData(), 1);
        part.partial.clear();
    }
    const qsizetype whole = size / kSector;
    if (whole > 0)
        writeSectors(part, data, whole);
    part.partial.append(data + whole * kSector, size - whole * kSector);
}

void CompoundFileWriter::writeSectors(Part &part, const char *data, qsizetype sectors)
{
    file_.write(data, sectors * kSector);
    const auto count = static_cast<uint32_t>(sectors);
    if (!part.runs.empty() && part.runs.back().first + part.runs.back().count == nextSector_)
        part.runs.back().count += count;
    else
        part.runs.push_back({nextSector_, count});
    nextSector_ += count;
}

qint64 CompoundFileWriter::fileOffsetOf(const Part &part, qint64 at) const
{
    qint64 sector = at / kSector;
    for (const Run &run : part.runs) {
        if (sector < run.count)
            return (1 + run.first + sector) * kSector + at % kSector;
        sector -= run.count;
    }
    return -1;
}

void CompoundFileWriter::patchHead(qint64 at, const QByteArray &bytes)
{
    const qint64 written = head_.size - head_.partial.size();
    for (qsizetype i = 0; i < bytes.size();) {
        const qint64 pos = at + i;
        if (pos >= written) {
            std::copy(bytes.cbegin() + i, bytes.cend(), head_.partial.begin() + (pos - written));
            return;
        }
        // Up to the end of this sector, which is contiguous in the file.
        const qsizetype take = std::min<qsizetype>(bytes.size() - i, kSector - pos % kSector);
        file_.writeAt(fileOffsetOf(head_, pos), bytes.constData() + i, take);
        i += take;
    }
}

void CompoundFileWriter::finish(const QString &streamName)
{
    if (!head_.partial.isEmpty())
        throw std::logic_error("compound file: the stream's head must end on a sector boundary");
    const qint64 content = head_.size + body_.size;
    const qint64 streamSize = std::max<qint64>(content, kMiniStreamCutoff);
    if (streamSize > std::numeric_limits<uint32_t>::max())
        throw vb::Error::standard(vb::errPathFileAccess);
    // Zeros up to the stream's size and on to the end of its last sector.
    const QByteArray zeros(sectorsFor(streamSize, kSector) * kSector - content, '\0');
    appendBody(zeros);

    std::vector<Run> streamOrder = head_.runs;
    streamOrder.insert(streamOrder.end(), body_.runs.cbegin(), body_.runs.cend());
    const Layout l = layoutFor(nextSector_);
    for (const QByteArray &part : {directory(streamName, streamOrder.front().first, static_cast<uint32_t>(streamSize)),
                                   fatBytes(l, streamOrder), difat(l)})
        file_.write(part.constData(), part.size());
    const QByteArray h = header(l);
    file_.writeAt(0, h.constData(), h.size());
}

} // namespace controls
