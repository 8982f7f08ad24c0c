// The user accounts tab and the user rights editor: an account added here logs in through the
// real login window and the main window's rights rule follows its boxes; names are cleaned
// once; the account in use, the master account and the last administrator stay.
#include "admintesting.h"

#include "backoffice/adminarea/usereditfloat.h"
#include "backoffice/register.h"
#include "core/mainwindow/load_frms.h"
#include "core/mainwindow/mainwindowtesting.h"
#include "core/state/windowregistry.h"
#include "core/ui/cballoontooltip.h"
#include "support/scratch_database.h"
#include "support/screenchecks.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using backoffice::frmAdminArea;
using backoffice::UserEditFloat;
using namespace admintesting;

namespace {

struct Boxes {
    bool settings = false, roomList = false, tax = false, customers = false, reports = false;
};

void tick(frmAdminArea &admin, Boxes boxes)
{
    admin.CheckModifySettings->setChecked(boxes.settings);
    admin.CheckCanViewRoomList->setChecked(boxes.roomList);
    admin.CheckCanAddModifyTax->setChecked(boxes.tax);
    admin.CheckCanViewEditCustomreList->setChecked(boxes.customers);
    admin.canViewReport->setChecked(boxes.reports);
}

void addAccount(AdminSession &s, const QString &name, const QString &password, Boxes boxes = {})
{
    frmAdminArea &admin = s.window();
    admin.txtUserName->setText(name);
    admin.txtPassWord->setText(password);
    tick(admin, boxes);
    s.yes();
    admin.Command1_Click();
}

// A master account (cusertype 1) made behind the program's back.
void addMaster(AdminSession &s, const QString &name)
{
    s.fx.exec(QStringLiteral("INSERT INTO tbl_users (cusername, cpassword, cmodifysettings, croomlist, cmodifytax, "
                             "canViewReport, ccustomerviewedit, cusertype) VALUES ('%1', 'x', 1, 1, 1, 1, 1, 1)")
                  .arg(name));
}

int accounts(AdminSession &s) { return s.count(QStringLiteral("SELECT count(*) FROM tbl_users")); }

// Removes the account by its row through the list's popup, answering Yes when `asked`.
void removeAccount(AdminSession &s, const QString &name, bool asked)
{
    QVERIFY(selectRow(s.window().UserList, name));
    s.dialogs().reply(ui::Reply::menuItem(QStringLiteral("mnuRemoveUser")));
    if (asked)
        s.yes();
    s.window().UserList_MouseDown(2);
    QCOMPARE(s.dialogs().pendingReplies(), 0);
}

void editRights(AdminSession &s, const QString &name, const std::function<void(UserEditFloat &)> &edit)
{
    QVERIFY(selectRow(s.window().UserList, name));
    QVERIFY(workInEditor<UserEditFloat>(s.dialogs(), QStringLiteral("mnuEditUser"),
                                        [&] { s.window().UserList_MouseDown(2); }, edit));
}

} // namespace

class TestAdminUsers : public QObject {
    Q_OBJECT

private slots:
    void init() { core::CBalloonToolTip::ClearLastShown(); }

    void addedAccountShowsItsRights_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void addedAccountShowsItsRights();
    void namesCleanedOnceAndDuplicatesRefused_data();
    void namesCleanedOnceAndDuplicatesRefused();
    void accountAddedHereLogsInAndRightsRuleFollowsItsBoxes_data();
    void accountAddedHereLogsInAndRightsRuleFollowsItsBoxes();
    void mainWindowItemAndButtonOpenTheWindow();
    void selfMasterAndLastAdministratorStay();
    void rightsEditorKeepsMasterAndLastAdministrator();
    void rightsEditorSavesTheChosenAccount();
    void rightsEditorKeys_data();
    void rightsEditorKeys();
    void rightsEditorOfALongNameShowsWhole();
};

void TestAdminUsers::addedAccountShowsItsRights()
{
    HOTEL_FETCH_ENGINE(engine);
    AdminSession s(engine);
    addAccount(s, QStringLiteral(" O'Neil "), QStringLiteral(" pw1 "), {true, false, true, false, true});
    QCOMPARE(s.dialogs().last().text, QStringLiteral("Add new user?"));
    QCOMPARE(s.dialogs().last().title, QStringLiteral("Add User"));
    QCOMPARE(s.dialogs().last().style, 324);

    const auto rows = s.fx.query(QStringLiteral("SELECT * FROM tbl_users"));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(vb::CStr(rows[0]["cusername"]), QStringLiteral("ONeil"));
    QCOMPARE(vb::CStr(rows[0]["cpassword"]), mainwindowtesting::Encipher(QStringLiteral("pw1")));
    QCOMPARE(vb::CLng(rows[0]["cusertype"]), 0);
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_logTable WHERE LogText = 'New Account Created with "
                                    "User Name : ONeil' AND LoggedUser = 'admin' AND LogKey = 'UserAddRemove'")),
             1);
    const controls::ReportList *list = s.window().UserList;
    QCOMPARE(list->count(), 1);
    QStringList shown;
    for (int column = 0; column <= 5; ++column)
        shown << list->subItem(1, column);
    QCOMPARE(shown, (QStringList{"ONeil", "Yes", "No", "Yes", "No", "Yes"}));
    QCOMPARE(list->subItem(1, 6), vb::CStr(rows[0]["id"]));
}

void TestAdminUsers::namesCleanedOnceAndDuplicatesRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("hint");      // the balloon's title, or empty
    QTest::addColumn<QString>("message");   // the message box, or empty
    QTest::newRow("same") << "ann" << "pw" << "" << "Username ann already exist!, Try another name.";
    QTest::newRow("blanks around") << " ann " << "pw" << "" << "Username ann already exist!, Try another name.";
    QTest::newRow("apostrophe") << "an'n" << "pw" << "" << "Username ann already exist!, Try another name.";
    QTest::newRow("other case") << "ANN" << "pw" << "" << "Username ANN already exist!, Try another name.";
    QTest::newRow("blanks only") << "   " << "pw" << "Please enter User Name" << "";
    QTest::newRow("empty name and password") << "" << "" << "Please enter User Name" << "";
    QTest::newRow("no password") << "bob" << "" << "Please enter User Password" << "";
}

void TestAdminUsers::namesCleanedOnceAndDuplicatesRefused()
{
    QFETCH(QString, typed);
    QFETCH(QString, password);
    QFETCH(QString, hint);
    QFETCH(QString, message);
    AdminSession s;
    addAccount(s, QStringLiteral("ann"), QStringLiteral("pw"));
    s.dialogs().clear();

    addAccount(s, typed, password);
    QCOMPARE(accounts(s), 1);
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_logTable")), 1);
    QCOMPARE(core::CBalloonToolTip::LastShown().title, hint);
    QCOMPARE(s.dialogs().messages().contains(message), !message.isEmpty());
}

void TestAdminUsers::accountAddedHereLogsInAndRightsRuleFollowsItsBoxes_data()
{
    QTest::addColumn<int>("right");   // which box is ticked: 0 settings ... 4 reports
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("settings") << 0 << QStringList{"frmAdminArea"};
    QTest::newRow("room list") << 1 << QStringList{"frmRoomList"};
    QTest::newRow("tax") << 2 << QStringList{"frmTax"};
    QTest::newRow("customers") << 3 << QStringList{"frmCustomers", "frmCustomersHistory"};
    QTest::newRow("reports") << 4 << QStringList{"frmStats", "frmLog"};
}

// The account made here, with one box ticked, logs in through the login window; of the
// guarded items exactly those of its box open their windows, the others are refused.
void TestAdminUsers::accountAddedHereLogsInAndRightsRuleFollowsItsBoxes()
{
    using namespace mainwindowtesting;
    QFETCH(int, right);
    QFETCH(QStringList, opened);
    Boxes boxes;
    bool *const ticks[] = {&boxes.settings, &boxes.roomList, &boxes.tax, &boxes.customers, &boxes.reports};
    *ticks[right] = true;
    {
        AdminSession s;
        addAccount(s, QStringLiteral("clerk"), QStringLiteral("secret"), boxes);
        s.dialogs().clear();
        core::State().mLoggedIn = false;
        core::State().mUserName.clear();
        ui::Forms::Unload<frmAdminArea>();
        processDeletes();

        OpenedWindows windows;
        core::Main();
        TypeLogin(QStringLiteral("clerk"), QStringLiteral("secret"));
        QVERIFY(core::State().mLoggedIn);
        QCOMPARE(core::State().mUserName, QStringLiteral("clerk"));
        for (const char *item : {"mnuAdministration", "mnuRoomList", "taxEditor", "mnuCustomerList",
                                 "mnuCustomerHistoryList", "mnuReport", "mnuLog"}) {
            auto *action = MainWindow().findChild<QAction *>(QString::fromLatin1(item));
            QVERIFY2(action, item);
            action->trigger();
        }
        QCOMPARE(windows.opened, opened);
        QCOMPARE(s.dialogs().messages().size(), 7 - opened.size() + 1);   // the login message too
        ui::Forms::Unload<core::mainFrm>();
        processDeletes();
    }
}

// With the back office windows registered as the program registers them, the main window's
// item and toolbar button open the administration window as a child window.
void TestAdminUsers::mainWindowItemAndButtonOpenTheWindow()
{
    using namespace mainwindowtesting;
    testsupport::CoreFixture fx;
    AddUser(fx, QStringLiteral("boss"), QStringLiteral("pw"), Rights{1, 0, 0, 0, 0});
    backoffice::RegisterBackOfficeWindows();
    core::Main();
    TypeLogin(QStringLiteral("boss"), QStringLiteral("pw"));
    QVERIFY(core::State().mLoggedIn);
    for (const char *item : {"mnuAdministration", "toolAdmin"}) {
        auto *action = MainWindow().findChild<QAction *>(QString::fromLatin1(item));
        QVERIFY2(action, item);
        action->trigger();
        auto *admin = ui::Forms::Find<frmAdminArea>();
        QVERIFY2(admin && admin->isVisible(), item);
        QCOMPARE(admin->Caption(), QStringLiteral("Administration"));
        QVERIFY(admin->SubWindow());
        QVERIFY(ChildWindows().contains(admin->SubWindow()));
        ui::Forms::Unload<frmAdminArea>();
        processDeletes();
    }
    ui::Forms::Unload<core::mainFrm>();
    processDeletes();
}

void TestAdminUsers::selfMasterAndLastAdministratorStay()
{
    AdminSession s(QStringLiteral("access"), QStringLiteral("clerk"));
    addMaster(s, QStringLiteral("owner"));
    addAccount(s, QStringLiteral("clerk"), QStringLiteral("pw"));
    addAccount(s, QStringLiteral("deputy"), QStringLiteral("pw"), {true});
    addAccount(s, QStringLiteral("night"), QStringLiteral("pw"));
    s.window().UserListView();
    s.dialogs().clear();

    removeAccount(s, QStringLiteral("clerk"), false);
    QCOMPARE(s.dialogs().last().text, QStringLiteral("You are logged in as clerk. This account can not be removed."));
    removeAccount(s, QStringLiteral("owner"), false);
    QCOMPARE(s.dialogs().last().text, QStringLiteral("User is Administrator! This feature is disabled for this user."));
    QCOMPARE(accounts(s), 4);

    // The deputy may go while the master account keeps the access; the plain account too.
    removeAccount(s, QStringLiteral("deputy"), true);
    QCOMPARE(s.dialogs().last().text, QStringLiteral("Remove 'deputy' user from the record?"));
    removeAccount(s, QStringLiteral("night"), true);
    QCOMPARE(columnOf(s.window().UserList), (QStringList{"owner", "clerk"}));

    // Without a master account, the last account with the access stays.
    s.fx.exec(QStringLiteral("UPDATE tbl_users SET cusertype = 0"));
    s.fx.exec(QStringLiteral("UPDATE tbl_users SET cmodifysettings = 0 WHERE cusername = 'clerk'"));
    s.dialogs().clear();
    removeAccount(s, QStringLiteral("owner"), false);
    QCOMPARE(s.dialogs().last().text, QStringLiteral("At least one account must keep the access to the Admin Area."));
    QCOMPARE(accounts(s), 2);
}

void TestAdminUsers::rightsEditorKeepsMasterAndLastAdministrator()
{
    AdminSession s;
    addMaster(s, QStringLiteral("owner"));
    addAccount(s, QStringLiteral("deputy"), QStringLiteral("pw"), {true, true});
    s.window().UserListView();
    s.dialogs().clear();

    editRights(s, QStringLiteral("owner"), [&](UserEditFloat &editor) {
        QCOMPARE(editor.windowTitle(), QStringLiteral("User Prevelages Editor"));
        QCOMPARE(editor.lbusername->text(), QStringLiteral("User Name : owner"));
        QVERIFY(editor.CheckModifySettings->isChecked());
        editor.CheckModifySettings->setChecked(false);
        QVERIFY(editor.CheckModifySettings->isChecked());
        QCOMPARE(s.dialogs().last().text,
                 QStringLiteral("User is Administrator! This feature is disabled for this user."));
        QCOMPARE(s.dialogs().last().icon(), ui::vbCritical);
        QCOMPARE(s.dialogs().last().title, QStringLiteral("Brevant"));
        editor.CheckCanViewRoomList->setChecked(false);   // the other rights can go
        editor.Command1_Click();
    });
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_users WHERE cusername = 'owner' AND cmodifysettings = 1 "
                                    "AND croomlist = 0")),
             1);

    // Without the master account, the deputy is the last with the access.
    s.fx.exec(QStringLiteral("UPDATE tbl_users SET cmodifysettings = 0, cusertype = 0 WHERE cusername = 'owner'"));
    s.dialogs().clear();
    editRights(s, QStringLiteral("deputy"), [&](UserEditFloat &editor) {
        editor.CheckModifySettings->setChecked(false);
        QVERIFY(editor.CheckModifySettings->isChecked());
        QCOMPARE(s.dialogs().last().text, QStringLiteral("At least one account must keep the access to the Admin Area."));
    });
}

void TestAdminUsers::rightsEditorSavesTheChosenAccount()
{
    AdminSession s;
    addAccount(s, QStringLiteral("ann"), QStringLiteral("pw"), {true});
    addAccount(s, QStringLiteral("bob"), QStringLiteral("pw"), {true, true, true, true, true});
    s.dialogs().clear();

    editRights(s, QStringLiteral("bob"), [&](UserEditFloat &editor) {
        QVERIFY(editor.canViewReport->isChecked());
        editor.CheckModifySettings->setChecked(false);   // ann keeps the access
        QVERIFY(!editor.CheckModifySettings->isChecked());
        editor.CheckCanAddModifyTax->setChecked(false);
        editor.Command1_Click();
    });
    QCOMPARE(s.dialogs().last().text, QStringLiteral("Succesfully Modified User's privileges!\r\nYou need to restart "
                                                     "the program after this change."));
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_users WHERE cusername = 'bob' AND cmodifysettings = 0 "
                                    "AND croomlist = 1 AND cmodifytax = 0 AND ccustomerviewedit = 1 AND "
                                    "canViewReport = 1")),
             1);
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_users WHERE cusername = 'ann' AND cmodifysettings = 1 "
                                    "AND croomlist = 0")),
             1);
    QCOMPARE(s.window().UserList->subItem(2, 1), QStringLiteral("No"));

    // An account removed while its editor is open: nothing is reported as saved.
    s.dialogs().clear();
    editRights(s, QStringLiteral("ann"), [&](UserEditFloat &editor) {
        s.fx.exec(QStringLiteral("DELETE FROM tbl_users WHERE cusername = 'ann'"));
        editor.Command1_Click();
        QVERIFY(s.dialogs().messages().isEmpty());
    });
}

void TestAdminUsers::rightsEditorKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("reports");   // the right as stored afterwards
    QTest::newRow("Escape closes without saving") << int(Qt::Key_Escape) << 1;
    QTest::newRow("Enter modifies") << int(Qt::Key_Return) << 0;
}

// The rights editor answers the keys of a dialog box: Enter runs "Modify", Escape cancels.
void TestAdminUsers::rightsEditorKeys()
{
    QFETCH(int, key);
    QFETCH(int, reports);
    AdminSession s;
    addAccount(s, QStringLiteral("bob"), QStringLiteral("pw"), {false, false, false, false, true});
    bool closed = false;
    editRights(s, QStringLiteral("bob"), [&](UserEditFloat &editor) {
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        editor.canViewReport->setChecked(false);
        editor.canViewReport->setFocus();
        QTest::keyClick(editor.canViewReport, Qt::Key(key));
        closed = !editor.isVisible();
    });
    QVERIFY(closed);
    QCOMPARE(s.count(QStringLiteral("SELECT canViewReport FROM tbl_users WHERE cusername = 'bob'")), reports);
}

// The longest name an account can have: the editor opens inside the screen with both buttons
// shown, and names the account in what room its boxes give it.
void TestAdminUsers::rightsEditorOfALongNameShowsWhole()
{
    AdminSession s;
    const QString name(255, QLatin1Char('W'));
    s.fx.exec(QStringLiteral("INSERT INTO tbl_users (cusername, cpassword, cmodifysettings, croomlist, cmodifytax, "
                             "canViewReport, ccustomerviewedit) VALUES ('%1', 'x', 0, 1, 0, 0, 1)")
                  .arg(name));
    s.window().UserListView();
    editRights(s, name, [&](UserEditFloat &editor) {
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const QRect room = editor.screen()->availableGeometry();
        const QRect frame = editor.frameGeometry();
        QVERIFY2(room.contains(frame), qPrintable(QStringLiteral("editor %1,%2 %3 x %4 on a screen of %5 x %6")
                                                      .arg(frame.x()).arg(frame.y()).arg(frame.width())
                                                      .arg(frame.height()).arg(room.width()).arg(room.height())));
        for (QWidget *field : {static_cast<QWidget *>(editor.Command1), static_cast<QWidget *>(editor.Command2),
                               static_cast<QWidget *>(editor.CheckModifySettings)})
            QVERIFY2(editor.rect().contains(field->geometry()), qPrintable(field->objectName()));
        QCOMPARE(editor.lbusername->text(), QStringLiteral("User Name : ") + name);
        QVERIFY(editor.lbusername->shownText().endsWith(QChar(0x2026)));
        QVERIFY(testsupport::SaveScreenshot(editor, QStringLiteral("UserEditFloat-long-name"), true));
    });
}

QTEST_MAIN(TestAdminUsers)
#include "tst_adminusers.moc"
