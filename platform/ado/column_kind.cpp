#include "ado/column_kind.h"

#include <QString>

namespace ado {

namespace {

bool oneOf(const QString &name, std::initializer_list<const char *> names)
{
    for (const char *candidate : names) {
        if (name == QLatin1String(candidate))
            return true;
    }
    return false;
}

// DECIMAL(p,s): exact to four places fits the Currency type; anything finer is read as a Double.
ColumnKind decimalKind(QStringView args)
{
    const qsizetype comma = args.indexOf(u',');
    if (comma < 0)
        return ColumnKind::Currency;
    bool ok = false;
    const int scale = args.mid(comma + 1).trimmed().toInt(&ok);
    return ok && scale <= 4 ? ColumnKind::Currency : ColumnKind::Double;
}

} // namespace

ColumnKind columnKindOfDeclaredType(QStringView declaredType)
{
    const qsizetype open = declaredType.indexOf(u'(');
    const QString name = declaredType.left(open < 0 ? declaredType.size() : open).trimmed().toString().toUpper();
    if (name.isEmpty())
        return ColumnKind::Dynamic;
    if (oneOf(name, {"INTEGER", "INT", "LONG", "COUNTER", "AUTOINCREMENT", "INT4", "INTEGER4", "MEDIUMINT"}))
        return ColumnKind::Long;
    if (oneOf(name, {"SMALLINT", "SHORT", "TINYINT", "BYTE", "INT2", "INTEGER2", "INTEGER1"}))
        return ColumnKind::Integer;
    if (oneOf(name, {"DOUBLE", "FLOAT", "REAL", "NUMBER", "SINGLE", "FLOAT4", "FLOAT8", "DOUBLE PRECISION"}))
        return ColumnKind::Double;
    if (oneOf(name, {"CURRENCY", "MONEY"}))
        return ColumnKind::Currency;
    if (oneOf(name, {"DECIMAL", "NUMERIC", "DEC"}))
        return decimalKind(open < 0 ? QStringView() : declaredType.mid(open));
    if (oneOf(name, {"DATETIME", "DATE", "TIME", "TIMESTAMP"}))
        return ColumnKind::Date;
    if (oneOf(name, {"BIT", "YESNO", "BOOLEAN", "LOGICAL", "BOOL"}))
        return ColumnKind::Boolean;
    if (name.contains(QLatin1String("CHAR")) || name.contains(QLatin1String("TEXT")) ||
        name.contains(QLatin1String("CLOB")) || oneOf(name, {"MEMO", "STRING", "NOTE", "ALPHANUMERIC"}))
        return ColumnKind::String;
    return ColumnKind::Dynamic;
}

} // namespace ado
