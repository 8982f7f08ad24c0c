#pragma once
// Where an "Export to Excel" goes: the save dialog ("Export to", "*.xls (Excel Workbook)|*.xls",
// overwrite prompt on) and the name it answered, with ".xls" appended to a name that does not
// end in it (any case). A cancelled dialog, or a name holding "*", exports nothing.
#include <QString>

class QWidget;

namespace core {

// The name the export goes to ("" when nothing is to be written), from the dialog's answer.
QString ExportFileName(const QString &chosen);

// Asks with the save dialog; `proposed` is the name it offers (empty for none).
QString AskExportFileName(const QString &proposed, QWidget *owner);

} // namespace core
