#pragma once
// One root's store file: read as it is now, or changed under an exclusive lock so that
// two processes changing the same root never lose each other's changes.
#include "registry/keytree.h"
#include "registry/registry.h"

#include <functional>

namespace reg::detail {

// What a change did: its result, and whether the tree must be written back.
struct ChangeResult {
    LONG error = ERROR_SUCCESS;
    bool changed = false;
};

class StoreFile {
public:
    explicit StoreFile(Root root);

    // The tree as it is on disk (an empty root when there is no file yet).
    LONG read(RegKey *tree) const;

    // Locks the root, reads the tree afresh, applies the change and, when it succeeded and
    // changed something, replaces the file atomically (temporary file + rename).
    LONG update(const std::function<ChangeResult(RegKey &tree)> &change) const;

private:
    QString storePath_;
    QString lockPath_;
};

} // namespace reg::detail
