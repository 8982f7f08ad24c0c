#pragma once
// Writing a file whole or not at all, as the controls' "save" operations do: the bytes go to a
// temporary file beside the target, which is renamed into place only when every byte is
// written, so a failure never leaves a half-written file (nor harms an old one).
#include <QByteArray>
#include <QString>
#include <memory>

class QSaveFile;

namespace vb {

// Raises 76 "Path not found" when the folder does not exist and 75 "Path/File access error"
// when the file cannot be written there; `source` goes into the error.
void WriteWholeFile(const QString &path, const QByteArray &bytes, const QString &source = QString());

// A file written in pieces as they are made, for files too large to hold at once. Dropped
// without commit() (an error, a cancelled export), it leaves the target as it was.
class SaveFile {
public:
    // Raises 76 and 75 as WriteWholeFile does.
    SaveFile(const QString &path, const QString &source);
    ~SaveFile();
    SaveFile(const SaveFile &) = delete;
    SaveFile &operator=(const SaveFile &) = delete;

    // Appends; raises 75 when the bytes cannot be written.
    void write(const char *data, qint64 size);
    // Overwrites bytes written earlier, from `position` on; the next write() appends again.
    void writeAt(qint64 position, const char *data, qint64 size);
    qint64 size() const { return end_; }
    // Puts the file in place of the target; raises 75 when that fails.
    void commit();

private:
    [[noreturn]] void fail() const;

    std::unique_ptr<QSaveFile> file_;
    QString source_;
    qint64 end_ = 0;
};

} // namespace vb
