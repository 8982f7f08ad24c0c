#include "core/db/tablenames.h"

#include "schema/schema.h"
#include "vb/error.h"

namespace core {

namespace {

// Both engines limit a table name to 64 characters.
constexpr qsizetype MaxTableName = 64;

[[noreturn]] void refuse(const QString &name)
{
    throw vb::Error(vb::errInvalidProcedureCall, QStringLiteral("\"%1\" cannot name a table").arg(name));
}

// Characters that would end the bracketed name or quote something else inside a statement.
bool safeInName(QChar c)
{
    return !c.isNull() && c.category() != QChar::Other_Control && c != u'[' && c != u']' && c != u'`' &&
           c != u'\'' && c != u'"';
}

QString bracketed(const QString &prefix, const QString &suffix)
{
    const QString name = prefix + suffix;
    if (suffix.isEmpty() || name.size() > MaxTableName)
        refuse(name);
    return QLatin1Char('[') + name + QLatin1Char(']');
}

} // namespace

QString RoomTableName(const QString &room)
{
    const QString trimmed = room.trimmed();
    for (QChar c : trimmed) {
        if (!safeInName(c))
            refuse(schema::RoomTablePrefix + trimmed);
    }
    return bracketed(schema::RoomTablePrefix, trimmed);
}

QString FoodOrderTableName(const QString &orderId)
{
    for (QChar c : orderId) {
        if (c < u'0' || c > u'9')
            refuse(schema::FoodOrderTablePrefix + orderId);
    }
    return bracketed(schema::FoodOrderTablePrefix, orderId);
}

} // namespace core
