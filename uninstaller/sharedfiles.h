#pragma once
// Shared files: each has a counter of the products that use it under HKLM's SharedDLLs
// key. A file still used by another product loses one count; the last user is asked
// (once per file, or for all at once) whether it goes.
#include "bytestring.h"
#include "runlists.h"

#include <vector>

namespace uninst {

inline constexpr const char *SharedDllsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

// The "Remove shared file" dialog's buttons.
enum : int { SharedYes = 1005, SharedNo = 1006, SharedYesToAll = 1007, SharedNoToAll = 1008 };

// The digit recorded for a path (1 keep, 2 delete) in the answers list, or -1.
int LookupSharedAnswer(const ByteString &answers, const ByteString &path);

void RemoveSharedFiles(const std::vector<ByteString> &lines, const StepContext &context);

} // namespace uninst
