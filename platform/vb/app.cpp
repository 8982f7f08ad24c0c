#include "vb/app.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace vb {

namespace {

QString &overriddenAppPath()
{
    static QString folder;
    return folder;
}

QString executableFolder()
{
    // /proc/self/exe works before (and without) a QCoreApplication.
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    const QString target = exe.canonicalFilePath();
    return target.isEmpty() ? QDir::currentPath() : QFileInfo(target).absolutePath();
}

QString withoutTrailingSlash(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

} // namespace

QString AppPath()
{
    if (!overriddenAppPath().isEmpty())
        return overriddenAppPath();
    const QString fromEnvironment = qEnvironmentVariable("HOTEL_PROGRAM_DIR");
    if (!fromEnvironment.isEmpty())
        return withoutTrailingSlash(NativePath(fromEnvironment));
    return executableFolder();
}

void SetAppPath(const QString &folder)
{
    overriddenAppPath() = folder.isEmpty() ? QString() : withoutTrailingSlash(NativePath(folder));
}

QString NativePath(const QString &windowsPath)
{
    QString path = windowsPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    static const QRegularExpression repeated(QStringLiteral("/{2,}"));
    return path.replace(repeated, QStringLiteral("/"));
}

} // namespace vb
