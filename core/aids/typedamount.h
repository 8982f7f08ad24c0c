#pragma once
// An amount typed into a box (a tariff, a tax percent), read in the locale as the conversions
// read it, currency sign and all, but only when its group separators stand where the locale
// puts them: the conversions take "12,5" in en_US for 125, which is not what was meant.
#include "vb/currency.h"

#include <QString>
#include <optional>

namespace core {

// Nothing when the text is empty, no number, has a group separator out of place, or is too
// large for an amount. Whether the amount makes sense is the caller's to say.
std::optional<vb::Currency> TypedAmount(const QString &typed);

} // namespace core
