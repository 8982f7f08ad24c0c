#include "registry/storefile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace reg::detail {

namespace {

// Holds an exclusive flock on the root's lock file for its lifetime. The lock file is never
// replaced, unlike the store file, so every process locks the same inode.
class ExclusiveLock {
public:
    explicit ExclusiveLock(const QString &path)
    {
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0)
            return;
        int rc;
        do {
            rc = ::flock(fd_, LOCK_EX);
        } while (rc != 0 && errno == EINTR);
        if (rc != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~ExclusiveLock()
    {
        if (fd_ >= 0)
            ::close(fd_);   // releases the lock
    }
    ExclusiveLock(const ExclusiveLock &) = delete;
    ExclusiveLock &operator=(const ExclusiveLock &) = delete;

    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace

StoreFile::StoreFile(Root root)
{
    const QString base = RegistryDirectory() + QLatin1Char('/') + RootName(root);
    storePath_ = base + QStringLiteral(".json");
    lockPath_ = base + QStringLiteral(".lock");
}

LONG StoreFile::read(RegKey *tree) const
{
    QFile file(storePath_);
    if (!file.exists()) {
        *tree = RegKey{};
        return ERROR_SUCCESS;
    }
    // The file is only ever replaced by a rename, so an unlocked read sees a whole version.
    if (!file.open(QIODevice::ReadOnly))
        return ERROR_BADDB;
    std::optional<RegKey> parsed = deserialize(file.readAll());
    if (!parsed)
        return ERROR_BADDB;
    *tree = std::move(*parsed);
    return ERROR_SUCCESS;
}

LONG StoreFile::update(const std::function<ChangeResult(RegKey &tree)> &change) const
{
    if (!QDir().mkpath(RegistryDirectory()))
        return ERROR_CANTWRITE;
    ExclusiveLock lock(lockPath_);
    if (!lock.held())
        return ERROR_CANTWRITE;

    RegKey tree;
    if (const LONG error = read(&tree); error != ERROR_SUCCESS)
        return error;
    const ChangeResult result = change(tree);
    if (result.error != ERROR_SUCCESS || !result.changed)
        return result.error;

    QSaveFile file(storePath_);
    if (!file.open(QIODevice::WriteOnly))
        return ERROR_CANTWRITE;
    const QByteArray text = serialize(tree);
    if (file.write(text) != text.size() || !file.commit())
        return ERROR_CANTWRITE;
    return ERROR_SUCCESS;
}

} // namespace reg::detail
