#pragma once
// Rounding helpers shared by the conversions: the runtime rounds halves to the even neighbour.
#include <cmath>

namespace vb {

// numerator / denominator rounded to the nearest integer, halves to even.
constexpr __int128 divideHalfEven(__int128 numerator, __int128 denominator)
{
    __int128 quotient = numerator / denominator;
    __int128 remainder = numerator % denominator;
    if (remainder == 0)
        return quotient;
    const __int128 twiceRemainder = remainder < 0 ? -2 * remainder : 2 * remainder;
    const __int128 absDenominator = denominator < 0 ? -denominator : denominator;
    const bool negative = (numerator < 0) != (denominator < 0);
    if (twiceRemainder > absDenominator || (twiceRemainder == absDenominator && quotient % 2 != 0))
        quotient += negative ? -1 : 1;
    return quotient;
}

// The nearest whole number, halves to even (the default floating-point rounding mode).
inline double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

} // namespace vb
