#include "com/object.h"

namespace com {

namespace {
std::atomic<long> moduleLocks{0};
}

void ModuleAddRef()
{
    ++moduleLocks;
}

void ModuleRelease()
{
    --moduleLocks;
}

long ModuleLockCount()
{
    return moduleLocks;
}

} // namespace com
