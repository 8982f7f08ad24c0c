// The login window and the login module: the master account on an empty user table, the
// exact-match rule, the two behaviours of a failed login, the login row, the rights, and
// the module's own error reports.
#include "mainwindowtesting.h"

#include "ado/connection.h"
#include "core/db/dbworks.h"
#include "core/login/globallogin.h"
#include "core/mainwindow/load_frms.h"
#include "core/ui/balloonhint.h"
#include "core/ui/cballoontooltip.h"
#include "support/scratch_database.h"
#include "vb/conversions.h"
#include "vb/text.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using core::State;
using namespace mainwindowtesting;

namespace {

const QString Wrong = QStringLiteral("Username Or Password Don not match");

struct Started {
    testsupport::CoreFixture fx;
    Started(const QString &engine = QStringLiteral("access")) : fx(engine, false) { core::Main(); }
    ui::ScriptedDialogs &dialogs() { return fx.dialogs(); }
};

core::frmLogInOut &openLogin()
{
    MainWindow().mnuLoginLogOut->trigger();
    return *ui::Forms::Find<core::frmLogInOut>();
}

int count(testsupport::CoreFixture &fx, const QString &sql) { return vb::CInt(fx.scalar(sql)); }

} // namespace

class LoginTest : public QObject {
    Q_OBJECT

private slots:
    void emptyUserTableCreatesMasterAccount_data();
    void emptyUserTableCreatesMasterAccount();
    void masterNameWithApostropheIsStoredAndLoggedIn();
    void loginWritesRowAndLoadsRightsAndHotelInformation_data();
    void loginWritesRowAndLoadsRightsAndHotelInformation();
    void nameMustMatchExactly_data();
    void nameMustMatchExactly();
    void blanksAroundANameNeverLockOut_data();
    void blanksAroundANameNeverLockOut();
    void emptyFieldsAreBalloonHintsInOrder();
    void enterInPasswordBoxLogsIn();
    void failedLoginBeforeAndAfterFirstSuccess();
    void nullRightColumnEndsWithReport();
    void loginWindowWithoutDatabaseReportsLoad();
    void moduleHelpers();
};

void LoginTest::emptyUserTableCreatesMasterAccount_data() { HOTEL_BOTH_ENGINES_DATA(); }

void LoginTest::emptyUserTableCreatesMasterAccount()
{
    HOTEL_FETCH_ENGINE(engine);
    Started s(engine);
    auto &login = openLogin();
    QCOMPARE(login.windowTitle(), QStringLiteral("Create Master Account"));
    QCOMPARE(login.Command1->text(), QStringLiteral("Create"));
    QCOMPARE(login.Frame1->title(), QStringLiteral("Creat a New Account"));
    QCOMPARE(login.loginLabel->text(),
             QStringLiteral("Master Account does not exist! Please create a new master login account."));
    QVERIFY(login.Image2->isVisible());
    QVERIFY(!login.Image1->isVisible());
    QVERIFY(ShowsStars(login.txtPassWord));
    QVERIFY(!ShowsStars(login.txtUserName));

    TypeLogin(QStringLiteral("boss"), QStringLiteral("Secret1"));
    const QList<testsupport::Row> rows = s.fx.query(
        "SELECT cusername, cpassword, cmodifysettings, croomlist, cmodifytax, canViewReport, ccustomerviewedit, "
        "cusertype FROM tbl_users");
    QCOMPARE(rows.size(), 1);
    const testsupport::Row &row = rows.first();
    QCOMPARE(row.value("cusername").asString(), QStringLiteral("boss"));
    QCOMPARE(row.value("cpassword").asString(), Encipher(QStringLiteral("Secret1")));
    for (const char *right : {"cmodifysettings", "croomlist", "cmodifytax", "canviewreport", "ccustomerviewedit",
                              "cusertype"})
        QCOMPARE(vb::CInt(row.value(QString::fromLatin1(right))), int16_t(1));

    QCOMPARE(s.dialogs().messages(), QStringList{"Master account created. You are now logged in as boss"});
    QCOMPARE(s.dialogs().last().icon(), ui::vbInformation);
    QVERIFY(State().mLoggedIn);
    QCOMPARE(State().mUserName, QStringLiteral("boss"));
    QVERIFY(State().mLoginChecked);
    QVERIFY(core::TaxRightGranted());
    QCOMPARE(State().mRightReport, int16_t(1));
    auto &main = MainWindow();
    QCOMPARE(main.PanelText(1), QStringLiteral("Logged In as boss"));
    QCOMPARE(main.mnuLoginLogOut->text(), QStringLiteral("Log Out"));
    QVERIFY(main.mnuChangeMyPassword->isVisible());
    QVERIFY(!ui::Forms::IsLoaded<core::frmLogInOut>());
    QCOMPARE(count(s.fx, "SELECT count(*) FROM tbl_logTable"), 0);   // no row for this login

    // The next login window is a login, not a creation.
    main.mnuLoginLogOut->trigger();
    ProcessDeletes();
    auto &next = openLogin();
    QCOMPARE(next.windowTitle(), QStringLiteral("Login"));
    QCOMPARE(next.Command1->text(), QStringLiteral("Login"));
    QCOMPARE(next.loginLabel->text(), QStringLiteral("Please login with your valid username and password to proceed."));
    QVERIFY(next.Image1->isVisible());
    QVERIFY(next.txtUserName->text().isEmpty());
}

void LoginTest::masterNameWithApostropheIsStoredAndLoggedIn()
{
    Started s;
    ReportProbe reports;
    openLogin();
    TypeLogin(QStringLiteral("D'Arcy"), QStringLiteral("pw"));
    QVERIFY(reports.errors.isEmpty());
    QCOMPARE(s.fx.scalar("SELECT cusername FROM tbl_users").asString(), QStringLiteral("D'Arcy"));
    QVERIFY(State().mLoggedIn);
    QCOMPARE(State().mUserName, QStringLiteral("D'Arcy"));
    MainWindow().mnuLoginLogOut->trigger();
    ProcessDeletes();
    s.dialogs().clear();
    TypeLogin(QStringLiteral("D'Arcy"), QStringLiteral("pw"));
    QCOMPARE(s.dialogs().messages(), QStringList{"You are logged in as D'Arcy"});
    QCOMPARE(count(s.fx, "SELECT count(*) FROM tbl_logTable WHERE LogText = 'User Logged in : D''Arcy' "
                         "AND LoggedUser = 'D''Arcy'"), 1);
}

void LoginTest::loginWritesRowAndLoadsRightsAndHotelInformation_data() { HOTEL_BOTH_ENGINES_DATA(); }

void LoginTest::loginWritesRowAndLoadsRightsAndHotelInformation()
{
    HOTEL_FETCH_ENGINE(engine);
    Started s(engine);
    AddUser(s.fx, QStringLiteral("Mary"), QStringLiteral("m4ry"), Rights{0, 1, 0, 1, 0});
    s.fx.exec("UPDATE tbl_HotelInfo SET HotelName = 'Harbour Inn', AddOrderSign = 0 WHERE ID = 1");
    QCOMPARE(State().mOrderSign, QStringLiteral("#"));   // as read at start

    TypeLogin(QStringLiteral("Mary"), QStringLiteral("m4ry"));
    QCOMPARE(s.dialogs().messages(), QStringList{"You are logged in as Mary"});
    QCOMPARE(s.dialogs().last().icon(), ui::vbInformation);
    QVERIFY(State().mLoggedIn);
    QCOMPARE(State().mRightSettings, int16_t(0));
    QCOMPARE(State().mRightRoomList, int16_t(1));
    QVERIFY(!core::TaxRightGranted());
    QCOMPARE(State().mRightReport, int16_t(1));
    QCOMPARE(State().mRightCustomers, int16_t(0));
    QCOMPARE(State().mHotelName, QStringLiteral("Harbour Inn"));
    QCOMPARE(State().mOrderSign, QString());
    const QList<testsupport::Row> log = s.fx.query("SELECT LogText, LoggedUser, LogKey FROM tbl_logTable");
    QCOMPARE(log.size(), 1);
    QCOMPARE(log.first().value("logtext").asString(), QStringLiteral("User Logged in : Mary"));
    QCOMPARE(log.first().value("loggeduser").asString(), QStringLiteral("Mary"));
    QCOMPARE(log.first().value("logkey").asString(), QStringLiteral("LoginLogout"));
    QCOMPARE(MainWindow().PanelText(1), QStringLiteral("Logged In as Mary"));
    QVERIFY(!ui::Forms::IsLoaded<core::frmLogInOut>());
}

void LoginTest::nameMustMatchExactly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::newRow("other capitals") << "MARY" << "m4ry";
    QTest::newRow("password capitals") << "Mary" << "M4RY";
    QTest::newRow("unknown name") << "Marie" << "m4ry";
}

void LoginTest::nameMustMatchExactly()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    Started s;
    AddUser(s.fx, QStringLiteral("Mary"), QStringLiteral("m4ry"));
    TypeLogin(name, password);
    QCOMPARE(s.dialogs().messages(), QStringList{Wrong});
    QCOMPARE(s.dialogs().last().icon(), ui::vbCritical);
    QCOMPARE(s.dialogs().last().title, QStringLiteral("Wrong Username/Password"));
    QVERIFY(!State().mLoggedIn);
    QVERIFY(!State().mLoginChecked);
    QCOMPARE(count(s.fx, "SELECT count(*) FROM tbl_logTable"), 0);
    QVERIFY(core::CheckUserPassword(QStringLiteral("Mary"), QStringLiteral("m4ry")));
    QVERIFY(!core::CheckUserPassword(name, password));
}

void LoginTest::blanksAroundANameNeverLockOut_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<bool>("madeHere");   // the master account made in the login window, or
                                          // a row an earlier version stored with the blanks
    QTest::addColumn<QString>("made");
    QTest::addColumn<QString>("typedLater");
    for (const char *engine : {"access", "mariadb"}) {
        auto row = [&](const char *name) -> QTestData & {
            return QTest::addRow("%s: %s", engine, name) << QString::fromLatin1(engine);
        };
        row("master typed with a trailing blank") << true << "boss " << "boss";
        row("master typed with a leading blank, typed so again") << true << " boss" << " boss";
        row("master typed plain, typed with a trailing blank") << true << "boss" << "boss ";
        row("stored with a trailing blank, typed plain") << false << "boss " << "boss";
        row("stored with a trailing blank, typed so") << false << "boss " << "boss ";
    }
}

// Made and looked up the same way, without the blanks around it: the master account's rights
// load at once, and every later login by that name succeeds.
void LoginTest::blanksAroundANameNeverLockOut()
{
    HOTEL_FETCH_ENGINE(engine);
    QFETCH(bool, madeHere);
    QFETCH(QString, made);
    QFETCH(QString, typedLater);
    Started s(engine);
    ReportProbe reports;
    if (madeHere) {
        openLogin();
        TypeLogin(made, QStringLiteral("pw"));
        QCOMPARE(s.dialogs().messages(), QStringList{"Master account created. You are now logged in as boss"});
        QCOMPARE(s.fx.scalar("SELECT cusername FROM tbl_users").asString(), QStringLiteral("boss"));
        QVERIFY(State().mLoggedIn);
        QCOMPARE(State().mUserName, QStringLiteral("boss"));
        QCOMPARE(State().mRightSettings, int16_t(1));
        QVERIFY(core::TaxRightGranted());
        QCOMPARE(MainWindow().PanelText(1), QStringLiteral("Logged In as boss"));
        MainWindow().mnuLoginLogOut->trigger();
        ProcessDeletes();
        s.dialogs().clear();
    } else {
        AddUser(s.fx, made, QStringLiteral("pw"));
    }

    TypeLogin(typedLater, QStringLiteral("pw"));
    QCOMPARE(s.dialogs().messages(), QStringList{"You are logged in as boss"});
    QVERIFY(State().mLoggedIn);
    QCOMPARE(vb::Trim(State().mUserName), QStringLiteral("boss"));
    QCOMPARE(State().mRightReport, int16_t(1));
    QVERIFY(reports.errors.isEmpty());
    QVERIFY(core::CheckUserPassword(typedLater, QStringLiteral("pw")));
    QVERIFY(!core::CheckUserPassword(typedLater, QStringLiteral("PW")));
}

void LoginTest::emptyFieldsAreBalloonHintsInOrder()
{
    Started s;
    AddUser(s.fx, QStringLiteral("Mary"), QStringLiteral("m4ry"));
    auto &login = openLogin();
    const QString lookup = State().mLastSQL;
    login.Command1_Click();
    auto shown = core::CBalloonToolTip::LastShown();
    QCOMPARE(shown.title, QStringLiteral("Please Enter Username"));
    QCOMPARE(shown.text, QStringLiteral("Please Enter User Name!"));
    QCOMPARE(shown.target.data(), login.txtUserName);
    QCOMPARE(State().mTipTarget.data(), login.txtUserName);
    login.txtUserName->setText(QStringLiteral("Mary"));
    login.Command1_Click();
    shown = core::CBalloonToolTip::LastShown();
    QCOMPARE(shown.title, QStringLiteral("Please Enter Password"));
    QCOMPARE(shown.text, QStringLiteral("Please Enter Password!"));
    QCOMPARE(shown.target.data(), login.txtPassWord);
    QVERIFY(shown.isVisible());
    QCOMPARE(State().mLastSQL, lookup);   // nothing was queried
    QVERIFY(s.dialogs().shown().isEmpty());
    login.txtPassWord->setText(QStringLiteral("x"));   // typing removes the balloon
    QVERIFY(!core::CBalloonToolTip::LastShown().isVisible());
}

void LoginTest::enterInPasswordBoxLogsIn()
{
    Started s;
    AddUser(s.fx, QStringLiteral("Mary"), QStringLiteral("m4ry"));
    auto &login = openLogin();
    login.txtUserName->setText(QStringLiteral("Mary"));
    login.txtPassWord->setText(QStringLiteral("m4ry"));
    QTest::keyClick(login.txtPassWord, Qt::Key_Return);
    ProcessDeletes();
    QVERIFY(State().mLoggedIn);
    QVERIFY(!ui::Forms::IsLoaded<core::frmLogInOut>());
}

void LoginTest::failedLoginBeforeAndAfterFirstSuccess()
{
    Started s;
    AddUser(s.fx, QStringLiteral("Mary"), QStringLiteral("m4ry"));
    // Before any success: the window stays with the typed texts.
    TypeLogin(QStringLiteral("Mary"), QStringLiteral("wrong"));
    QCOMPARE(s.dialogs().messages(), QStringList{Wrong});
    auto *login = ui::Forms::Find<core::frmLogInOut>();
    QVERIFY(login && login->isVisible());
    QCOMPARE(login->txtUserName->text(), QStringLiteral("Mary"));
    QCOMPARE(login->txtPassWord->text(), QStringLiteral("wrong"));

    TypeLogin(QStringLiteral("Mary"), QStringLiteral("m4ry"));
    QVERIFY(State().mLoggedIn);
    MainWindow().mnuLoginLogOut->trigger();
    ProcessDeletes();
    s.dialogs().clear();

    // After one: the message, and the window closes.
    TypeLogin(QStringLiteral("Mary"), QStringLiteral("wrong"));
    QCOMPARE(s.dialogs().messages(), QStringList{Wrong});
    QVERIFY(!ui::Forms::IsLoaded<core::frmLogInOut>());
    QVERIFY(!State().mLoggedIn);
    QCOMPARE(MainWindow().PanelText(1), QStringLiteral("Not Logged In"));
    QCOMPARE(count(s.fx, "SELECT count(*) FROM tbl_logTable WHERE LogText LIKE 'User Logged in%'"), 1);
}

void LoginTest::nullRightColumnEndsWithReport()
{
    Started s;
    ReportProbe reports;
    s.fx.exec(QStringLiteral("INSERT INTO tbl_users (cusername, cpassword, cmodifysettings, croomlist, cmodifytax, "
                             "canViewReport, ccustomerviewedit) VALUES ('Tom', '%1', 1, NULL, 1, 1, 1)")
                  .arg(Encipher(QStringLiteral("pw"))));
    TypeLogin(QStringLiteral("Tom"), QStringLiteral("pw"));
    QCOMPARE(reports.modes, QList<core::ReportMode>{core::ReportMode::Modeless});
    QVERIFY2(reports.errors.first().startsWith(QStringLiteral("Error Code : FRLOG001\r\n")),
             qPrintable(reports.errors.first()));
    QVERIFY(State().mLoginChecked);
    QCOMPARE(State().mRightSettings, int16_t(1));   // read before the Null one
    QVERIFY(!State().mLoggedIn);
    QVERIFY(ui::Forms::IsLoaded<core::frmLogInOut>());
    QVERIFY(s.dialogs().shown().isEmpty());
}

void LoginTest::loginWindowWithoutDatabaseReportsLoad()
{
    Started s;
    ReportProbe reports;
    int settingsOpened = 0;
    core::SetDatabaseSettingsWindow({[] { return false; }, [&] { ++settingsOpened; }});
    State().mConn.reset();
    State().mConn = std::make_shared<ado::Connection>();   // closed
    openLogin();
    core::SetDatabaseSettingsWindow({});
    QCOMPARE(settingsOpened, 1);
    QCOMPARE(reports.modes, QList<core::ReportMode>{core::ReportMode::Modeless});
    QVERIFY(reports.errors.first().startsWith(QStringLiteral("Error Code : FRLOG002\r\n")));
    QVERIFY(ui::Forms::IsLoaded<core::frmLogInOut>());

    // CheckUserPassword and CheckLoginQuiet report GL0003 and count as a mismatch.
    QVERIFY(!core::CheckUserPassword(QStringLiteral("a"), QStringLiteral("b")));
    QVERIFY(!core::CheckLoginQuiet());
    QCOMPARE(reports.errors.size(), 3);
    QVERIFY(reports.errors.at(1).startsWith(QStringLiteral("Error Code : GL0003\r\n")));
    QVERIFY(reports.errors.at(2).startsWith(QStringLiteral("Error Code : GL0003\r\n")));
    QCOMPARE(reports.modes.at(2), core::ReportMode::Modeless);
}

void LoginTest::moduleHelpers()
{
    QCOMPARE(core::StripQuotesAndHash(QStringLiteral("#O'Neil's #12")), QStringLiteral("ONeils 12"));
    QCOMPARE(core::NoPrivilegeMessage(),
             QStringLiteral("You do not have sufficient privileges to access this section. "));
    testsupport::CoreFixture fx;
    QVERIFY(core::NoUserAccounts());
    AddUser(fx, QStringLiteral("x"), QStringLiteral("y"));
    QVERIFY(!core::NoUserAccounts());
    // The tax right compares with 1 whatever its type; Empty (no login yet) is not 1.
    QVERIFY(!core::TaxRightGranted());
    State().mRightTax = vb::Variant(int16_t(1));
    QVERIFY(core::TaxRightGranted());
    State().mRightTax = vb::Variant(QStringLiteral("1"));
    QVERIFY(core::TaxRightGranted());
    State().mRightTax = vb::Null;
    QVERIFY(!core::TaxRightGranted());
}

QTEST_MAIN(LoginTest)
#include "tst_login.moc"
