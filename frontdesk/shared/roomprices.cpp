#include "frontdesk/shared/roomprices.h"

#include "vb/conversions.h"
#include "vb/error.h"
#include "vb/text.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cstdint>

namespace frontdesk {

namespace {

bool startsWithDigit(const QString &text) { return !text.isEmpty() && text.front().isDigit(); }
bool endsWithDigit(const QString &text) { return !text.isEmpty() && text.back().isDigit(); }

// Whether the locale's currency form puts the sign (and a negative's mark) before the digits.
bool currencySignFirst() { return !startsWithDigit(vb::Format(vb::Variant(vb::Currency(7)), QStringLiteral("Currency"))); }

// A plain amount as the lists are written now ("-1200.5"): '.' the decimal point in every locale.
std::optional<vb::Currency> plainAmount(const QString &text)
{
    static const QRegularExpression plain(QStringLiteral("^(-?)(\\d{1,15})(?:\\.(\\d{1,4}))?$"));
    const QRegularExpressionMatch match = plain.match(text);
    const int64_t whole = match.captured(2).toLongLong();
    if (!match.hasMatch() || whole > INT64_MAX / vb::Currency::Scale - 1)
        return std::nullopt;
    const int64_t raw = whole * vb::Currency::Scale
                        + match.captured(3).leftJustified(4, QLatin1Char('0')).toLongLong();
    return vb::Currency::fromRaw(match.captured(1).isEmpty() ? raw : -raw);
}

std::optional<vb::Currency> currencyOf(const QString &text)
{
    try {
        return vb::CCur(vb::Variant(text));
    } catch (const vb::Error &) {
        return std::nullopt;
    }
}

// The pieces of an earlier list joined again where a thousands separator (or a decimal comma)
// split one price.
QStringList currencyElements(const QStringList &pieces)
{
    const bool signFirst = currencySignFirst();
    QStringList elements;
    bool open = false;   // the last element still takes the next piece
    for (const QString &piece : pieces) {
        const QString trimmed = piece.trimmed();
        const bool continues = signFirst ? startsWithDigit(trimmed) : open;
        if (continues && !elements.isEmpty())
            elements.back() += QLatin1Char(',') + piece;
        else
            elements << piece;
        open = !signFirst && endsWithDigit(trimmed);
    }
    return elements;
}

} // namespace

QString StoredRoomPrices(const QList<vb::Currency> &prices)
{
    QStringList texts;
    for (const vb::Currency price : prices)
        texts << price.toInvariantString();
    return texts.join(QLatin1Char(','));
}

QString RoomPrice::shown() const
{
    return amount ? vb::Format(vb::Variant(*amount), QStringLiteral("Currency")) : stored;
}

QList<RoomPrice> ReadRoomPrices(const QString &list)
{
    QList<RoomPrice> prices;
    if (list.trimmed().isEmpty())
        return prices;
    const QStringList pieces = list.split(QLatin1Char(','));
    for (const QString &piece : pieces)
        prices.append({piece.trimmed(), plainAmount(piece.trimmed())});
    if (std::all_of(prices.begin(), prices.end(), [](const RoomPrice &price) { return price.amount.has_value(); }))
        return prices;
    prices.clear();
    for (const QString &element : currencyElements(pieces))
        prices.append({element.trimmed(), currencyOf(element.trimmed())});
    return prices;
}

} // namespace frontdesk
