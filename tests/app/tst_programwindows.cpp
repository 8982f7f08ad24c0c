// Every window the program registers at start opens by its registered name, the window that
// opens carries that name as its objectName (the name other code finds it by), and it passes
// the screen checks: every control inside its parent, no label cut; a screenshot of each.
#include "app/startup.h"
#include "core/state/windowregistry.h"
#include "support/corefixture.h"
#include "support/mdihost.h"
#include "support/screenchecks.h"
#include "ui/forms.h"

#include <QtTest>

class ProgramWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::RegisterProgramWindows(); }
    void registeredWindowOpensUnderItsName_data();
    void registeredWindowOpensUnderItsName();
};

void ProgramWindowsTest::registeredWindowOpensUnderItsName_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = core::RegisteredWindows();
    QVERIFY(names.contains(QStringLiteral("frmBooking")));
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void ProgramWindowsTest::registeredWindowOpensUnderItsName()
{
    QFETCH(QString, name);
    testsupport::CoreFixture fx;
    // config.ini as the set-up writes it: remembered windows open in their normal state.
    fx.writeIni(QStringLiteral("bokpos"), QStringLiteral("bokState"), QStringLiteral("0"));
    fx.writeIni(QStringLiteral("CusD"), QStringLiteral("CusDstate"), QStringLiteral("0"));
    // Child windows open inside a main window's client area, as in the program.
    testsupport::MdiHost host(1024, 768);
    QVERIFY(QTest::qWaitForWindowExposed(&host.main));
    QVERIFY(!ui::Forms::Find(name));
    QVERIFY(core::ShowWindow(name, ui::vbModeless));
    // The default instance, or (for windows opened anew each time) a loaded form of that name.
    ui::Form *form = ui::Forms::Find(name);
    for (ui::Form *loaded : ui::Forms::Loaded()) {
        if (!form && loaded->objectName() == name)
            form = loaded;
    }
    QVERIFY2(form, qPrintable(name + " opened no form of that name"));
    QVERIFY(form->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(form->window()));
    HOTEL_CHECK_SCREEN(*form);
    QVERIFY(testsupport::SaveScreenshot(*form->window(), name + QStringLiteral("-registered")));
    QVERIFY(form->Unload());
}

QTEST_MAIN(ProgramWindowsTest)
#include "tst_programwindows.moc"
