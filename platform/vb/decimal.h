#pragma once
// Internal: a number as decimal digits, so that texts and Currency values round exactly.
#include "vb/currency.h"

#include <QString>
#include <optional>
#include <string>

namespace vb::detail {

// value = (negative ? -1 : 1) * digits * 10^exponent; digits hold no leading or trailing zeros
// (an empty digits string is zero).
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    bool isZero() const { return digits.empty(); }
};

Decimal normalized(Decimal d);
Decimal decimalFromDouble(double value);   // fifteen significant digits, as the runtime shows doubles
Decimal decimalFromCurrency(Currency value);
Decimal decimalFromInteger(long long value);

// The value times 10^scale rounded to a whole number, halves to even; nullopt when far too large.
std::optional<__int128> scaledHalfEven(const Decimal &d, int scale);
// The value as a double; nullopt when it does not fit.
std::optional<double> toDouble(const Decimal &d);

// Integer and fraction digits rounded to `decimals` places, halves away from zero (as Format does).
struct FixedDigits {
    bool negative = false;   // false when the rounded value is zero
    QString integer;         // at least "0"
    QString fraction;        // exactly `decimals` digits
};
FixedDigits fixedDigits(const Decimal &d, int decimals);

// A number in the locale's form: optional currency sign, sign or parentheses, group separators in
// the whole part, the decimal separator, an exponent, blanks around; or &H / &O digits.
std::optional<Decimal> parseLocaleNumber(const QString &text);

// &H / &O digits as the runtime reads them: up to 16 bits wraps as an Integer, up to 32 bits as a Long.
double radixValue(const QString &digits, int radix);

} // namespace vb::detail
