#include "tools/hoteldb/serveraccount.h"

#include "core/db/connectiontext.h"
#include "profile/ansi.h"
#include "tools/hoteldb/refusal.h"

#include <QRegularExpression>

namespace hoteldb {

namespace {

// Why a secret or a setting cannot go into config.ini and the connection text as it stands;
// empty when it can.
QString problemOf(const QString &value)
{
    if (value.contains(QLatin1Char(';')))
        return QStringLiteral("holds a \";\", which ends a value of the connection text");
    if (value.startsWith(QLatin1Char('{')))
        return QStringLiteral("begins with \"{\", which the connection text reads as a quote");
    if (value != value.trimmed())
        return QStringLiteral("begins or ends with a blank, which the program trims away");
    for (const QChar c : value) {
        if (!ansi::ByteOf(c.unicode()))
            return QStringLiteral("holds a character that Windows-1252 lacks, so it cannot be stored enciphered");
    }
    return {};
}

void check(const QString &what, const QString &value)
{
    if (value.isEmpty())
        throw Refusal{QStringLiteral("The %1 is empty.").arg(what)};
    const QString problem = problemOf(value);
    if (!problem.isEmpty())
        throw Refusal{QStringLiteral("The %1 %2; choose another.").arg(what, problem)};
}

} // namespace

QString HostText(const ServerAccount &account)
{
    return account.port > 0 ? account.host + QStringLiteral(";port=") + QString::number(account.port) : account.host;
}

QString ConnectionText(const ServerAccount &account, const QString &database)
{
    return core::MySqlConnectionText(account.user, account.password, HostText(account), database);
}

void CheckAccount(const ServerAccount &account)
{
    if (account.host.contains(QLatin1Char(';')))
        throw Refusal{QStringLiteral("The server's host name holds a \";\": give the port with --port.")};
    check(QStringLiteral("server's host name"), account.host);
    check(QStringLiteral("user name"), account.user);
    check(QStringLiteral("password"), account.password);
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_$]{1,64}$"));
    if (!plainName.match(account.database).hasMatch())
        throw Refusal{QStringLiteral("The database name \"%1\" is not a plain name (letters, digits, \"_\" and \"$\", "
                                     "at most 64).")
                          .arg(account.database)};
    if (account.port < 0 || account.port > 65535)
        throw Refusal{QStringLiteral("The port %1 is no TCP port.").arg(account.port)};
}

} // namespace hoteldb
