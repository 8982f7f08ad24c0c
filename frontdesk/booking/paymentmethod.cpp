#include "frontdesk/booking/paymentmethod.h"

#include <QStringList>

namespace frontdesk {

namespace {
const QStringList &names()
{
    static const QStringList list{QStringLiteral("Cash"), QStringLiteral("Cheque"), QStringLiteral("Credit Card"),
                                  QStringLiteral("Other")};
    return list;
}

const QStringList &prompts()
{
    static const QStringList list{QString(), QStringLiteral("Enter Cheque Details"),
                                  QStringLiteral("Enter Credit Card Details"),
                                  QStringLiteral("Enter Other Payment Method Details")};
    return list;
}
} // namespace

QString PaymentMethodName(int index) { return names().value(index); }

QString PaymentPrompt(int index) { return prompts().value(index); }

bool IsPaymentPrompt(const QString &details) { return !details.isEmpty() && prompts().contains(details); }

QString StoredPaymentDetails(bool cash, const QString &details)
{
    if (cash)
        return QStringLiteral("Cash");
    if (details.isEmpty() || IsPaymentPrompt(details))
        return QStringLiteral("N/A");
    return QString(details).replace(QLatin1Char('\''), QStringLiteral("!*!"));
}

} // namespace frontdesk
