#pragma once
// Stands in for the error report window while it lives: records each report's mode and text.
#include "core/state/appstate.h"
#include "core/state/errorreport.h"

#include <QList>
#include <QStringList>

struct ReportProbe {
    QList<core::ReportMode> modes;
    QStringList texts;
    ReportProbe()
    {
        core::SetErrorReportPresenter([this](core::ReportMode mode) {
            modes << mode;
            texts << core::State().mLastError;
        });
    }
    ~ReportProbe() { core::SetErrorReportPresenter({}); }
    ReportProbe(const ReportProbe &) = delete;
    ReportProbe &operator=(const ReportProbe &) = delete;
};
