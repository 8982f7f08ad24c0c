#pragma once
// "Export to Excel" of the list windows: asks where with the save dialog ("Export to",
// "*.xls (Excel Workbook)|*.xls", overwrite prompt on), appends ".xls" to a name that does not
// end in it (any case), and writes the list under the hourglass. A cancelled dialog, or a
// name holding "*", exports nothing. Errors (the file cannot be written) go to the caller.
#include <QString>

class QWidget;

namespace controls {
class ReportList;
}

namespace frontdesk {

// The name the export goes to ("" when nothing is to be written), from the dialog's answer.
QString ExportFileName(const QString &chosen);

// `proposed` is the file name the dialog offers ("Customer List"; empty for none).
void ExportListToExcel(const controls::ReportList &list, const QString &proposed, QWidget *owner);

} // namespace frontdesk
