// The password change: any account whose name and current password are typed, the exact
// name rule, the balloon order, and what the change does to later logins.
#include "mainwindowtesting.h"

#include "core/db/dbworks.h"
#include "core/login/globallogin.h"
#include "core/mainwindow/load_frms.h"
#include "core/ui/cballoontooltip.h"
#include "core/windows/modifypassword.h"
#include "vb/conversions.h"

#include <QtTest>

using core::State;
using namespace mainwindowtesting;

namespace {

struct LoggedIn {
    testsupport::CoreFixture fx{QStringLiteral("access"), false};
    LoggedIn()
    {
        core::Main();
        AddUser(fx, QStringLiteral("manager"), QStringLiteral("boss"));
        AddUser(fx, QStringLiteral("Ann O'Neil"), QStringLiteral("old"));
        TypeLogin(QStringLiteral("manager"), QStringLiteral("boss"));
        fx.dialogs().clear();
    }
};

core::ModifyPassword &openWindow()
{
    MainWindow().mnuChangeMyPassword->trigger();
    return *ui::Forms::Find<core::ModifyPassword>();
}

void fill(core::ModifyPassword &w, const QString &name, const QString &current, const QString &fresh)
{
    w.txtUserName->setText(name);
    w.txtPassWord->setText(current);
    w.txtNewPassWord->setText(fresh);
}

} // namespace

class ModifyPasswordTest : public QObject {
    Q_OBJECT

private slots:
    void changesAnotherAccountsPassword();
    void enterInAnyBoxModifies();
    void wrongNameOrPasswordChangesNothing_data();
    void wrongNameOrPasswordChangesNothing();
    void emptyFieldsAreBalloonHintsInOrder();
    void failedUpdateIsNotReportedAsSuccess();
};

void ModifyPasswordTest::changesAnotherAccountsPassword()
{
    LoggedIn s;
    auto &w = openWindow();
    QCOMPARE(w.windowTitle(), QStringLiteral(" Modify Password"));
    fill(w, QStringLiteral("Ann O'Neil"), QStringLiteral("old"), QStringLiteral("n3w"));
    w.Command1_Click();
    ProcessDeletes();
    QCOMPARE(s.fx.dialogs().messages(), QStringList{"Password succesfully changed!"});
    QCOMPARE(s.fx.dialogs().last().title, QStringLiteral("Password changed"));
    QCOMPARE(s.fx.dialogs().last().icon(), ui::vbInformation);
    QVERIFY(!ui::Forms::IsLoaded<core::ModifyPassword>());
    QCOMPARE(s.fx.scalar("SELECT cpassword FROM tbl_users WHERE cusername = 'Ann O''Neil'").asString(),
             Encipher(QStringLiteral("n3w")));
    QVERIFY(!core::CheckUserPassword(QStringLiteral("Ann O'Neil"), QStringLiteral("old")));
    QVERIFY(core::CheckUserPassword(QStringLiteral("Ann O'Neil"), QStringLiteral("n3w")));
    QVERIFY(core::CheckUserPassword(QStringLiteral("manager"), QStringLiteral("boss")));
    QVERIFY(State().mLoggedIn);
    QCOMPARE(State().mUserName, QStringLiteral("manager"));
    QCOMPARE(vb::CInt(s.fx.scalar("SELECT count(*) FROM tbl_logTable WHERE LogText NOT LIKE 'User Logged in%'")),
             int16_t(0));
}

void ModifyPasswordTest::enterInAnyBoxModifies()
{
    LoggedIn s;
    for (const char *box : {"txtUserName", "txtPassWord", "txtNewPassWord"}) {
        auto &w = openWindow();
        fill(w, QStringLiteral("Ann O'Neil"), QStringLiteral("old"), QStringLiteral("old"));
        QVERIFY(QTest::qWaitForWindowActive(w.window()));
        auto *typedIn = w.findChild<QLineEdit *>(QString::fromLatin1(box));
        QVERIFY2(typedIn, box);
        typedIn->setFocus();
        QTest::keyClick(typedIn, Qt::Key_Return);
        ProcessDeletes();
        QVERIFY2(!ui::Forms::IsLoaded<core::ModifyPassword>(), box);
        QCOMPARE(s.fx.dialogs().messages(), QStringList{"Password succesfully changed!"});
        s.fx.dialogs().clear();
    }
}

void ModifyPasswordTest::wrongNameOrPasswordChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("current");
    QTest::newRow("other capitals") << "ann o'neil" << "old";
    QTest::newRow("wrong password") << "Ann O'Neil" << "OLD";
    QTest::newRow("unknown") << "Bob" << "old";
}

void ModifyPasswordTest::wrongNameOrPasswordChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, current);
    LoggedIn s;
    auto &w = openWindow();
    fill(w, name, current, QStringLiteral("n3w"));
    w.Command1_Click();
    ProcessDeletes();
    QCOMPARE(s.fx.dialogs().messages(), QStringList{"Wrong Username or password! Password not changed!"});
    QCOMPARE(s.fx.dialogs().last().icon(), ui::vbCritical);
    QCOMPARE(s.fx.dialogs().last().title, QStringLiteral("Brevant"));
    QVERIFY(ui::Forms::IsLoaded<core::ModifyPassword>());
    QCOMPARE(w.txtUserName->text(), name);
    QVERIFY(core::CheckUserPassword(QStringLiteral("Ann O'Neil"), QStringLiteral("old")));
}

void ModifyPasswordTest::emptyFieldsAreBalloonHintsInOrder()
{
    LoggedIn s;
    auto &w = openWindow();
    QCOMPARE(w.windowTitle(), QStringLiteral(" Modify Password"));
    QVERIFY(!ShowsStars(w.txtUserName));
    QVERIFY(ShowsStars(w.txtPassWord));
    QVERIFY(ShowsStars(w.txtNewPassWord));
    struct Step { QLineEdit *box; const char *title, *text; };
    const Step steps[] = {
        {w.txtUserName, "Please Enter Username", "Please Enter User Name!"},
        {w.txtPassWord, "Please Enter Password", "Please Enter Password!"},
        {w.txtNewPassWord, "Please Enter NEW Password", "Please Enter NEW Password!"},
    };
    for (const Step &step : steps) {
        w.Command1_Click();
        const auto &shown = core::CBalloonToolTip::LastShown();
        QCOMPARE(shown.title, QString::fromLatin1(step.title));
        QCOMPARE(shown.text, QString::fromLatin1(step.text));
        QCOMPARE(shown.target.data(), step.box);
        QVERIFY(shown.isVisible());
        step.box->setText(QStringLiteral("x"));
    }
    QTest::mouseClick(w.txtUserName, Qt::LeftButton);   // a click into a box removes the balloon
    QVERIFY(!core::CBalloonToolTip::LastShown().isVisible());
    QVERIFY(s.fx.dialogs().shown().isEmpty());
}

void ModifyPasswordTest::failedUpdateIsNotReportedAsSuccess()
{
    LoggedIn s;
    auto &w = openWindow();
    // The check passes; the update is refused by the database (the manager has that password).
    s.fx.exec("CREATE UNIQUE INDEX one_password ON tbl_users (cpassword)");
    fill(w, QStringLiteral("Ann O'Neil"), QStringLiteral("old"), QStringLiteral("boss"));
    w.Command1_Click();
    ProcessDeletes();
    const QStringList messages = s.fx.dialogs().messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().startsWith(QStringLiteral("Error Code : DB0004\r\n")), qPrintable(messages.first()));
    QVERIFY(ui::Forms::IsLoaded<core::ModifyPassword>());
    QVERIFY(core::CheckUserPassword(QStringLiteral("Ann O'Neil"), QStringLiteral("old")));
}

QTEST_MAIN(ModifyPasswordTest)
#include "tst_modifypassword.moc"
