#pragma once
// The named lock that keeps a second copy of the uninstaller for one product out: a file
// lock in the temporary folder, held while the object lives (the program keeps it to its
// end). Like a mutex that goes with its process, the file goes when the holder lets go.
#include <QByteArray>
#include <QString>

#include <functional>

namespace uninst {

class SingleInstance {
public:
    // `afterOpen` runs between opening the lock file and locking it (tests let another copy
    // end or start just then).
    explicit SingleInstance(const QString &name, const std::function<void()> &afterOpen = {});
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // False when another copy holds the lock (the name "already exists"), or when the lock
    // file cannot be made at all (then `failure()` says why).
    bool acquired() const { return fd_ >= 0; }
    bool heldElsewhere() const { return fd_ < 0 && failure_.isEmpty(); }
    const QString &failure() const { return failure_; }
    const QByteArray &path() const { return path_; }

    // The lock file's name for a name: the name itself when it fits a file name, else as
    // much of it as fits followed by a digest of the whole, so every name has its own file.
    static QString FileNameFor(const QString &name);

private:
    QByteArray path_;
    QString failure_;
    int fd_ = -1;
};

} // namespace uninst
