#pragma once
// The paths of the data as paths of this machine, refused when they could reach beyond what
// the data names: no path, a root, ".." above its drive, or a symbolic link on the way.
// A symbolic link at the end of a path is never followed: it is read, dated, replaced and
// removed as the link itself.
#include "bytestring.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace uninst {

std::optional<QString> SafeLocalPath(const ByteString &windowsPath);

// Clears the read-only attribute of a file or folder (gives its owner write permission);
// a symbolic link is left alone.
void ClearReadOnly(const QString &path);

// Something, a symbolic link included, is at the path.
bool EntryExists(const QString &path);
bool IsSymbolicLink(const QString &path);

struct RegularFile {
    QByteArray bytes;
    uint32_t mode = 0;   // permission bits
};
// The bytes of a regular file; nothing for a symbolic link, a folder or a device.
std::optional<RegularFile> ReadRegularFile(const QString &path);

// Puts a new file with the bytes in place of whatever the path names (a file, or a symbolic
// link as itself, never the file it leads to): written beside it and renamed over it, so
// that a failed write never leaves half a file.
bool ReplaceWithFile(const QString &path, const QByteArray &bytes, uint32_t mode);

} // namespace uninst
