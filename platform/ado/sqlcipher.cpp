#include "ado/sqlcipher.h"

#include <malloc.h>
#include <mutex>

namespace ado {

void prepareSqlcipher()
{
    static std::once_flag once;
    std::call_once(once, [] {
        mallopt(M_TRIM_THRESHOLD, 16 * 1024 * 1024);
        mallopt(M_TOP_PAD, 1024 * 1024);
    });
}

} // namespace ado
