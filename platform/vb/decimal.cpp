#include "vb/decimal.h"

#include "vb/locale.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace vb::detail {

namespace {

constexpr int MaxExponent = 100000;   // far beyond any double; keeps the arithmetic in range

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int digitValue(QChar c, int radix)
{
    int v = -1;
    if (isAsciiDigit(c))
        v = c.unicode() - '0';
    else if (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'))
        v = c.toLower().unicode() - 'a' + 10;
    return v < radix ? v : -1;
}

bool isGroupSeparator(QChar c, QChar group)
{
    // Locales that group with a no-break space are typed with a plain one.
    if (c == group)
        return true;
    return c == QLatin1Char(' ') && (group == QChar(0x00A0) || group == QChar(0x202F));
}

// Reads the text from a position onwards, a small cursor over the characters.
class Cursor {
public:
    explicit Cursor(const QString &text) : text_(text) {}
    bool atEnd() const { return pos_ >= text_.size(); }
    QChar peek(int ahead = 0) const { return pos_ + ahead < text_.size() ? text_.at(pos_ + ahead) : QChar(); }
    void advance(int n = 1) { pos_ += n; }
    bool take(const QString &s)
    {
        if (s.isEmpty() || !QStringView(text_).mid(pos_).startsWith(s, Qt::CaseInsensitive))
            return false;
        pos_ += s.size();
        return true;
    }
    void skipBlanks()
    {
        while (!atEnd() && peek().isSpace())
            ++pos_;
    }

private:
    const QString &text_;
    qsizetype pos_ = 0;
};

} // namespace

Decimal normalized(Decimal d)
{
    const auto first = d.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return Decimal{};
    d.digits.erase(0, first);
    const auto last = d.digits.find_last_not_of('0');
    d.exponent += static_cast<int>(d.digits.size() - 1 - last);
    d.digits.erase(last + 1);
    return d;
}

Decimal decimalFromDouble(double value)
{
    char buffer[64];
    // d.dddddddddddddde±x: fifteen significant digits.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr);
    Decimal d;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        d.negative = true;
        ++pos;
    }
    const auto e = text.find('e');
    for (std::size_t i = pos; i < e; ++i) {
        if (text[i] != '.')
            d.digits += text[i];
    }
    d.exponent = std::atoi(text.c_str() + e + 1) - 14;
    return normalized(d);
}

Decimal decimalFromCurrency(Currency value)
{
    const int64_t raw = value.raw();
    const uint64_t magnitude = raw < 0 ? 0 - static_cast<uint64_t>(raw) : static_cast<uint64_t>(raw);
    return normalized(Decimal{raw < 0, std::to_string(magnitude), -4});
}

Decimal decimalFromInteger(long long value)
{
    const unsigned long long magnitude = value < 0 ? 0 - static_cast<unsigned long long>(value) : value;
    return normalized(Decimal{value < 0, std::to_string(magnitude), 0});
}

std::optional<__int128> scaledHalfEven(const Decimal &d, int scale)
{
    if (d.isZero())
        return __int128(0);
    const long long shift = static_cast<long long>(d.exponent) + scale;
    const long long keep = static_cast<long long>(d.digits.size()) + shift;   // digits left of the point
    if (keep > 30)
        return std::nullopt;
    __int128 whole = 0;
    for (long long i = 0; i < keep; ++i)
        whole = whole * 10 + (i < static_cast<long long>(d.digits.size()) ? d.digits[i] - '0' : 0);
    if (keep >= 0 && keep < static_cast<long long>(d.digits.size())) {
        // Trailing zeros are stripped, so any digit after the first dropped one is non-zero.
        const char firstDropped = d.digits[keep];
        const bool moreAfter = keep + 1 < static_cast<long long>(d.digits.size());
        if (firstDropped > '5' || (firstDropped == '5' && (moreAfter || whole % 2 != 0)))
            ++whole;
    }
    return d.negative ? -whole : whole;
}

std::optional<double> toDouble(const Decimal &d)
{
    if (d.isZero())
        return 0.0;
    const std::string text = d.digits + 'e' + std::to_string(d.exponent);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (static_cast<long long>(d.digits.size()) + d.exponent > 0)
            return std::nullopt;
        value = 0;   // too small: zero
    }
    return d.negative ? -value : value;
}

FixedDigits fixedDigits(const Decimal &d, int decimals)
{
    // digits of |value| * 10^decimals, rounded half away from zero
    std::string scaled;
    if (!d.isZero()) {
        const long long keep = static_cast<long long>(d.digits.size()) + d.exponent + decimals;
        if (keep >= static_cast<long long>(d.digits.size())) {
            scaled = d.digits + std::string(keep - d.digits.size(), '0');
        } else if (keep >= 0) {
            scaled = d.digits.substr(0, keep);
            if (d.digits[keep] >= '5') {
                int i = static_cast<int>(scaled.size()) - 1;
                while (i >= 0 && scaled[i] == '9')
                    scaled[i--] = '0';
                if (i < 0)
                    scaled.insert(scaled.begin(), '1');
                else
                    ++scaled[i];
            }
        }
    }
    const auto first = scaled.find_first_not_of('0');
    scaled = first == std::string::npos ? std::string() : scaled.substr(first);
    FixedDigits out;
    out.negative = d.negative && !scaled.empty();
    if (scaled.size() < static_cast<std::size_t>(decimals) + 1)
        scaled.insert(0, decimals + 1 - scaled.size(), '0');
    out.integer = QString::fromStdString(scaled.substr(0, scaled.size() - decimals));
    out.fraction = QString::fromStdString(scaled.substr(scaled.size() - decimals));
    return out;
}

double radixValue(const QString &digits, int radix)
{
    uint64_t value = 0;
    bool tooLarge = false;
    for (const QChar c : digits) {
        const int v = digitValue(c, radix);
        if (value > (UINT64_MAX - v) / radix)
            tooLarge = true;
        value = value * radix + v;
    }
    if (tooLarge)
        return static_cast<double>(UINT64_MAX);
    if (value <= 0xFFFF)
        return static_cast<int16_t>(value);
    if (value <= 0xFFFFFFFF)
        return static_cast<int32_t>(value);
    return static_cast<double>(value);
}

std::optional<Decimal> parseLocaleNumber(const QString &input)
{
    QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;

    if (text.size() > 2 && text.at(0) == QLatin1Char('&')) {
        const QChar kind = text.at(1).toUpper();
        const int radix = kind == QLatin1Char('H') ? 16 : kind == QLatin1Char('O') ? 8 : 0;
        if (radix == 0)
            return std::nullopt;
        const QString digits = text.mid(2);
        for (const QChar c : digits) {
            if (digitValue(c, radix) < 0)
                return std::nullopt;
        }
        return decimalFromDouble(radixValue(digits, radix));
    }

    bool parentheses = false;
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        parentheses = true;
        text = text.mid(1, text.size() - 2).trimmed();
    }

    const QString currency = CurrencySymbol();
    const QChar decimalPoint = DecimalSeparator();
    const QChar group = GroupSeparator();
    Cursor in(text);
    Decimal d;
    bool sawSign = false;
    bool sawCurrency = false;

    auto takeSign = [&]() {
        if (sawSign || (in.peek() != QLatin1Char('-') && in.peek() != QLatin1Char('+')))
            return false;
        d.negative = in.peek() == QLatin1Char('-');
        sawSign = true;
        in.advance();
        return true;
    };
    auto takeCurrency = [&]() {
        if (sawCurrency || !in.take(currency))
            return false;
        sawCurrency = true;
        return true;
    };

    while (takeCurrency() || takeSign())
        in.skipBlanks();

    bool anyDigit = false;
    while (!in.atEnd()) {
        if (isAsciiDigit(in.peek())) {
            d.digits += static_cast<char>(in.peek().unicode());
            anyDigit = true;
        } else if (!(anyDigit && isGroupSeparator(in.peek(), group) && isAsciiDigit(in.peek(1)))) {
            break;
        }
        in.advance();
    }
    if (in.peek() == decimalPoint) {
        in.advance();
        while (isAsciiDigit(in.peek())) {
            d.digits += static_cast<char>(in.peek().unicode());
            --d.exponent;
            anyDigit = true;
            in.advance();
        }
    }
    if (!anyDigit)
        return std::nullopt;

    const QChar e = in.peek().toUpper();
    if (e == QLatin1Char('E') || e == QLatin1Char('D')) {
        int ahead = 1;
        bool negativeExponent = false;
        if (in.peek(1) == QLatin1Char('-') || in.peek(1) == QLatin1Char('+')) {
            negativeExponent = in.peek(1) == QLatin1Char('-');
            ahead = 2;
        }
        if (isAsciiDigit(in.peek(ahead))) {
            in.advance(ahead);
            int exponent = 0;
            while (isAsciiDigit(in.peek())) {
                exponent = std::min(MaxExponent, exponent * 10 + (in.peek().unicode() - '0'));
                in.advance();
            }
            d.exponent += negativeExponent ? -exponent : exponent;
        }
    }

    in.skipBlanks();
    while (takeCurrency() || takeSign())
        in.skipBlanks();
    if (!in.atEnd())
        return std::nullopt;
    if (parentheses) {
        if (sawSign)
            return std::nullopt;
        d.negative = true;
    }
    return normalized(d);
}

} // namespace vb::detail
