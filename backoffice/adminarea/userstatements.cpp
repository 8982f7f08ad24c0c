#include "backoffice/adminarea/userstatements.h"

#include "backoffice/adminarea/sqlliteral.h"

namespace backoffice {

QString UserListSql() { return QStringLiteral("SELECT * FROM tbl_users ORDER BY id ASC"); }

QString UserLookupSql(const QString &name)
{
    return QStringLiteral("SELECT * FROM tbl_users WHERE cusername= ") + Quoted(name);
}

QString UserInsertSql(const QString &name, const QString &encryptedPassword, const UserRights &rights)
{
    return QStringLiteral("INSERT INTO tbl_users(cusername, cpassword, cmodifysettings ,croomlist, cmodifytax, "
                          "ccustomerviewedit,canViewReport) VALUES(")
           + Quoted(name) + QStringLiteral(",") + Quoted(encryptedPassword) + QStringLiteral(",")
           + Number(rights.modifySettings) + QStringLiteral(",") + Number(rights.roomList) + QStringLiteral(",")
           + Number(rights.modifyTax) + QStringLiteral(",") + Number(rights.customerViewEdit) + QStringLiteral(",")
           + Number(rights.viewReport) + QStringLiteral(")");
}

QString UserCreatedLogSql(const QString &name, const QString &userName)
{
    return QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values(")
           + Quoted(QStringLiteral("New Account Created with User Name : ") + name) + QStringLiteral(",")
           + Quoted(userName) + QStringLiteral(",'UserAddRemove')");
}

QString UserDeleteSql(long userId) { return QStringLiteral("DELETE FROM tbl_users WHERE ID = ") + Number(userId); }

QString OtherSettingsHoldersSql(long userId)
{
    return QStringLiteral("SELECT ID FROM tbl_users WHERE cmodifysettings = 1 AND ID <> ") + Number(userId);
}

QString UserByIdSql(long userId) { return QStringLiteral("SELECT * FROM tbl_users WHERE ID = ") + Number(userId); }

QString UserTypeSql(long userId)
{
    return QStringLiteral("SELECT cusertype FROM tbl_users WHERE ID = ") + Number(userId);
}

QString UserRightsUpdateSql(long userId, const UserRights &rights)
{
    return QStringLiteral("UPDATE tbl_users SET cmodifysettings = ") + Number(rights.modifySettings)
           + QStringLiteral(", croomlist = ") + Number(rights.roomList) + QStringLiteral(", cmodifytax = ")
           + Number(rights.modifyTax) + QStringLiteral(", canViewReport = ") + Number(rights.viewReport)
           + QStringLiteral(", ccustomerviewedit = ") + Number(rights.customerViewEdit)
           + QStringLiteral(" WHERE ID = ") + Number(userId);
}

} // namespace backoffice
