#pragma once
// The named lock that keeps a second copy of the uninstaller for one product out: a file
// lock in the temporary folder, held while the object lives (the program keeps it to its
// end).
#include <QString>

namespace uninst {

class SingleInstance {
public:
    explicit SingleInstance(const QString &name);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // False when another copy holds the lock (the name "already exists").
    bool acquired() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

} // namespace uninst
