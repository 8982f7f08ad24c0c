#include "registry/storefile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <map>
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

// The roots a batch holds: locked from the first call that touches them until the batch
// ends, each with its tree in memory and whether it changed.
struct HeldRoot {
    std::unique_ptr<ExclusiveLock> lock;
    RegKey tree;
    bool changed = false;
};

namespace {

struct BatchState {
    int depth = 0;
    std::map<Root, HeldRoot> roots;
};

BatchState &batch()
{
    static BatchState state;
    return state;
}

} // namespace

void StoreFile::beginBatch() { ++batch().depth; }

LONG StoreFile::endBatch()
{
    BatchState &state = batch();
    if (state.depth == 0 || --state.depth > 0)
        return ERROR_SUCCESS;
    LONG result = ERROR_SUCCESS;
    for (auto &[root, held] : state.roots)
        if (held.changed)
            if (const LONG error = StoreFile(root).write(held.tree); error != ERROR_SUCCESS)
                result = error;
    state.roots.clear();   // releases the locks
    return result;
}

StoreFile::StoreFile(Root root) : root_(root)
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

// The batch's hold on this root, taken (lock and tree) at its first use; null outside a batch
// and when the root cannot be locked or read (`error` then says why).
HeldRoot *StoreFile::batchHold(LONG *error) const
{
    BatchState &state = batch();
    *error = ERROR_SUCCESS;
    if (state.depth == 0)
        return nullptr;
    if (const auto found = state.roots.find(root_); found != state.roots.end())
        return &found->second;
    if (!QDir().mkpath(RegistryDirectory())) {
        *error = ERROR_CANTWRITE;
        return nullptr;
    }
    HeldRoot held;
    held.lock = std::make_unique<ExclusiveLock>(lockPath_);
    if (!held.lock->held()) {
        *error = ERROR_CANTWRITE;
        return nullptr;
    }
    if ((*error = read(&held.tree)) != ERROR_SUCCESS)
        return nullptr;
    return &state.roots.emplace(root_, std::move(held)).first->second;
}

LONG StoreFile::view(const std::function<LONG(RegKey &tree)> &look) const
{
    LONG error;
    if (HeldRoot *held = batchHold(&error))
        return look(held->tree);
    if (error != ERROR_SUCCESS)
        return error;
    RegKey tree;
    if ((error = read(&tree)) != ERROR_SUCCESS)
        return error;
    return look(tree);
}

LONG StoreFile::write(const RegKey &tree) const
{
    QSaveFile file(storePath_);
    if (!file.open(QIODevice::WriteOnly))
        return ERROR_CANTWRITE;
    const QByteArray text = serialize(tree);
    if (file.write(text) != text.size() || !file.commit())
        return ERROR_CANTWRITE;
    return ERROR_SUCCESS;
}

LONG StoreFile::update(const std::function<ChangeResult(RegKey &tree)> &change) const
{
    LONG error;
    if (HeldRoot *held = batchHold(&error)) {
        const ChangeResult result = change(held->tree);
        held->changed = held->changed || (result.error == ERROR_SUCCESS && result.changed);
        return result.error;
    }
    if (error != ERROR_SUCCESS)
        return error;
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
    return write(tree);
}

} // namespace reg::detail
