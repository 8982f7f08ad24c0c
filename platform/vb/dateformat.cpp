#include "vb/formatparts.h"

#include "vb/locale.h"

namespace vb::detail {

namespace {

// Date tokens, longest first so that "dddd" wins over "dd".
const char *const Tokens[] = {"dddddd", "ddddd", "dddd", "ddd", "dd", "d", "ww", "w", "mmmm", "mmm", "mm", "m",
                              "q", "yyyy", "yy", "y", "hh", "h", "nn", "n", "ss", "s", "ttttt", "c"};
// Designators of the 12-hour clock, as written in a pattern.
const char *const Designators[] = {"am/pm", "a/p", "ampm"};

QString matchAt(const QString &pattern, qsizetype i, const char *const *list, std::size_t count)
{
    for (std::size_t k = 0; k < count; ++k) {
        const QLatin1String token(list[k]);
        if (QStringView(pattern).mid(i).startsWith(token, Qt::CaseInsensitive))
            return pattern.mid(i, token.size());
    }
    return QString();
}

QString tokenAt(const QString &pattern, qsizetype i)
{
    return matchAt(pattern, i, Tokens, std::size(Tokens));
}

QString designatorAt(const QString &pattern, qsizetype i)
{
    return matchAt(pattern, i, Designators, std::size(Designators));
}

bool usesTwelveHourClock(const QString &pattern)
{
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (!designatorAt(pattern, i).isEmpty())
            return true;
    }
    return false;
}

QString twoDigits(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

int weekOfYear(const QDate &d)
{
    // Week 1 holds January 1; weeks start on Sunday.
    const int firstWeekday = QDate(d.year(), 1, 1).dayOfWeek() % 7;   // Sunday 0
    return (d.dayOfYear() - 1 + firstWeekday) / 7 + 1;
}

QString designatorText(const QString &written, bool pm)
{
    const QString lower = written.toLower();
    if (lower == QLatin1String("ampm"))
        return pm ? CurrentLocale().pmText() : CurrentLocale().amText();
    // "AM/PM" and "A/P" keep the case in which the pattern writes them.
    const qsizetype slash = written.indexOf(QLatin1Char('/'));
    return pm ? written.mid(slash + 1) : written.left(slash);
}

QString renderToken(const QString &written, const QDateTime &dt, Date value, bool twelveHour, bool minutes)
{
    const QLocale &locale = CurrentLocale();
    const QDate date = dt.date();
    const QTime time = dt.time();
    const QString t = written.toLower();
    int hour = time.hour();
    if (twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    if (t == QLatin1String("dddddd")) return locale.toString(date, LongDateFormat());
    if (t == QLatin1String("ddddd")) return locale.toString(date, ShortDateFormat());
    if (t == QLatin1String("dddd")) return locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
    if (t == QLatin1String("ddd")) return locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
    if (t == QLatin1String("dd")) return twoDigits(date.day());
    if (t == QLatin1String("d")) return QString::number(date.day());
    if (t == QLatin1String("ww")) return QString::number(weekOfYear(date));
    if (t == QLatin1String("w")) return QString::number(Weekday(value));
    if (t == QLatin1String("mmmm")) return locale.standaloneMonthName(date.month(), QLocale::LongFormat);
    if (t == QLatin1String("mmm")) return locale.standaloneMonthName(date.month(), QLocale::ShortFormat);
    if (t == QLatin1String("mm")) return twoDigits(minutes ? time.minute() : date.month());
    if (t == QLatin1String("m")) return QString::number(minutes ? time.minute() : date.month());
    if (t == QLatin1String("q")) return QString::number((date.month() + 2) / 3);
    if (t == QLatin1String("yyyy")) return QString::number(date.year());
    if (t == QLatin1String("yy")) return twoDigits(date.year() % 100);
    if (t == QLatin1String("y")) return QString::number(date.dayOfYear());
    if (t == QLatin1String("hh")) return twoDigits(hour);
    if (t == QLatin1String("h")) return QString::number(hour);
    if (t == QLatin1String("nn")) return twoDigits(time.minute());
    if (t == QLatin1String("n")) return QString::number(time.minute());
    if (t == QLatin1String("ss")) return twoDigits(time.second());
    if (t == QLatin1String("s")) return QString::number(time.second());
    if (t == QLatin1String("ttttt")) return locale.toString(time, LongTimeFormat());
    return defaultDateText(value);   // "c"
}

} // namespace

QString defaultDateText(Date value)
{
    // QDate and QTime apart: a QDateTime would look up the time zone at every call.
    const QLocale &locale = CurrentLocale();
    if (!value.hasDate())
        return locale.toString(value.toQTime(), LongTimeFormat());   // the zero day shows its time only
    const QString date = locale.toString(value.toQDate(), ShortDateFormat());
    if (!value.hasTime())
        return date;
    return date + QLatin1Char(' ') + locale.toString(value.toQTime(), LongTimeFormat());
}

bool isNamedDateFormat(const QString &name)
{
    const QString n = name.toLower();
    return n == QLatin1String("general date") || n == QLatin1String("long date") || n == QLatin1String("medium date") ||
           n == QLatin1String("short date") || n == QLatin1String("long time") || n == QLatin1String("medium time") ||
           n == QLatin1String("short time");
}

QString formatNamedDate(Date value, const QString &name)
{
    const QLocale &locale = CurrentLocale();
    const QDateTime dt(value.toQDate(), value.toQTime(), Qt::UTC);   // no time-zone lookup
    const QString n = name.toLower();
    if (n == QLatin1String("long date"))
        return locale.toString(dt.date(), LongDateFormat());
    if (n == QLatin1String("medium date"))
        return formatDatePattern(value, QStringLiteral("dd-mmm-yy"));
    if (n == QLatin1String("short date"))
        return locale.toString(dt.date(), ShortDateFormat());
    if (n == QLatin1String("medium time"))
        return formatDatePattern(value, QStringLiteral("hh:nn AMPM"));
    if (n == QLatin1String("long time"))
        return locale.toString(dt.time(), LongTimeFormat());
    if (n == QLatin1String("short time"))
        return locale.toString(dt.time(), QStringLiteral("HH:mm"));
    return defaultDateText(value);
}

bool isDatePattern(const QString &pattern)
{
    bool anyDateToken = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('"')) {
            const qsizetype end = pattern.indexOf(QLatin1Char('"'), i + 1);
            i = end < 0 ? pattern.size() : end;
        } else if (c == QLatin1Char('\\')) {
            ++i;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            return false;
        } else if (!tokenAt(pattern, i).isEmpty() || !designatorAt(pattern, i).isEmpty()) {
            anyDateToken = true;
        }
    }
    return anyDateToken;
}

QString formatDatePattern(Date value, const QString &pattern)
{
    // In UTC: a local QDateTime would look up the time zone (a file) at every call, which a
    // list of many dates pays for on every row.
    const QDateTime dt(value.toQDate(), value.toQTime(), Qt::UTC);
    const bool twelveHour = usesTwelveHourClock(pattern);
    QString out;
    bool afterHour = false;   // "m" right after "h" or "hh" means minutes
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('"')) {
            const qsizetype end = pattern.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            out += pattern.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (c == QLatin1Char('\\') && i + 1 < pattern.size()) {
            out += pattern.at(i + 1);
            i += 2;
            continue;
        }
        if (const QString d = designatorAt(pattern, i); !d.isEmpty()) {
            out += designatorText(d, dt.time().hour() >= 12);
            i += d.size();
            continue;
        }
        if (const QString token = tokenAt(pattern, i); !token.isEmpty()) {
            const QString lower = token.toLower();
            const bool isMinute = afterHour && (lower == QLatin1String("m") || lower == QLatin1String("mm"));
            out += renderToken(token, dt, value, twelveHour, isMinute);
            afterHour = lower == QLatin1String("h") || lower == QLatin1String("hh");
            i += token.size();
            continue;
        }
        if (c == QLatin1Char('/'))
            out += DateSeparator();
        else
            out += c;
        ++i;
    }
    return out;
}

} // namespace vb::detail
