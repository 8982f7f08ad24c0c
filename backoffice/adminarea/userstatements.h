#pragma once
// The statements of the user accounts tab and the user rights editor. A typed name or
// password is cleaned once (CleanTypedText) and that value is looked up and stored.
#include <QString>
#include <cstdint>

namespace backoffice {

// The five rights of an account, 1 (granted) or 0, in the order of the check boxes.
struct UserRights {
    int16_t modifySettings = 0;    // cmodifysettings
    int16_t roomList = 0;          // croomlist
    int16_t modifyTax = 0;         // cmodifytax
    int16_t customerViewEdit = 0;  // ccustomerviewedit
    int16_t viewReport = 0;        // canViewReport
};

QString UserListSql();
QString UserLookupSql(const QString &name);
QString UserInsertSql(const QString &name, const QString &encryptedPassword, const UserRights &rights);
QString UserCreatedLogSql(const QString &name, const QString &userName);
QString UserDeleteSql(long userId);
// The accounts other than `userId` that may still change settings.
QString OtherSettingsHoldersSql(long userId);

QString UserByIdSql(long userId);
QString UserTypeSql(long userId);
QString UserRightsUpdateSql(long userId, const UserRights &rights);

} // namespace backoffice
