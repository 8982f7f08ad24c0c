// hotel-db: puts a hotel on a MariaDB/MySQL server and points the program folder's config.ini at
// it, or points config.ini back at the embedded database file.
//
//   hotel-db server --host HOST [--port N] --database NAME --user USER [--keep-tables] [--folder DIR]
//   hotel-db embedded [--folder DIR]
//
// The password comes from $HOTEL_DB_PASSWORD or standard input (see secretinput.h). The folder
// is the program folder, by default this tool's own (where Hotel is built). Exit codes: 0 done,
// 1 refused (nothing changed, or what the run had made removed again), 2 wrong arguments.
#include "tools/hoteldb/embeddedsetup.h"
#include "tools/hoteldb/refusal.h"
#include "tools/hoteldb/secretinput.h"
#include "tools/hoteldb/secretmask.h"
#include "tools/hoteldb/serversetup.h"
#include "tools/hoteldb/settingsfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace {

constexpr int Done = 0, Refused = 1, WrongArguments = 2;

void say(const QString &text) { std::printf("%s\n", qUtf8Printable(text)); }

int refuse(const QString &text)
{
    std::fprintf(stderr, "hotel-db: %s\n", qUtf8Printable(text));
    return Refused;
}

int server(const QCommandLineParser &args, const QString &folder)
{
    hoteldb::ServerAccount account;
    account.host = args.value(QStringLiteral("host"));
    account.database = args.value(QStringLiteral("database"));
    account.user = args.value(QStringLiteral("user"));
    bool portIsNumber = true;
    if (args.isSet(QStringLiteral("port")))
        account.port = args.value(QStringLiteral("port")).toInt(&portIsNumber);
    if (account.host.isEmpty() || account.database.isEmpty() || account.user.isEmpty() || !portIsNumber) {
        std::fprintf(stderr, "hotel-db server: --host, --database and --user are needed (--port a number)\n");
        return WrongArguments;
    }
    const std::optional<QString> password = hoteldb::ReadPassword(QStringLiteral("Password of the server's user: "));
    if (!password)
        return refuse(QStringLiteral("No password: set %1 or give it on standard input.")
                          .arg(QLatin1String(hoteldb::PasswordVariable)));
    account.password = *password;
    try {
        const auto existing = args.isSet(QStringLiteral("keep-tables")) ? hoteldb::ExistingTables::Keep
                                                                        : hoteldb::ExistingTables::Refuse;
        // What can be checked here comes before anything changes on the server.
        hoteldb::CheckAccount(account);
        hoteldb::RequireWritableSettings(folder);
        const hoteldb::ServerSetupResult result =
            hoteldb::PutHotelOnServer(account, existing, [&] { hoteldb::WriteServerSettings(folder, account); });
        if (result.createdDatabase)
            say(QStringLiteral("Created the database %1.").arg(account.database));
        say(result.createdTables ? QStringLiteral("Created the hotel's tables and its information row in %1.").arg(account.database)
                                 : QStringLiteral("Kept the hotel's tables in %1 as they are.").arg(account.database));
        say(QStringLiteral("%1 now opens the database %2 on %3; start the program.")
                .arg(hoteldb::ConfigIniIn(folder), account.database, hoteldb::HostText(account)));
        return Done;
    } catch (const hoteldb::Refusal &refusal) {
        return refuse(hoteldb::WithoutSecrets(refusal.text, account));
    }
}

int embedded(const QString &folder)
{
    try {
        const hoteldb::EmbeddedSetupResult result = hoteldb::PointAtEmbeddedFile(folder);
        if (result.created)
            say(QStringLiteral("Created the default database %1.").arg(result.path));
        say(QStringLiteral("%1 now opens the database file %2; start the program.")
                .arg(hoteldb::ConfigIniIn(folder), result.path));
        return Done;
    } catch (const hoteldb::Refusal &refusal) {
        return refuse(refusal.text);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral(
        "Puts a hotel on a MariaDB/MySQL server and points config.ini at it (server), or points config.ini back "
        "at the embedded database file (embedded). The server password is read from $HOTEL_DB_PASSWORD or "
        "standard input."));
    args.addHelpOption();
    args.addPositionalArgument(QStringLiteral("verb"), QStringLiteral("server or embedded"));
    args.addOptions({
        {QStringLiteral("host"), QStringLiteral("The server's host name or address."), QStringLiteral("host")},
        {QStringLiteral("port"), QStringLiteral("The server's TCP port (the driver's default when left out)."),
         QStringLiteral("port")},
        {QStringLiteral("database"), QStringLiteral("The hotel's database (made when the server has none)."),
         QStringLiteral("name")},
        {QStringLiteral("user"), QStringLiteral("The server's user the program logs in as."), QStringLiteral("user")},
        {QStringLiteral("keep-tables"),
         QStringLiteral("The database holds the hotel already (another workstation's): keep it as it is.")},
        {QStringLiteral("folder"), QStringLiteral("The program folder whose config.ini is written (default: this tool's)."),
         QStringLiteral("dir")},
    });
    args.process(app);
    const QString folder = args.isSet(QStringLiteral("folder")) ? QDir(args.value(QStringLiteral("folder"))).absolutePath()
                                                               : QCoreApplication::applicationDirPath();
    const QStringList verbs = args.positionalArguments();
    if (verbs == QStringList{QStringLiteral("server")})
        return server(args, folder);
    if (verbs == QStringList{QStringLiteral("embedded")})
        return embedded(folder);
    std::fprintf(stderr, "%s", qUtf8Printable(args.helpText()));
    return WrongArguments;
}
