// The top-level guard: an error that came through Qt's own frames (an event handler that ran
// its body outside the handler idiom) is reported, modal, and the program's event loop ends
// with a failure status.
#include "reportprobe.h"

#include "core/state/appstate.h"
#include "core/state/errorreport.h"
#include "core/state/guardedapplication.h"
#include "vb/error.h"

#include <QTimer>
#include <QtTest>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>

// An object whose own event handler raises.
class Faulty : public QObject {
public:
    Thrower thrower;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            thrower();
        return QObject::event(event);
    }
};

class GuardedApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        core::ResetState();
        reports = std::make_unique<ReportProbe>();
    }
    void cleanup() { reports.reset(); }

    void errorThroughQtIsReportedAndEndsTheProgram_data();
    void errorThroughQtIsReportedAndEndsTheProgram();

private:
    std::unique_ptr<ReportProbe> reports;
};

void GuardedApplicationTest::errorThroughQtIsReportedAndEndsTheProgram_data() { AddErrorKindRows(); }

void GuardedApplicationTest::errorThroughQtIsReportedAndEndsTheProgram()
{
    QFETCH(Thrower, thrower);
    QFETCH(QString, report);
    Faulty faulty;
    faulty.thrower = thrower;
    QTimer::singleShot(0, &faulty, [&faulty] {
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&faulty, &event);
    });
    // Should the guard let the program go on, this ends it with success.
    QTimer::singleShot(2000, &faulty, [] { QCoreApplication::exit(EXIT_SUCCESS); });
    QCOMPARE(QCoreApplication::exec(), EXIT_FAILURE);
    QCOMPARE(reports->texts, QStringList{report});
    QCOMPARE(reports->modes, QList<core::ReportMode>{core::ReportMode::Modal});
    QVERIFY(static_cast<core::GuardedApplication *>(qApp)->EndedByError());
}

int main(int argc, char **argv)
{
    core::GuardedApplication app(argc, argv);
    GuardedApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_guardedapplication.moc"
