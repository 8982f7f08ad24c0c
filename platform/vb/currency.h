#pragma once
// Currency: a 64-bit integer counting ten-thousandths, exact for sums and differences.
#include <QString>
#include <compare>
#include <cstdint>

namespace vb {

class Currency {
public:
    static constexpr int64_t Scale = 10000;

    constexpr Currency() = default;
    // Whole units (e.g. Currency(5) is 5.0000).
    constexpr explicit Currency(int64_t units) : raw_(units * Scale) {}

    static constexpr Currency fromRaw(int64_t tenThousandths) { Currency c; c.raw_ = tenThousandths; return c; }
    // Rounded to four decimals, halves to even; raises 6 (Overflow) outside the range.
    static Currency fromDouble(double value);

    constexpr int64_t raw() const { return raw_; }
    double toDouble() const { return static_cast<double>(raw_) / Scale; }

    // All arithmetic raises 6 (Overflow) instead of wrapping; division by zero raises 11.
    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator-() const;
    Currency operator*(Currency other) const;   // exact product rounded half to even
    Currency operator/(Currency other) const;   // rounded half to even
    Currency &operator+=(Currency other) { return *this = *this + other; }
    Currency &operator-=(Currency other) { return *this = *this - other; }

    constexpr auto operator<=>(const Currency &) const = default;

    // Plain invariant text: "-1234.5", "0", "12.0001" (no trailing zeros, '.' separator).
    QString toInvariantString() const;

private:
    int64_t raw_ = 0;
};

} // namespace vb
