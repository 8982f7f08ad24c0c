// Two copies of the program submitting bookings on one data.mdb at the same time, as two
// workstations of a hotel would: every submission should be stored (a writer waits for the
// other's lock instead of failing), every stored booking whole (guest row, both room rows,
// the day's revenue, the log row), and the file sound afterwards. The floor is one copy alone
// on the same file: the ratio says how much of one copy's rate two copies reach together.
//
//   bench_booking_stress [seconds]        (60 by default; the floor runs a third of it)
#include "benchenvironment.h"
#include "bookingbench.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "support/sqlcipher_client.h"
#include "ui/forms.h"
#include "ui/scripteddialogs.h"
#include "vb/app.h"
#include "vb/conversions.h"
#include "vb/locale.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QString Stored = QStringLiteral("Customer details has been added to the Record");

struct Counts {
    long stored = 0;
    long locked = 0;   // failed because the other copy held the file too long
    long other = 0;    // failed for any other reason
    Counts &operator+=(const Counts &more)
    {
        stored += more.stored;
        locked += more.locked;
        other += more.other;
        return *this;
    }
};

// One copy of the program: the statement layer opened from the program folder's config.ini,
// the booking window submitting guests until the time is up. Prints its counts.
int runWorker(const QString &programFolder, int seconds, const QString &name)
{
    vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    testsupport::RegisterSettingsComponent();
    vb::SetAppPath(programFolder);
    core::ResetState();
    ui::ScriptedDialogs dialogs;
    core::OpenDatabase();
    core::State().mLoggedIn = true;
    core::State().mUserName = name;
    auto &frm = ui::Forms::Get<frontdesk::frmBooking>();

    Counts counts;
    const QDeadlineTimer deadline(seconds * 1000);
    for (long run = 0; !deadline.hasExpired(); ++run) {
        bookingbench::fillBooking(frm, name + QString::number(run));
        dialogs.clear();
        core::State().mLastError.clear();
        frm.Command5_Click();
        if (dialogs.messages().contains(Stored)) {
            ++counts.stored;
            continue;
        }
        const QString error = core::State().mLastError;
        if (error.contains(QLatin1String("locked")))
            ++counts.locked;
        else
            ++counts.other;
        if (counts.locked + counts.other <= 3)
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(QString(error).replace(u'\n', u' ')));
        frm.Command3_Click();   // the room lists afresh for the next guest
    }
    std::printf("%ld %ld %ld\n", counts.stored, counts.locked, counts.other);
    return 0;
}

// Runs `copies` workers on the program folder at once; their counts added up.
Counts runCopies(const QString &programFolder, int copies, int seconds)
{
    std::vector<std::unique_ptr<QProcess>> workers;
    for (int i = 0; i < copies; ++i) {
        auto worker = std::make_unique<QProcess>();
        worker->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        worker->start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--worker"), programFolder, QString::number(seconds),
                       QStringLiteral("ws%1x%2x").arg(copies).arg(i)});
        workers.push_back(std::move(worker));
    }
    Counts total;
    for (auto &worker : workers) {
        worker->waitForFinished(-1);
        const QList<QByteArray> numbers = worker->readAllStandardOutput().trimmed().split(' ');
        if (worker->exitCode() != 0 || numbers.size() != 3)
            qFatal("a worker failed");
        total += Counts{numbers[0].toLong(), numbers[1].toLong(), numbers[2].toLong()};
    }
    return total;
}

long scalar(ado::Connection &conn, const QString &sql)
{
    ado::Recordset rs;
    rs.Open(sql, conn);
    return vb::CLng(rs.Fields(0).Value());
}

// Every stored booking whole; returns the number of problems found.
int checkBookings(testsupport::CoreFixture &fx, long expectedGuests)
{
    ado::Connection conn;
    conn.Open(fx.connectionText());
    int problems = 0;
    const auto expect = [&problems](const char *what, long found, long wanted) {
        std::printf("  %-44s %8ld (expected %ld)\n", what, found, wanted);
        if (found != wanted)
            ++problems;
    };
    const long guests = scalar(conn, QStringLiteral("SELECT count(*) FROM tbl_customers"));
    expect("guests stored", guests, expectedGuests);
    for (const QString room : {"101", "102"})
        expect(qPrintable(QStringLiteral("guests without their row in room_") + room),
               scalar(conn, QStringLiteral("SELECT count(*) FROM tbl_customers WHERE cUniqueNo NOT IN "
                                           "(SELECT cUniqueID FROM room_%1)").arg(room)),
               0);
    expect("room rows", scalar(conn, QStringLiteral("SELECT (SELECT count(*) FROM room_101) + "
                                                     "(SELECT count(*) FROM room_102)")),
           2 * guests);
    expect("revenue rows of the day", scalar(conn, QStringLiteral("SELECT count(*) FROM tbl_revenueStats")), 1);
    expect("bookings counted in the revenue", scalar(conn, QStringLiteral("SELECT sum(tBookings) FROM tbl_revenueStats")),
           guests);
    expect("revenue minus the guests' grand totals (cents)",
           scalar(conn, QStringLiteral("SELECT round(((SELECT sum(tBookingRevenue) FROM tbl_revenueStats) - "
                                       "(SELECT sum(cGrandTotal) FROM tbl_customers)) * 100)")),
           0);
    expect("log rows of bookings",
           scalar(conn, QStringLiteral("SELECT count(*) FROM tbl_logTable WHERE LogKey = 'Bookings'")), guests);
    conn.Close();

    const QString integrity = testsupport::SqlcipherClient::runOnce(fx.databasePath(), "PRAGMA integrity_check;");
    std::printf("  %-44s %8s\n", "PRAGMA integrity_check", qPrintable(integrity.trimmed()));
    if (integrity.trimmed() != QLatin1String("ok"))
        ++problems;
    return problems;
}

void printCounts(const char *label, const Counts &counts, int seconds)
{
    std::printf("%s: %ld stored, %ld failed for a lock, %ld failed otherwise in %d s (%.1f bookings/s)\n", label,
                counts.stored, counts.locked, counts.other, seconds, double(counts.stored) / seconds);
}

} // namespace

int main(int argc, char **argv)
{
    bench::UseOffscreenPlatform();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("--worker"))
        return runWorker(args[2], args[3].toInt(), args[4]);

    const int seconds = args.size() > 1 ? args[1].toInt() : 60;
    const int floorSeconds = std::max(1, seconds / 3);
    QTemporaryDir scratch;
    bench::PrepareEnvironment(scratch);
    testsupport::CoreFixture fx;
    bookingbench::addRoom(fx, QStringLiteral("101"), QStringLiteral("100"));
    bookingbench::addRoom(fx, QStringLiteral("102"), QStringLiteral("50.5"));
    std::printf("database: %s\n", qPrintable(fx.databasePath()));

    const Counts alone = runCopies(fx.programFolder(), 1, floorSeconds);
    printCounts("floor, one copy alone", alone, floorSeconds);
    const Counts together = runCopies(fx.programFolder(), 2, seconds);
    printCounts("two copies on one file", together, seconds);
    std::printf("ratio of rates (two copies together / one alone): %.2f\n",
                (double(together.stored) / seconds) / (double(alone.stored) / floorSeconds));

    Counts all = alone;
    all += together;
    std::printf("checks of the stored bookings:\n");
    const int problems = checkBookings(fx, all.stored);
    const bool clean = problems == 0 && all.locked == 0 && all.other == 0;
    std::printf("%s\n", clean ? "all submissions stored, every booking whole" : "PROBLEMS FOUND");
    return clean ? 0 : 1;
}
