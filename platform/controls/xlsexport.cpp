#include "controls/xlsexport.h"

#include "controls/biff8workbook.h"
#include "controls/compoundfile.h"
#include "vb/wholefile.h"

namespace controls {

void WriteXlsWorkbook(const QString &path, const XlsSource &source)
{
    vb::WriteWholeFile(path, BuildCompoundFile(QStringLiteral("Workbook"), BuildBiff8Workbook(source)),
                       QStringLiteral("ReportList.Export"));
}

} // namespace controls
