#pragma once
// "Export to Excel" of the list windows: asks where (core/ui/exportdialog.h) and writes the
// list under the hourglass. Errors (the file cannot be written) go to the caller.
class QString;
class QWidget;

namespace controls {
class ReportList;
}

namespace frontdesk {

// `proposed` is the file name the dialog offers ("Customer List"; empty for none).
void ExportListToExcel(const controls::ReportList &list, const QString &proposed, QWidget *owner);

} // namespace frontdesk
