#include "safepaths.h"

#include "texts.h"

#include "system/drivepaths.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace uninst {

namespace {

bool linkStatus(const QString &path, struct stat *info)
{
    return ::lstat(QFile::encodeName(path).constData(), info) == 0;
}

} // namespace

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
    for (qsizetype slash = path->indexOf(QLatin1Char('/'), drive.size()); slash > 0; slash = path->indexOf(QLatin1Char('/'), slash + 1))
        if (IsSymbolicLink(path->left(slash)))
            return std::nullopt;
    return path;
}

void ClearReadOnly(const QString &path)
{
    struct stat info;
    // The mode change refuses a link too, should one take the file's place meanwhile.
    if (linkStatus(path, &info) && !S_ISLNK(info.st_mode) && !(info.st_mode & S_IWUSR))
        ::fchmodat(AT_FDCWD, QFile::encodeName(path).constData(), (info.st_mode & 07777) | S_IWUSR,
                   AT_SYMLINK_NOFOLLOW);
}

bool EntryExists(const QString &path)
{
    struct stat info;
    return linkStatus(path, &info);
}

bool IsSymbolicLink(const QString &path)
{
    struct stat info;
    return linkStatus(path, &info) && S_ISLNK(info.st_mode);
}

std::optional<RegularFile> ReadRegularFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    RegularFile read{file.readAll(), uint32_t(info.st_mode & 07777)};
    if (read.bytes.size() != qint64(info.st_size))
        return std::nullopt;
    return read;
}

bool ReplaceWithFile(const QString &path, const QByteArray &bytes, uint32_t mode)
{
    QTemporaryFile file(QFileInfo(path).absolutePath() + QStringLiteral("/.replace-XXXXXX"));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush() || ::fchmod(file.handle(), mode_t(mode)) != 0)
        return false;
    // A rename replaces the directory entry, whatever it is, and follows nothing.
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}

} // namespace uninst
