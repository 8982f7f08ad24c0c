#include "frontdesk/bills/foodbill.h"

#include "vb/conversions.h"
#include "vb/text.h"
#include "vb/variant.h"

namespace frontdesk {

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString tabs(int count) { return QString(count, QLatin1Char('\t')); }

QString currencyText(const QString &amount)
{
    return vb::Format(vb::Variant(vb::CCur(vb::Variant(amount))), QStringLiteral("Currency"));
}

QString rule() { return QString(81, QLatin1Char('-')) + QLatin1Char(' '); }

} // namespace

QString FoodBillText(const FoodOrderDetails &order, const QString &orderSign)
{
    QString text = QStringLiteral("Customer Name ") + tabs(5) + QStringLiteral(": ") + order.title + QLatin1Char(' ')
                   + order.firstName + QLatin1Char(' ') + order.lastName + CrLf + CrLf;
    text += QStringLiteral("Customer ID ") + tabs(6) + QStringLiteral(": ") + orderSign + order.guestNumber + CrLf;
    text += QStringLiteral("Food & Beverages Order No. ") + tabs(3) + QStringLiteral(": ") + order.orderText + CrLf + CrLf;
    text += rule() + CrLf;
    for (const BilledItem &item : order.items)
        text += item.item + tabs(7) + item.price + CrLf;
    text += rule() + CrLf;
    text += QStringLiteral("Total ") + tabs(7) + currencyText(order.totalAmount) + CrLf;
    text += QStringLiteral("Tax ") + tabs(7) + vb::CStr(vb::Variant(vb::CDbl(vb::Variant(order.taxPercent))))
            + QStringLiteral("%") + CrLf;
    text += QStringLiteral("Tax Amount") + tabs(6) + currencyText(order.taxAmount) + CrLf;
    text += QStringLiteral("Grand Total ") + tabs(6) + currencyText(order.amountWithTax);
    return text;
}

} // namespace frontdesk
