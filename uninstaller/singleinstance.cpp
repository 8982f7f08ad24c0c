#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace uninst {

namespace {

// The lock file is only ever removed by its holder, while it still holds the lock. A copy
// that opened the file just before and gets the lock just after holds a file that no longer
// has the name; so does one whose file was replaced. Either tries the name again.
bool stillNamedBy(int fd, const QByteArray &path)
{
    struct stat locked, named;
    return ::fstat(fd, &locked) == 0 && ::lstat(path.constData(), &named) == 0 && locked.st_dev == named.st_dev
           && locked.st_ino == named.st_ino;
}

constexpr qsizetype MaxFileNameBytes = 255;   // NAME_MAX

} // namespace

QString SingleInstance::FileNameFor(const QString &name)
{
    // Any name makes one file name: separators and NULs cannot be part of it.
    QString fileName = name;
    fileName.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QChar(0), QLatin1Char('_'));
    const QString extension = QStringLiteral(".lock");
    if (QFile::encodeName(fileName + extension).size() <= MaxFileNameBytes)
        return fileName + extension;
    const QString digest = QLatin1Char('_')
                           + QString::fromLatin1(QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256).toHex());
    const qsizetype room = MaxFileNameBytes - QFile::encodeName(digest + extension).size();
    // Whole characters only: a surrogate pair is never cut in two.
    qsizetype keep = fileName.size();
    while (keep > 0 && (QFile::encodeName(fileName.left(keep)).size() > room || fileName.at(keep - 1).isHighSurrogate()))
        --keep;
    return fileName.left(keep) + digest + extension;
}

SingleInstance::SingleInstance(const QString &name, const std::function<void()> &afterOpen)
{
    path_ = QFile::encodeName(QDir(QDir::tempPath()).filePath(FileNameFor(name)));
    // Each round loses only to a holder that let go meanwhile; a name that keeps changing
    // under it counts as taken.
    for (int round = 0; round < 100; ++round) {
        const int fd = ::open(path_.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            failure_ = QString::fromLocal8Bit(path_) + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        if (afterOpen)
            afterOpen();
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return;
        }
        if (stillNamedBy(fd, path_)) {
            fd_ = fd;
            return;
        }
        ::close(fd);
    }
}

SingleInstance::~SingleInstance()
{
    if (fd_ < 0)
        return;
    // Removed while the lock is still held: whoever opens the file meanwhile finds it gone
    // once the lock is free, and tries the name again.
    if (stillNamedBy(fd_, path_))
        ::unlink(path_.constData());
    ::close(fd_);
}

} // namespace uninst
