#include "rebootdelete.h"


#include "system/drivepaths.h"
#include "system/pendingdeletes.h"

#include <QFile>
#include <QSaveFile>

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
    const QString wininit = sys::WindowsDirectory() + QStringLiteral("/wininit.ini");
    QFile file(wininit);
    QByteArray content;
    if (file.open(QIODevice::ReadOnly))
        content = file.readAll();
    file.close();
    const QByteArray path = QFile::encodeName(localPath);
    const ByteString updated = AddRenameEntry(ByteString(content.constData(), content.size()),
                                              ByteString(path.constData(), path.size()));
    QSaveFile out(wininit);
    if (out.open(QIODevice::WriteOnly) && out.write(updated.data(), updated.length()) == updated.length())
        out.commit();
}

} // namespace uninst
