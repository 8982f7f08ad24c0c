#include "vb/wholefile.h"

#include "vb/app.h"
#include "vb/error.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace vb {

void WriteWholeFile(const QString &path, const QByteArray &bytes, const QString &source)
{
    const QString native = NativePath(path);
    const QFileInfo target(native);
    if (native.isEmpty() || !target.absoluteDir().exists())
        throw Error::standard(errPathNotFound, source);
    QSaveFile file(native);
    // The folder must take the temporary file: without this fallback QSaveFile would write
    // straight into the target when it cannot create one.
    file.setDirectWriteFallback(false);
    if (target.isDir() || !file.open(QIODevice::WriteOnly))
        throw Error::standard(errPathFileAccess, source);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw Error::standard(errPathFileAccess, source);
}

} // namespace vb
