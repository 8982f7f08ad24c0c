#include "ado/jet_date.h"

#include <array>
#include <vector>

namespace ado {

namespace {

struct Item {
    enum Kind { Number, Word, Colon, Separator } kind;
    int value = 0;      // Number: its value (capped); Word: the month 1-12, 13 for AM, 14 for PM, 0 other
    int digits = 0;     // Number: how many digits it had
};

constexpr int AmWord = 13;
constexpr int PmWord = 14;

int wordValue(const QString &word)
{
    static const std::array<const char *, 12> months = {"january", "february", "march", "april", "may", "june",
                                                        "july", "august", "september", "october", "november",
                                                        "december"};
    const QString lower = word.toLower();
    if (lower == QLatin1String("am"))
        return AmWord;
    if (lower == QLatin1String("pm"))
        return PmWord;
    if (lower.size() >= 3) {
        for (int m = 0; m < 12; ++m) {
            if (QString::fromLatin1(months[m]).startsWith(lower))
                return m + 1;
        }
    }
    return 0;
}

std::optional<std::vector<Item>> scan(QStringView text)
{
    std::vector<Item> items;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c.isSpace()) {
            ++i;
        } else if (c >= u'0' && c <= u'9') {
            Item item{Item::Number};
            while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
                if (item.value < 100000)
                    item.value = item.value * 10 + (text[i].unicode() - u'0');
                ++item.digits;
                ++i;
            }
            items.push_back(item);
        } else if (c.isLetter()) {
            const qsizetype start = i;
            while (i < text.size() && text[i].isLetter())
                ++i;
            const int value = wordValue(text.mid(start, i - start).toString());
            if (value == 0)
                return std::nullopt;
            items.push_back({Item::Word, value});
        } else if (c == u':') {
            items.push_back({Item::Colon});
            ++i;
        } else if (c == u'/' || c == u'-' || c == u'.' || c == u',') {
            items.push_back({Item::Separator});
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return items;
}

int daysInMonth(int year, int month)
{
    static const std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

bool validDate(int year, int month, int day)
{
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

int fullYear(const Item &year)
{
    if (year.digits <= 2)
        return year.value < 30 ? 2000 + year.value : 1900 + year.value;
    return year.value;
}

// Takes the time of day out of the items: H:MM[:SS] [AM|PM] or H AM|PM. False when it is malformed.
bool takeTime(std::vector<Item> &items, DateTimeParts &parts, bool &hasTime)
{
    hasTime = false;
    for (size_t i = 0; i < items.size(); ++i) {
        const bool clock = items[i].kind == Item::Number && i + 2 < items.size() &&
                           items[i + 1].kind == Item::Colon && items[i + 2].kind == Item::Number;
        const bool bareHour = items[i].kind == Item::Number && i + 1 < items.size() &&
                              items[i + 1].kind == Item::Word &&
                              (items[i + 1].value == AmWord || items[i + 1].value == PmWord);
        if (!clock && !bareHour)
            continue;
        size_t end = i + 1;
        int hour = items[i].value, minute = 0, second = 0;
        if (clock) {
            minute = items[i + 2].value;
            end = i + 3;
            if (end + 1 < items.size() && items[end].kind == Item::Colon && items[end + 1].kind == Item::Number) {
                second = items[end + 1].value;
                end += 2;
            }
        }
        if (end < items.size() && items[end].kind == Item::Word &&
            (items[end].value == AmWord || items[end].value == PmWord)) {
            if (hour < 1 || hour > 12)
                return false;
            hour = hour % 12 + (items[end].value == PmWord ? 12 : 0);
            ++end;
        }
        if (hour > 23 || minute > 59 || second > 59)
            return false;
        parts.hour = hour;
        parts.minute = minute;
        parts.second = second;
        hasTime = true;
        items.erase(items.begin() + static_cast<long>(i), items.begin() + static_cast<long>(end));
        return true;
    }
    return true;
}

bool takeDate(const std::vector<Item> &items, DateTimeParts &parts)
{
    std::vector<Item> fields;
    for (const Item &item : items) {
        if (item.kind == Item::Colon)
            return false;
        if (item.kind == Item::Word && (item.value == AmWord || item.value == PmWord))
            return false;
        if (item.kind != Item::Separator)
            fields.push_back(item);
    }
    if (fields.size() != 3)
        return false;
    auto set = [&parts](int y, int m, int d) {
        if (!validDate(y, m, d))
            return false;
        parts.year = y;
        parts.month = m;
        parts.day = d;
        return true;
    };
    const Item &a = fields[0], &b = fields[1], &c = fields[2];
    if (a.kind == Item::Number && b.kind == Item::Word && c.kind == Item::Number)
        return set(fullYear(c), b.value, a.value);                  // 5 Mar 2009
    if (a.kind == Item::Word && b.kind == Item::Number && c.kind == Item::Number)
        return set(fullYear(c), a.value, b.value);                  // March 5, 2009
    if (a.kind != Item::Number || b.kind != Item::Number || c.kind != Item::Number)
        return false;
    if (a.digits >= 3)
        return set(a.value, b.value, c.value);                      // 2009-03-05
    return set(fullYear(c), a.value, b.value) || set(fullYear(c), b.value, a.value);
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

} // namespace

std::optional<DateTimeParts> parseJetDateLiteral(QStringView text)
{
    auto items = scan(text);
    if (!items || items->empty())
        return std::nullopt;
    DateTimeParts parts;
    bool hasTime = false;
    if (!takeTime(*items, parts, hasTime))
        return std::nullopt;
    if (items->empty())
        return hasTime ? std::optional(parts) : std::nullopt;
    if (!takeDate(*items, parts))
        return std::nullopt;
    return parts;
}

QString isoDateText(const DateTimeParts &parts)
{
    QString text = QString::number(parts.year).rightJustified(4, u'0') + u'-' + twoDigits(parts.month) + u'-' +
                   twoDigits(parts.day);
    if (parts.hour != 0 || parts.minute != 0 || parts.second != 0)
        text += u' ' + twoDigits(parts.hour) + u':' + twoDigits(parts.minute) + u':' + twoDigits(parts.second);
    return text;
}

} // namespace ado
