#include "core/state/guardedapplication.h"

#include "core/state/errorreport.h"
#include "vb/error.h"

#include <exception>

namespace core {

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportUncaughtError();
        // The event counts as handled: it was delivered, and its handler has ended.
        return true;
    }
}

void ReportUncaughtError()
{
    QString code = QStringLiteral("Hotel");
    QString description;
    try {
        throw;
    } catch (const vb::Error &error) {
        if (!error.Source().isEmpty())
            code = error.Source();
        description = error.Description();
    } catch (const std::exception &error) {
        description = QString::fromLocal8Bit(error.what());
    } catch (...) {
        description = QStringLiteral("Unknown error");
    }
    ReportError(code, description, ReportMode::Modeless);
}

} // namespace core
