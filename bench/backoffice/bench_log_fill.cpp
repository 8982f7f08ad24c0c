// The activity log viewer over `rows` entries (default 200,000) written as the windows write
// them, opened and filled again until painted, each beside its floor from the same run: a
// walk of the same rows on a connection opened and keyed before the clock (listfigures.h).
//
//   bench_log_fill [rows]
#include "hotelfill.h"
#include "listfigures.h"

#include "core/state/appstate.h"
#include "support/corefixture.h"

#include <cstdio>

int main(int argc, char **argv)
{
    const int rows = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 200000;
    bench::WindowBenchmark benchmark(argc, argv);
    testsupport::CoreFixture fx;
    bench::FillLog(*core::State().mConn, rows);
    bench::CheckSchemaAsTheProgramMakes(fx.databasePath(), {}, benchmark.scratch().path());
    const bench::RawDatabase raw(fx.databasePath());
    bench::LogViewer(raw, fx.databasePath());
    return 0;
}
