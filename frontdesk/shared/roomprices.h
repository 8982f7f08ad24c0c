#pragma once
// The price list of a guest row (cRoomNamePrice): one price per booked room, in the order of
// its room list (cRoomNameID), joined with ",".
//
// Lists are written as plain amounts ("1200,100.5"), as the amount columns are, so that each
// price is one element in every locale. Lists written earlier hold the prices as the booking
// window showed them, in the locale's currency form with its thousands separators
// ("$1,200.00,$100.00"); they are read back by the shape of that form: each price begins with
// the currency sign or the negative's sign where the locale puts the sign first, and ends with
// it where the locale puts it last, so a piece without it belongs to its neighbour.
#include "vb/currency.h"

#include <QList>
#include <QString>
#include <optional>

namespace frontdesk {

QString StoredRoomPrices(const QList<vb::Currency> &prices);

struct RoomPrice {
    QString stored;                      // the element as stored, trimmed
    std::optional<vb::Currency> amount;  // nothing when the element is no amount
    // The amount in currency form, or the element as stored when it is none.
    QString shown() const;
};
QList<RoomPrice> ReadRoomPrices(const QString &list);

} // namespace frontdesk
