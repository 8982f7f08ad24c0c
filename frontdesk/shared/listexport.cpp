#include "frontdesk/shared/listexport.h"

#include "controls/reportlist.h"
#include "core/ui/exportdialog.h"
#include "ui/hourglass.h"

namespace frontdesk {

void ExportListToExcel(const controls::ReportList &list, const QString &proposed, QWidget *owner)
{
    const QString target = core::AskExportFileName(proposed, owner);
    if (target.isEmpty())
        return;
    ui::Hourglass busy;
    list.exportTo(target);
}

} // namespace frontdesk
