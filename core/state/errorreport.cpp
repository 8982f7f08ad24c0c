#include "core/state/errorreport.h"

#include "core/state/appstate.h"
#include "core/state/tracing.h"
#include "ui/handlerguard.h"
#include "vb/error.h"

#include <exception>

namespace core {

Q_LOGGING_CATEGORY(lcDb, "hotel.db", QtWarningMsg)
Q_LOGGING_CATEGORY(lcErrors, "hotel.errors", QtWarningMsg)

namespace {
ErrorReportPresenter &presenter()
{
    static ErrorReportPresenter p;
    return p;
}

// Every program that reports errors has the window layer report its handlers' errors alike.
[[maybe_unused]] const bool handlerReportInstalled = [] {
    ui::SetHandlerErrorReporter([] { ReportCaughtError(); });
    return true;
}();
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

void ReportCaughtError(ReportMode mode)
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
    ReportError(code, description, mode);
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
