// The statements of login, password change and log-out, as text: names and passwords with
// apostrophes stay one quoted literal; the lookup trims the typed name and the stored one.
#include "core/login/loginstatements.h"

#include <QtTest>

class LoginStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void statementsAsText_data();
    void statementsAsText();
};

void LoginStatementsTest::statementsAsText_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lookup trims and doubles") << core::UserLookupSql("  O'Brien ")
                                              << "SELECT * FROM tbl_users WHERE TRIM(cusername) = 'O''Brien'";
    QTest::newRow("master account")
        << core::MasterAccountInsertSql("Ann'e", "AB'CD")
        << "INSERT INTO tbl_users (cusername,cpassword,cmodifysettings,croomlist,cmodifytax,canViewReport, "
           "ccustomerviewedit, cusertype) VALUES('Ann''e','AB''CD',1,1,1,1,1,1)";
    QTest::newRow("password") << core::PasswordUpdateSql("0A1B", " bob ")
                              << "UPDATE tbl_users SET cpassword = '0A1B' WHERE TRIM(cusername) = 'bob'";
    QTest::newRow("login log") << core::LoginLogSql("o'neil", "O'Neil")
                               << "INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values('User Logged in : "
                                  "o''neil','O''Neil','LoginLogout')";
    QTest::newRow("logout log") << core::LogoutLogSql("O'Neil", core::SessionEnd::LoggedOut)
                                << "INSERT INTO tbl_logTable (LogText,LoggedUser, LogKey) values('User Logged Out : "
                                   "O''Neil','O''Neil','LoginLogout')";
    QTest::newRow("program closed log")
        << core::LogoutLogSql("ann", core::SessionEnd::ProgramClosed)
        << "INSERT INTO tbl_logTable (LogText,LoggedUser, LogKey) values('User Logged Out/Terminated Program : "
           "ann','ann','LoginLogout')";
}

void LoginStatementsTest::statementsAsText()
{
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    QCOMPARE(sql, expected);
}

QTEST_GUILESS_MAIN(LoginStatementsTest)
#include "tst_loginstatements.moc"
