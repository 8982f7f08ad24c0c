#include "ado/value_text.h"

#include <cstdint>

namespace ado {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

const int64_t ZeroDay = daysFromCivil(1899, 12, 30);

bool validDay(int year, int month, int day)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= (month == 2 && leap ? 29 : days[month - 1]);
}

// Reads exactly `count` digits at `pos`.
bool digits(QByteArrayView text, qsizetype pos, int count, int &value)
{
    if (pos + count > text.size())
        return false;
    value = 0;
    for (int i = 0; i < count; ++i) {
        const char c = text[pos + i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

} // namespace

vb::Date dateFromParts(int year, int month, int day, int hour, int minute, int second)
{
    const int64_t days = daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - ZeroDay;
    const double fraction = (hour * 3600 + minute * 60 + second) / 86400.0;
    // Before the zero day the time still counts forward from midnight, so the serial is -days - fraction.
    return vb::Date(days < 0 ? static_cast<double>(days) - fraction : static_cast<double>(days) + fraction);
}

std::optional<vb::Date> dateFromIsoText(QByteArrayView text)
{
    int year, month, day, hour = 0, minute = 0, second = 0;
    if (!digits(text, 0, 4, year) || text.size() < 10 || text[4] != '-' || !digits(text, 5, 2, month) ||
        text[7] != '-' || !digits(text, 8, 2, day) || !validDay(year, month, day))
        return std::nullopt;
    if (text.size() > 10) {
        if ((text[10] != ' ' && text[10] != 'T') || !digits(text, 11, 2, hour) || text.size() < 16 ||
            text[13] != ':' || !digits(text, 14, 2, minute))
            return std::nullopt;
        qsizetype end = 16;
        if (text.size() > 16) {
            if (text[16] != ':' || !digits(text, 17, 2, second))
                return std::nullopt;
            end = 19;
            if (end < text.size() && text[end] == '.') {
                ++end;
                while (end < text.size() && text[end] >= '0' && text[end] <= '9')
                    ++end;
            }
        }
        if (end != text.size() || hour > 23 || minute > 59 || second > 59)
            return std::nullopt;
    }
    return dateFromParts(year, month, day, hour, minute, second);
}

std::optional<vb::Currency> currencyFromDecimalText(QByteArrayView text)
{
    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    int64_t raw = 0;              // ten-thousandths, as a magnitude
    int places = -1;              // digits seen after the point; -1 before it
    int digitCount = 0;
    int roundingDigit = 0;        // the fifth place
    bool beyondFifth = false;     // any nonzero digit after the fifth place
    bool overflow = false;
    auto shiftIn = [&](int digit) {
        overflow |= __builtin_mul_overflow(raw, 10, &raw) || __builtin_add_overflow(raw, digit, &raw);
    };
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '.' && places < 0) {
            places = 0;
            continue;
        }
        if (c < '0' || c > '9')
            return std::nullopt;
        ++digitCount;
        if (places < 4) {
            shiftIn(c - '0');
            if (places >= 0)
                ++places;
        } else if (places++ == 4) {
            roundingDigit = c - '0';
        } else if (c != '0') {
            beyondFifth = true;
        }
    }
    if (digitCount == 0)
        return std::nullopt;
    for (int p = places < 0 ? 0 : places; p < 4; ++p)
        shiftIn(0);
    if (roundingDigit > 5 || (roundingDigit == 5 && (beyondFifth || raw % 2 != 0)))
        overflow |= __builtin_add_overflow(raw, 1, &raw);
    if (overflow)
        return std::nullopt;
    return vb::Currency::fromRaw(negative ? -raw : raw);
}

} // namespace ado
