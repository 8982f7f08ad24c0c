// run-pending-deletes: carries out the deletions recorded for the next start of the system
// and clears the restart request. Linux starts no such list by itself: run this at start-up
// (or after an uninstallation that asked for a restart). Prints what could not be deleted;
// exit code 1 when something was left.
#include "system/pendingdeletes.h"

#include <cstdio>

int main()
{
    const QStringList left = sys::CarryOutPendingDeletions();
    for (const QString &path : left)
        std::fprintf(stderr, "Could not delete %s\n", path.toLocal8Bit().constData());
    return left.isEmpty() ? 0 : 1;
}
