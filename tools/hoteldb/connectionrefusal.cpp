#include "tools/hoteldb/connectionrefusal.h"

#include "ado/connection.h"
#include "ado/errors.h"

namespace hoteldb {

namespace {

const QString DriverName = QStringLiteral("MySQL ODBC 3.51 Driver");

// The client library's and the server's numbers (MariaDB Connector/C, the server's errmsg).
constexpr long NoSocket = 2002, HostNotReached = 2003, UnknownHost = 2005, ServerGone = 2006, ServerLost = 2013,
               AccessDenied = 1045, DatabaseDenied = 1044, UnknownDatabase = 1049, HostNotAllowed = 1130,
               HostBlocked = 1129;

bool mentions(const vb::Error &error, const char *text)
{
    return error.Description().contains(QLatin1String(text), Qt::CaseInsensitive);
}

} // namespace

long ServerErrorNumber(const vb::Error &error)
{
    const auto *provider = dynamic_cast<const ado::ProviderError *>(&error);
    return provider ? provider->NativeError() : 0;
}

QString ErrorNumberText(const vb::Error &error)
{
    const long number = ServerErrorNumber(error);
    return number > 0 ? QStringLiteral(" (error %1)").arg(number) : QString();
}

Refusal ConnectionRefusal(const ServerAccount &account, const QString &database, const vb::Error &error)
{
    const QString said = ErrorNumberText(error) + QStringLiteral(": ") + error.Description();
    const QString host = HostText(account);
    switch (ServerErrorNumber(error)) {
    case AccessDenied:
        return {QStringLiteral("The server refused the user name and password%1").arg(said)};
    case HostNotAllowed:
    case HostBlocked:
        return {QStringLiteral("The server at %1 lets the account %2 in from other machines only, not from this one "
                               "(grant it for the address the server sees, as the README says)%3")
                    .arg(host, account.user, said)};
    case DatabaseDenied:
        return {QStringLiteral("This account may not use the database %1: the server has no database of that name "
                               "that the account may see, or the account has no right on it (ask the server's "
                               "administrator to create it and grant it, as the README says)%2")
                    .arg(database, said)};
    case UnknownDatabase:
        return {QStringLiteral("The server has no database %1%2").arg(database, said)};
    case NoSocket:
    case HostNotReached:
    case UnknownHost:
        return {QStringLiteral("The server at %1 cannot be reached%2").arg(host, said)};
    case ServerGone:
    case ServerLost:
        return {QStringLiteral("The server at %1 took the connection but gave no answer (it was waited for up to %2 "
                               "seconds)%3")
                    .arg(host)
                    .arg(ado::Timeouts().connectSeconds)
                    .arg(said)};
    default:
        break;
    }
    if (mentions(error, "Can't open lib") || mentions(error, "Data source name not found"))
        return {QStringLiteral("unixODBC does not know the driver \"%1\": run the set-up as root (bash scripts/run.sh) "
                               "or register it as the README says. The driver manager said%2")
                    .arg(DriverName, said)};
    return {QStringLiteral("The server at %1 did not let this account in%2").arg(host, said)};
}

} // namespace hoteldb
