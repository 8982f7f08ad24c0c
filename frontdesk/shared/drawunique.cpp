#include "frontdesk/shared/drawunique.h"

namespace frontdesk {

std::optional<QString> DrawUnique(const std::function<QString()> &draw,
                                  const std::function<std::optional<bool>(const QString &)> &inUse)
{
    QString refused;
    for (;;) {
        const QString number = draw();
        if (number == refused)
            continue;
        const std::optional<bool> taken = inUse(number);
        if (!taken)
            return std::nullopt;
        if (!*taken)
            return number;
        refused = number;
    }
}

} // namespace frontdesk
