#pragma once
// The "Workbook" stream of an Excel 97 file (BIFF8): a globals part (code page, fonts, cell
// formats, one BOUNDSHEET per sheet, the shared string table) followed by the sheets, each
// with its column widths and one LABELSST record per non-empty text cell.
//
// Limits of the format that shape it: 65,536 rows a sheet (longer tables continue on
// further sheets under the same captions), records of at most 8,224 data bytes (the shared
// string table continues in CONTINUE records, a string split between two of them repeats its
// one-byte encoding flag), 32,767 characters a cell (longer texts are cut there, as Excel
// itself cannot hold more). Texts that fit in Latin-1 are stored one byte a character,
// others as UTF-16.
#include <QByteArray>
#include <QString>

namespace controls {

class XlsSource;

namespace biff8 {
constexpr qsizetype kRowsPerSheet = 65536;
constexpr qsizetype kMaxRecordData = 8224;
constexpr int kMaxCellChars = 32767;
constexpr int kMaxColumns = 256;
} // namespace biff8

// The stream; columns beyond the format's 256 are left out.
QByteArray BuildBiff8Workbook(const XlsSource &source);

} // namespace controls
