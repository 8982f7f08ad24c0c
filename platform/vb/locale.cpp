#include "vb/locale.h"

#include <QRegularExpression>

namespace vb {

namespace {

QLocale initialLocale()
{
    // A fresh Windows has US regional settings; C/POSIX is the closest we get to "unset".
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C || system.name() == QLatin1String("C"))
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return system;
}

QLocale &storedLocale()
{
    static QLocale locale = initialLocale();
    return locale;
}

} // namespace

const QLocale &CurrentLocale()
{
    return storedLocale();
}

void SetCurrentLocale(const QLocale &locale)
{
    storedLocale() = locale;
}

QString ShortDateFormat()
{
    // Regional settings show four-digit years in the short date; CLDR's short forms use two.
    QString format = CurrentLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return format;
}

QString LongDateFormat()
{
    return CurrentLocale().dateFormat(QLocale::LongFormat);
}

QString LongTimeFormat()
{
    // The long time has no time zone in the regional settings: drop the unquoted "t" fields.
    const QString qt = CurrentLocale().timeFormat(QLocale::LongFormat);
    QString format;
    bool quoted = false;
    for (const QChar c : qt) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            format += c;
    }
    format.remove(QStringLiteral("()"));
    return format.trimmed();
}

QChar DateSeparator()
{
    for (const QChar c : ShortDateFormat()) {
        if (!c.isLetter())
            return c;
    }
    return QLatin1Char('/');
}

QString CurrencySymbol()
{
    return CurrentLocale().currencySymbol();
}

QChar DecimalSeparator()
{
    const QString s = CurrentLocale().decimalPoint();
    return s.isEmpty() ? QLatin1Char('.') : s.at(0);
}

QChar GroupSeparator()
{
    const QString s = CurrentLocale().groupSeparator();
    return s.isEmpty() ? QLatin1Char(',') : s.at(0);
}

} // namespace vb
