#pragma once
// The food bill as text: the guest, the order, one line per item between two rules, and the
// totals, built from what the guest food orders window shows.
#include <QList>
#include <QString>

namespace frontdesk {

// One row of the orders window's items list.
struct BilledItem {
    QString item;
    QString price;   // as the list shows it
    bool operator==(const BilledItem &) const = default;
};

// What the guest food orders window shows, as its boxes hold it.
struct FoodOrderDetails {
    QString title;
    QString firstName;
    QString lastName;
    QString guestNumber;   // without the order sign
    QString orderText;     // the selected order's row: the order sign and the order id
    QList<BilledItem> items;
    QString totalAmount;   // amounts as the boxes show them
    QString taxPercent;    // the percent label's caption
    QString taxAmount;
    QString amountWithTax;
    bool operator==(const FoodOrderDetails &) const = default;
};

// The bill; the amounts are read as currency (the percent as a number) and raise 13 when a
// box holds no number.
QString FoodBillText(const FoodOrderDetails &order, const QString &orderSign);

} // namespace frontdesk
