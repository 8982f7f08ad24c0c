#include "system/pendingdeletes.h"

#include "registry/registry.h"

#include <QFile>
#include <QList>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {

namespace {

const QString sessionManager = QStringLiteral("SYSTEM\\CurrentControlSet\\Control\\Session Manager");
const QString pendingValue = QStringLiteral("PendingFileRenameOperations");
const QString restartValue = QStringLiteral("RestartPending");

int windowsError(int error)
{
    switch (error) {
    case ENOENT: return 2;
    case ENOTDIR: return 3;
    case EACCES:
    case EPERM:
    case EROFS: return 5;
    case EBUSY:
    case ETXTBSY:
    case EWOULDBLOCK: return 32;
    case ENOTEMPTY:
    case EEXIST: return 145;
    default: return 5;
    }
}

// A file that another program holds locked is in use, as an open file is on Windows.
bool lockedByOther(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked;
}

// Holds a file descriptor, closing it at the end.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }
    void reset(int fd)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

// Deletes a pending path the way DeleteFileEntry and RemoveFolder do, walking to it one
// folder at a time from the root without following a link on the way: a folder replaced by
// a link between the recording and now leaves the entry (access denied) instead of reaching
// outside. A link at the end goes as the link.
int deleteWithoutFollowing(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (!native.startsWith('/'))
        return 3;
    QList<QByteArray> names = native.split('/');
    names.removeAll(QByteArray());
    if (names.isEmpty() || names.contains(".") || names.contains(".."))
        return 3;
    const QByteArray last = names.takeLast();
    Descriptor folder(::open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (const QByteArray &name : names) {
        const int next = ::openat(folder.get(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0) {
            const int error = errno;
            struct stat info;
            const bool link = ::fstatat(folder.get(), name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0
                              && S_ISLNK(info.st_mode);
            return link ? 5 : windowsError(error);
        }
        folder.reset(next);
    }
    struct stat info;
    if (::fstatat(folder.get(), last.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return windowsError(errno);
    if (S_ISDIR(info.st_mode))
        return ::unlinkat(folder.get(), last.constData(), AT_REMOVEDIR) == 0 ? 0 : windowsError(errno);
    if (S_ISREG(info.st_mode)) {
        const Descriptor file(::openat(folder.get(), last.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
        if (file.get() >= 0 && ::flock(file.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
            return 32;
    }
    return ::unlinkat(folder.get(), last.constData(), 0) == 0 ? 0 : windowsError(errno);
}

// The list as stored: pairs of source and target (an empty target deletes).
QStringList readPairs()
{
    reg::HKEY key;
    if (reg::RegOpenKeyEx(reg::HKEY_LOCAL_MACHINE, sessionManager, 0, reg::KEY_READ, &key) != reg::ERROR_SUCCESS)
        return {};
    reg::DWORD size = 0, type = 0;
    if (reg::RegQueryValueEx(key, pendingValue, &type, nullptr, &size) != reg::ERROR_SUCCESS || type != reg::REG_MULTI_SZ)
        return {};
    QByteArray data(int(size), '\0');
    reg::RegQueryValueEx(key, pendingValue, nullptr, reinterpret_cast<uint8_t *>(data.data()), &size);
    // Strings end with NUL; the list ends with an extra NUL. Entries come in pairs.
    QStringList strings;
    int start = 0;
    for (int i = 0; i < data.size(); ++i) {
        if (data[i] != '\0')
            continue;
        strings.append(QString::fromUtf8(data.mid(start, i - start)));
        start = i + 1;
    }
    if (strings.size() % 2 == 1)
        strings.removeLast();   // the closing empty string
    return strings;
}

bool writePairs(const QStringList &pairs)
{
    reg::HKEY key;
    if (reg::RegCreateKeyEx(reg::HKEY_LOCAL_MACHINE, sessionManager, reg::KEY_ALL_ACCESS, &key) != reg::ERROR_SUCCESS)
        return false;
    if (pairs.isEmpty())
        return reg::RegDeleteValue(key, pendingValue) != reg::ERROR_ACCESS_DENIED;
    QByteArray data;
    for (const QString &text : pairs)
        data += text.toUtf8() + '\0';
    data += '\0';
    return reg::RegSetValueEx(key, pendingValue, reg::REG_MULTI_SZ, reinterpret_cast<const uint8_t *>(data.constData()),
                              reg::DWORD(data.size())) == reg::ERROR_SUCCESS;
}

} // namespace

bool DeleteAtNextStart(const QString &path)
{
    QStringList pairs = readPairs();
    pairs << path << QString();
    return writePairs(pairs);
}

QStringList PendingDeletions()
{
    const QStringList pairs = readPairs();
    QStringList paths;
    for (int i = 0; i + 1 < pairs.size(); i += 2)
        if (pairs.at(i + 1).isEmpty())
            paths.append(pairs.at(i));
    return paths;
}

void RequestRestart()
{
    reg::HKEY key;
    if (reg::RegCreateKeyEx(reg::HKEY_LOCAL_MACHINE, sessionManager, reg::KEY_ALL_ACCESS, &key) == reg::ERROR_SUCCESS)
        reg::SetDwordValue(key, restartValue, 1);
}

bool RestartRequested()
{
    reg::HKEY key;
    reg::DWORD value = 0;
    return reg::RegOpenKeyEx(reg::HKEY_LOCAL_MACHINE, sessionManager, 0, reg::KEY_READ, &key) == reg::ERROR_SUCCESS
           && reg::QueryDwordValue(key, restartValue, &value) == reg::ERROR_SUCCESS && value != 0;
}

int DeleteFileEntry(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    if (::lstat(native.constData(), &info) != 0)
        return windowsError(errno);
    if (S_ISDIR(info.st_mode))
        return 5;   // a folder is not a file
    if (S_ISREG(info.st_mode) && lockedByOther(native))
        return 32;
    return ::unlink(native.constData()) == 0 ? 0 : windowsError(errno);
}

int RemoveFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info;
    if (::lstat(native.constData(), &info) != 0)
        return windowsError(errno);
    if (S_ISLNK(info.st_mode))   // a link to a folder goes as the link, never its target
        return ::unlink(native.constData()) == 0 ? 0 : windowsError(errno);
    if (!S_ISDIR(info.st_mode))
        return 267;
    return ::rmdir(native.constData()) == 0 ? 0 : windowsError(errno);
}

QStringList CarryOutPendingDeletions()
{
    QStringList left;
    const QStringList pairs = readPairs();
    for (int i = 0; i + 1 < pairs.size(); i += 2) {
        if (!pairs.at(i + 1).isEmpty())
            continue;   // renames are not recorded by this platform
        const QString &path = pairs.at(i);
        const int error = deleteWithoutFollowing(path);
        if (error != 0 && error != 2 && error != 3)   // what is already gone is done
            left.append(path);
    }
    writePairs({});
    reg::HKEY key;
    if (reg::RegOpenKeyEx(reg::HKEY_LOCAL_MACHINE, sessionManager, 0, reg::KEY_ALL_ACCESS, &key) == reg::ERROR_SUCCESS)
        reg::RegDeleteValue(key, restartValue);
    return left;
}

} // namespace sys
