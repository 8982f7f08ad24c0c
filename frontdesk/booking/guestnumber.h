#pragma once
// The guest number cUniqueNo: the initials of the guest's first and last names followed by six
// random capital letters. It links the guest's row to the per-room rows and food orders.
#include <QString>
#include <functional>
#include <optional>

namespace frontdesk {

// `count` letters "A" to "Y", each "A" + Int(Rnd * 25), the source seeded from the clock first.
QString RandomLetters(int count);

// The first character of each name with its apostrophes removed when it is a letter, else a
// letter "A" to "Y" drawn. A name that is nothing but apostrophes has no initial: Invalid
// procedure call (5).
QString GuestInitials(const QString &firstName, const QString &lastName);

// initials + draw(), drawn again while `inUse` finds the number held by a guest (DrawUnique).
std::optional<QString> DrawUniqueGuestNumber(const QString &initials, const std::function<QString()> &draw,
                                             const std::function<std::optional<bool>(const QString &)> &inUse);

} // namespace frontdesk
