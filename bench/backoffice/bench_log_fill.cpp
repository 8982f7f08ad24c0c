// The activity log viewer filled from 100,000 entries of the embedded database file (query,
// dates and times formatted, rows into the list), against the floor of a raw sqlite3 walk
// reading the same rows' fields as text. Prints the medians and their ratio (the goal is
// under 1 s).
#include "ado/connection.h"
#include "backoffice/log/frmlog.h"
#include "benchenvironment.h"
#include "controls/reportlist.h"
#include "ado/recordset.h"
#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "vb/text.h"
#include "schema/schema.h"
#include "support/corefixture.h"
#include "ui/forms.h"

#include "rawwalk.h"

#include <QApplication>
#include <cstdio>

namespace {

constexpr int Rows = 100000;
const char *const Keys[] = {"Bookings", "LoginLogout", "RoomAddedRemove", "UserAddRemove", "DBChanges"};

void fill(ado::Connection &conn)
{
    conn.BeginTrans();
    for (int i = 0; i < Rows; ++i) {
        conn.Execute(QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey, LogDateLine) VALUES "
                                    "('New Booking of Customer : Guest%1 Smith', 'clerk', '%2', #%3/%4/2026 %5:%6:00#)")
                         .arg(i)
                         .arg(QLatin1String(Keys[i % 5]))
                         .arg(i % 12 + 1)
                         .arg(i % 28 + 1)
                         .arg(i % 24)
                         .arg(i % 60));
    }
    conn.CommitTrans();
}


} // namespace

int main(int argc, char **argv)
{
    bench::WindowBenchmark benchmark(argc, argv);

    testsupport::CoreFixture fx;
    fill(*core::State().mConn);
    auto &frm = ui::Forms::Get<backoffice::frmLog>();
    frm.Show(ui::vbModeless);
    if (frm.logList->count() != Rows) {
        std::fprintf(stderr, "expected %d entries listed, found %d\n", Rows, frm.logList->count());
        return 1;
    }

    constexpr int Runs = 5;
    const double floor = bench::MedianMillis(Runs, [&] { qint64 characters = 0;
        (void)bench::WalkRawTable(fx.databasePath(), "tbl_logTable", characters); });
    const double listed = bench::MedianMillis(Runs, [&] { frm.Combo1_Click(); });
    // For comparison: the query walked through the statement layer, and every entry's date and
    // time formatted anew (the viewer works each form out once per day and per minute).
    const double walked = bench::MedianMillis(Runs, [&] {
        core::OpenRecordset(QStringLiteral("SELECT * FROM tbl_logTable"));
        ado::Recordset &rs = *core::State().mRS;
        while (!rs.IsEOF()) {
            for (int i = 0; i < rs.Fields().Count(); ++i)
                (void)rs.Fields(i).Value();
            rs.MoveNext();
        }
    });
    const vb::Variant when(vb::Date::serial(2026, 3, 14));
    const double formatted = bench::MedianMillis(Runs, [&] {
        for (int i = 0; i < Rows; ++i) {
            (void)vb::Format(when, QStringLiteral("dd-mmmm-yyyy"));
            (void)vb::Format(when, QStringLiteral("HH:MMAMPM"));
        }
    });
    std::printf("log viewer: %d entries on %s\n", Rows, qPrintable(fx.databasePath()));
    std::printf("raw sqlite3 walk, every field as text: %.1f ms\n", floor);
    std::printf("list filled under \"All Logs\":         %.1f ms (goal: under 1000 ms)\n", listed);
    std::printf("ratio list fill / raw walk: %.2f\n", listed / floor);
    std::printf("the query walked through Recordset: %.1f ms; %d dates and times through Format, each anew: %.1f ms\n",
                walked, 2 * Rows, formatted);
    return 0;
}
