// The current guest list on the MariaDB test server (scripts/mariadb-test-server.sh) with
// 100,000 guests, filled through the booking's statement: the window opened until its list is
// painted, and the refresh button until painted, against the floor of the same run: the
// `mariadb` client running the list's query in batch mode. Goals: a refresh at most 1.5 times
// the client, and an open no slower than a refresh.
#include "benchenvironment.h"
#include "guestrows.h"

#include "ado/connection.h"
#include "ado/connection_text.h"
#include "core/state/appstate.h"
#include "frontdesk/guests/frmcustomers.h"
#include "support/corefixture.h"
#include "support/mariadb_client.h"
#include "support/scratch_database.h"
#include "ui/forms.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Rows = 100000;
constexpr int Rounds = 5;

// The list as the clerk sees it: the events that tell the view of its rows, then a paint of the
// whole window.
void paint(frontdesk::frmCustomers &frm)
{
    QCoreApplication::processEvents();
    (void)frm.grab();
}

} // namespace

int main(int argc, char **argv)
{
    bench::WindowBenchmark benchmark(argc, argv);
    if (!testsupport::ScratchMariaDb::configured()) {
        std::fprintf(stderr, "bench_customer_list_server: no MariaDB test server (see scripts/mariadb-test-server.sh)\n");
        return 2;
    }
    testsupport::CoreFixture fx(QStringLiteral("mariadb"));
    const QString database = ado::ConnectionText(fx.connectionText()).value(QStringLiteral("database"));
    {
        ado::Connection conn;
        conn.Open(fx.connectionText());
        std::printf("fill: %.0f ms for %d guests\n", bench::Millis([&] { bench::FillGuests(conn, Rows); }), Rows);
    }
    core::State().mLoggedIn = true;

    // In turns, the best of each, so that a busy moment of the machine weighs on all alike.
    double client = 1e300, open = 1e300, refresh = 1e300;
    bool clientRan = true;
    int listed = 0;
    for (int round = 0; round < Rounds; ++round) {
        client = std::min(client, bench::Millis([&] {
            clientRan &= testsupport::RunMariaDbClient(database, QStringLiteral("SELECT * FROM tbl_customers"), true).ok;
        }));
        open = std::min(open, bench::Millis([&] {
            auto &frm = ui::Forms::Get<frontdesk::frmCustomers>();
            frm.Show(ui::vbModeless);
            paint(frm);
        }));
        auto &frm = ui::Forms::Get<frontdesk::frmCustomers>();
        refresh = std::min(refresh, bench::Millis([&] {
            frm.Command1_Click();
            paint(frm);
        }));
        listed = frm.customerList->count();
        frm.Unload(ui::vbFormCode);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (!clientRan || listed != Rows) {
        std::fprintf(stderr, "bench_customer_list_server: the client failed or the list showed %d rows\n", listed);
        return 1;
    }
    std::printf("floor: mariadb --batch, same query:       %d rows in %.1f ms\n", Rows, client);
    std::printf("guest list opened until painted:          %d rows in %.1f ms\n", listed, open);
    std::printf("guest list refreshed until painted:       %d rows in %.1f ms\n", listed, refresh);
    std::printf("ratio refresh / client: %.2f (goal: at most 1.5)\n", refresh / client);
    std::printf("ratio open / refresh:   %.2f (goal: at most 1)\n", open / refresh);
    return 0;
}
