// An error report that appears while the database settings window loads, before that window
// shows modally (config.ini without "useSQL", the settings component not registered): the
// real report window, which must still take input and close by its button, by Alt+C and by
// its close box while the settings window is up.
#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "core/windows/frmdblocatetool.h"
#include "core/windows/frmerrorreport.h"
#include "support/corefixture.h"
#include "support/expect_error.h"
#include "ui/forms.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <dlfcn.h>

using core::frmDBLocateTool;
using core::frmErrorReport;

namespace {

// Registers or unregisters the settings component of the program folder in the test's registry.
void registerSettingsComponent(bool registered)
{
    const QString library = qEnvironmentVariable("HOTEL_PROGRAM_DIR") + QStringLiteral("/libTarvolinkINI.so");
    void *handle = dlopen(QFile::encodeName(library).constData(), RTLD_NOW | RTLD_LOCAL);
    QVERIFY2(handle, dlerror());
    using Entry = int32_t (*)();
    auto entry = reinterpret_cast<Entry>(dlsym(handle, registered ? "DllRegisterServer" : "DllUnregisterServer"));
    QVERIFY(entry && entry() == 0);
}

// Whether the report window is blocked by a modal window, as the platform last told it.
class BlockedWatch : public QObject {
public:
    BlockedWatch() { qApp->installEventFilter(this); }
    ~BlockedWatch() override { qApp->removeEventFilter(this); }
    bool blocked = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched->objectName() == frmErrorReport::Name) {
            if (event->type() == QEvent::WindowBlocked)
                blocked = true;
            else if (event->type() == QEvent::WindowUnblocked)
                blocked = false;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class ReportBeforeSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        core::InstallErrorReportWindow();
        core::InstallDatabaseSettingsWindow();
    }
    void reportClosesWhileSettingsWindowIsUp_data();
    void reportClosesWhileSettingsWindowIsUp();
};

void ReportBeforeSettingsTest::reportClosesWhileSettingsWindowIsUp_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("closing");
    for (const char *cause : {"no useSQL", "component not registered"}) {
        for (const char *closing : {"Close", "Alt+C", "close box"})
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(cause), QLatin1String(closing))))
                << QString::fromLatin1(cause) << QString::fromLatin1(closing);
    }
}

void ReportBeforeSettingsTest::reportClosesWhileSettingsWindowIsUp()
{
    QFETCH(QString, cause);
    QFETCH(QString, closing);
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    const bool unregistered = cause == QLatin1String("component not registered");
    if (unregistered)
        registerSettingsComponent(false);
    else
        fx.writeIni(QStringLiteral("settings"), QStringLiteral("useSQL"), QString());
    QVERIFY(testsupport::RaisesError(core::OpenDatabase));

    BlockedWatch watch;
    bool settingsUp = false;
    bool reportUp = false;
    bool blocked = true;
    bool closed = false;
    QTimer::singleShot(0, this, [&] {
        frmDBLocateTool *settings = ui::Forms::Find<frmDBLocateTool>();
        settingsUp = settings && settings->isVisible() && settings->isModal();
        QPointer<frmErrorReport> report = ui::Forms::Find<frmErrorReport>();
        reportUp = report && report->isVisible();
        if (settingsUp && reportUp) {
            // The report takes its place beside the modal window a moment after it is blocked.
            for (int wait = 0; wait < 100 && watch.blocked; ++wait)
                QTest::qWait(20);
            blocked = watch.blocked;
            // Through the platform's input, which a blocked window never receives.
            QWindow *window = report->windowHandle();
            if (closing == QLatin1String("Close")) {
                QTest::mouseClick(window, Qt::LeftButton, {}, report->Command1->mapTo(report, report->Command1->rect().center()));
            } else if (closing == QLatin1String("Alt+C")) {
                report->activateWindow();
                if (!QTest::qWaitForWindowActive(report))
                    qWarning("the report does not become active");
                QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
            } else if (!blocked) {
                report->close();
            }
            // A button's access key clicks it the way a press of the button looks, a moment later.
            for (int wait = 0; wait < 50 && ui::Forms::IsLoaded<frmErrorReport>(); ++wait)
                QTest::qWait(20);
            closed = !ui::Forms::IsLoaded<frmErrorReport>();
        }
        if (frmDBLocateTool *still = ui::Forms::Find<frmDBLocateTool>())
            still->Unload();
    });
    core::OpenRecordset(QStringLiteral("SELECT * FROM tbl_HotelInfo WHERE ID=1"));
    if (unregistered)
        registerSettingsComponent(true);
    ui::Forms::Unload<frmErrorReport>();
    QVERIFY(settingsUp);
    QVERIFY(reportUp);
    QVERIFY2(!blocked, "the report is blocked by the settings window");
    QVERIFY(closed);
}

QTEST_MAIN(ReportBeforeSettingsTest)
#include "tst_reportbeforesettings.moc"
