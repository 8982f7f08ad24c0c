#include "vb/dateparse.h"

#include "vb/locale.h"

#include <QList>

namespace vb::detail {

namespace {

struct Number {
    int value;
    int length;   // digits as typed: a four-digit number is a year
};

enum class Meridiem { None, AM, PM };

// The parts found in the text, before they are put together.
struct Parts {
    QList<Number> dateNumbers;
    QList<int> timeNumbers;   // hour, minute, second as found
    int month = 0;            // from a month name
    Meridiem meridiem = Meridiem::None;
};

int monthFromName(const QString &word)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const QLocale &locale : {CurrentLocale(), english}) {
        for (int m = 1; m <= 12; ++m) {
            if (word.compare(locale.monthName(m, QLocale::LongFormat), Qt::CaseInsensitive) == 0 ||
                word.compare(locale.monthName(m, QLocale::ShortFormat), Qt::CaseInsensitive) == 0 ||
                word.compare(locale.standaloneMonthName(m, QLocale::LongFormat), Qt::CaseInsensitive) == 0)
                return m;
        }
    }
    return 0;
}

bool isDayName(const QString &word)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const QLocale &locale : {CurrentLocale(), english}) {
        for (int d = 1; d <= 7; ++d) {
            if (word.compare(locale.dayName(d, QLocale::LongFormat), Qt::CaseInsensitive) == 0 ||
                word.compare(locale.dayName(d, QLocale::ShortFormat), Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

Meridiem meridiemFromWord(const QString &word)
{
    const QLocale &locale = CurrentLocale();
    if (word.compare(locale.amText(), Qt::CaseInsensitive) == 0 || word.compare(QLatin1String("AM"), Qt::CaseInsensitive) == 0 ||
        word.compare(QLatin1String("A"), Qt::CaseInsensitive) == 0)
        return Meridiem::AM;
    if (word.compare(locale.pmText(), Qt::CaseInsensitive) == 0 || word.compare(QLatin1String("PM"), Qt::CaseInsensitive) == 0 ||
        word.compare(QLatin1String("P"), Qt::CaseInsensitive) == 0)
        return Meridiem::PM;
    return Meridiem::None;
}

bool isDateSeparator(QChar c)
{
    if (c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char(',') || c.isSpace())
        return true;
    return c == DateSeparator();   // '.' only where the short date uses it, so "12.5" stays a number
}

std::optional<Parts> scan(const QString &text)
{
    Parts parts;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const QChar c = text.at(i);
        if (c.isDigit()) {
            qsizetype start = i;
            while (i < n && text.at(i).isDigit())
                ++i;
            if (i - start > 4)
                return std::nullopt;
            const int value = text.mid(start, i - start).toInt();
            const bool startsTime = i < n && text.at(i) == QLatin1Char(':');
            const bool continuesTime = start > 0 && text.at(start - 1) == QLatin1Char(':');
            if (startsTime || continuesTime) {
                if (!continuesTime && !parts.timeNumbers.isEmpty())
                    return std::nullopt;   // a second time
                parts.timeNumbers.append(value);
                if (startsTime)
                    ++i;
            } else {
                parts.dateNumbers.append({value, int(i - start)});
            }
        } else if (c.isLetter()) {
            qsizetype start = i;
            while (i < n && (text.at(i).isLetter() || text.at(i) == QLatin1Char('.')))
                ++i;
            QString word = text.mid(start, i - start);
            if (word.endsWith(QLatin1Char('.')))
                word.chop(1);   // "Dec." and "p.m."-less abbreviations
            if (const int m = monthFromName(word); m != 0 && parts.month == 0) {
                parts.month = m;
            } else if (const Meridiem mer = meridiemFromWord(word); mer != Meridiem::None && parts.meridiem == Meridiem::None) {
                parts.meridiem = mer;
            } else if (!isDayName(word)) {
                return std::nullopt;
            }
        } else if (isDateSeparator(c)) {
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return parts;
}

int fullYear(const Number &year)
{
    if (year.length <= 2)
        return year.value < 30 ? 2000 + year.value : 1900 + year.value;
    return year.value;
}

bool looksLikeYear(const Number &n)
{
    return n.length >= 3 || n.value > 31;
}

// The order of day, month and year in the short date, e.g. "MDY" for en_US.
QString localeOrder()
{
    QString order;
    for (const QChar c : ShortDateFormat()) {
        const QChar k = c.toUpper();
        if ((k == QLatin1Char('D') || k == QLatin1Char('M') || k == QLatin1Char('Y')) && !order.contains(k))
            order += k;
    }
    return order.size() == 3 ? order : QStringLiteral("MDY");
}

std::optional<QDate> datePart(const Parts &parts)
{
    const QList<Number> &nums = parts.dateNumbers;
    const int currentYear = QDate::currentDate().year();
    int year = 0, month = 0, day = 0;
    if (parts.month != 0) {
        month = parts.month;
        if (nums.size() == 2) {
            const bool firstIsYear = looksLikeYear(nums[0]) && !looksLikeYear(nums[1]);
            day = nums[firstIsYear ? 1 : 0].value;
            year = fullYear(nums[firstIsYear ? 0 : 1]);
        } else if (nums.size() == 1) {
            if (looksLikeYear(nums[0])) {
                day = 1;
                year = fullYear(nums[0]);
            } else {
                day = nums[0].value;
                year = currentYear;
            }
        } else {
            return std::nullopt;
        }
    } else if (nums.size() == 3) {
        if (looksLikeYear(nums[0])) {
            year = fullYear(nums[0]);
            month = nums[1].value;
            day = nums[2].value;
        } else {
            const QString order = localeOrder();
            for (int k = 0; k < 3; ++k) {
                const QChar what = order.at(k);
                if (what == QLatin1Char('D'))
                    day = nums[k].value;
                else if (what == QLatin1Char('M'))
                    month = nums[k].value;
                else
                    year = fullYear(nums[k]);
            }
        }
        if (month > 12 && day <= 12)
            std::swap(month, day);   // the runtime reads 13/12/2026 as December 13
    } else if (nums.size() == 2) {
        if (looksLikeYear(nums[1]) || looksLikeYear(nums[0])) {
            const bool yearFirst = looksLikeYear(nums[0]);
            year = fullYear(nums[yearFirst ? 0 : 1]);
            month = nums[yearFirst ? 1 : 0].value;
            day = 1;
        } else {
            const bool dayFirst = localeOrder().indexOf(QLatin1Char('D')) < localeOrder().indexOf(QLatin1Char('M'));
            day = nums[dayFirst ? 0 : 1].value;
            month = nums[dayFirst ? 1 : 0].value;
            year = currentYear;
            if (month > 12 && day <= 12)
                std::swap(month, day);
        }
    } else {
        return std::nullopt;
    }
    const QDate date(year, month, day);
    if (!date.isValid() || year < 100 || year > 9999)
        return std::nullopt;
    return date;
}

std::optional<QTime> timePart(const Parts &parts)
{
    const QList<int> &t = parts.timeNumbers;
    int hour = t.value(0), minute = t.value(1), second = t.value(2);
    if (t.size() > 3 || minute > 59 || second > 59)
        return std::nullopt;
    if (parts.meridiem != Meridiem::None) {
        if (hour > 12)
            return std::nullopt;
        hour %= 12;
        if (parts.meridiem == Meridiem::PM)
            hour += 12;
    }
    if (hour > 23)
        return std::nullopt;
    return QTime(hour, minute, second);
}

} // namespace

std::optional<Date> parseDateText(const QString &text)
{
    std::optional<Parts> parts = scan(text.trimmed());
    if (!parts)
        return std::nullopt;
    // "5 PM": an hour with a designator and no colon
    if (parts->timeNumbers.isEmpty() && parts->meridiem != Meridiem::None && parts->month == 0 &&
        (parts->dateNumbers.size() == 1 || parts->dateNumbers.size() == 4)) {
        parts->timeNumbers.append(parts->dateNumbers.takeLast().value);
    }
    const bool hasTime = !parts->timeNumbers.isEmpty();
    const bool hasDate = !parts->dateNumbers.isEmpty() || parts->month != 0;
    if (!hasTime && !hasDate)
        return std::nullopt;
    if (!hasTime && parts->meridiem != Meridiem::None)
        return std::nullopt;
    QDate date(1899, 12, 30);
    if (hasDate) {
        const std::optional<QDate> d = datePart(*parts);
        if (!d)
            return std::nullopt;
        date = *d;
    }
    QTime time(0, 0);
    if (hasTime) {
        const std::optional<QTime> t = timePart(*parts);
        if (!t)
            return std::nullopt;
        time = *t;
    }
    return Date::fromQDateTime(QDateTime(date, time));
}

} // namespace vb::detail
