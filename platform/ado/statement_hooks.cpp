#include "ado/statement_hooks.h"

#include <atomic>

namespace ado {

namespace {
std::atomic<const StatementHooks *> installed{nullptr};
}

void InstallStatementHooks(const StatementHooks *hooks)
{
    installed.store(hooks);
}

const StatementHooks *InstalledStatementHooks()
{
    return installed.load();
}

} // namespace ado
