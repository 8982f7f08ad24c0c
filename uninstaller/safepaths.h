#pragma once
// The paths of the data as paths of this machine, refused when they could reach beyond what
// the data names: no path, a root, ".." above its drive, or a symbolic link on the way
// (a link at the end is removed as the link itself).
#include "bytestring.h"

#include <QString>

#include <optional>

namespace uninst {

std::optional<QString> SafeLocalPath(const ByteString &windowsPath);

// Clears the read-only attribute of a file or folder (gives its owner write permission);
// a symbolic link is left alone.
void ClearReadOnly(const QString &path);

} // namespace uninst
