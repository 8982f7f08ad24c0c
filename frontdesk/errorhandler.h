#pragma once
// The error handler of a window's event handler: a run-time error ends the handler and is
// reported with the handler's code ("Error Code : BOK001", the description, the error report
// window shown modally); what the handler had already done stays done.
#include "core/errorreport.h"
#include "vb/error.h"

#include <QString>
#include <utility>

namespace frontdesk {

// False when the body ended with a reported error.
template <class Body> bool RunHandler(const QString &code, Body &&body)
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const vb::Error &error) {
        core::ReportError(code, error.Description(), core::ReportMode::Modal);
        return false;
    }
}

} // namespace frontdesk
