#include "vb/datetime.h"

#include "vb/error.h"

#include <cmath>

namespace vb {

namespace {

constexpr qint64 SecondsPerDay = 86400;

QDate zeroDay()
{
    return QDate(1899, 12, 30);
}

// The serial split into a day number and the seconds of that day. The day is the whole part
// toward zero and the time is the magnitude of the fraction, so -1.25 is 12/29/1899 06:00.
struct DayAndTime {
    qint64 day;
    qint64 seconds;
};

DayAndTime split(double serial)
{
    double whole = std::trunc(serial);
    qint64 day = static_cast<qint64>(whole);
    qint64 seconds = std::llround(std::fabs(serial - whole) * SecondsPerDay);
    if (seconds >= SecondsPerDay) {
        seconds -= SecondsPerDay;
        day += serial < 0 ? -1 : 1;
    }
    return {day, seconds};
}

double toSerial(qint64 day, qint64 seconds)
{
    const double fraction = static_cast<double>(seconds) / SecondsPerDay;
    return day < 0 ? static_cast<double>(day) - fraction : static_cast<double>(day) + fraction;
}

} // namespace

Date Date::fromQDate(const QDate &date)
{
    return Date(static_cast<double>(zeroDay().daysTo(date)));
}

Date Date::fromQDateTime(const QDateTime &dateTime)
{
    return Date(toSerial(zeroDay().daysTo(dateTime.date()), dateTime.time().msecsSinceStartOfDay() / 1000));
}

Date Date::serial(int year, int month, int day)
{
    if (year >= 0 && year < 30)
        year += 2000;
    else if (year >= 30 && year < 100)
        year += 1900;
    const QDate date = QDate(year, 1, 1).addMonths(month - 1).addDays(day - 1);
    if (!date.isValid() || date.year() < 100 || date.year() > 9999)
        throw Error::standard(errInvalidProcedureCall);
    return fromQDate(date);
}

QDate Date::toQDate() const
{
    return zeroDay().addDays(split(serial_).day);
}

QTime Date::toQTime() const
{
    return QTime::fromMSecsSinceStartOfDay(int(split(serial_).seconds * 1000));
}

QDateTime Date::toQDateTime() const
{
    return QDateTime(toQDate(), toQTime());
}

bool Date::hasTime() const
{
    return split(serial_).seconds != 0;
}

bool Date::hasDate() const
{
    return split(serial_).day != 0;
}

Date Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    return Date::fromQDateTime(QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second())));
}

Date Today()
{
    return Date::fromQDate(QDate::currentDate());
}

long DateDiff(const QString &interval, Date a, Date b)
{
    const QDate from = a.toQDate();
    const QDate to = b.toQDate();
    const QString unit = interval.toLower();
    if (unit == QLatin1String("d"))
        return static_cast<long>(from.daysTo(to));
    if (unit == QLatin1String("m"))
        return (to.year() - from.year()) * 12L + (to.month() - from.month());
    if (unit == QLatin1String("yyyy"))
        return to.year() - from.year();
    throw Error::standard(errInvalidProcedureCall);
}

int Weekday(Date d)
{
    return d.toQDate().dayOfWeek() % 7 + 1;   // Qt: Monday 1 .. Sunday 7
}

} // namespace vb
