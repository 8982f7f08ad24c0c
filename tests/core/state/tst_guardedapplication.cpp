// The top-level guard: an error that escapes a slot (a click, a timer) is reported through
// the error report and the program goes on handling events.
#include "core/state/appstate.h"
#include "core/state/errorreport.h"
#include "core/state/guardedapplication.h"
#include "vb/error.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <stdexcept>

class GuardedApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        core::ResetState();
        reports.clear();
        core::SetErrorReportPresenter([this](core::ReportMode mode) {
            QCOMPARE(mode, core::ReportMode::Modeless);
            reports << core::State().mLastError;
        });
    }
    void cleanup() { core::SetErrorReportPresenter({}); }

    void errorInAClickIsReportedAndTheProgramGoesOn_data();
    void errorInAClickIsReportedAndTheProgramGoesOn();
    void errorInATimerSlotIsReported();

private:
    QStringList reports;
};

using Thrower = std::function<void()>;
Q_DECLARE_METATYPE(Thrower)

void GuardedApplicationTest::errorInAClickIsReportedAndTheProgramGoesOn_data()
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

void GuardedApplicationTest::errorInAClickIsReportedAndTheProgramGoesOn()
{
    QFETCH(Thrower, thrower);
    QFETCH(QString, report);
    QPushButton failing("Fail");
    QPushButton working("Work");
    int worked = 0;
    connect(&failing, &QPushButton::clicked, this, [&] { thrower(); });
    connect(&working, &QPushButton::clicked, this, [&] { ++worked; });
    failing.show();
    working.show();
    QTest::mouseClick(&failing, Qt::LeftButton);
    QCOMPARE(reports, QStringList{report});
    QTest::mouseClick(&working, Qt::LeftButton);
    QTest::mouseClick(&failing, Qt::LeftButton);
    QCOMPARE(worked, 1);
    QCOMPARE(reports.size(), 2);
}

void GuardedApplicationTest::errorInATimerSlotIsReported()
{
    bool after = false;
    QTimer::singleShot(0, this, [] { throw vb::Error::standard(11); });
    QTimer::singleShot(0, this, [&] { after = true; });
    QTRY_VERIFY(after);
    QCOMPARE(reports, QStringList{"Error Code : Hotel\r\nDivision by zero"});
}

int main(int argc, char **argv)
{
    core::GuardedApplication app(argc, argv);
    GuardedApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_guardedapplication.moc"
