#include "rebootdelete.h"

#include "safepaths.h"

#include "system/drivepaths.h"
#include "system/pendingdeletes.h"

#include <QFile>

namespace uninst {

ByteString AddRenameEntry(const ByteString &content, const ByteString &path)
{
    ByteString entry("NUL=");
    entry.append(path);
    if (content.isEmpty()) {
        ByteString section("[Rename]\r\n");   // with the entry as its only line
        section.append(entry);
        return section;
    }
    int64_t insertAt = -1;
    bool present = false;
    int64_t position = 0;
    while (content.hasMore(position)) {
        const ByteString line = content.readLine(&position, true);
        if (line.equals(ByteString("[Rename]"), false))
            insertAt = position;
        else if (insertAt >= 0 && line == entry)
            present = true;
    }
    if (present)
        return content;
    ByteString result = content;
    if (insertAt < 0) {
        result.append("\r\n[Rename]\r\n");
        insertAt = result.length();
    }
    entry.append("\r\n");
    result.insert(entry, insertAt);
    return result;
}

void DeleteAtReboot(const QString &localPath)
{
    if (sys::DeleteAtNextStart(localPath))
        return;
    // A wininit.ini that is a symbolic link counts as empty and is replaced as the link.
    const std::optional<QString> wininit = SafeLocalPath(ByteString("C:\\Windows\\wininit.ini"));
    if (!wininit)
        return;
    const std::optional<RegularFile> file = ReadRegularFile(*wininit);
    const QByteArray content = file ? file->bytes : QByteArray();
    const QByteArray path = QFile::encodeName(localPath);
    const ByteString updated = AddRenameEntry(ByteString(content.constData(), content.size()),
                                              ByteString(path.constData(), path.size()));
    ReplaceWithFile(*wininit, QByteArray(updated.data(), qsizetype(updated.length())), file ? file->mode : 0644);
}

} // namespace uninst
