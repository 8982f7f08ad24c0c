#include "vb/currency.h"

#include "vb/error.h"
#include "vb/rounding.h"

#include <cmath>
#include <limits>

namespace vb {

namespace {

Currency checked(__int128 raw)
{
    if (raw > std::numeric_limits<int64_t>::max() || raw < std::numeric_limits<int64_t>::min())
        throw Error::standard(errOverflow);
    return Currency::fromRaw(static_cast<int64_t>(raw));
}

} // namespace

Currency Currency::fromDouble(double value)
{
    // Scale first, then round: the runtime rounds the scaled value, halves to even.
    const double scaled = std::nearbyint(value * Scale);
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (!std::isfinite(scaled) || scaled >= 9223372036854775808.0 || scaled < -9223372036854775808.0)
        throw Error::standard(errOverflow);
    return fromRaw(static_cast<int64_t>(scaled));
}

Currency Currency::operator+(Currency other) const
{
    return checked(static_cast<__int128>(raw_) + other.raw_);
}

Currency Currency::operator-(Currency other) const
{
    return checked(static_cast<__int128>(raw_) - other.raw_);
}

Currency Currency::operator-() const
{
    return checked(-static_cast<__int128>(raw_));
}

Currency Currency::operator*(Currency other) const
{
    return checked(divideHalfEven(static_cast<__int128>(raw_) * other.raw_, Scale));
}

Currency Currency::operator/(Currency other) const
{
    if (other.raw_ == 0)
        throw Error::standard(errDivisionByZero);
    return checked(divideHalfEven(static_cast<__int128>(raw_) * Scale, other.raw_));
}

QString Currency::toInvariantString() const
{
    const bool negative = raw_ < 0;
    // Unsigned magnitude: the most negative raw value has no positive counterpart.
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(raw_) : static_cast<uint64_t>(raw_);
    QString text = QString::number(magnitude / Scale);
    uint64_t fraction = magnitude % Scale;
    if (fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += QLatin1Char('.') + digits;
    }
    return negative ? QLatin1Char('-') + text : text;
}

} // namespace vb
