#include "vb/locale.h"

#include <QRegularExpression>

#include <optional>

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

QString computeShortDateFormat(const QLocale &locale)
{
    // Regional settings show four-digit years in the short date; CLDR's short forms use two.
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return format;
}

QString computeLongTimeFormat(const QLocale &locale)
{
    // The long time has no time zone in the regional settings: drop the unquoted "t" fields.
    const QString qt = locale.timeFormat(QLocale::LongFormat);
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

// The date and time patterns of the current locale, worked out once per locale: every
// date shown as text needs them, and working them out costs far more than the formatting.
struct Patterns {
    QString shortDate;
    QString longDate;
    QString longTime;
};

std::optional<Patterns> &cachedPatterns()
{
    static std::optional<Patterns> patterns;
    return patterns;
}

const Patterns &patterns()
{
    auto &cached = cachedPatterns();
    if (!cached) {
        const QLocale &locale = storedLocale();
        cached = Patterns{computeShortDateFormat(locale), locale.dateFormat(QLocale::LongFormat),
                          computeLongTimeFormat(locale)};
    }
    return *cached;
}

} // namespace

const QLocale &CurrentLocale()
{
    return storedLocale();
}

void SetCurrentLocale(const QLocale &locale)
{
    storedLocale() = locale;
    cachedPatterns().reset();
}

QString ShortDateFormat() { return patterns().shortDate; }

QString LongDateFormat() { return patterns().longDate; }

QString LongTimeFormat() { return patterns().longTime; }

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
