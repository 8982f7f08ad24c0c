#include "core/aids/typedamount.h"

#include "vb/conversions.h"
#include "vb/error.h"
#include "vb/locale.h"

#include <QStringList>

namespace core {

namespace {

// Group separators only between groups of three digits of the whole part ("1,250.5"), never
// among the decimals.
bool groupsInPlace(const QString &typed)
{
    const QLocale &locale = vb::CurrentLocale();
    const QString group = locale.groupSeparator();
    if (group.isEmpty() || !typed.contains(group))
        return true;
    const qsizetype point = typed.indexOf(locale.decimalPoint());
    if (point >= 0 && typed.indexOf(group, point) >= 0)
        return false;
    QString whole;
    for (const QChar c : typed.left(point < 0 ? typed.size() : point)) {
        if (c.isDigit() || group.contains(c))
            whole += c;
    }
    const QStringList groups = whole.split(group);
    if (groups.first().isEmpty() || groups.first().size() > 3)
        return false;
    for (qsizetype i = 1; i < groups.size(); ++i) {
        if (groups.at(i).size() != 3)
            return false;
    }
    return true;
}

} // namespace

std::optional<vb::Currency> TypedAmount(const QString &typed)
{
    const vb::Variant text(typed);
    if (typed.isEmpty() || !vb::IsNumeric(text) || !groupsInPlace(typed))
        return std::nullopt;
    try {
        return vb::CCur(text);
    } catch (const vb::Error &) {
        return std::nullopt;   // beyond what an amount holds
    }
}

} // namespace core
