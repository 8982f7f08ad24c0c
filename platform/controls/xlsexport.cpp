#include "controls/xlsexport.h"

#include "controls/biff8workbook.h"
#include "controls/compoundfile.h"
#include "vb/error.h"

#include <QDir>
#include <QSaveFile>

namespace controls {

namespace {
constexpr long errPathFileAccess = 75;

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    throw vb::Error(errPathFileAccess,
                    QStringLiteral("Path/File access error: %1 (%2)").arg(QDir::toNativeSeparators(path), reason),
                    QStringLiteral("ReportList.Export"));
}
} // namespace

void WriteXlsWorkbook(const QString &path, const XlsSource &source)
{
    if (path.isEmpty())
        fail(path, QStringLiteral("no file name"));
    const QByteArray workbook = BuildBiff8Workbook(source);
    // QSaveFile writes beside the target and renames only on commit; an uncommitted file is
    // removed when it goes out of scope.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
    if (!WriteCompoundFile(file, QStringLiteral("Workbook"), workbook)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(path, reason);
    }
    if (!file.commit())
        fail(path, file.errorString());
}

} // namespace controls
