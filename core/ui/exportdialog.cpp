#include "core/ui/exportdialog.h"

#include "ui/cdlg.h"

#include <QDir>

namespace core {

QString ExportFileName(const QString &chosen)
{
    if (chosen.isEmpty() || chosen.contains(QLatin1Char('*')))
        return {};
    if (chosen.right(4).toUpper() != QStringLiteral(".XLS"))
        return chosen + QStringLiteral(".xls");
    return chosen;
}

QString AskExportFileName(const QString &proposed, QWidget *owner)
{
    ui::CDLG dialog;
    QString fileName = proposed;
    QString fileTitle;
    QString filter = QStringLiteral("*.xls (Excel Workbook)|*.xls");
    long filterIndex = 1;
    long flags = 0;
    // The dialog's own answer is not needed: a cancel leaves the name empty.
    dialog.VBGetSaveFileName(fileName, fileTitle, true, filter, filterIndex, QDir::currentPath(),
                             QStringLiteral("Export to"), QStringLiteral("*.xls"), owner, flags);
    return ExportFileName(fileName);
}

} // namespace core
