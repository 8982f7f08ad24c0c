#pragma once
// String functions and Format.
#include "vb/variant.h"

namespace vb {

QString Trim(const QString &s);    // blanks (spaces) only, as the runtime does
QString LTrim(const QString &s);
QString RTrim(const QString &s);
QString Left(const QString &s, int n);
QString Right(const QString &s, int n);
QString Mid(const QString &s, int start1, int length = -1);   // 1-based start
int InStr(const QString &s, const QString &find, int start1 = 1);   // 0 when absent
QString Replace(const QString &s, const QString &find, const QString &with);
QString UCase(const QString &s);
QString LCase(const QString &s);

// Format with the named forms the windows use: "Currency", "Short Date", "Long Date", "General Date",
// "Short Time", "Long Time", "Fixed", "Standard", and custom date patterns ("dd/mm/yyyy", "m/d/yyyy",
// "mmmm yyyy", "hh:mm:ss", ...). An empty format gives CStr. Null gives "".
QString Format(const Variant &v, const QString &format = QString());
QString FormatCurrency(const Variant &v);

} // namespace vb
