#pragma once
// The two ways a procedure meets a run-time error (vb::Error); every window reports its errors
// through these. A window catches an error itself only to answer that one error where it
// arises (a cancelled dialog, a text that is no amount, a list that reports in a box of its
// own, a change whose outcome is unknown kept standing), never around a handler's whole body.
//
//   core::RunHandler(code, mode, body)
//     The error handler of an event handler or procedure that has an error code ("BOK001").
//     The body runs; a run-time error ends it there and is reported with the code: mLastError
//     becomes "Error Code : " + code + CR LF + the description, and the error report window
//     shows it (modal or modeless, as the procedure always did). What the body had already
//     done stays done. Returns false when the body ended with a reported error. A value the
//     body computes is passed out through a captured variable.
//
//       core::RunHandler(QStringLiteral("BOK003"), core::ReportMode::Modal, [this] {
//           getRoomList();
//       });
//
//   core::ResumeNext(step)
//     One step of a procedure that continues past its errors: a run-time error of the step is
//     dropped and the caller goes on with its next step. Use one call per step, never one
//     around the whole procedure. Returns false when the step raised.
//
// Only vb::Error is caught. Anything else (std::bad_alloc, a logic fault) is no run-time
// error of the program's own: it passes on to the plain guard every connected handler runs
// in (core/state/connecthandler.h).
#include "core/state/errorreport.h"
#include "vb/error.h"

#include <QString>
#include <utility>

namespace core {

template <class Body> bool RunHandler(const QString &code, ReportMode mode, Body &&body)
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (const vb::Error &error) {
        ReportError(code, error.Description(), mode);
        return false;
    }
}

template <class Step> bool ResumeNext(Step &&step)
{
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const vb::Error &) {
        return false;
    }
}

} // namespace core
