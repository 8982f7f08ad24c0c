#include "frontdesk/bills/customerprintstatements.h"

namespace frontdesk {

QString RoomTaxesSql() { return QStringLiteral("SELECT *  FROM tbl_tax WHERE TaxCat=1"); }

} // namespace frontdesk
