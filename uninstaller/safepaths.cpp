#include "safepaths.h"

#include "texts.h"

#include "system/drivepaths.h"

#include <QFile>

#include <sys/stat.h>

namespace uninst {

std::optional<QString> SafeLocalPath(const ByteString &windowsPath)
{
    const QString windows = FromAnsi(windowsPath);
    const std::optional<QString> path = sys::LocalPath(windows);
    if (!path)
        return std::nullopt;
    // Every folder on the way below the drive's folder must be a real folder, never a link
    // leading elsewhere.
    const bool hasDrive = windows.size() >= 2 && windows.at(1) == QLatin1Char(':');
    const QString drive = sys::DriveFolder(hasDrive ? windows.at(0) : QLatin1Char('c'));
    for (qsizetype slash = path->indexOf(QLatin1Char('/'), drive.size()); slash > 0; slash = path->indexOf(QLatin1Char('/'), slash + 1)) {
        struct stat info;
        if (::lstat(QFile::encodeName(path->left(slash)).constData(), &info) == 0 && S_ISLNK(info.st_mode))
            return std::nullopt;
    }
    return path;
}

void ClearReadOnly(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    if (::lstat(native.constData(), &info) == 0 && !S_ISLNK(info.st_mode) && !(info.st_mode & S_IWUSR))
        ::chmod(native.constData(), (info.st_mode & 07777) | S_IWUSR);
}

} // namespace uninst
