#include "frontdesk/food/customersearchstatements.h"

#include "core/db/sqltext.h"
#include "core/login/globallogin.h"

namespace frontdesk {

QString CustomerSearchSql(const QString &text)
{
    const QString pattern = core::SqlText(core::StripQuotesAndHash(text));
    return QStringLiteral("SELECT * FROM tbl_customers WHERE cUniqueNo LIKE  '") + pattern
           + QStringLiteral("' OR cFirstName LIKE  '") + pattern + QStringLiteral("' OR cLastName LIKE  '") + pattern
           + QStringLiteral("'");
}

} // namespace frontdesk
