#pragma once
// The "Workbook" stream of an Excel 97 file (BIFF8), written into a compound file as it is
// made: a globals part (code page, fonts, cell formats, one BOUNDSHEET per sheet, the shared
// string table) followed by the sheets, each with its column widths and one LABEL record per
// non-empty text cell. Only texts too long for a LABEL record (8,224 bytes of data) go through
// the shared string table (biff8stringtable.h), so the writer keeps no table of the texts.
//
// Limits of the format that shape it: 65,536 rows a sheet (longer tables continue on further
// sheets under the same captions), 32,767 characters a cell (longer texts are cut there, as
// Excel itself cannot hold more). Texts that fit in Latin-1 are stored one byte a character,
// others as UTF-16.
#include <QtGlobal>
#include <functional>

namespace controls {

class CompoundFileWriter;
class XlsSource;

// Every few hundred rows `progress` hears how many data rows are written; when it answers
// false the writing stops and false is returned, the stream left unfinished. Columns beyond
// the format's 256 are left out.
bool WriteBiff8Workbook(const XlsSource &source, CompoundFileWriter &out,
                        const std::function<bool(qsizetype rowsWritten)> &progress);

} // namespace controls
