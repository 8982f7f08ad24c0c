#include "controls/biff8stringtable.h"

#include "controls/biff8records.h"
#include "controls/compoundfile.h"

#include <QString>

namespace controls::biff8 {

// Lays a string of `chars` characters into the records from the current one on: its header
// with its first character, then as many characters as each record takes.
template <class Records> void LayString(Records &records, qsizetype chars, bool wide)
{
    const qsizetype charSize = wide ? 2 : 1;
    if (kMaxRecordData - records.used_ < 3 + charSize)
        records.nextRecord();
    records.stringHeader(chars, wide);
    for (qsizetype at = 0; at < chars;) {
        const qsizetype fit = (kMaxRecordData - records.used_) / charSize;
        if (fit == 0) {
            records.nextRecord();
            records.flag(wide);
            continue;
        }
        const qsizetype take = std::min(fit, chars - at);
        records.chars(at, take, wide);
        at += take;
    }
}

namespace {
// The bytes a string's layout adds, without writing it.
struct ByteCount {
    qsizetype used_;
    qsizetype bytes = 0;
    void nextRecord()
    {
        bytes += 4;
        used_ = 0;
    }
    void stringHeader(qsizetype, bool) { add(3); }
    void flag(bool) { add(1); }
    void chars(qsizetype, qsizetype count, bool wide) { add(count * (wide ? 2 : 1)); }
    void add(qsizetype n)
    {
        bytes += n;
        used_ += n;
    }
};

// EXTSST points at every `perBucket`-th string: at least every eighth, at most 128 of them.
qsizetype perBucket(qsizetype strings) { return std::max<qsizetype>(8, (strings + 127) / 128); }

qsizetype extSstBytes(qsizetype strings)
{
    const qsizetype per = perBucket(strings);
    return 4 + 2 + 8 * ((strings + per - 1) / per);
}

constexpr qsizetype kEofBytes = 4;
} // namespace

StreamedStringTable::StreamedStringTable(CompoundFileWriter &out) : out_(out), tableStart_(out.headSize())
{
    Writer w(record_);
    w.begin(rtSST);
    w.u32(0);   // the counts, patched by finish()
    w.u32(0);
    used_ = 8;
}

void StreamedStringTable::nextRecord()
{
    Writer(record_).end(0);
    out_.appendHead(record_);
    record_.resize(0);
    Writer(record_).begin(rtContinue);
    used_ = 0;
}

void StreamedStringTable::stringHeader(qsizetype chars, bool wide)
{
    starts_.push_back({static_cast<uint32_t>(out_.headSize() + record_.size()), static_cast<uint16_t>(record_.size())});
    Writer w(record_);
    w.u16(static_cast<uint16_t>(chars));
    w.u8(wide ? 1 : 0);
    used_ += 3;
}

void StreamedStringTable::flag(bool wide)
{
    Writer(record_).u8(wide ? 1 : 0);
    used_ += 1;
}

void StreamedStringTable::chars(qsizetype from, qsizetype count, bool wide)
{
    Writer(record_).chars(text_, from, count, wide);
    used_ += count * (wide ? 2 : 1);
}

uint32_t StreamedStringTable::add(QStringView text)
{
    text_ = text;
    LayString(*this, text.size(), NeedsUtf16(text));
    return static_cast<uint32_t>(starts_.size() - 1);
}

void StreamedStringTable::finish(uint32_t references)
{
    // The filler: the shortest string after which the head ends on a sector boundary.
    const qsizetype strings = static_cast<qsizetype>(starts_.size()) + 1;
    const qint64 before = out_.headSize() + record_.size();
    for (qsizetype chars = 0;; ++chars) {
        ByteCount count{used_};
        LayString(count, chars, false);
        if ((before + count.bytes + extSstBytes(strings) + kEofBytes) % CompoundFileWriter::kSector == 0) {
            add(QString(chars, QLatin1Char(' ')));
            break;
        }
    }
    Writer(record_).end(0);
    out_.appendHead(record_);

    QByteArray tail;
    Writer w(tail);
    const qsizetype per = perBucket(strings);
    const qsizetype ext = w.begin(rtExtSST);
    w.u16(static_cast<uint16_t>(per));
    for (size_t i = 0; i < starts_.size(); i += static_cast<size_t>(per)) {
        w.u32(starts_[i].streamPos);
        w.u16(starts_[i].recordOffset);
        w.u16(0);
    }
    w.end(ext);
    w.end(w.begin(rtEOF));
    out_.appendHead(tail);

    QByteArray counts;
    Writer c(counts);
    c.u32(references);
    c.u32(static_cast<uint32_t>(strings));
    out_.patchHead(tableStart_ + 4, counts);
}

} // namespace controls::biff8
