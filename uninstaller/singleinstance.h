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

    // False when another copy holds the lock (the name "already exists").
    bool acquired() const { return fd_ >= 0; }
    const QByteArray &path() const { return path_; }

private:
    QByteArray path_;
    int fd_ = -1;
};

} // namespace uninst
