#pragma once
// One root's store file: read as it is now, or changed under an exclusive lock so that
// two processes changing the same root never lose each other's changes.
#include "registry/keytree.h"
#include "registry/registry.h"

#include <functional>
#include <memory>

namespace reg::detail {

// What a change did: its result, and whether the tree must be written back.
struct ChangeResult {
    LONG error = ERROR_SUCCESS;
    bool changed = false;
};

struct HeldRoot;

class StoreFile {
public:
    explicit StoreFile(Root root);

    // Runs `look` on the tree as it is on disk (an empty root when there is no file yet), or
    // on the batch's tree while a batch holds this root.
    LONG view(const std::function<LONG(RegKey &tree)> &look) const;

    // Locks the root, reads the tree afresh, applies the change and, when it succeeded and
    // changed something, replaces the file atomically (temporary file + rename). While a
    // batch holds this root the change is made to the batch's tree, written when it ends.
    LONG update(const std::function<ChangeResult(RegKey &tree)> &change) const;

    // The batch of this process (see reg::Batch): each root it touched, locked, with its tree.
    static void beginBatch();
    static LONG endBatch();

private:
    HeldRoot *batchHold(LONG *error) const;
    LONG read(RegKey *tree) const;
    LONG write(const RegKey &tree) const;

    Root root_;
    QString storePath_;
    QString lockPath_;
};

} // namespace reg::detail
