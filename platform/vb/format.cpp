#include "vb/text.h"

#include "vb/conversions.h"
#include "vb/dateparse.h"
#include "vb/formatparts.h"

#include <optional>

namespace vb {

namespace {

// The value as a number for the numeric forms; a text that is no number is shown as it stands.
std::optional<detail::Decimal> numberFor(const Variant &v)
{
    switch (v.type()) {
    case VarType::Double: return detail::decimalFromDouble(v.asDouble());
    case VarType::Date: return detail::decimalFromDouble(v.asDate().serial());
    case VarType::Currency: return detail::decimalFromCurrency(v.asCurrency());
    case VarType::String: return detail::parseLocaleNumber(v.asString());
    default: return detail::decimalFromInteger(CLng(v));
    }
}

// The value as a date for the date forms; a text that is neither date nor number stands as it is.
std::optional<Date> dateFor(const Variant &v)
{
    if (v.type() != VarType::String)
        return CDate(v);
    if (std::optional<Date> d = detail::parseDateText(v.asString()))
        return d;
    if (IsNumeric(v))
        return CDate(CDbl(v));
    return std::nullopt;
}

QString textOf(const Variant &v)
{
    return v.type() == VarType::String ? v.asString() : CStr(v);
}

// "General Number": the number as CStr writes it, without group separators; a date counts
// as its serial number, True as -1.
QString generalNumber(const Variant &v)
{
    switch (v.type()) {
    case VarType::Double:
    case VarType::Currency:
    case VarType::Integer:
    case VarType::Long: return CStr(v);
    case VarType::Boolean: return CStr(Variant(CLng(v)));
    case VarType::Date: return CStr(Variant(v.asDate().serial()));
    default: return IsNumeric(v) ? CStr(Variant(CDbl(v))) : textOf(v);
    }
}

} // namespace

QString Format(const Variant &v, const QString &format)
{
    if (v.isNull() || v.isEmpty())
        return QString();
    if (format.isEmpty())
        return CStr(v);
    if (format.compare(QLatin1String("General Number"), Qt::CaseInsensitive) == 0)
        return generalNumber(v);

    const bool namedNumber = detail::isNamedNumberFormat(format);
    if (namedNumber || (!detail::isNamedDateFormat(format) && !detail::isDatePattern(format))) {
        const std::optional<detail::Decimal> number = numberFor(v);
        if (!number)
            return textOf(v);
        return namedNumber ? detail::formatNamedNumber(*number, format) : detail::formatNumberPattern(*number, format);
    }

    const std::optional<Date> date = dateFor(v);
    if (!date)
        return textOf(v);
    return detail::isNamedDateFormat(format) ? detail::formatNamedDate(*date, format)
                                             : detail::formatDatePattern(*date, format);
}

QString FormatCurrency(const Variant &v)
{
    if (v.isEmpty())
        return detail::formatNamedNumber(detail::Decimal{}, QStringLiteral("Currency"));
    if (!v.isNull() && !IsNumeric(v))
        CDbl(v);   // raises Type mismatch, as FormatCurrency does for a text that is no number
    return Format(v, QStringLiteral("Currency"));
}

} // namespace vb
