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

// Shows the report window for the current mLastError and mLastSQL. The window installs
// itself here; until then (and in tools without windows) the report goes to stderr.
using ErrorReportPresenter = std::function<void(ReportMode)>;
void SetErrorReportPresenter(ErrorReportPresenter presenter);
void ShowErrorReport(ReportMode mode);

} // namespace core
