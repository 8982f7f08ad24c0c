#include "ui/filefilter.h"

namespace ui {

namespace {
QString qtPatterns(const QString &vbPatterns)
{
    QStringList parts = vbPatterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString &p : parts)
        p = p.trimmed();
    parts.removeAll(QString());
    return parts.isEmpty() ? QStringLiteral("*") : parts.join(QLatin1Char(' '));
}

QString nameFilter(const QString &description, const QString &vbPatterns)
{
    const QString patterns = qtPatterns(vbPatterns);
    const QString desc = description.trimmed();
    const QString suffix = QLatin1Char('(') + patterns + QLatin1Char(')');
    const QString givenSuffix = QLatin1Char('(') + vbPatterns.trimmed() + QLatin1Char(')');
    if (desc.endsWith(suffix) || desc.endsWith(givenSuffix))
        return desc.left(desc.size() - (desc.endsWith(suffix) ? suffix.size() : givenSuffix.size()))
               + suffix;
    if (desc.isEmpty())
        return suffix;
    return desc + QLatin1Char(' ') + suffix;
}
} // namespace

QStringList QtNameFilters(const QString &vbFilter)
{
    QStringList filters;
    if (vbFilter.isEmpty())
        return filters;
    const QStringList parts = vbFilter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString patterns = i + 1 < parts.size() ? parts.at(i + 1) : QString();
        if (parts.at(i).isEmpty() && patterns.isEmpty())
            continue;   // a trailing "|"
        filters << nameFilter(parts.at(i), patterns);
    }
    return filters;
}

int NameFilterIndex(const QStringList &nameFilters, const QString &chosen)
{
    return static_cast<int>(nameFilters.indexOf(chosen)) + 1;
}

} // namespace ui
