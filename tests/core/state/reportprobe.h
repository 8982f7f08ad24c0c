#pragma once
// What the state tests share: a stand-in for the error report window, and the kinds of error a
// handler can raise with the report each one gives.
#include "core/state/appstate.h"
#include "core/state/errorreport.h"
#include "vb/error.h"

#include <QList>
#include <QStringList>
#include <QTest>
#include <functional>
#include <stdexcept>

using Thrower = std::function<void()>;
Q_DECLARE_METATYPE(Thrower)

// Rows "thrower" and "report": a run-time error with a source, one without, another exception
// and anything else.
inline void AddErrorKindRows()
{
    QTest::addColumn<Thrower>("thrower");
    QTest::addColumn<QString>("report");
    QTest::newRow("run-time error with source")
        << Thrower([] { throw vb::Error(3021, "Either BOF or EOF is True", "frmTax"); })
        << "Error Code : frmTax\r\nEither BOF or EOF is True";
    QTest::newRow("run-time error without source")
        << Thrower([] { throw vb::Error::standard(13); }) << "Error Code : Hotel\r\nType mismatch";
    QTest::newRow("other exception") << Thrower([] { throw std::runtime_error("disk full"); })
                                     << "Error Code : Hotel\r\ndisk full";
    QTest::newRow("anything else") << Thrower([] { throw 42; }) << "Error Code : Hotel\r\nUnknown error";
}

// Stands in for the error report window while it lives: records each report's mode and text.
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
