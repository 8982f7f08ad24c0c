#include "core/state/errorreport.h"

#include "core/state/appstate.h"
#include "core/state/tracing.h"

namespace core {

Q_LOGGING_CATEGORY(lcDb, "hotel.db", QtWarningMsg)
Q_LOGGING_CATEGORY(lcErrors, "hotel.errors", QtWarningMsg)

namespace {
ErrorReportPresenter &presenter()
{
    static ErrorReportPresenter p;
    return p;
}
} // namespace

QString ErrorCodeText(const QString &code, const QString &description)
{
    return QStringLiteral("Error Code : ") + code + vbCrLf + description;
}

void ReportError(const QString &code, const QString &description, ReportMode mode)
{
    State().mLastError = ErrorCodeText(code, description);
    ShowErrorReport(mode);
}

void SetErrorReportPresenter(ErrorReportPresenter p) { presenter() = std::move(p); }

void ShowErrorReport(ReportMode mode)
{
    if (presenter()) {
        presenter()(mode);
        return;
    }
    qCInfo(lcErrors).noquote() << State().mLastError;
}

} // namespace core
