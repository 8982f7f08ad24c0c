#include "core/state/guardedapplication.h"

#include "core/state/errorreport.h"

#include <cstdlib>

namespace core {

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        endedByError_ = true;
        ReportCaughtError(ReportMode::Modal);
        exit(EXIT_FAILURE);
        return true;
    }
}

} // namespace core
