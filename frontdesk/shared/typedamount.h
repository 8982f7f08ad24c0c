#pragma once
// An amount typed into a money box: a number in the locale's own form, with or without its
// currency sign and thousands separators ("1200", "$1,200.00", "($5.00)").
#include "vb/currency.h"

#include <QString>
#include <optional>

namespace frontdesk {

// Nothing when the text is empty, no number, or a number too large for an amount.
std::optional<vb::Currency> TypedAmount(const QString &text);

} // namespace frontdesk
