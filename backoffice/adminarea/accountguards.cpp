#include "backoffice/adminarea/accountguards.h"

#include "ado/recordset.h"
#include "backoffice/adminarea/adminaids.h"
#include "backoffice/adminarea/userstatements.h"
#include "core/db/dbworks.h"

namespace backoffice {

QString KeepsSettingsRight(long userId)
{
    const auto type = core::OpenRecordset(UserTypeSql(userId));
    if (type && !type->IsEOF() && TextOf(type->Fields(0).Value()) == QLatin1String("1"))
        return QStringLiteral("User is Administrator! This feature is disabled for this user.");
    const auto others = core::OpenRecordset(OtherSettingsHoldersSql(userId));
    if (others && others->RecordCount() == 0)
        return QStringLiteral("At least one account must keep the access to the Admin Area.");
    return QString();
}

} // namespace backoffice
