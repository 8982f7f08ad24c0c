#pragma once
// The error convention of every handler: "Error Code : " + code, a line break and the
// description go to mLastError, then the error report window shows it.
#include "vb/crlf.h"

#include <QString>
#include <functional>

namespace core {

enum class ReportMode { Modal, Modeless };

using vb::vbCrLf;

// The text a handler stores in mLastError.
QString ErrorCodeText(const QString &code, const QString &description);

// Stores the text in mLastError and shows the error report (modal or not).
void ReportError(const QString &code, const QString &description, ReportMode mode);

// Reports the exception being handled (call it inside a catch block): a run-time error with
// its source as the code ("Hotel" when it has none), anything else with "Hotel" and its text.
// It is also what the window layer reports an error of a base class's event handler with.
void ReportCaughtError(ReportMode mode = ReportMode::Modeless);

// Shows the report window for the current mLastError and mLastSQL. The window installs
// itself here; until then (and in tools without windows) the report goes to stderr.
using ErrorReportPresenter = std::function<void(ReportMode)>;
void SetErrorReportPresenter(ErrorReportPresenter presenter);
void ShowErrorReport(ReportMode mode);

} // namespace core
