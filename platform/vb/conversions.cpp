#include "vb/conversions.h"

#include "vb/dateparse.h"
#include "vb/decimal.h"
#include "vb/error.h"
#include "vb/formatparts.h"
#include "vb/locale.h"
#include "vb/rounding.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vb {

namespace {

// The automation date range: 1/1/100 to 12/31/9999.
constexpr double MinDateSerial = -657434.0;
constexpr double MaxDateSerial = 2958466.0;

[[noreturn]] void raise(long number)
{
    throw Error::standard(number);
}

void refuseNull(const Variant &v)
{
    if (v.isNull())
        raise(errInvalidUseOfNull);
}

detail::Decimal parsedOrMismatch(const QString &text)
{
    std::optional<detail::Decimal> d = detail::parseLocaleNumber(text);
    if (!d)
        raise(errTypeMismatch);
    return *d;
}

// Any value as an exact decimal, for the conversions that round.
detail::Decimal decimalOf(const Variant &v)
{
    refuseNull(v);
    switch (v.type()) {
    case VarType::Empty: return {};
    case VarType::Boolean: return detail::decimalFromInteger(v.asBool() ? -1 : 0);
    case VarType::Integer: return detail::decimalFromInteger(v.asInteger());
    case VarType::Long: return detail::decimalFromInteger(v.asLong());
    case VarType::Currency: return detail::decimalFromCurrency(v.asCurrency());
    case VarType::String: return parsedOrMismatch(v.asString());
    case VarType::Double:
    case VarType::Date: break;
    default: raise(errTypeMismatch);
    }
    return {};
}

template <typename Int>
Int toWhole(const Variant &v)
{
    __int128 whole = 0;
    if (v.type() == VarType::Double || v.type() == VarType::Date) {
        const double d = roundHalfEven(v.type() == VarType::Double ? v.asDouble() : v.asDate().serial());
        if (!(d >= std::numeric_limits<Int>::min() && d <= std::numeric_limits<Int>::max()))
            raise(errOverflow);
        return static_cast<Int>(d);
    }
    const std::optional<__int128> scaled = detail::scaledHalfEven(decimalOf(v), 0);
    if (!scaled)
        raise(errOverflow);
    whole = *scaled;
    if (whole < std::numeric_limits<Int>::min() || whole > std::numeric_limits<Int>::max())
        raise(errOverflow);
    return static_cast<Int>(whole);
}

QString doubleText(double value)
{
    if (value == 0)
        return QStringLiteral("0");   // never "-0"
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer).toUpper();
    return text.replace(QLatin1Char('.'), DecimalSeparator());
}

Date checkedDate(double serial)
{
    if (!(serial >= MinDateSerial && serial < MaxDateSerial))
        raise(errOverflow);
    return Date(serial);
}

} // namespace

QString CStr(const Variant &v)
{
    refuseNull(v);
    switch (v.type()) {
    case VarType::Empty: return QString();
    case VarType::Boolean: return v.asBool() ? QStringLiteral("True") : QStringLiteral("False");
    case VarType::Integer: return QString::number(v.asInteger());
    case VarType::Long: return QString::number(v.asLong());
    case VarType::Double: return doubleText(v.asDouble());
    case VarType::Currency: return v.asCurrency().toInvariantString().replace(QLatin1Char('.'), DecimalSeparator());
    case VarType::Date: return detail::defaultDateText(v.asDate());
    case VarType::String: return v.asString();
    default: raise(errTypeMismatch);
    }
}

int16_t CInt(const Variant &v)
{
    return toWhole<int16_t>(v);
}

int32_t CLng(const Variant &v)
{
    return toWhole<int32_t>(v);
}

double CDbl(const Variant &v)
{
    refuseNull(v);
    if (v.type() == VarType::Double)
        return v.asDouble();
    if (v.type() == VarType::Date)
        return v.asDate().serial();
    const std::optional<double> d = detail::toDouble(decimalOf(v));
    if (!d)
        raise(errOverflow);
    return *d;
}

Currency CCur(const Variant &v)
{
    refuseNull(v);
    if (v.type() == VarType::Currency)
        return v.asCurrency();
    if (v.type() == VarType::Double)
        return Currency::fromDouble(v.asDouble());
    if (v.type() == VarType::Date)
        return Currency::fromDouble(v.asDate().serial());
    const std::optional<__int128> raw = detail::scaledHalfEven(decimalOf(v), 4);
    if (!raw || *raw > std::numeric_limits<int64_t>::max() || *raw < std::numeric_limits<int64_t>::min())
        raise(errOverflow);
    return Currency::fromRaw(static_cast<int64_t>(*raw));
}

Date CDate(const Variant &v)
{
    refuseNull(v);
    switch (v.type()) {
    case VarType::Date: return v.asDate();
    case VarType::String: {
        if (std::optional<Date> d = detail::parseDateText(v.asString()))
            return *d;
        raise(errTypeMismatch);
    }
    default: return checkedDate(CDbl(v));
    }
}

bool CBool(const Variant &v)
{
    refuseNull(v);
    switch (v.type()) {
    case VarType::Empty: return false;
    case VarType::Boolean: return v.asBool();
    case VarType::Integer: return v.asInteger() != 0;
    case VarType::Long: return v.asLong() != 0;
    case VarType::Double: return v.asDouble() != 0;
    case VarType::Currency: return v.asCurrency().raw() != 0;
    case VarType::Date: return v.asDate().serial() != 0;
    case VarType::String: {
        const QString s = v.asString().trimmed();
        if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        return !parsedOrMismatch(s).isZero();
    }
    default: raise(errTypeMismatch);
    }
}

Variant CVar(const Variant &v)
{
    return v;
}

double ParseNumber(const QString &text)
{
    return CDbl(Variant(text));
}

bool IsNumeric(const Variant &v)
{
    switch (v.type()) {
    case VarType::Null:
    case VarType::Date: return false;
    case VarType::String: return detail::parseLocaleNumber(v.asString()).has_value();
    default: return true;
    }
}

bool IsDate(const Variant &v)
{
    if (v.type() == VarType::Date)
        return true;
    return v.type() == VarType::String && detail::parseDateText(v.asString()).has_value();
}

bool IsNull(const Variant &v)
{
    return v.isNull();
}

bool IsEmpty(const Variant &v)
{
    return v.isEmpty();
}

double Val(const QString &text)
{
    // Blanks, tabs and line breaks are ignored wherever they stand ("1 2" is 12).
    QString s;
    s.reserve(text.size());
    for (const QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            s += c;
    }

    if (s.startsWith(QLatin1String("&H"), Qt::CaseInsensitive) || s.startsWith(QLatin1String("&O"), Qt::CaseInsensitive)) {
        const bool hex = s.at(1).toUpper() == QLatin1Char('H');
        qsizetype end = 2;
        while (end < s.size() && (hex ? QStringLiteral("0123456789abcdefABCDEF") : QStringLiteral("01234567")).contains(s.at(end)))
            ++end;
        return detail::radixValue(s.mid(2, end - 2), hex ? 16 : 8);
    }

    std::string number;
    qsizetype i = 0;
    auto isDigit = [&](qsizetype k) { return k < s.size() && s.at(k) >= QLatin1Char('0') && s.at(k) <= QLatin1Char('9'); };
    auto takeDigits = [&]() {
        while (isDigit(i))
            number += static_cast<char>(s.at(i++).unicode());
    };
    if (i < s.size() && (s.at(i) == QLatin1Char('-') || s.at(i) == QLatin1Char('+')))
        number += static_cast<char>(s.at(i++).unicode());
    takeDigits();
    if (i < s.size() && s.at(i) == QLatin1Char('.')) {
        number += '.';
        ++i;
        takeDigits();
    }
    if (number.find_first_of("0123456789") == std::string::npos)
        return 0;
    if (i < s.size() && QStringLiteral("eEdD").contains(s.at(i))) {
        qsizetype signAt = i + 1;
        const bool signed_ = signAt < s.size() && (s.at(signAt) == QLatin1Char('-') || s.at(signAt) == QLatin1Char('+'));
        if (isDigit(signed_ ? signAt + 1 : signAt)) {
            number += 'e';
            i = signAt;
            if (signed_)
                number += static_cast<char>(s.at(i++).unicode());
            takeDigits();
        }
    }
    const char *begin = number.c_str() + (number[0] == '+' ? 1 : 0);
    double value = 0;
    const auto result = std::from_chars(begin, number.c_str() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Val never raises: an out-of-range exponent gives the nearest representable magnitude.
        const bool tiny = number.find("e-") != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::max();
        return number[0] == '-' ? -value : value;
    }
    return value;
}

double Int(double v)
{
    return std::floor(v);
}

double Fix(double v)
{
    return std::trunc(v);
}

} // namespace vb
