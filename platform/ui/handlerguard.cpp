#include "ui/handlerguard.h"

#include <QDebug>
#include <exception>

namespace ui {

namespace {
HandlerErrorReporter installed = nullptr;

void logError()
{
    try {
        throw;
    } catch (const std::exception &error) {
        qCritical("error in an event handler: %s", error.what());
    } catch (...) {
        qCritical("error in an event handler");
    }
}
} // namespace

void SetHandlerErrorReporter(HandlerErrorReporter reporter) { installed = reporter; }

void ReportHandlerError() noexcept
{
    try {
        (installed ? installed : logError)();
    } catch (...) {
        // The report itself failed: nothing is left to tell it with.
        qCritical("error in an event handler, and in its report");
    }
}

} // namespace ui
