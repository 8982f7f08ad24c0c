#pragma once
// The records of an Excel 97 (BIFF8) stream: their types, the format's limits, and
// little-endian appends onto a buffer that the workbook writer hands on to the file.
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QtEndian>
#include <algorithm>
#include <cstdint>

namespace controls::biff8 {

constexpr qsizetype kRowsPerSheet = 65536;
constexpr qsizetype kMaxRecordData = 8224;
constexpr int kMaxCellChars = 32767;
constexpr int kMaxColumns = 256;

enum RecordType : uint16_t {
    rtEOF = 0x000A,
    rtCodePage = 0x0042,
    rtWindow1 = 0x003D,
    rtFont = 0x0031,
    rtColInfo = 0x007D,
    rtBoundSheet = 0x0085,
    rtContinue = 0x003C,
    rtSST = 0x00FC,
    rtExtSST = 0x00FF,
    rtLabelSST = 0x00FD,
    rtXF = 0x00E0,
    rtDimensions = 0x0200,
    rtLabel = 0x0204,
    rtWindow2 = 0x023E,
    rtStyle = 0x0293,
    rtBOF = 0x0809,
};

inline bool NeedsUtf16(QStringView text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() > 0xFF; });
}

// Little-endian appends onto a growing buffer.
class Writer {
public:
    explicit Writer(QByteArray &out) : out_(out) {}
    void u8(uint8_t v) { out_.append(static_cast<char>(v)); }
    void u16(uint16_t v) { qToLittleEndian(v, grow(2)); }
    void u32(uint32_t v) { qToLittleEndian(v, grow(4)); }
    qsizetype size() const { return out_.size(); }
    // Room for `size` more bytes at the end, to be filled by the caller.
    char *grow(qsizetype size)
    {
        const qsizetype at = out_.size();
        out_.resize(at + size);
        return out_.data() + at;
    }
    // Gives back the end of what grow() made room for.
    void shrinkTo(qsizetype size) { out_.resize(size); }

    // Starts a record whose length is patched by end().
    qsizetype begin(uint16_t type)
    {
        const qsizetype start = size();
        u16(type);
        u16(0);
        return start;
    }
    void end(qsizetype start)
    {
        qToLittleEndian(static_cast<uint16_t>(size() - start - 4), out_.data() + start + 2);
    }

    // `count` characters of `text` from `from`, one byte or two each.
    void chars(QStringView text, qsizetype from, qsizetype count, bool wide)
    {
        if (wide) {
            qToLittleEndian<char16_t>(text.utf16() + from, count, grow(2 * count));
            return;
        }
        char *to = grow(count);
        for (qsizetype i = 0; i < count; ++i)
            to[i] = static_cast<char>(text[from + i].unicode());
    }

    // A short string with a one-byte length (font and sheet names).
    void shortString(QStringView text)
    {
        const bool wide = NeedsUtf16(text);
        u8(static_cast<uint8_t>(text.size()));
        u8(wide ? 1 : 0);
        chars(text, 0, text.size(), wide);
    }

private:
    QByteArray &out_;
};

} // namespace controls::biff8
