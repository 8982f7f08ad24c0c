// The current guest list filled from 100,000 guests, against its floor: a raw sqlite3 walk
// of the same rows reading every field as text, in the same run. Prints both times, their
// ratio (goal: at most 2), the peak memory of the process before and after the fill, and
// the time of the list's export to an Excel workbook (goal: under 5 s).
#include "benchenvironment.h"
#include "guestrows.h"
#include "ado/connection.h"
#include "rawwalk.h"
#include "core/state/appstate.h"
#include "frontdesk/guests/frmcustomers.h"
#include "schema/schema.h"
#include "support/corefixture.h"
#include "ui/forms.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Rows = 100000;

double bestOf(int runs, const std::function<void()> &step)
{
    double fastest = 1e300;
    for (int run = 0; run < runs; ++run) {
        fastest = std::min(fastest, bench::Millis(step));
    }
    return fastest;
}

// The process's peak resident memory so far, in MiB.
double peakMemoryMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    bench::WindowBenchmark benchmark(argc, argv);

    testsupport::CoreFixture fx;
    {
        ado::Connection conn;
        conn.Open(fx.connectionText());
        bench::FillGuests(conn, Rows);
    }
    core::State().mLoggedIn = true;

    const double before = peakMemoryMiB();
    auto &frm = ui::Forms::Get<frontdesk::frmCustomers>();
    frm.Show(ui::vbModeless);
    // The floor and the list in turns, the best of each, so that a busy moment of the machine
    // weighs on both alike. Each refill also clears the rows of the fill before, as the
    // window's refills do.
    double raw = 1e300, list = 1e300;
    for (int round = 0; round < 5; ++round) {
        raw = std::min(raw, bestOf(1, [&] { qint64 characters = 0;
            bench::WalkRawTable(fx.databasePath(), "tbl_customers", characters); }));
        list = std::min(list, bestOf(1, [&] {
            frm.RoomListShow();
            QCoreApplication::processEvents();   // the view learns of the rows
        }));
    }
    const double after = peakMemoryMiB();
    std::printf("raw sqlite3 walk, every field as text: %d rows in %.1f ms\n", Rows, raw);
    std::printf("guest list filled (RoomListShow):      %d rows in %.1f ms\n", frm.customerList->count(), list);
    std::printf("ratio list / raw: %.2f (goal: at most 2)\n", list / raw);
    std::printf("peak memory: %.0f MiB before the window, %.0f MiB with the filled list\n", before, after);

    const QString path = benchmark.scratch().filePath(QStringLiteral("guests.xls"));
    const double exportMs = bestOf(1, [&] { frm.customerList->exportTo(path, true); });
    std::printf("export of %d rows x 20 columns: %.0f ms, %.1f MB (goal: under 5000 ms)\n", frm.customerList->count(),
                exportMs, QFileInfo(path).size() / 1e6);
    frm.Unload(ui::vbFormCode);
    return 0;
}
