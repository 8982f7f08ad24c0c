#pragma once
// The "regional settings": the system locale, or en_US when the system locale is C/POSIX.
#include <QLocale>

namespace vb {

const QLocale &CurrentLocale();
// Tests pin a locale so that expected texts are stable.
void SetCurrentLocale(const QLocale &locale);

QString ShortDateFormat();   // e.g. "M/d/yyyy" in en_US (Qt pattern)
QString LongDateFormat();    // e.g. "dddd, MMMM d, yyyy" in en_US (Qt pattern)
QString LongTimeFormat();    // e.g. "h:mm:ss AP" in en_US (Qt pattern, no time zone)
QChar DateSeparator();       // the separator of the short date, '/' in en_US
QString CurrencySymbol();
QChar DecimalSeparator();
QChar GroupSeparator();

} // namespace vb
