#include "core/login/loginstatements.h"

#include "core/db/sqltext.h"
#include "vb/text.h"

namespace core {

namespace {
QString quoted(const QString &text) { return QStringLiteral("'") + SqlText(text) + QStringLiteral("'"); }
} // namespace

QString UserLookupSql(const QString &typedName)
{
    return QStringLiteral("SELECT * FROM tbl_users WHERE TRIM(cusername) = ") + quoted(vb::Trim(typedName));
}

QString UserNamesSql() { return QStringLiteral("SELECT cusername FROM tbl_users"); }

QString HotelInfoSql() { return QStringLiteral("SELECT * FROM tbl_HotelInfo WHERE ID=1"); }

QString MasterAccountInsertSql(const QString &name, const QString &encipheredPassword)
{
    return QStringLiteral("INSERT INTO tbl_users (cusername,cpassword,cmodifysettings,croomlist,cmodifytax,"
                          "canViewReport, ccustomerviewedit, cusertype) VALUES(")
           + quoted(name) + QStringLiteral(",") + quoted(encipheredPassword) + QStringLiteral(",1,1,1,1,1,1)");
}

QString PasswordUpdateSql(const QString &encipheredPassword, const QString &typedName)
{
    return QStringLiteral("UPDATE tbl_users SET cpassword = ") + quoted(encipheredPassword)
           + QStringLiteral(" WHERE TRIM(cusername) = ") + quoted(vb::Trim(typedName));
}

QString LoginLogSql(const QString &typedName, const QString &userName)
{
    return QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values('User Logged in : ")
           + SqlText(typedName) + QStringLiteral("',") + quoted(userName) + QStringLiteral(",'LoginLogout')");
}

QString LogoutLogSql(const QString &userName, SessionEnd end)
{
    const QString text = end == SessionEnd::ProgramClosed ? QStringLiteral("User Logged Out/Terminated Program : ")
                                                          : QStringLiteral("User Logged Out : ");
    return QStringLiteral("INSERT INTO tbl_logTable (LogText,LoggedUser, LogKey) values('") + text + SqlText(userName)
           + QStringLiteral("',") + quoted(userName) + QStringLiteral(",'LoginLogout')");
}

} // namespace core
