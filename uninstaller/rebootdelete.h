#pragma once
// Deleting a file at the next start of the system: recorded in the platform's pending
// list, or, where that cannot be written, as a "NUL=" line in the "[Rename]" section of
// wininit.ini in the Windows directory.
#include "bytestring.h"

#include <QString>

namespace uninst {

void DeleteAtReboot(const QString &localPath);

// wininit.ini's content with the entry "NUL=<path>" added right after the last "[Rename]"
// line (a section made when there is none), unless it is already there.
ByteString AddRenameEntry(const ByteString &content, const ByteString &path);

} // namespace uninst
