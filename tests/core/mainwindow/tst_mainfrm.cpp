// The main window: start-up state, menus and toolbar, the rights and tax rules, logout and
// unload with their log rows, the remembered position, child-window arranging, help, and
// the status bar.
#include "mainwindowtesting.h"

#include "ado/connection.h"
#include "core/db/dbworks.h"
#include "core/login/globallogin.h"
#include "core/mainwindow/load_frms.h"
#include "core/windows/modifypassword.h"
#include "support/mariadb_fault_server.h"
#include "support/scratch_database.h"
#include "support/screenchecks.h"
#include "ui/dialogs.h"
#include "vb/app.h"
#include "vb/conversions.h"
#include "vb/locale.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QDate>
#include <QFile>
#include <QWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using core::State;
using namespace mainwindowtesting;

namespace {

const QString NoPrivilege = QStringLiteral("You do not have sufficient privileges to access this section. ");

// Every guarded menu item and every toolbar button.
const QStringList GuardedItems = {
    QStringLiteral("mnuBooking"),      QStringLiteral("mnuFoodOrder"),      QStringLiteral("mnuCustomerList"),
    QStringLiteral("mnuRoomList"),     QStringLiteral("mnuCustomerHistoryList"), QStringLiteral("mnuReport"),
    QStringLiteral("mnuAdministration"), QStringLiteral("mnuLog")};
const QStringList ToolbarKeys = {
    QStringLiteral("toolNewBooking"), QStringLiteral("toolNewFoodOrder"), QStringLiteral("toolCustomerList"),
    QStringLiteral("toolRoomSchedule"), QStringLiteral("toolStats"), QStringLiteral("toolLogView"),
    QStringLiteral("toolAdmin")};

QAction *action(const QString &name)
{
    auto *found = MainWindow().findChild<QAction *>(name);
    if (!found)
        qFatal("no action %s", qPrintable(name));
    return found;
}

void trigger(const QString &name) { action(name)->trigger(); }

// A fresh program folder and database, started as the program starts.
struct Started {
    testsupport::CoreFixture fx;
    OpenedWindows windows;
    explicit Started(const QString &engine = QStringLiteral("access")) : fx(engine, false) { core::Main(); }
    ui::ScriptedDialogs &dialogs() { return fx.dialogs(); }
};

void logInAs(Started &s, const QString &name, Rights rights = {})
{
    AddUser(s.fx, name, QStringLiteral("pw"), rights);
    TypeLogin(name, QStringLiteral("pw"));
    QVERIFY(State().mLoggedIn);
    s.dialogs().clear();
}

// A value of config.ini as the program's profile functions give it.
QString iniValue(testsupport::CoreFixture &fx, const char *section, const char *key)
{
    const QString value = fx.readIni(QString::fromLatin1(section), QString::fromLatin1(key));
    return value.left(value.indexOf(QChar(0)));
}

int logRows(testsupport::CoreFixture &fx, const QString &text)
{
    return vb::CInt(fx.scalar(QStringLiteral("SELECT count(*) FROM tbl_logTable WHERE LogText = '%1' "
                                             "AND LogKey = 'LoginLogout'").arg(text)));
}

} // namespace

class MainFrmTest : public QObject {
    Q_OBJECT

private slots:
    void comesUpLoggedOutWithHotelInformation();
    void menusAndToolbarInOrder();
    void unreachableDatabaseOpensSettingsBeforeMainWindow();
    void nullHotelNameAtStartIsIgnored();
    void everyGuardedItemWhileLoggedOutOpensOnlyTheLoginWindow();
    void taxRuleKeepsRightOfLastLogin();
    void logoutWritesRowAndClosesChildWindows();
    void closingLoggedInWritesTerminateRow();
    void closingAfterAnIdleServerRestartWritesTerminateRow();
    void closingLoggedOutWritesNothing();
    void positionSavedAtEveryResizeAndRestored();
    void longUserNameKeepsTheWindowOnScreen();
    void windowMenuListsAndArrangesChildren();
    void windowListShowsCaptionsAsTheyAre();
    void menuShortcutsGiveWayToATextBox();
    void helpAndSupportPage();
    void aboutBoxModalWithoutLogin();
    void statusBarClockAndCapsLock();
    void passwordItemOpensModifyPassword();
};

void MainFrmTest::comesUpLoggedOutWithHotelInformation()
{
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    fx.exec("UPDATE tbl_HotelInfo SET HotelName = 'Seaview', HotelPhoneNo = '555', AddOrderSign = 1 WHERE ID = 1");
    State().mHistoryCustomerNo = QStringLiteral("#12");
    core::Main();
    QVERIFY(ui::Forms::IsLoaded<core::mainFrm>());
    auto &main = MainWindow();
    QVERIFY(main.isVisible());
    QCOMPARE(main.windowTitle(), QStringLiteral("Brevant Vol 1"));
    QCOMPARE(main.PanelText(1), QStringLiteral("Not Logged In"));
    QVERIFY(!main.mnuChangeMyPassword->isVisible());
    QCOMPARE(main.mnuLoginLogOut->text(), QStringLiteral("Log in"));
    QVERIFY(!State().mLoggedIn);
    QCOMPARE(State().mOrderSign, QStringLiteral("#"));
    QCOMPARE(State().mHotelName, QStringLiteral("Seaview"));
    QCOMPARE(State().mHotelPhoneNo, QStringLiteral("555"));
    QCOMPARE(State().mHistoryCustomerNo, QString());
    QVERIFY(ChildWindows().isEmpty());
    QVERIFY(fx.dialogs().shown().isEmpty());
    QVERIFY(core::OpenRecordset("SELECT count(*) FROM tbl_users"));   // the connection is open
}

void MainFrmTest::menusAndToolbarInOrder()
{
    Started s;
    auto &main = MainWindow();
    const QList<QAction *> menus = main.menuBar->actions();
    QStringList menuCaptions;
    for (QAction *m : menus)
        menuCaptions << m->text();
    QCOMPARE(menuCaptions, (QStringList{"&Records", "&Options", "&Window", "&Help"}));

    struct Item { const char *name, *caption, *shortcut; };
    const QList<QList<Item>> expected = {
        {{"mnuBooking", "New &Booking", "Ctrl+O"}, {"mnuFoodOrder", "New &Food && Beverages Order", "Ctrl+F"},
         {"mnusepk", "", ""}, {"mnuCustomerList", "&Customer List", "Ctrl+C"},
         {"mnuRoomList", "Room(s) &Schedule", "Ctrl+S"}, {"mnuCustomerHistoryList", "&Customer History List", ""},
         {"mnuReport", "&Overall Report", ""}, {"sep", "", ""}, {"mnuLoginLogOut", "Log in", ""}},
        {{"mnuAdministration", "A&dministration", "Ctrl+A"}, {"taxEditor", "Tax(s) Editor", "Ctrl+T"},
         {"sepu", "", ""}, {"mnuLog", "&View Log", ""}, {"mnuChangeMyPassword", "&Change My Password", ""}},
        {{"mnuCascade", "&Cascade", ""}, {"mnuTileHorizontal", "&Tile Horizontal", ""},
         {"mnuTileVertical", "&Tile Vertical", ""}},
        {{"mnuOnlineHelp", "&Online Support", ""}, {"mnuOpenHelp", "&Open Help", ""}, {"mnusep", "", ""},
         {"mnuAbout", "&About Brevant", ""}},
    };
    for (int m = 0; m < expected.size(); ++m) {
        const QList<QAction *> items = menus.at(m)->menu()->actions();
        for (int i = 0; i < expected.at(m).size(); ++i) {
            const Item &want = expected.at(m).at(i);
            QAction *item = items.at(i);
            QCOMPARE(item->objectName(), QString::fromLatin1(want.name));
            QCOMPARE(item->isSeparator(), QByteArray(want.caption).isEmpty());
            if (!item->isSeparator())
                QCOMPARE(item->text(), QString::fromLatin1(want.caption));
            QCOMPARE(item->shortcut().toString(), QString::fromLatin1(want.shortcut));
        }
    }

    const QStringList texts = {"New Booking", "New Food & Beverages Order", "Customer List", "Room(s) Schedule",
                               "Stats View", "Log View", "Administrator"};
    QCOMPARE(main.Toolbar1->parentWidget(), main.CoolBar1);
    const QList<QAction *> buttons = main.Toolbar1->actions();
    QCOMPARE(buttons.size(), ToolbarKeys.size());
    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(buttons.at(i)->objectName(), ToolbarKeys.at(i));
        QCOMPARE(buttons.at(i)->toolTip(), texts.at(i));
        QVERIFY(!buttons.at(i)->icon().isNull());
        QVERIFY(main.Toolbar1->findChild<QToolButton *>(ToolbarKeys.at(i)));
    }
}

void MainFrmTest::unreachableDatabaseOpensSettingsBeforeMainWindow()
{
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    fx.writeIni("settings", "useSQL", QString());   // the key goes
    int opened = 0;
    bool mainVisible = true;
    QString error, sql;
    core::SetDatabaseSettingsWindow({[] { return false; }, [&] {
                                         ++opened;
                                         auto *main = ui::Forms::Find<core::mainFrm>();
                                         mainVisible = main && main->isVisible();
                                         error = State().mLastError;
                                         sql = State().mLastSQL;
                                     }});
    core::Main();
    core::SetDatabaseSettingsWindow({});
    QCOMPARE(opened, 1);
    QVERIFY(!mainVisible);
    QVERIFY2(error.startsWith(QStringLiteral("Error Code : DB0006\r\n")), qPrintable(error));
    QCOMPARE(sql, QStringLiteral("SELECT * FROM tbl_HotelInfo WHERE ID=1"));
    QVERIFY(State().mConn->State() != ado::adStateOpen);
    QVERIFY(MainWindow().isVisible());
    QCOMPARE(State().mOrderSign, QString());
    QCOMPARE(MainWindow().PanelText(1), QStringLiteral("Not Logged In"));
}

void MainFrmTest::nullHotelNameAtStartIsIgnored()
{
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    fx.exec("UPDATE tbl_HotelInfo SET HotelName = NULL, AddOrderSign = 1 WHERE ID = 1");
    core::Main();
    QVERIFY(MainWindow().isVisible());
    QCOMPARE(State().mOrderSign, QString());   // the read stopped before the order sign
    QVERIFY(!MainWindow().mnuChangeMyPassword->isVisible());
}

void MainFrmTest::everyGuardedItemWhileLoggedOutOpensOnlyTheLoginWindow()
{
    Started s;
    QStringList triggers;
    for (const QString &item : GuardedItems)
        triggers << item;
    for (const QString &key : ToolbarKeys)
        triggers << key;
    triggers << QStringLiteral("mnuLoginLogOut");
    for (const QString &name : triggers) {
        trigger(name);
        QVERIFY2(ui::Forms::IsLoaded<core::frmLogInOut>(), qPrintable(name));
        QVERIFY(ui::Forms::Find<core::frmLogInOut>()->isVisible());
        QCOMPARE(ChildWindows().size(), 1);
        ui::Forms::Unload<core::frmLogInOut>();
        ProcessDeletes();
    }
    QVERIFY(s.windows.opened.isEmpty());
    QVERIFY(s.dialogs().shown().isEmpty());
}

void MainFrmTest::taxRuleKeepsRightOfLastLogin()
{
    Started s;
    // Right after start nobody has logged in: the privilege message, no login window.
    trigger(QStringLiteral("taxEditor"));
    QCOMPARE(s.dialogs().messages(), QStringList{NoPrivilege});
    QCOMPARE(s.dialogs().last().icon(), ui::vbInformation);
    QVERIFY(!ui::Forms::IsLoaded<core::frmLogInOut>());

    logInAs(s, QStringLiteral("taxman"), Rights{0, 0, 1, 0, 0});
    trigger(QStringLiteral("taxEditor"));
    QCOMPARE(s.windows.opened, QStringList{"frmTax"});
    QCOMPARE(s.windows.modes, QList<int>{ui::vbModeless});
    trigger(QStringLiteral("mnuLoginLogOut"));
    ProcessDeletes();
    s.dialogs().clear();
    // Logged out after a user with the right: the login window.
    trigger(QStringLiteral("taxEditor"));
    QVERIFY(ui::Forms::IsLoaded<core::frmLogInOut>());
    QVERIFY(s.dialogs().shown().isEmpty());
    ui::Forms::Unload<core::frmLogInOut>();
    ProcessDeletes();

    logInAs(s, QStringLiteral("clerk"), Rights{1, 1, 0, 1, 1});
    trigger(QStringLiteral("taxEditor"));
    QCOMPARE(s.dialogs().messages(), QStringList{NoPrivilege});
    trigger(QStringLiteral("mnuLoginLogOut"));
    ProcessDeletes();
    s.dialogs().clear();
    // Logged out after a user without it: the message again.
    trigger(QStringLiteral("taxEditor"));
    QCOMPARE(s.dialogs().messages(), QStringList{NoPrivilege});
    QVERIFY(!ui::Forms::IsLoaded<core::frmLogInOut>());
    QCOMPARE(s.windows.opened, QStringList{"frmTax"});
}

void MainFrmTest::logoutWritesRowAndClosesChildWindows()
{
    Started s;
    logInAs(s, QStringLiteral("O'Hara"));
    trigger(QStringLiteral("mnuBooking"));
    trigger(QStringLiteral("mnuCustomerList"));
    trigger(QStringLiteral("mnuChangeMyPassword"));
    QCOMPARE(ChildWindows().size(), 3);
    TaskWindow ownWindow(QStringLiteral("frmTaxProbe"), ui::FormKind::TopLevel);
    ownWindow.Show(ui::vbModeless);

    trigger(QStringLiteral("mnuLoginLogOut"));
    ProcessDeletes();
    QCOMPARE(logRows(s.fx, QStringLiteral("User Logged Out : O''Hara")), 1);
    QCOMPARE(s.fx.scalar("SELECT LoggedUser FROM tbl_logTable WHERE LogText LIKE 'User Logged Out%'").asString(),
             QStringLiteral("O'Hara"));
    QCOMPARE(s.dialogs().messages(), QStringList{"Successfully Logged Out!"});
    QCOMPARE(s.dialogs().last().icon(), ui::vbInformation);
    QVERIFY(ChildWindows().isEmpty());
    QVERIFY(!ui::Forms::IsLoaded<core::ModifyPassword>());
    QVERIFY(ownWindow.IsLoaded() && ownWindow.isVisible());   // windows of their own stay
    auto &main = MainWindow();
    QVERIFY(!State().mLoggedIn);
    QCOMPARE(main.mnuLoginLogOut->text(), QStringLiteral("Log in"));
    QCOMPARE(main.PanelText(1), QStringLiteral("Not Logged In"));
    QVERIFY(!main.mnuChangeMyPassword->isVisible());
    // The rights and the name stay with the last user.
    QCOMPARE(State().mUserName, QStringLiteral("O'Hara"));
    QCOMPARE(State().mRightSettings, int16_t(1));
    QVERIFY(State().mLoginChecked);
    ownWindow.Unload();
}

void MainFrmTest::closingLoggedInWritesTerminateRow()
{
    Started s;
    logInAs(s, QStringLiteral("night"));
    trigger(QStringLiteral("mnuBooking"));
    QVERIFY(MainWindow().close());
    ProcessDeletes();
    QVERIFY(!ui::Forms::IsLoaded<core::mainFrm>());
    QCOMPARE(logRows(s.fx, QStringLiteral("User Logged Out/Terminated Program : night")), 1);
    QCOMPARE(s.dialogs().messages(), QStringList{"Successfully Logged Out!"});
    QVERIFY(!State().mLoggedIn);
    QVERIFY(!State().mRS);   // the shared result set is released
    QVERIFY(ui::Forms::Loaded().isEmpty());
}

// MariaDB restarted while the program idled: the terminate row goes out on the connection
// opened again, with no error for the clerk.
void MainFrmTest::closingAfterAnIdleServerRestartWritesTerminateRow()
{
    HOTEL_NEED_MARIADB_FAULT_SERVER();
    testsupport::MariaDbFaultServer server;
    Started s(QStringLiteral("mariadb"));
    logInAs(s, QStringLiteral("night"));
    server.killAndRestart();
    State().mLastError.clear();
    QVERIFY(MainWindow().close());
    ProcessDeletes();
    QCOMPARE(State().mLastError, QString());
    QCOMPARE(s.dialogs().messages(), QStringList{"Successfully Logged Out!"});
    QCOMPARE(logRows(s.fx, QStringLiteral("User Logged Out/Terminated Program : night")), 1);
}

void MainFrmTest::closingLoggedOutWritesNothing()
{
    Started s;
    trigger(QStringLiteral("mnuLoginLogOut"));   // the login window is open
    QVERIFY(MainWindow().close());
    ProcessDeletes();
    QCOMPARE(vb::CInt(s.fx.scalar("SELECT count(*) FROM tbl_logTable")), int16_t(0));
    QVERIFY(s.dialogs().shown().isEmpty());
    QVERIFY(ui::Forms::Loaded().isEmpty());
}

void MainFrmTest::positionSavedAtEveryResizeAndRestored()
{
    {
        Started s;
        auto &main = MainWindow();
        QTRY_VERIFY(!iniValue(s.fx, "pos", "Width").isEmpty());   // the first display
        QCOMPARE(iniValue(s.fx, "pos", "Maximised"), QStringLiteral("0"));
        main.resize(700, 500);
        QTRY_COMPARE(iniValue(s.fx, "pos", "Width").toInt(), main.frameGeometry().width() * 15);
        QCOMPARE(iniValue(s.fx, "pos", "Height").toInt(), main.frameGeometry().height() * 15);
        main.showMaximized();
        QTRY_COMPARE(iniValue(s.fx, "pos", "Maximised"), QStringLiteral("1"));
    }
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    fx.writeIni("pos", "Maximised", "0");
    fx.writeIni("pos", "Left", "1500");
    fx.writeIni("pos", "Top", "1200");
    fx.writeIni("pos", "Width", "9000");
    fx.writeIni("pos", "Height", "6000");
    core::Main();
    QCOMPARE(MainWindow().frameGeometry().width(), 600);
    QCOMPARE(MainWindow().frameGeometry().height(), 400);
}

// The longest user name in the status bar: the main window stays as wide as it was, inside the
// screen, and saves no wider position.
void MainFrmTest::longUserNameKeepsTheWindowOnScreen()
{
    Started s;
    auto &main = MainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const int width = main.frameGeometry().width();
    const QString name(255, QLatin1Char('W'));
    logInAs(s, name);
    QCOMPARE(main.PanelText(1), QStringLiteral("Logged In as ") + name);
    QTest::qWait(100);
    QCOMPARE(main.frameGeometry().width(), width);
    QVERIFY(main.screen()->availableGeometry().contains(main.frameGeometry()));
    QVERIFY(iniValue(s.fx, "pos", "Width").toInt() <= width * 15);
    QVERIFY(testsupport::SaveScreenshot(main, QStringLiteral("mainFrm-long-user-name"), true));
}

void MainFrmTest::windowMenuListsAndArrangesChildren()
{
    Started s;
    logInAs(s, QStringLiteral("admin"));
    trigger(QStringLiteral("mnuBooking"));
    trigger(QStringLiteral("mnuCustomerList"));
    auto &main = MainWindow();
    main.RefreshWindowList();
    const QList<QAction *> entries = main.WindowListActions();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0)->text(), QStringLiteral("&1 frmBooking"));
    QCOMPARE(entries.at(1)->text(), QStringLiteral("&2 frmCustomers"));
    QVERIFY(!entries.at(0)->isChecked());
    QVERIFY(entries.at(1)->isChecked());
    entries.at(0)->trigger();
    QCOMPARE(main.MdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("frmBooking"));

    const QRect area = main.MdiArea()->viewport()->rect();
    trigger(QStringLiteral("mnuTileHorizontal"));
    QList<QMdiSubWindow *> windows = ChildWindows();
    for (QMdiSubWindow *w : windows)
        QCOMPARE(w->width(), area.width());
    QVERIFY(windows.at(0)->y() != windows.at(1)->y());
    trigger(QStringLiteral("mnuTileVertical"));
    for (QMdiSubWindow *w : windows)
        QCOMPARE(w->height(), area.height());
    QVERIFY(windows.at(0)->x() != windows.at(1)->x());
    trigger(QStringLiteral("mnuCascade"));
    QVERIFY(windows.at(0)->pos() != windows.at(1)->pos());
    QVERIFY(s.dialogs().shown().isEmpty());
}

// "&" in a caption is no access key in the list of windows: the menu shows it as it is, and
// the window's number stays the key.
void MainFrmTest::windowListShowsCaptionsAsTheyAre()
{
    Started s;
    auto *order = new TaskWindow(QStringLiteral("frmFoodingBook"));
    order->SetCaption(QStringLiteral("New Food & Beverages Order"));
    order->Show(ui::vbModeless);
    auto &main = MainWindow();
    main.RefreshWindowList();
    const QList<QAction *> entries = main.WindowListActions();
    QCOMPARE(entries.size(), 1);
    // The text as the menu shows it, its access-key marks taken out.
    QCOMPARE(entries.first()->iconText(), QStringLiteral("1 New Food & Beverages Order"));
    QCOMPARE(QKeySequence::mnemonic(entries.first()->text()), QKeySequence(Qt::ALT | Qt::Key_1));
}

// Ctrl+A and Ctrl+C select and copy in a text box that has the focus (a box has a use for
// them); anywhere else they are the menu's "A&dministration" and "&Customer List".
void MainFrmTest::menuShortcutsGiveWayToATextBox()
{
    Started s;
    logInAs(s, QStringLiteral("admin"));
    auto &main = MainWindow();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    auto *window = new TaskWindow(QStringLiteral("frmNotes"));
    auto *box = new QLineEdit(QStringLiteral("Room 101"), window);
    window->Show(ui::vbModeless);
    box->setFocus();
    QVERIFY(box->hasFocus());
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(box->selectedText(), QStringLiteral("Room 101"));
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Room 101"));
    QVERIFY(s.windows.opened.isEmpty());

    main.MdiArea()->setFocus();
    QTest::keyClick(main.MdiArea(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(main.MdiArea(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(s.windows.opened, (QStringList{"frmAdminArea", "frmCustomers"}));
}

void MainFrmTest::helpAndSupportPage()
{
    Started s;
    trigger(QStringLiteral("mnuOpenHelp"));
    QVERIFY(s.dialogs().shown().isEmpty());   // no help file: nothing
    QFile help(s.fx.programFolder() + QStringLiteral("/help.chm"));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    trigger(QStringLiteral("mnuOpenHelp"));
    QCOMPARE(s.dialogs().last().kind, ui::DialogKind::ShellOpen);
    QCOMPARE(s.dialogs().last().text, s.fx.programFolder() + QStringLiteral("/help.chm"));
    trigger(QStringLiteral("mnuOnlineHelp"));
    QCOMPARE(s.dialogs().last().kind, ui::DialogKind::ShellOpen);
    QVERIFY(s.dialogs().last().text.startsWith(QStringLiteral("https://")));
}

void MainFrmTest::aboutBoxModalWithoutLogin()
{
    Started s;
    trigger(QStringLiteral("mnuAbout"));
    QCOMPARE(s.windows.opened, QStringList{"frmAbout"});
    QCOMPARE(s.windows.modes, QList<int>{ui::vbModal});
    QVERIFY(!ui::Forms::IsLoaded<core::frmLogInOut>());
}

void MainFrmTest::statusBarClockAndCapsLock()
{
    Started s;
    auto &main = MainWindow();
    QCOMPARE(main.PanelText(4), QDate::currentDate().toString(vb::ShortDateFormat()));
    QVERIFY(!main.PanelText(3).isEmpty());
    main.SetPanelText(3, QString());
    QTRY_VERIFY(!main.PanelText(3).isEmpty());   // kept current

    // Key presses as the platform delivers them, to the window.
    QCOMPARE(main.PanelText(2), QString());
    QWindow *window = main.windowHandle();
    QTest::keyClick(window, Qt::Key_CapsLock);
    QCOMPARE(main.PanelText(2), QStringLiteral("CAPS"));
    QTest::keyClick(window, Qt::Key_CapsLock);
    QCOMPARE(main.PanelText(2), QString());
    QTest::keyClick(window, 'A');   // a capital without Shift: Caps Lock is on
    QCOMPARE(main.PanelText(2), QStringLiteral("CAPS"));
    QTest::keyClick(window, '1');
    QCOMPARE(main.PanelText(2), QStringLiteral("CAPS"));
    QTest::keyClick(window, 'a');
    QCOMPARE(main.PanelText(2), QString());
}

void MainFrmTest::passwordItemOpensModifyPassword()
{
    Started s;
    logInAs(s, QStringLiteral("admin"));
    QVERIFY(MainWindow().mnuChangeMyPassword->isVisible());
    trigger(QStringLiteral("mnuChangeMyPassword"));
    QVERIFY(ui::Forms::IsLoaded<core::ModifyPassword>());
    QCOMPARE(ChildWindows().size(), 1);
}

QTEST_MAIN(MainFrmTest)
#include "tst_mainfrm.moc"
