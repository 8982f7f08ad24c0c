#pragma once
// A field's value as the windows show it in their boxes and lists.
#include "vb/conversions.h"
#include "vb/text.h"
#include "vb/variant.h"

#include <QString>

namespace core {

// Null as an empty text; anything else as its text.
inline QString TextOf(const vb::Variant &value) { return value.isNull() ? QString() : vb::CStr(value); }

// An amount in the locale's currency form ("$1,234.50"); Null and text as Format gives them.
inline QString CurrencyText(const vb::Variant &value) { return vb::Format(value, QStringLiteral("Currency")); }

} // namespace core
