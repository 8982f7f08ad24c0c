#include "singleinstance.h"

#include <QDir>
#include <QFile>

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

} // namespace

SingleInstance::SingleInstance(const QString &name, const std::function<void()> &afterOpen)
{
    // Any name makes one file name: separators and NULs cannot be part of it.
    QString fileName = name;
    fileName.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QChar(0), QLatin1Char('_'));
    path_ = QFile::encodeName(QDir(QDir::tempPath()).filePath(fileName + QStringLiteral(".lock")));
    // Each round loses only to a holder that let go meanwhile; a name that keeps changing
    // under it counts as taken.
    for (int round = 0; round < 100; ++round) {
        const int fd = ::open(path_.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
            return;
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
