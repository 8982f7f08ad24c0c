#include "core/db/sqldate.h"

namespace core {

QString SqlDate(vb::Date date)
{
    QString text = date.toQDate().toString(QStringLiteral("yyyy-MM-dd"));
    if (date.hasTime())
        text += date.toQTime().toString(QStringLiteral(" HH:mm:ss"));
    return QLatin1Char('#') + text + QLatin1Char('#');
}

} // namespace core
