// Fills 100,000 guests into the default data.mdb with the booking window's statement, then reads
// every field of every row through ado::Recordset (the windows' way), as text and as a Variant,
// against the floor: the same rows stepped on a raw connection opened and keyed before the
// clock, each column read as stored (rawdb.h). Prints the times and the ratios (the goal is at
// most 2).
#include "ado/connection.h"
#include "ado/recordset.h"
#include "ado/sqlcipher.h"
#include "guestrows.h"
#include "rawdb.h"
#include "recordsetwalk.h"
#include "schema/schema.h"
#include "schemacheck.h"
#include "vb/conversions.h"
#include "vb/error.h"
#include "vb/locale.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int Rows = 100000;
const QString GuestsSql = QStringLiteral("SELECT * FROM tbl_customers");

// The best of a few runs, in milliseconds.
double best(const std::function<qint64(qint64 &)> &walk, qint64 &rows)
{
    double fastest = 1e300;
    for (int run = 0; run < 3; ++run) {
        qint64 characters = 0;
        QElapsedTimer timer;
        timer.start();
        rows = walk(characters);
        fastest = std::min(fastest, timer.nsecsElapsed() / 1e6);
    }
    return fastest;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    vb::SetCurrentLocale(QLocale(QStringLiteral("en_US")));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench.mdb"));
    try {
        schema::MakeDefaultDatabase(path);
        ado::Connection conn;
        conn.Open(bench::AccessText(path));
        QElapsedTimer timer;
        timer.start();
        bench::FillGuests(conn, Rows);
        std::printf("fill: %d rows through Connection::Execute in %.0f ms\n", Rows, timer.nsecsElapsed() / 1e6);
        bench::CheckSchemaAsTheProgramMakes(path, {}, folder.path());
        const bench::RawDatabase rawDb(path);

        qint64 ourRows = 0, valueRows = 0, rawRows = 0;
        const double ours = best([&](qint64 &chars) { return bench::WalkRecordset(conn, GuestsSql, chars, true); }, ourRows);
        const double values = best([&](qint64 &chars) { return bench::WalkRecordset(conn, GuestsSql, chars, false); }, valueRows);
        const double raw = best([&](qint64 &bytes) { return rawDb.walk(GuestsSql, bytes); }, rawRows);
        std::printf("Recordset walk, every field through CStr: %lld rows in %.1f ms\n",
                    static_cast<long long>(ourRows), ours);
        std::printf("Recordset walk, every field as a Variant: %lld rows in %.1f ms\n",
                    static_cast<long long>(valueRows), values);
        std::printf("raw sqlite3 walk, every field as stored:  %lld rows in %.1f ms\n",
                    static_cast<long long>(rawRows), raw);
        std::printf("ratio Recordset (CStr) / raw: %.2f (goal: at most 2)\n", ours / raw);
        std::printf("ratio Recordset (Variant) / raw: %.2f\n", values / raw);
    } catch (const vb::Error &error) {
        std::fprintf(stderr, "bench_ado_walk: %s\n", qUtf8Printable(error.Description()));
        return 1;
    }
    return 0;
}
