// The one way a handler is connected: whatever the handler raises stops at it and is
// reported, and the program goes on. The test runs without the top-level guard, so an
// exception that left a handler would end it.
#include "reportprobe.h"

#include "core/state/appstate.h"
#include "core/state/connecthandler.h"
#include "ui/form.h"
#include "vb/error.h"

#include <QtTest>
#include <functional>
#include <memory>
#include <stdexcept>

// Sends a signal with arguments, and takes them in a member handler.
class Probe : public QObject {
    Q_OBJECT
public:
    QStringList taken;
    Thrower thrower = [] {};
    void takeNumber(int number)
    {
        taken << QString::number(number);
        thrower();
    }
signals:
    void fired(int number, const QString &text);
};

// A window whose resize handler fails.
class frmFailing : public ui::Form {
    Q_OBJECT
public:
    frmFailing() : ui::Form(QStringLiteral("frmFailing")) {}

protected:
    void Form_Resize() override { throw vb::Error(13, "Type mismatch", "frmFailing"); }
};

class ConnectHandlerTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        core::ResetState();
        reports = std::make_unique<ReportProbe>();
    }
    void cleanup() { reports.reset(); }

    void errorOfAHandlerIsReportedAndTheProgramGoesOn_data();
    void errorOfAHandlerIsReportedAndTheProgramGoesOn();
    void handlerTakesTheLeadingArgumentsItDeclares();
    void codeOfTheConnectionReportsRunTimeErrors();
    void errorOfAWindowsEventHandlerIsReported();

private:
    std::unique_ptr<ReportProbe> reports;
};

void ConnectHandlerTest::errorOfAHandlerIsReportedAndTheProgramGoesOn_data() { AddErrorKindRows(); }

void ConnectHandlerTest::errorOfAHandlerIsReportedAndTheProgramGoesOn()
{
    QFETCH(Thrower, thrower);
    QFETCH(QString, report);
    Probe probe;
    probe.thrower = thrower;
    int after = 0;
    core::ConnectHandler(&probe, &Probe::fired, &probe, &Probe::takeNumber);
    core::ConnectHandler(&probe, &Probe::fired, &probe, [&after] { ++after; });
    emit probe.fired(7, QStringLiteral("seven"));
    emit probe.fired(8, QStringLiteral("eight"));
    QCOMPARE(probe.taken, QStringList({"7", "8"}));
    QCOMPARE(after, 2);
    QCOMPARE(reports->texts, QStringList({report, report}));
    QCOMPARE(reports->modes, QList<core::ReportMode>({core::ReportMode::Modeless, core::ReportMode::Modeless}));
}

void ConnectHandlerTest::handlerTakesTheLeadingArgumentsItDeclares()
{
    Probe probe;
    QStringList both;
    core::ConnectHandler(&probe, &Probe::fired, &probe,
                         [&both](int number, const QString &text) { both << QString::number(number) + text; });
    core::ConnectHandler(&probe, &Probe::fired, &probe, &Probe::takeNumber);
    emit probe.fired(3, QStringLiteral("x"));
    QCOMPARE(both, QStringList{"3x"});
    QCOMPARE(probe.taken, QStringList{"3"});

    // The connection ends with its receiver.
    auto *receiver = new QObject;
    int calls = 0;
    core::ConnectHandler(&probe, &Probe::fired, receiver, [&calls] { ++calls; });
    delete receiver;
    emit probe.fired(4, QString());
    QCOMPARE(calls, 0);
    QVERIFY(reports->texts.isEmpty());
}

void ConnectHandlerTest::codeOfTheConnectionReportsRunTimeErrors()
{
    Probe probe;
    Thrower thrower = [] { throw vb::Error::standard(13); };
    core::ConnectHandler(&probe, &Probe::fired, &probe, QStringLiteral("BOK003"), core::ReportMode::Modal,
                         [&thrower](int) { thrower(); });
    emit probe.fired(1, QString());
    thrower = [] { throw std::runtime_error("disk full"); };
    emit probe.fired(2, QString());
    QCOMPARE(reports->texts, QStringList({"Error Code : BOK003\r\nType mismatch", "Error Code : Hotel\r\ndisk full"}));
    QCOMPARE(reports->modes, QList<core::ReportMode>({core::ReportMode::Modal, core::ReportMode::Modeless}));
}

void ConnectHandlerTest::errorOfAWindowsEventHandlerIsReported()
{
    QPointer<frmFailing> window = new frmFailing;
    window->Show();
    window->resize(window->size() + QSize(20, 20));
    QVERIFY(!reports->texts.isEmpty());
    QCOMPARE(reports->texts.last(), QStringLiteral("Error Code : frmFailing\r\nType mismatch"));
    QVERIFY(window->Unload());
    QTRY_VERIFY(!window);
}

QTEST_MAIN(ConnectHandlerTest)
#include "tst_connecthandler.moc"
