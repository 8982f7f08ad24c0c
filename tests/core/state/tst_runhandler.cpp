// The two error idioms of every handler: RunHandler reports a run-time error with the
// handler's code and ends the body there; ResumeNext drops it and the caller goes on. Both
// leave any other exception to the plain guard the handler was connected with.
#include "reportprobe.h"

#include "core/state/appstate.h"
#include "core/state/runhandler.h"
#include "vb/error.h"

#include <QtTest>
#include <stdexcept>

class RunHandlerTest : public QObject {
    Q_OBJECT

private slots:
    void init() { core::ResetState(); }

    void errorEndsBodyAndIsReportedWithCode_data();
    void errorEndsBodyAndIsReportedWithCode();
    void bodyWithoutErrorReportsNothing();
    void otherExceptionsPassThrough();
    void resumeNextDropsRunTimeErrorsOnly();
};

void RunHandlerTest::errorEndsBodyAndIsReportedWithCode_data()
{
    QTest::addColumn<core::ReportMode>("mode");
    QTest::newRow("modal") << core::ReportMode::Modal;
    QTest::newRow("modeless") << core::ReportMode::Modeless;
}

void RunHandlerTest::errorEndsBodyAndIsReportedWithCode()
{
    QFETCH(core::ReportMode, mode);
    ReportProbe reports;
    QStringList steps;
    const bool completed = core::RunHandler(QStringLiteral("BOK003"), mode, [&] {
        steps << "before";
        throw vb::Error::standard(13);
        steps << "after";
    });
    QVERIFY(!completed);
    QCOMPARE(steps, QStringList{"before"});
    QCOMPARE(reports.modes, QList<core::ReportMode>{mode});
    QCOMPARE(reports.texts, QStringList{"Error Code : BOK003\r\nType mismatch"});
}

void RunHandlerTest::bodyWithoutErrorReportsNothing()
{
    ReportProbe reports;
    int runs = 0;
    QVERIFY(core::RunHandler(QStringLiteral("X1"), core::ReportMode::Modal, [&] { ++runs; }));
    QCOMPARE(runs, 1);
    QVERIFY(reports.modes.isEmpty());
    QVERIFY(core::State().mLastError.isEmpty());
}

void RunHandlerTest::otherExceptionsPassThrough()
{
    ReportProbe reports;
    QVERIFY_THROWS_EXCEPTION(std::logic_error, core::RunHandler(QStringLiteral("X1"), core::ReportMode::Modal, [] {
        throw std::logic_error("fault");
    }));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, core::ResumeNext([] { throw std::logic_error("fault"); }));
    QVERIFY(reports.modes.isEmpty());
}

void RunHandlerTest::resumeNextDropsRunTimeErrorsOnly()
{
    ReportProbe reports;
    QStringList steps;
    QVERIFY(!core::ResumeNext([&] {
        steps << "first";
        throw vb::Error::standard(5);
    }));
    QVERIFY(core::ResumeNext([&] { steps << "second"; }));
    QCOMPARE(steps, QStringList({"first", "second"}));
    QVERIFY(reports.modes.isEmpty());
}

QTEST_MAIN(RunHandlerTest)
#include "tst_runhandler.moc"
