#include "controls/biff8workbook.h"

#include "controls/biff8records.h"
#include "controls/biff8stringtable.h"
#include "controls/compoundfile.h"
#include "controls/xlsexport.h"

#include <QList>
#include <algorithm>

namespace controls {

using namespace biff8;

namespace {

constexpr uint16_t kXfCell = 15;      // the first cell format after the 15 style formats
constexpr uint16_t kXfHeader = 16;    // bold captions
constexpr qsizetype kProgressRows = 256;
// The sheets go to the file in pieces of about this size.
constexpr qsizetype kBodyPiece = 1024 * 1024;

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
    w.shortString(u"Arial");
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

// The globals' records before the shared string table; each sheet starts at its offset in
// the stream.
QByteArray globals(const QList<qint64> &sheetStarts)
{
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
    for (qsizetype s = 0; s < sheetStarts.size(); ++s) {
        const qsizetype r = w.begin(rtBoundSheet);
        w.u32(static_cast<uint32_t>(sheetStarts[s]));
        w.u8(0);        // visible
        w.u8(0);        // worksheet
        w.shortString(QStringLiteral("Sheet%1").arg(s + 1));
        w.end(r);
    }
    return out;
}

// Column width in 1/256 of the width of "0" in the default font (about 7 pixels).
uint16_t columnWidthUnits(int twips)
{
    const int pixels = twips / 15;
    return static_cast<uint16_t>(std::clamp(pixels * 256 / 7 + 128, 256, 255 * 256));
}

// The sheets' records, handed on to the file in pieces.
class Sheets {
public:
    Sheets(CompoundFileWriter &out, StreamedStringTable &strings) : out_(out), strings_(strings), w_(buffer_)
    {
        buffer_.reserve(kBodyPiece + 64 * 1024);
    }
    Writer &records() { return w_; }
    // Where the next record starts, from the body's start.
    qint64 position() const { return out_.bodySize() + buffer_.size(); }
    uint32_t references() const { return references_; }

    // A text cell: a LABEL record holding the text, or a LABELSST one for a text too long for it.
    void cell(qsizetype row, int column, uint16_t xf, QStringView text)
    {
        text = text.left(kMaxCellChars);
        const qsizetype n = text.size();
        constexpr qsizetype fixed = 6 + 2 + 1;   // row, column, format; length; encoding
        if (fixed + 2 * n > kMaxRecordData && (fixed + n > kMaxRecordData || NeedsUtf16(text))) {
            w_.u16(rtLabelSST);
            w_.u16(10);
            w_.u16(static_cast<uint16_t>(row));
            w_.u16(static_cast<uint16_t>(column));
            w_.u16(xf);
            w_.u32(strings_.add(text));
            ++references_;
            return;
        }
        const qsizetype start = w_.size();
        char *p = w_.grow(4 + fixed + 2 * n);
        qToLittleEndian<uint16_t>(static_cast<uint16_t>(row), p + 4);
        qToLittleEndian<uint16_t>(static_cast<uint16_t>(column), p + 6);
        qToLittleEndian<uint16_t>(xf, p + 8);
        qToLittleEndian<uint16_t>(static_cast<uint16_t>(n), p + 10);
        // One byte a character unless a character needs two.
        char *chars = p + 13;
        char16_t all = 0;
        const char16_t *from = text.utf16();
        for (qsizetype i = 0; i < n; ++i) {
            all |= from[i];
            chars[i] = static_cast<char>(from[i]);
        }
        const bool wide = all > 0xFF;
        if (wide)
            qToLittleEndian<char16_t>(from, n, chars);
        p[12] = wide ? 1 : 0;
        const qsizetype length = fixed + (wide ? 2 : 1) * n;
        qToLittleEndian<uint16_t>(rtLabel, p);
        qToLittleEndian<uint16_t>(static_cast<uint16_t>(length), p + 2);
        w_.shrinkTo(start + 4 + length);
    }

    // Hands what is made on to the file once it makes a piece, or at the end.
    void handOn(bool atEnd = false)
    {
        if (buffer_.size() < kBodyPiece && !atEnd)
            return;
        out_.appendBody(buffer_);
        buffer_.resize(0);
    }

private:
    CompoundFileWriter &out_;
    StreamedStringTable &strings_;
    QByteArray buffer_;
    Writer w_;
    uint32_t references_ = 0;
};

// One sheet: captions (when asked) and the data rows [first, first + count).
bool writeSheet(const XlsSource &source, int columns, qsizetype first, qsizetype count, bool selected, Sheets &sheets,
                const std::function<bool(qsizetype)> &progress)
{
    Writer &w = sheets.records();
    const qsizetype headerRows = source.hasHeaders() ? 1 : 0;
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

    if (headerRows) {
        for (int c = 0; c < columns; ++c) {
            const QString caption = source.header(c);
            if (!caption.isEmpty())
                sheets.cell(0, c, kXfHeader, caption);
        }
    }
    for (qsizetype r = 0; r < count; ++r) {
        for (int c = 0; c < columns; ++c) {
            const QString text = source.cell(first + r, c);
            if (!text.isEmpty())
                sheets.cell(r + headerRows, c, kXfCell, text);
        }
        sheets.handOn();
        if ((first + r + 1) % kProgressRows == 0 && !progress(first + r + 1))
            return false;
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
    return true;
}

} // namespace

bool WriteBiff8Workbook(const XlsSource &source, CompoundFileWriter &out,
                        const std::function<bool(qsizetype rowsWritten)> &progress)
{
    const int columns = std::min(source.columns(), kMaxColumns);
    const qsizetype perSheet = kRowsPerSheet - (source.hasHeaders() ? 1 : 0);
    const qsizetype rows = source.rows();
    const qsizetype sheetCount = std::max<qsizetype>(1, (rows + perSheet - 1) / perSheet);

    // The globals' records take their place now; their sheet offsets are known at the end.
    QList<qint64> sheetStarts(sheetCount, 0);
    out.appendHead(globals(sheetStarts));
    StreamedStringTable strings(out);
    Sheets sheets(out, strings);
    for (qsizetype s = 0; s < sheetCount; ++s) {
        const qsizetype first = s * perSheet;
        sheetStarts[s] = sheets.position();
        if (!writeSheet(source, columns, first, std::min(perSheet, rows - first), s == 0, sheets, progress))
            return false;
    }
    sheets.handOn(true);
    strings.finish(sheets.references());
    for (qint64 &start : sheetStarts)
        start += out.headSize();
    out.patchHead(0, globals(sheetStarts));
    return progress(rows);
}

} // namespace controls
