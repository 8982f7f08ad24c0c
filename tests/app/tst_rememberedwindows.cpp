// Every window that remembers its position ("pos", "bokpos", "CusD", "cuspos") put in each
// state, closed and opened again twice, then opened after a restart of the program that reads
// config.ini afresh, with the real main window around it. The settings component is the
// checking one (support/checkingini.cpp): a window that drops an INI object while one of the
// object's own operations is running stops the test at once, where the real component would
// go on in freed memory.
#include "app/startup.h"
#include "core/mainwindow/load_frms.h"
#include "core/mainwindow/mainfrm.h"
#include "core/state/appstate.h"
#include "core/state/windowregistry.h"
#include "frontdesk/booking/bookingtesting.h"
#include "support/corefixture.h"
#include "ui/forms.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QtTest>

#include <dlfcn.h>

namespace {

enum class Arrangement { Normal, Minimised, Maximised, BesideMaximised, Cascade, TileHorizontal, TileVertical };

// Puts the checking settings component in the test's registry in place of the real one.
void useCheckingSettingsComponent()
{
    void *library = dlopen(HOTEL_CHECKING_INI, RTLD_NOW | RTLD_LOCAL);
    QVERIFY2(library, dlerror());
    using Entry = int32_t (*)();
    auto registerServer = reinterpret_cast<Entry>(dlsym(library, "DllRegisterServer"));
    QVERIFY(registerServer && registerServer() == 0);
}

core::mainFrm *startProgram()
{
    core::Main();
    auto *main = ui::Forms::Find<core::mainFrm>();
    if (main)
        bookingtesting::logIn();
    return main;
}

void endProgram(core::mainFrm *main)
{
    main->Unload(ui::vbFormControlMenu);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    core::ResetState();
}

// The window as the clerk opens it: the guest details from the guest list's popup.
ui::Form *open(const QString &window)
{
    if (window == QLatin1String("mainFrm"))
        return ui::Forms::Find<core::mainFrm>();
    if (window == QLatin1String("frmCustomerDetails")) {
        if (!core::ShowWindow(QStringLiteral("frmCustomers"), ui::vbModeless))
            return nullptr;
        const ui::Form *guests = ui::Forms::Find(QStringLiteral("frmCustomers"));
        auto *list = guests ? guests->findChild<QTableView *>(QStringLiteral("customerList")) : nullptr;
        if (!list)
            return nullptr;
        list->selectRow(0);
    }
    if (!core::ShowWindow(window, ui::vbModeless))
        return nullptr;
    for (ui::Form *form : ui::Forms::Loaded()) {
        if (form->objectName() == window)
            return form;
    }
    return nullptr;
}

void arrange(core::mainFrm &main, ui::Form &form, Arrangement arrangement)
{
    switch (arrangement) {
    case Arrangement::Normal: form.SetWindowState(ui::vbNormal); break;
    case Arrangement::Minimised: form.SetWindowState(ui::vbMinimized); break;
    case Arrangement::Maximised: form.SetWindowState(ui::vbMaximized); break;
    case Arrangement::BesideMaximised: break;
    case Arrangement::Cascade: main.mnuCascade->trigger(); break;
    case Arrangement::TileHorizontal: main.mnuTileHorizontal->trigger(); break;
    case Arrangement::TileVertical: main.mnuTileVertical->trigger(); break;
    }
    QCoreApplication::processEvents();
}

// The state the window comes back in: the booking window and the guest details remember
// their state, the others only whether they were maximised; a child window opened beside a
// maximised one is maximised too.
int reopenedState(const QString &window, Arrangement arrangement)
{
    switch (arrangement) {
    case Arrangement::Maximised:
    case Arrangement::BesideMaximised: return ui::vbMaximized;
    case Arrangement::Minimised:
        return window == QLatin1String("frmBooking") || window == QLatin1String("frmCustomerDetails") ? ui::vbMinimized
                                                                                                       : ui::vbNormal;
    default: return ui::vbNormal;
    }
}

} // namespace

Q_DECLARE_METATYPE(Arrangement)

class RememberedWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::RegisterProgramWindows(); }
    void windowComesBackAfterEachState_data();
    void windowComesBackAfterEachState();
};

void RememberedWindowsTest::windowComesBackAfterEachState_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("section");
    QTest::addColumn<Arrangement>("arrangement");
    const QList<std::pair<const char *, Arrangement>> arrangements{
        {"normal", Arrangement::Normal},
        {"minimised", Arrangement::Minimised},
        {"maximised", Arrangement::Maximised},
        {"beside a maximised window", Arrangement::BesideMaximised},
        {"cascaded", Arrangement::Cascade},
        {"tiled horizontally", Arrangement::TileHorizontal},
        {"tiled vertically", Arrangement::TileVertical},
    };
    const QList<std::pair<const char *, const char *>> windows{
        {"frmBooking", "bokpos"}, {"frmCustomers", "cuspos"}, {"frmCustomerDetails", "CusD"}, {"mainFrm", "pos"}};
    for (const auto &[window, section] : windows) {
        for (const auto &[name, arrangement] : arrangements) {
            // The main window is no child window: it is only sized, never arranged.
            if (QLatin1String(window) == QLatin1String("mainFrm") && arrangement > Arrangement::Maximised)
                continue;
            const QString row = QString::fromLatin1(window) + QLatin1Char(' ') + QString::fromLatin1(name);
            QTest::newRow(qPrintable(row)) << QString::fromLatin1(window) << QString::fromLatin1(section) << arrangement;
        }
    }
}

void RememberedWindowsTest::windowComesBackAfterEachState()
{
    QFETCH(QString, window);
    QFETCH(QString, section);
    QFETCH(Arrangement, arrangement);
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    useCheckingSettingsComponent();
    // config.ini as the set-up writes it: remembered windows open in their normal state.
    fx.writeIni(QStringLiteral("bokpos"), QStringLiteral("bokState"), QStringLiteral("0"));
    fx.writeIni(QStringLiteral("CusD"), QStringLiteral("CusDstate"), QStringLiteral("0"));
    bookingtesting::addRoom(fx, QStringLiteral("101"), QStringLiteral("80"));
    fx.exec(QStringLiteral(
        "INSERT INTO tbl_customers (cTitle, cFirstName, cLastName, cAddress, cPhone, cNoOfAdults, cNoOfMinors, "
        "cCheckInDate, cCheckOutDate, cNoOfDays, cRoomsRate, cTax, cGrandTotal, cAdvancePaid, cDue, cPaymentMethod, "
        "cPaymentMethodDetails, cRoomNameID, cRoomNamePrice, cAdditionalNote, cUniqueNo, cStatus) VALUES ('Mr.', "
        "'Alan', 'Brook', '1 Quay Street', '555 0101', 1, 0, #2024-05-01#, #2024-05-03#, 2, 160, 0, 160, 0, 160, "
        "'Cash', '', '101', '80', '', 'ABQWERTY', 'Checked In')"));
    const bool mainWindow = window == QLatin1String("mainFrm");
    const int expected = reopenedState(window, arrangement);

    // The first start, then a restart that reads what the first one saved.
    for (int start = 1; start <= 2; ++start) {
        core::mainFrm *main = startProgram();
        QVERIFY(main && QTest::qWaitForWindowExposed(main));
        // Another child window beside it, for the arrangements of the Window menu.
        QVERIFY(core::ShowWindow(QStringLiteral("frmRoomList"), ui::vbModeless));
        auto *companion = ui::Forms::Find(QStringLiteral("frmRoomList"));
        QVERIFY(companion);
        if (arrangement == Arrangement::BesideMaximised)
            companion->SetWindowState(ui::vbMaximized);
        // A child window is opened three times in each run; the main window once.
        for (int opening = 1; opening <= (mainWindow ? 1 : 3); ++opening) {
            const QString at = QStringLiteral("start %1, opening %2").arg(start).arg(opening);
            ui::Form *form = open(window);
            QVERIFY2(form && form->Frame()->isVisible(), qPrintable(at));
            if (start > 1 || opening > 1)
                QVERIFY2(form->WindowState() == expected,
                         qPrintable(at + QStringLiteral(": state %1, expected %2").arg(form->WindowState()).arg(expected)));
            arrange(*main, *form, arrangement);
            if (!mainWindow) {
                QVERIFY(form->Unload(ui::vbFormControlMenu));
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        }
        endProgram(main);
    }
}

QTEST_MAIN(RememberedWindowsTest)
#include "tst_rememberedwindows.moc"
