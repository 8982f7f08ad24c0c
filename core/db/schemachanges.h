#pragma once
// Whether CREATE and DROP TABLE take part in the transaction they run in. On the embedded file
// they do, and a crash or a rollback undoes them with the rows. On MariaDB they commit by
// themselves, and commit whatever the open transaction held: there a table is made before
// the transaction and dropped after it (or again when the rows fail).
#include "core/state/appstate.h"

namespace core {

inline bool SchemaChangesJoinTransactions() { return State().mUseSQL != 1; }

} // namespace core
