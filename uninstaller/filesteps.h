#pragma once
// The product's own files and folders. What cannot go is listed as left (never what was
// already gone); files in use are also listed for deletion at the next start.
#include "runlists.h"

#include <vector>

namespace uninst {

void RemoveFiles(const std::vector<ByteString> &lines, const StepContext &context);
void RemoveDirectories(const std::vector<ByteString> &lines, const StepContext &context);

} // namespace uninst
