#pragma once
// Text that goes into a quoted SQL literal ('...'): every apostrophe doubled, so that a name
// such as O'Brien is stored and found instead of breaking the statement. Applied after each
// window's own cleaning of the text.
#include <QString>

namespace core {

inline QString SqlText(const QString &text)
{
    QString doubled = text;
    return doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
}

} // namespace core
