#include "tools/hoteldb/secretmask.h"

#include <QRegularExpression>

namespace hoteldb {

namespace {

const QString Mask = QStringLiteral("****");

// `value` where neither side touches a letter or digit.
QRegularExpression wholeValue(const QString &value)
{
    return QRegularExpression(QStringLiteral(R"((?<![\p{L}\p{N}]))") + QRegularExpression::escape(value)
                              + QStringLiteral(R"((?![\p{L}\p{N}]))"));
}

} // namespace

QString WithoutSecrets(const QString &text, const ServerAccount &account)
{
    QString masked = text;
    if (!account.password.isEmpty())
        masked.replace(wholeValue(account.password), Mask);
    if (!account.user.isEmpty())
        masked.replace(QLatin1Char('\'') + account.user + QLatin1Char('\''), QLatin1Char('\'') + Mask + QLatin1Char('\''));
    return masked;
}

} // namespace hoteldb
