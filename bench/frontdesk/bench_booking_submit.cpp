// Times "Submit" of the booking window on a fresh data.mdb: each submission stores one guest
// with two rooms, the day's revenue and the log row in one committed transaction, then
// refreshes the room lists. Prints the median and the slowest of the runs (the goal is a
// median under 50 ms).
#include "benchenvironment.h"
#include "bookingbench.h"

#include "core/state/appstate.h"
#include "frontdesk/booking/frmbooking.h"
#include "support/corefixture.h"
#include "ui/forms.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 200;

} // namespace

int main(int argc, char **argv)
{
    bench::WindowBenchmark benchmark(argc, argv);

    testsupport::CoreFixture fx;
    bookingbench::addRoom(fx, QStringLiteral("101"), QStringLiteral("100"));
    bookingbench::addRoom(fx, QStringLiteral("102"), QStringLiteral("50.5"));
    core::State().mLoggedIn = true;
    core::State().mUserName = QStringLiteral("clerk");
    fx.writeIni(QStringLiteral("bokpos"), QStringLiteral("bokState"), QStringLiteral("0"));
    auto &frm = ui::Forms::Get<frontdesk::frmBooking>();

    std::vector<double> millis;
    millis.reserve(Runs);
    for (int run = 0; run < Runs; ++run) {
        bookingbench::fillBooking(frm, QStringLiteral("Guest%1").arg(run));
        millis.push_back(bench::Millis([&] { frm.Command5_Click(); }));
    }

    const long stored = fx.scalar(QStringLiteral("SELECT count(*) FROM tbl_customers")).asLong();
    if (stored != Runs) {
        std::fprintf(stderr, "expected %d guests, found %ld\n", Runs, stored);
        return 1;
    }
    std::sort(millis.begin(), millis.end());
    std::printf("booking submissions: %d on %s\n", Runs, qPrintable(fx.databasePath()));
    std::printf("median %.2f ms, 90th percentile %.2f ms, slowest %.2f ms (goal: median under 50 ms)\n",
                millis[Runs / 2], millis[Runs * 9 / 10], millis.back());
    return 0;
}
