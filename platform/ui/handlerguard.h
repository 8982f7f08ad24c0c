#pragma once
// Where an exception raised by an event handler stops. Qt documents an exception that leaves
// an event handler or slot into its own frames as undefined behaviour, so the base classes of
// this layer that run the program's code from a Qt event (Form's resize and close) run it
// through RunEventHandler: any exception ends the handler there and is handed to the reporter
// the program installs. Until one is installed, a line goes to the log.
#include <utility>

namespace ui {

// Called inside the catch block: rethrow (`throw;`) to look at the exception.
using HandlerErrorReporter = void (*)();
void SetHandlerErrorReporter(HandlerErrorReporter reporter);

// Reports the exception being handled through the installed reporter; never throws.
void ReportHandlerError() noexcept;

// Runs the body; false when an exception ended it (and was reported).
template <class Body> bool RunEventHandler(Body &&body) noexcept
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (...) {
        ReportHandlerError();
        return false;
    }
}

} // namespace ui
