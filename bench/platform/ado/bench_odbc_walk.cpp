// 100,000 guests on the MariaDB test server (scripts/mariadb-test-server.sh), filled through
// Connection::Execute with the booking's statement, then the current guest list's query read
// whole through ado::Recordset, every field as text, against its floor: the `mariadb` client
// running the same query in batch mode, in the same run. Prints both times and their ratio.
#include "benchtiming.h"
#include "guestrows.h"
#include "recordsetwalk.h"
#include "support/mariadb_client.h"
#include "support/scratch_database.h"
#include "vb/error.h"
#include "vb/locale.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Rows = 100000;
const QString GuestsSql = QStringLiteral("SELECT * FROM tbl_customers");

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    vb::SetCurrentLocale(QLocale(QStringLiteral("en_US")));
    if (!testsupport::ScratchMariaDb::configured()) {
        std::fprintf(stderr, "bench_odbc_walk: no MariaDB test server (source scripts/mariadb-test-server.sh)\n");
        return 2;
    }
    try {
        testsupport::ScratchMariaDb database;
        ado::Connection conn;
        conn.Open(database.connectionText());
        std::printf("fill: %.0f ms for %d guests\n", bench::Millis([&] { bench::FillGuests(conn, Rows); }), Rows);

        qint64 rows = 0, characters = 0;
        bool clientRan = true;
        // In turns, so that a busy moment of the machine weighs on both alike.
        double ours = 1e300, client = 1e300;
        for (int round = 0; round < 5; ++round) {
            client = std::min(client, bench::Millis([&] { clientRan &= testsupport::RunMariaDbClient(database.databaseName(), GuestsSql, true).ok; }));
            ours = std::min(ours, bench::Millis([&] { rows = bench::WalkRecordset(conn, GuestsSql, characters, true); }));
        }
        if (!clientRan) {
            std::fprintf(stderr, "bench_odbc_walk: the mariadb client failed\n");
            return 1;
        }
        std::printf("mariadb --batch, same query:              %d rows in %.1f ms\n", Rows, client);
        std::printf("Recordset walk, every field through CStr: %lld rows in %.1f ms\n", static_cast<long long>(rows), ours);
        std::printf("ratio Recordset / mariadb client: %.2f\n", ours / client);
    } catch (const vb::Error &error) {
        std::fprintf(stderr, "bench_odbc_walk: %s\n", qUtf8Printable(error.Description()));
        return 1;
    }
    return 0;
}
