#include "controls/xlsexport.h"

#include "controls/biff8workbook.h"
#include "controls/compoundfile.h"
#include "vb/wholefile.h"

namespace controls {

bool WriteXlsWorkbook(const QString &path, const XlsSource &source,
                      const std::function<bool(qsizetype rowsWritten)> &progress)
{
    vb::SaveFile file(path, QStringLiteral("ReportList.Export"));
    CompoundFileWriter out(file);
    const auto goOn = [&](qsizetype rows) { return !progress || progress(rows); };
    if (!WriteBiff8Workbook(source, out, goOn))
        return false;
    out.finish(QStringLiteral("Workbook"));
    file.commit();
    return true;
}

} // namespace controls
