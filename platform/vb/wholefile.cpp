#include "vb/wholefile.h"

#include "vb/app.h"
#include "vb/error.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace vb {

void WriteWholeFile(const QString &path, const QByteArray &bytes, const QString &source)
{
    SaveFile file(path, source);
    file.write(bytes.constData(), bytes.size());
    file.commit();
}

SaveFile::SaveFile(const QString &path, const QString &source) : source_(source)
{
    const QString native = NativePath(path);
    const QFileInfo target(native);
    if (native.isEmpty() || !target.absoluteDir().exists())
        throw Error::standard(errPathNotFound, source);
    file_ = std::make_unique<QSaveFile>(native);
    // The folder must take the temporary file: without this fallback QSaveFile would write
    // straight into the target when it cannot create one.
    file_->setDirectWriteFallback(false);
    // Unbuffered: the callers hand over large pieces, which need no second buffer.
    if (target.isDir() || !file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail();
}

SaveFile::~SaveFile() = default;

void SaveFile::fail() const { throw Error::standard(errPathFileAccess, source_); }

void SaveFile::write(const char *data, qint64 size)
{
    if (file_->write(data, size) != size)
        fail();
    end_ += size;
}

void SaveFile::writeAt(qint64 position, const char *data, qint64 size)
{
    const qint64 end = std::max(end_, position + size);
    if (!file_->seek(position) || file_->write(data, size) != size || !file_->seek(end))
        fail();
    end_ = end;
}

void SaveFile::commit()
{
    if (!file_->commit())
        fail();
}

} // namespace vb
