#pragma once
// Writes a table as a genuine Excel 97 workbook (.xls): a BIFF8 "Workbook" stream
// (biff8workbook.h) inside an OLE2 compound file (compoundfile.h), both made straight into the
// file as the rows are read, so no copy of the workbook is held. Texts are stored as UTF-16
// where needed; column widths follow the table's; a sheet holds 65,536 rows, so longer tables
// go on in further sheets ("Sheet2"...), each headed by the same column captions: no row is
// left out.
//
// The file is written to a temporary file beside `path` and renamed over it only when
// complete, so a failure or a stop leaves neither a partial file nor a damaged earlier one.
#include <QString>
#include <functional>

namespace controls {

// What is exported: rectangular texts with optional column captions.
class XlsSource {
public:
    virtual ~XlsSource() = default;
    virtual int columns() const = 0;
    virtual bool hasHeaders() const = 0;
    virtual QString header(int column) const = 0;     // from 0
    virtual int widthTwips(int column) const = 0;
    virtual qsizetype rows() const = 0;
    virtual QString cell(qsizetype row, int column) const = 0;
};

// Every few hundred rows `progress` hears how many rows are written; when it answers false
// the export stops and false is returned, with nothing written. Throws vb::Error 76 "Path not
// found" when the folder does not exist and 75 "Path/File access error" when the file cannot
// be written there.
bool WriteXlsWorkbook(const QString &path, const XlsSource &source,
                      const std::function<bool(qsizetype rowsWritten)> &progress = {});

} // namespace controls
