#include "controls/biff8workbook.h"

#include "controls/xlsexport.h"

#include <QHash>
#include <QList>
#include <algorithm>
#include <cstdint>

namespace controls {

namespace {

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
    rtWindow2 = 0x023E,
    rtStyle = 0x0293,
    rtBOF = 0x0809,
};

constexpr uint16_t kXfCell = 15;      // the first cell format after the 15 style formats
constexpr uint16_t kXfHeader = 16;    // bold captions

// Little-endian appends onto a growing stream.
class Writer {
public:
    explicit Writer(QByteArray &out) : out_(out) {}
    void u8(uint8_t v) { out_.append(static_cast<char>(v)); }
    void u16(uint16_t v)
    {
        u8(static_cast<uint8_t>(v));
        u8(static_cast<uint8_t>(v >> 8));
    }
    void u32(uint32_t v)
    {
        u16(static_cast<uint16_t>(v));
        u16(static_cast<uint16_t>(v >> 16));
    }
    void bytes(const char *data, qsizetype size) { out_.append(data, size); }
    qsizetype size() const { return out_.size(); }

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
        const auto length = static_cast<uint16_t>(size() - start - 4);
        out_[start + 2] = static_cast<char>(length & 0xFF);
        out_[start + 3] = static_cast<char>(length >> 8);
    }
    void patch32(qsizetype at, uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            out_[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }

private:
    QByteArray &out_;
};

bool needsUtf16(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() > 0xFF; });
}

// Appends `count` characters of `text` from `from`, one byte or two each.
void appendChars(Writer &w, const QString &text, qsizetype from, qsizetype count, bool wide)
{
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = text[i].unicode();
        if (wide)
            w.u16(c);
        else
            w.u8(static_cast<uint8_t>(c));
    }
}

// A short string with a one-byte length (font and sheet names).
void appendShortString(Writer &w, const QString &text)
{
    const bool wide = needsUtf16(text);
    w.u8(static_cast<uint8_t>(text.size()));
    w.u8(wide ? 1 : 0);
    appendChars(w, text, 0, text.size(), wide);
}

void appendBOF(Writer &w, uint16_t substream)
{
    const qsizetype r = w.begin(rtBOF);
    w.u16(0x0600);      // BIFF8
    w.u16(substream);   // 0x0005 globals, 0x0010 sheet
    w.u16(0x0DBB);      // build
    w.u16(0x07CC);      // year
    w.u32(0);
    w.u32(0x00000006);
    w.end(r);
}

void appendEOF(Writer &w) { w.end(w.begin(rtEOF)); }

void appendFont(Writer &w, bool bold)
{
    const qsizetype r = w.begin(rtFont);
    w.u16(200);                 // 10 points, in twentieths
    w.u16(0);                   // no italic, strike-out...
    w.u16(0x7FFF);              // the window text colour
    w.u16(bold ? 700 : 400);
    w.u16(0);                   // no super/subscript
    w.u8(0);                    // no underline
    w.u8(2);                    // family: Swiss
    w.u8(0);                    // ANSI character set
    w.u8(0);
    appendShortString(w, QStringLiteral("Arial"));
    w.end(r);
}

void appendXF(Writer &w, uint16_t font, bool style, uint8_t usedAttributes)
{
    const qsizetype r = w.begin(rtXF);
    w.u16(font);
    w.u16(0);                           // "General" number format
    w.u16(style ? 0xFFF5 : 0x0001);     // style: locked, hidden-formula off, no parent; cell: locked, parent 0
    w.u8(0x20);                         // bottom aligned
    w.u8(0);
    w.u8(0);
    w.u8(usedAttributes);
    w.u32(0);                           // no borders
    w.u32(0);
    w.u16(0x20C0);                      // system foreground and background pattern colours
    w.end(r);
}

// The shared string table: each distinct text once, in order of first use.
class StringTable {
public:
    uint32_t intern(const QString &text)
    {
        ++total_;
        const auto it = index_.constFind(text);
        if (it != index_.cend())
            return *it;
        const auto id = static_cast<uint32_t>(strings_.size());
        index_.insert(text, id);
        strings_.append(text);
        return id;
    }

    // SST with CONTINUE records as needed, then EXTSST pointing at every eighth (or more)
    // string so readers can seek.
    void write(Writer &w) const
    {
        const qsizetype unique = strings_.size();
        const qsizetype perBucket = std::max<qsizetype>(8, (unique + 127) / 128);
        struct Bucket { uint32_t streamPos; uint16_t recordOffset; };
        QList<Bucket> buckets;

        qsizetype record = w.begin(rtSST);
        w.u32(total_);
        w.u32(static_cast<uint32_t>(unique));
        qsizetype used = 8;
        auto nextRecord = [&] {
            w.end(record);
            record = w.begin(rtContinue);
            used = 0;
        };
        for (qsizetype i = 0; i < unique; ++i) {
            const QString &s = strings_[i];
            const qsizetype n = s.size();
            const bool wide = needsUtf16(s);
            const qsizetype charSize = wide ? 2 : 1;
            // The 3-byte string header and its first character stay together.
            if (biff8::kMaxRecordData - used < 3 + charSize)
                nextRecord();
            if (i % perBucket == 0)
                buckets.append({static_cast<uint32_t>(w.size()), static_cast<uint16_t>(w.size() - record)});
            w.u16(static_cast<uint16_t>(n));
            w.u8(wide ? 1 : 0);
            used += 3;
            for (qsizetype at = 0; at < n;) {
                const qsizetype fit = (biff8::kMaxRecordData - used) / charSize;
                if (fit == 0) {
                    nextRecord();
                    w.u8(wide ? 1 : 0);     // a continued string restates its encoding
                    used = 1;
                    continue;
                }
                const qsizetype take = std::min(fit, n - at);
                appendChars(w, s, at, take, wide);
                used += take * charSize;
                at += take;
            }
        }
        w.end(record);

        const qsizetype ext = w.begin(rtExtSST);
        w.u16(static_cast<uint16_t>(perBucket));
        for (const Bucket &b : buckets) {
            w.u32(b.streamPos);
            w.u16(b.recordOffset);
            w.u16(0);
        }
        w.end(ext);
    }

private:
    QHash<QString, uint32_t> index_;
    QList<QString> strings_;
    uint32_t total_ = 0;
};

// Column width in 1/256 of the width of "0" in the default font (about 7 pixels).
uint16_t columnWidthUnits(int twips)
{
    const int pixels = twips / 15;
    return static_cast<uint16_t>(std::clamp(pixels * 256 / 7 + 128, 256, 255 * 256));
}

void appendLabel(Writer &w, qsizetype row, int column, uint16_t xf, uint32_t sst)
{
    w.u16(rtLabelSST);
    w.u16(10);
    w.u16(static_cast<uint16_t>(row));
    w.u16(static_cast<uint16_t>(column));
    w.u16(xf);
    w.u32(sst);
}

// One sheet: captions (when asked) and the data rows [first, first + count).
QByteArray buildSheet(const XlsSource &source, int columns, qsizetype first, qsizetype count, bool selected,
                      StringTable &strings)
{
    QByteArray out;
    Writer w(out);
    const qsizetype headerRows = source.hasHeaders() ? 1 : 0;
    out.reserve((count + headerRows) * columns * 14 + 512);
    appendBOF(w, 0x0010);
    for (int c = 0; c < columns; ++c) {
        const qsizetype r = w.begin(rtColInfo);
        w.u16(static_cast<uint16_t>(c));
        w.u16(static_cast<uint16_t>(c));
        w.u16(columnWidthUnits(source.widthTwips(c)));
        w.u16(kXfCell);
        w.u16(0);
        w.u16(0);
        w.end(r);
    }
    const qsizetype dim = w.begin(rtDimensions);
    w.u32(0);
    w.u32(static_cast<uint32_t>(count + headerRows));
    w.u16(0);
    w.u16(static_cast<uint16_t>(columns));
    w.u16(0);
    w.end(dim);

    auto cellText = [](QString text) {
        if (text.size() > biff8::kMaxCellChars)
            text.truncate(biff8::kMaxCellChars);
        return text;
    };
    if (headerRows) {
        for (int c = 0; c < columns; ++c) {
            const QString caption = source.header(c);
            if (!caption.isEmpty())
                appendLabel(w, 0, c, kXfHeader, strings.intern(cellText(caption)));
        }
    }
    for (qsizetype r = 0; r < count; ++r) {
        for (int c = 0; c < columns; ++c) {
            const QString text = source.cell(first + r, c);
            if (!text.isEmpty())
                appendLabel(w, r + headerRows, c, kXfCell, strings.intern(cellText(text)));
        }
    }

    const qsizetype win = w.begin(rtWindow2);
    w.u16(selected ? 0x06B6 : 0x04B6);  // grid lines, headings, zeros, outline symbols; selected tab
    w.u16(0);
    w.u16(0);
    w.u16(64);
    w.u16(0);
    w.u16(0);
    w.u16(0);
    w.u32(0);
    w.end(win);
    appendEOF(w);
    return out;
}

} // namespace

QByteArray BuildBiff8Workbook(const XlsSource &source)
{
    const int columns = std::min(source.columns(), biff8::kMaxColumns);
    const qsizetype perSheet = biff8::kRowsPerSheet - (source.hasHeaders() ? 1 : 0);
    const qsizetype rows = source.rows();
    const qsizetype sheetCount = std::max<qsizetype>(1, (rows + perSheet - 1) / perSheet);

    StringTable strings;
    QList<QByteArray> sheets;
    for (qsizetype s = 0; s < sheetCount; ++s) {
        const qsizetype first = s * perSheet;
        sheets << buildSheet(source, columns, first, std::min(perSheet, rows - first), s == 0, strings);
    }

    QByteArray out;
    Writer w(out);
    appendBOF(w, 0x0005);
    const qsizetype cp = w.begin(rtCodePage);
    w.u16(1200);    // texts are Unicode
    w.end(cp);
    const qsizetype win = w.begin(rtWindow1);
    w.u16(0);
    w.u16(0);
    w.u16(0x3000);
    w.u16(0x2000);
    w.u16(0x0038);
    w.u16(0);       // active sheet
    w.u16(0);       // first visible tab
    w.u16(1);       // selected tabs
    w.u16(0x0258);
    w.end(win);
    // Fonts 0 to 3 are the defaults; the next one is number 5 (there is no font 4).
    for (int f = 0; f < 4; ++f)
        appendFont(w, false);
    appendFont(w, true);
    for (int x = 0; x < 15; ++x)
        appendXF(w, 0, true, 0);
    appendXF(w, 0, false, 0);
    appendXF(w, 5, false, 0x08);    // the font differs from the style's
    const qsizetype style = w.begin(rtStyle);
    w.u16(0x8000);  // built-in style on XF 0: "Normal"
    w.u8(0);
    w.u8(0xFF);
    w.end(style);

    QList<qsizetype> sheetOffsets;
    for (qsizetype s = 0; s < sheetCount; ++s) {
        const qsizetype r = w.begin(rtBoundSheet);
        sheetOffsets << w.size();
        w.u32(0);       // patched below
        w.u8(0);        // visible
        w.u8(0);        // worksheet
        appendShortString(w, QStringLiteral("Sheet%1").arg(s + 1));
        w.end(r);
    }
    strings.write(w);
    appendEOF(w);

    qsizetype total = out.size();
    for (const QByteArray &sheet : sheets)
        total += sheet.size();
    out.reserve(total);
    for (qsizetype s = 0; s < sheetCount; ++s) {
        w.patch32(sheetOffsets[s], static_cast<uint32_t>(out.size()));
        out.append(sheets[s]);
        sheets[s] = QByteArray();
    }
    return out;
}

} // namespace controls
