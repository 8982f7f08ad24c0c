#include "backoffice/tax/taxstatements.h"

#include "core/db/sqltext.h"
#include "vb/text.h"

namespace backoffice {

QString TaxListSql(int category) { return QStringLiteral("SELECT * FROM tbl_Tax WHERE TaxCat=%1").arg(category); }

QString TaxInsertSql(const QString &name, vb::Currency percent, int category)
{
    return QStringLiteral("INSERT INTO tbl_Tax(TaxName,TaxRate,TaxCat ) values('") + core::SqlText(vb::Trim(name))
           + QStringLiteral("','") + percent.toInvariantString() + QStringLiteral("',%1)").arg(category);
}

QString TaxDeleteSql(double id) { return QStringLiteral("DELETE from tbl_Tax WHERE ID = ") + QString::number(id, 'g', 15); }

} // namespace backoffice
