#pragma once
// An OLE2 compound file (structured storage, version 3, 512-byte sectors) holding one
// stream beside its root: what Excel 97 and every .xls reader expect around a workbook.
//
// The stream goes to the file as it is made, in two parts made side by side: its head and the
// body that follows the head. Each part's bytes are written a whole sector at a time as they
// come, so the two parts' sectors interleave in the file and the FAT chains the head's before
// the body's; the head must therefore end on a sector boundary. finish() writes the last
// sectors, one directory sector, the FAT and, once the FAT needs more than the header's 109
// entries (files over about 7 MB), the DIFAT sectors, then the header in front of them all.
// A stream shorter than 4,096 bytes is padded to that size, so it lives in regular sectors and
// no mini stream is needed.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace vb {
class SaveFile;
}

namespace controls {

class CompoundFileWriter {
public:
    static constexpr qsizetype kSector = 512;

    // Writes into `file` from its start.
    explicit CompoundFileWriter(vb::SaveFile &file);

    void appendHead(const char *data, qsizetype size);
    void appendBody(const char *data, qsizetype size);
    void appendHead(const QByteArray &bytes) { appendHead(bytes.constData(), bytes.size()); }
    void appendBody(const QByteArray &bytes) { appendBody(bytes.constData(), bytes.size()); }
    qint64 headSize() const { return head_.size; }
    qint64 bodySize() const { return body_.size; }
    // Overwrites head bytes appended earlier, from `at` on.
    void patchHead(qint64 at, const QByteArray &bytes);

    // Writes the rest of the file; the stream is named `streamName`. Raises 75 when the
    // stream is too large for the format (4 GB).
    void finish(const QString &streamName);

    // Consecutive sectors of the file.
    struct Run {
        uint32_t first;
        uint32_t count;
    };

private:
    struct Part {
        std::vector<Run> runs;   // the sectors that hold the part, in its order
        QByteArray partial;   // the bytes of the part's last sector, until it is full
        qint64 size = 0;
    };

    void append(Part &part, const char *data, qsizetype size);
    // Writes whole sectors of `part` at the end of the file.
    void writeSectors(Part &part, const char *data, qsizetype sectors);
    qint64 fileOffsetOf(const Part &part, qint64 at) const;

    vb::SaveFile &file_;
    Part head_;
    Part body_;
    uint32_t nextSector_ = 0;
};

} // namespace controls
