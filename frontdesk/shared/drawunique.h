#pragma once
// Drawing a number that nothing holds yet (a guest number, a food order id): draw, look it
// up, draw again while it is taken.
#include <QString>
#include <functional>
#include <optional>

namespace frontdesk {

// draw(), drawn again while `inUse` finds the number taken. A draw equal to the one just
// refused (a clock-seeded source that has not moved on) is not looked up again. `inUse`
// gives nullopt when it could not look; so does the result then.
std::optional<QString> DrawUnique(const std::function<QString()> &draw,
                                  const std::function<std::optional<bool>(const QString &)> &inUse);

} // namespace frontdesk
