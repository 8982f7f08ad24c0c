#pragma once
// Text that goes into a quoted SQL literal ('...'): every apostrophe doubled, so that a name
// such as O'Brien is stored and found instead of breaking the statement. Applied after each
// window's own cleaning of the text.
//
// Both ways into a literal drop NUL characters: pasted from other programs, they cannot be
// stored in a text by either engine, and the statement would fail as if it were malformed.
#include <QString>

namespace core {

inline QString WithoutNul(const QString &text) { return QString(text).remove(QChar(u'\0')); }

inline QString SqlText(const QString &text)
{
    return WithoutNul(text).replace(QLatin1Char('\''), QStringLiteral("''"));
}

// The cleaning most user texts get before they are stored: apostrophes removed.
inline QString WithoutApostrophes(const QString &text) { return WithoutNul(text).remove(QLatin1Char('\'')); }

// Payment details, room descriptions and types keep their apostrophes stored as "!*!"; the
// lists turn them back for display.
inline QString StoredApostrophes(const QString &text)
{
    return QString(text).replace(QLatin1Char('\''), QStringLiteral("!*!"));
}
inline QString ShownApostrophes(const QString &text)
{
    return QString(text).replace(QStringLiteral("!*!"), QStringLiteral("'"));
}

} // namespace core
