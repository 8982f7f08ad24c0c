// 100,000 guests on the MariaDB test server (scripts/mariadb-test-server.sh), filled through
// Connection::Execute with the booking's statement, then the current guest list's query read
// whole through ado::Recordset, every field as text, against its floor: the `mariadb` client
// running the same query in batch mode, in the same run. Prints both times and their ratio.
#include "guestrows.h"
#include "recordsetwalk.h"
#include "support/mariadb_client.h"
#include "support/scratch_database.h"
#include "vb/error.h"
#include "vb/locale.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Rows = 100000;
const QString GuestsSql = QStringLiteral("SELECT * FROM tbl_customers");

// The best of `runs` timings, in milliseconds.
double best(int runs, const std::function<void()> &step)
{
    double fastest = 1e300;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        step();
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e6);
    }
    return fastest;
}

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
        std::printf("fill: %.0f ms for %d guests\n", best(1, [&] { bench::FillGuests(conn, Rows); }), Rows);

        qint64 rows = 0, characters = 0;
        bool clientRan = true;
        // In turns, so that a busy moment of the machine weighs on both alike.
        double ours = 1e300, client = 1e300;
        for (int round = 0; round < 5; ++round) {
            client = std::min(client, best(1, [&] { clientRan &= testsupport::RunMariaDbClient(database.databaseName(), GuestsSql, true).ok; }));
            ours = std::min(ours, best(1, [&] { rows = bench::WalkRecordset(conn, GuestsSql, characters, true); }));
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
