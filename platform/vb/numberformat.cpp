#include "vb/formatparts.h"

#include "vb/locale.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vb::detail {

namespace {

QString withSeparator(const FixedDigits &f, bool group)
{
    const QString whole = group ? grouped(f.integer) : f.integer;
    return f.fraction.isEmpty() ? whole : whole + DecimalSeparator() + f.fraction;
}

QString currencyText(const Decimal &value)
{
    const QLocale &locale = CurrentLocale();
    const FixedDigits f = fixedDigits(value, 2);
    const QString amount = withSeparator(f, true);
    // The locale's placement of the sign, read from a sample; the regional settings of the US
    // put negative amounts in parentheses.
    const QString marker = QStringLiteral("\u00A4");
    if (f.negative && locale.territory() == QLocale::UnitedStates)
        return QLatin1Char('(') + CurrencySymbol() + amount + QLatin1Char(')');
    QString sample = locale.toCurrencyString(qlonglong(f.negative ? -7 : 7), marker);
    sample.replace(QLatin1Char('7'), amount);
    return sample.replace(marker, CurrencySymbol());
}

// "Scientific": one whole digit, two decimals, "E", the exponent's sign and at least two digits.
QString scientificText(const Decimal &value)
{
    int exponent = 0;
    Decimal mantissa = value;
    if (!value.isZero()) {
        exponent = value.exponent + int(value.digits.size()) - 1;
        mantissa.exponent = value.exponent - exponent;
    }
    FixedDigits f = fixedDigits(mantissa, 2);
    if (f.integer.size() > 1) {   // 9.995 rounds up to 10.00: one more power of ten
        ++exponent;
        mantissa.exponent -= 1;
        f = fixedDigits(mantissa, 2);
    }
    const QString digits = QString::number(std::abs(exponent)).rightJustified(2, QLatin1Char('0'));
    const QString text = withSeparator(f, false) + (exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) + digits;
    return f.negative ? QLatin1Char('-') + text : text;
}

// Splits on ';' outside quotes.
QStringList sections(const QString &pattern)
{
    QStringList out(QString{});
    bool quoted = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char('\\') && i + 1 < pattern.size()) {
            out.last() += c;
            out.last() += pattern.at(++i);
            continue;
        }
        if (c == QLatin1Char(';') && !quoted)
            out.append(QString());
        else
            out.last() += c;
    }
    return out;
}

bool isPlaceholder(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#');
}

// One section of a numeric pattern, taken apart.
struct Section {
    QList<QString> integerItems;    // "0", "#" or literal text, in order
    QList<QString> fractionItems;
    bool hasPoint = false;
    bool grouping = false;
    bool percent = false;
    QString prefix;                 // literals before the first placeholder
};

Section parseSection(const QString &pattern)
{
    Section s;
    bool seenPlaceholder = false;
    auto appendLiteral = [&](const QString &text) {
        if (!seenPlaceholder && !s.hasPoint) {
            s.prefix += text;
            return;
        }
        QList<QString> &items = s.hasPoint ? s.fractionItems : s.integerItems;
        items.append(text);
    };
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (isPlaceholder(c)) {
            (s.hasPoint ? s.fractionItems : s.integerItems).append(QString(c));
            seenPlaceholder = true;
        } else if (c == QLatin1Char('.') && !s.hasPoint) {
            s.hasPoint = true;
        } else if (c == QLatin1Char(',') && !s.hasPoint) {
            s.grouping = seenPlaceholder || s.grouping;
        } else if (c == QLatin1Char('%')) {
            s.percent = true;
            appendLiteral(QStringLiteral("%"));
        } else if (c == QLatin1Char('\\') && i + 1 < pattern.size()) {
            appendLiteral(QString(pattern.at(++i)));
        } else if (c == QLatin1Char('"')) {
            const qsizetype end = pattern.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            appendLiteral(pattern.mid(i + 1, stop - i - 1));
            i = stop;
        } else {
            appendLiteral(QString(c));
        }
    }
    return s;
}

int countPlaceholders(const QList<QString> &items)
{
    int n = 0;
    for (const QString &item : items)
        n += item.size() == 1 && isPlaceholder(item.at(0));
    return n;
}

int countZeros(const QList<QString> &items)
{
    return static_cast<int>(std::count(items.begin(), items.end(), QStringLiteral("0")));
}

// With grouping the digits stay together, grouped, where the first placeholder stands.
QString fillGroupedInteger(const Section &s, QString digits)
{
    if (digits.size() < countZeros(s.integerItems))
        digits.prepend(QString(countZeros(s.integerItems) - digits.size(), QLatin1Char('0')));
    QString out;
    bool placed = false;
    for (const QString &item : s.integerItems) {
        if (!(item.size() == 1 && isPlaceholder(item.at(0))))
            out += item;
        else if (!std::exchange(placed, true))
            out += grouped(digits);
    }
    return out;
}

// Whole digits placed right to left into the placeholders; the leftmost one takes any excess.
QString fillInteger(const Section &s, QString digits)
{
    if (digits == QLatin1String("0"))
        digits.clear();   // a "#" shows no lone zero
    if (s.grouping)
        return fillGroupedInteger(s, digits);
    const int placeholders = countPlaceholders(s.integerItems);
    int seen = 0;
    QString out;
    for (qsizetype k = s.integerItems.size() - 1; k >= 0; --k) {
        const QString &item = s.integerItems.at(k);
        if (!(item.size() == 1 && isPlaceholder(item.at(0)))) {
            out.prepend(item);
            continue;
        }
        ++seen;
        if (seen == placeholders) {
            out.prepend(digits.isEmpty() && item == QLatin1String("0") ? QStringLiteral("0") : digits);
            digits.clear();
        } else if (!digits.isEmpty()) {
            out.prepend(digits.back());
            digits.chop(1);
        } else if (item == QLatin1String("0")) {
            out.prepend(QLatin1Char('0'));
        }
    }
    return out;
}

QString fillFraction(const Section &s, const QString &digits)
{
    // Trailing zeros disappear where their placeholder is "#".
    int keep = static_cast<int>(digits.size());
    int position = keep;
    for (qsizetype k = s.fractionItems.size() - 1; k >= 0 && keep > 0; --k) {
        const QString &item = s.fractionItems.at(k);
        if (!(item.size() == 1 && isPlaceholder(item.at(0))))
            continue;
        --position;
        if (item == QLatin1String("#") && position == keep - 1 && digits.at(position) == QLatin1Char('0'))
            --keep;
        else
            break;
    }
    QString out;
    int used = 0;
    for (const QString &item : s.fractionItems) {
        if (item.size() == 1 && isPlaceholder(item.at(0))) {
            if (used < keep)
                out += digits.at(used);
            ++used;
        } else {
            out += item;
        }
    }
    return out;
}

QString renderSection(const Section &s, Decimal value, bool withMinus)
{
    if (s.percent)
        value.exponent += 2;
    const int decimals = countPlaceholders(s.fractionItems);
    const FixedDigits f = fixedDigits(value, decimals);
    QString text = s.prefix + fillInteger(s, f.integer);
    if (s.hasPoint)
        text += DecimalSeparator() + fillFraction(s, f.fraction);
    return withMinus && f.negative ? QLatin1Char('-') + text : text;
}

} // namespace

QString grouped(const QString &digits)
{
    QString out;
    const QChar separator = GroupSeparator();
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += separator;
        out += digits.at(i);
    }
    return out;
}

bool isNamedNumberFormat(const QString &name)
{
    static const QStringList names = {
        QStringLiteral("currency"), QStringLiteral("fixed"),   QStringLiteral("standard"),   QStringLiteral("percent"),
        QStringLiteral("scientific"), QStringLiteral("yes/no"), QStringLiteral("true/false"), QStringLiteral("on/off"),
    };
    return names.contains(name.toLower());
}

QString formatNamedNumber(const Decimal &value, const QString &name)
{
    const QString n = name.toLower();
    if (n == QLatin1String("currency"))
        return currencyText(value);
    if (n == QLatin1String("percent"))
        return formatNumberPattern(value, QStringLiteral("0.00%"));
    if (n == QLatin1String("scientific"))
        return scientificText(value);
    if (n == QLatin1String("yes/no"))
        return value.isZero() ? QStringLiteral("No") : QStringLiteral("Yes");
    if (n == QLatin1String("true/false"))
        return value.isZero() ? QStringLiteral("False") : QStringLiteral("True");
    if (n == QLatin1String("on/off"))
        return value.isZero() ? QStringLiteral("Off") : QStringLiteral("On");
    const FixedDigits f = fixedDigits(value, 2);
    const QString text = withSeparator(f, n == QLatin1String("standard"));
    return f.negative ? QLatin1Char('-') + text : text;
}

QString formatNumberPattern(const Decimal &value, const QString &pattern)
{
    const QStringList parts = sections(pattern);
    if (value.isZero() && parts.size() >= 3 && !parts.at(2).isEmpty())
        return renderSection(parseSection(parts.at(2)), value, false);
    if (value.negative && parts.size() >= 2 && !parts.at(1).isEmpty()) {
        Decimal magnitude = value;
        magnitude.negative = false;
        return renderSection(parseSection(parts.at(1)), magnitude, false);
    }
    return renderSection(parseSection(parts.at(0)), value, true);
}

} // namespace vb::detail
