#pragma once
// Internal: reading a date and/or time text in the locale's forms.
#include "vb/datetime.h"

#include <QString>
#include <optional>

namespace vb::detail {

// "12/8/2026" (the short date's order), "2026-12-08", "December 8, 2026", "8 Dec 2026", with or without a
// time ("14:05", "2:05:09 PM"); a time alone gives the zero day. nullopt when the text is no date.
std::optional<Date> parseDateText(const QString &text);

} // namespace vb::detail
