// The current guest list over `rows` guests (default 100,000) written with the booking
// window's statement, each figure beside its floor from the same run (listfigures.h): the list
// opened and refreshed until painted, its peak memory, and its export to an Excel workbook
// (goals: at most 1.5 x the walk and the writing of the same bytes to disk; 1,000,000 rows
// under 5 s, with under 100 MB more memory).
//
//   bench_customer_list [rows]
#include "guestrows.h"
#include "listfigures.h"
#include "schemacheck.h"

#include "core/state/appstate.h"
#include "frontdesk/guests/frmcustomers.h"
#include "support/corefixture.h"

#include <cstdio>

int main(int argc, char **argv)
{
    const int rows = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 100000;
    bench::WindowBenchmark benchmark(argc, argv);
    testsupport::CoreFixture fx;
    const double fill = bench::Millis([&] { bench::FillGuests(*core::State().mConn, rows); });
    std::printf("%d guests written through the program's statements in %.1f s\n", rows, fill / 1000);
    bench::CheckSchemaAsTheProgramMakes(fx.databasePath(), {}, benchmark.scratch().path());
    core::State().mLoggedIn = true;

    const bench::RawDatabase raw(fx.databasePath());
    auto &frm = bench::GuestList<frontdesk::frmCustomers>(raw, fx.databasePath(), QStringLiteral("tbl_customers"),
                                                          "current guest list");
    bench::ExportList(frm, raw, QStringLiteral("tbl_customers"), benchmark.scratch().path());
    frm.Unload(ui::vbFormCode);
    return 0;
}
