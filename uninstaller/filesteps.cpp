#include "filesteps.h"

#include "heartbeat.h"

#include "safepaths.h"

#include "system/pendingdeletes.h"

namespace uninst {

namespace {

bool alreadyGone(int error) { return error == 2 || error == 3; }

} // namespace

void RemoveFiles(const std::vector<ByteString> &lines, const StepContext &context)
{
    for (const ByteString &line : lines) {
        Heartbeat();
        const std::optional<QString> path = SafeLocalPath(line);
        if (!path) {
            AppendLine(&context.left->files, line);
            continue;
        }
        ClearReadOnly(*path);
        const int error = sys::DeleteFileEntry(*path);
        if (error == 0 || alreadyGone(error))
            continue;
        AppendLine(&context.left->files, line);
        if (error == 5 || error == 32)
            AppendLine(&context.left->inUse, line);
    }
}

void RemoveDirectories(const std::vector<ByteString> &lines, const StepContext &context)
{
    for (const ByteString &line : lines) {
        Heartbeat();
        const std::optional<QString> path = SafeLocalPath(line);
        if (!path) {
            AppendLine(&context.left->directories, line);
            continue;
        }
        ClearReadOnly(*path);
        const int error = sys::RemoveFolder(*path);
        if (error != 0 && !alreadyGone(error))
            AppendLine(&context.left->directories, line);
    }
}

} // namespace uninst
