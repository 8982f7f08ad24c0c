#pragma once
// The product's registry keys and values, walked along the tree of the data: first in
// check mode (can every key that must change be opened for it?), then in removal mode.
#include "runlists.h"
#include "uninstdata.h"

#include "registry/registry.h"

#include <QStringList>

namespace uninst {

enum class WalkMode { Check, Remove };

// Walks one node below `key` (none: only the node's subkeys named as left where refused).
// `path` holds the names from the root down to `key` (removal mode), for the keys left.
bool ProcessRegistryTree(const reg::HKEY *key, const RegistryNode &node, WalkMode mode, QStringList *path,
                         ByteString *keysLeft);

// Deletes every subkey below the key, depth first.
void DeleteKeyTree(const reg::HKEY &key);

// The four roots in the order of the data.
const reg::HKEY &RegistryRoot(int index);

} // namespace uninst
