#include "vb/text.h"

#include "vb/error.h"

namespace vb {

namespace {

constexpr QChar Blank(u' ');

void requireNonNegative(int n)
{
    if (n < 0)
        throw Error::standard(errInvalidProcedureCall);
}

} // namespace

QString LTrim(const QString &s)
{
    qsizetype start = 0;
    while (start < s.size() && s.at(start) == Blank)
        ++start;
    return s.mid(start);
}

QString RTrim(const QString &s)
{
    qsizetype end = s.size();
    while (end > 0 && s.at(end - 1) == Blank)
        --end;
    return s.left(end);
}

QString Trim(const QString &s)
{
    return LTrim(RTrim(s));
}

QString Left(const QString &s, int n)
{
    requireNonNegative(n);
    return s.left(n);
}

QString Right(const QString &s, int n)
{
    requireNonNegative(n);
    return n >= s.size() ? s : s.right(n);
}

QString Mid(const QString &s, int start1, int length)
{
    if (start1 < 1)
        throw Error::standard(errInvalidProcedureCall);
    if (start1 > s.size())
        return QString();
    return length < 0 ? s.mid(start1 - 1) : s.mid(start1 - 1, length);
}

int InStr(const QString &s, const QString &find, int start1)
{
    if (start1 < 1)
        throw Error::standard(errInvalidProcedureCall);
    if (start1 > s.size())
        return 0;
    if (find.isEmpty())
        return start1;
    return static_cast<int>(s.indexOf(find, start1 - 1, Qt::CaseSensitive)) + 1;
}

QString Replace(const QString &s, const QString &find, const QString &with)
{
    if (find.isEmpty())
        return s;
    return QString(s).replace(find, with, Qt::CaseSensitive);
}

QString UCase(const QString &s)
{
    return s.toUpper();
}

QString LCase(const QString &s)
{
    return s.toLower();
}

} // namespace vb
