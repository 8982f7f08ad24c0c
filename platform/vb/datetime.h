#pragma once
// Date: the automation date, days since 1899-12-30 with the time of day as the fraction.
#include <QDate>
#include <QDateTime>
#include <QTime>
#include <compare>

namespace vb {

class Date {
public:
    constexpr Date() = default;
    constexpr explicit Date(double serial) : serial_(serial) {}

    static Date fromQDate(const QDate &date);
    static Date fromQDateTime(const QDateTime &dateTime);
    // DateSerial / TimeSerial as the runtime has them (months and days may overflow into the next).
    static Date serial(int year, int month, int day);

    constexpr double serial() const { return serial_; }
    QDate toQDate() const;
    QTime toQTime() const;           // the time of day
    QDateTime toQDateTime() const;   // local time, no zone conversion
    bool hasTime() const;            // a fraction of a day other than midnight
    bool hasDate() const;            // a day other than the zero day 1899-12-30

    constexpr auto operator<=>(const Date &) const = default;

private:
    double serial_ = 0.0;
};

Date Now();    // the current date and time
Date Today();  // VB's Date function: the current date at midnight

// DateDiff with the intervals "yyyy", "m", "d" (whole boundaries crossed from a to b); others raise 5.
long DateDiff(const QString &interval, Date a, Date b);
// Weekday with Sunday as day 1.
int Weekday(Date d);

} // namespace vb
