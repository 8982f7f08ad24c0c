// Several workstations of a hotel at work on one database at the same time, each a copy of the
// program in a process of its own: each books a guest (two rooms) through the booking window's
// "Submit", then takes a food order of two items for that guest through the food order window's
// "Save", again and again until the time is up. On the embedded file (a shared data.mdb) or on
// the MariaDB test server (scripts/mariadb-test-server.sh). Every submission should be stored
// (a writer waits for the other's lock, an order id drawn by two workstations is drawn again),
// and every "added" message's rows should be there afterwards: the guest with both room rows and
// the log row, the order with its two items. Refusals are counted by their reason. The floor is
// one workstation alone on the same database: the ratio says how much of one workstation's rate
// the workstations reach together.
//
//   bench_booking_stress [--engine access|mariadb] [--workstations N] [--seconds S]
//                        (access, 3, 60 by default; the floor runs a third of the time)
#include "benchenvironment.h"
#include "bookingbench.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "controls/reportlist.h"
#include "core/db/dbworks.h"
#include "core/db/tablenames.h"
#include "core/state/appstate.h"
#include "frontdesk/food/frmfoodingbook.h"
#include "support/sqlcipher_client.h"
#include "ui/forms.h"
#include "ui/scripteddialogs.h"
#include "vb/app.h"
#include "vb/conversions.h"
#include "vb/locale.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDeadlineTimer>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTreeWidget>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QString Booked = QStringLiteral("Customer details has been added to the Record");
const QString Ordered = QStringLiteral("Food & Beverages order added into the record");
const QStringList OrderItems = {QStringLiteral("Tea"), QStringLiteral("Cake")};

// What one or more workstations did: the guests booked (by first name) and the orders saved
// (by guest number) that their "added" messages announced, and the refusals by reason.
struct Work {
    QStringList booked;
    QStringList ordered;
    QMap<QString, long> refused;

    long refusals() const
    {
        long all = 0;
        for (long count : refused)
            all += count;
        return all;
    }
    void add(const Work &more)
    {
        booked += more.booked;
        ordered += more.ordered;
        for (auto it = more.refused.cbegin(); it != more.refused.cend(); ++it)
            refused[it.key()] += it.value();
    }
};

// Why a submission was refused, in a few words: the error code and what the description says.
QString reasonOf(const QString &lastError, const QStringList &messages)
{
    if (lastError.isEmpty())
        return messages.isEmpty() ? QStringLiteral("no message") : QStringLiteral("message: ") + messages.last().left(60);
    const QString code = lastError.section(QLatin1Char('\n'), 0, 0).trimmed();
    const QString said = lastError.section(QLatin1Char('\n'), 1).simplified();
    for (const char *known : {"locked", "already exists", "Deadlock", "Lock wait timeout", "Data too long", "gone away"}) {
        if (said.contains(QLatin1String(known), Qt::CaseInsensitive))
            return code + QStringLiteral(": ") + QLatin1String(known);
    }
    return code + QStringLiteral(": ") + said.left(60);
}

// One workstation: the statement layer opened from the program folder's config.ini, bookings
// and food orders until the time is up. Prints one line a submission.
int runWorkstation(const QString &programFolder, int seconds, const QString &name)
{
    vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    testsupport::RegisterSettingsComponent();
    vb::SetAppPath(programFolder);
    core::ResetState();
    ui::ScriptedDialogs dialogs;
    core::OpenDatabase();
    core::State().mLoggedIn = true;
    core::State().mUserName = name;
    auto &booking = ui::Forms::Get<frontdesk::frmBooking>();
    auto &order = ui::Forms::Get<frontdesk::frmFoodingBook>();
    order.Show(ui::vbModeless);

    const auto refuse = [&](QTextStream &out) {
        out << "refused\t" << reasonOf(core::State().mLastError, dialogs.messages()) << "\n";
    };
    QTextStream out(stdout);
    const QDeadlineTimer deadline(seconds * 1000);
    for (long run = 0; !deadline.hasExpired(); ++run) {
        const QString guest = name + QLatin1Char('g') + QString::number(run);
        bookingbench::fillBooking(booking, guest);
        dialogs.clear();
        core::State().mLastError.clear();
        booking.Command5_Click();
        if (!dialogs.messages().contains(Booked)) {
            refuse(out);
            booking.Command3_Click();   // the room lists afresh for the next guest
            continue;
        }
        out << "booked\t" << guest << "\n";

        const auto number = core::OpenRecordset(QStringLiteral("SELECT cUniqueNo FROM tbl_customers WHERE cFirstName = '") +
                                                guest + QLatin1Char('\''));
        if (!number || number->IsEOF()) {
            refuse(out);
            continue;
        }
        order.MyOrderID = vb::CStr(number->Fields(0).Value());
        order.GetCustomerDetails();
        order.txtTotalAmount->clear();
        for (const QString &item : OrderItems) {
            const QList<QTreeWidgetItem *> found = order.TreeView1->findItems(item, Qt::MatchExactly | Qt::MatchRecursive);
            if (!found.isEmpty()) {
                order.TreeView1->setCurrentItem(found.first());
                order.Command1_Click();
            }
        }
        dialogs.clear();
        core::State().mLastError.clear();
        dialogs.reply(ui::Reply::button(ui::vbYes));
        order.Command4_Click();
        if (dialogs.messages().contains(Ordered))
            out << "ordered\t" << order.MyOrderID << "\n";
        else
            refuse(out);
        out.flush();
    }
    return 0;
}

// Runs `count` workstations on the program folder at once; what they did, added up.
Work runWorkstations(const QString &programFolder, int count, int seconds)
{
    std::vector<std::unique_ptr<QProcess>> workers;
    for (int i = 0; i < count; ++i) {
        auto worker = std::make_unique<QProcess>();
        worker->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        worker->start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--worker"), programFolder, QString::number(seconds),
                       QStringLiteral("ws%1x%2x").arg(count).arg(i)});
        workers.push_back(std::move(worker));
    }
    Work total;
    for (auto &worker : workers) {
        worker->waitForFinished(-1);
        if (worker->exitStatus() != QProcess::NormalExit || worker->exitCode() != 0)
            qFatal("a workstation failed");
        for (const QByteArray &line : worker->readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split('\t');
            if (parts.size() != 2)
                continue;
            const QString value = QString::fromUtf8(parts[1]);
            if (parts[0] == "booked")
                total.booked << value;
            else if (parts[0] == "ordered")
                total.ordered << value;
            else
                ++total.refused[value];
        }
    }
    return total;
}

long scalar(ado::Connection &conn, const QString &sql) { return vb::CLng(ado::ColumnTexts(conn, sql).value(0)); }

// Every "added" message's rows on disk or on the server; returns the number of problems found.
int checkStored(testsupport::CoreFixture &fx, const Work &work)
{
    ado::Connection conn;
    conn.Open(fx.connectionText());
    QMap<QString, QString> numberOf;   // first name -> guest number
    ado::Recordset guests;
    guests.Open(QStringLiteral("SELECT cFirstName, cUniqueNo FROM tbl_customers"), conn);
    for (; !guests.IsEOF(); guests.MoveNext())
        numberOf.insert(vb::CStr(guests.Fields(0).Value()), vb::CStr(guests.Fields(1).Value()));
    const QStringList room101 = ado::ColumnTexts(conn, QStringLiteral("SELECT cUniqueID FROM room_101"));
    const QStringList room102 = ado::ColumnTexts(conn, QStringLiteral("SELECT cUniqueID FROM room_102"));
    const QSet<QString> logged(
        [&] {
            const QStringList texts = ado::ColumnTexts(conn, QStringLiteral("SELECT LogText FROM tbl_logTable WHERE LogKey = 'Bookings'"));
            return QSet<QString>(texts.begin(), texts.end());
        }());
    long bookingsMissing = 0;
    for (const QString &guest : work.booked) {
        const QString number = numberOf.value(guest);
        if (number.isEmpty() || room101.count(number) != 1 || room102.count(number) != 1 ||
            !logged.contains(QStringLiteral("New Booking of Customer : ") + guest + QStringLiteral(" Smith")))
            ++bookingsMissing;
    }
    long ordersMissing = 0;
    QSet<QString> ids;
    for (const QString &guest : work.ordered) {
        const QStringList id = ado::ColumnTexts(conn, QStringLiteral("SELECT FoodOrderID FROM tbl_FoodOrders WHERE OrderNo = '%1'").arg(guest));
        if (id.size() != 1 ||
            ado::ColumnTexts(conn, QStringLiteral("SELECT FoodItem FROM ") + core::FoodOrderTableName(id[0])) != OrderItems)
            ++ordersMissing;
        else
            ids.insert(id[0]);
    }
    int problems = 0;
    const auto expect = [&problems](const char *what, long found, long wanted) {
        std::printf("  %-52s %8ld (expected %ld)\n", what, found, wanted);
        if (found != wanted)
            ++problems;
    };
    expect("\"added\" bookings whose rows are missing", bookingsMissing, 0);
    expect("\"added\" orders whose rows or items are missing", ordersMissing, 0);
    expect("distinct order ids of the \"added\" orders", ids.size(), work.ordered.size());
    expect("guests stored", scalar(conn, QStringLiteral("SELECT count(*) FROM tbl_customers")), work.booked.size());
    expect("orders stored", scalar(conn, QStringLiteral("SELECT count(*) FROM tbl_FoodOrders")), work.ordered.size());
    expect("bookings counted in the revenue", scalar(conn, QStringLiteral("SELECT sum(tBookings) FROM tbl_revenueStats")),
           work.booked.size());
    expect("orders counted in the revenue", scalar(conn, QStringLiteral("SELECT sum(tFoodOrders) FROM tbl_revenueStats")),
           work.ordered.size());
    conn.Close();
    if (!fx.isMariaDb()) {
        const QString integrity = testsupport::SqlcipherClient::runOnce(fx.databasePath(), "PRAGMA integrity_check;");
        std::printf("  %-52s %8s\n", "PRAGMA integrity_check", qPrintable(integrity.trimmed()));
        if (integrity.trimmed() != QLatin1String("ok"))
            ++problems;
    }
    return problems;
}

void printWork(const QString &label, const Work &work, int seconds)
{
    std::printf("%s: %lld bookings and %lld food orders stored, %ld refused, in %d s (%.1f submissions/s)\n",
                qPrintable(label), static_cast<long long>(work.booked.size()), static_cast<long long>(work.ordered.size()),
                work.refusals(), seconds, double(work.booked.size() + work.ordered.size()) / seconds);
    for (auto it = work.refused.cbegin(); it != work.refused.cend(); ++it)
        std::printf("  refused: %-60s %6ld\n", qPrintable(it.key()), it.value());
}

} // namespace

int main(int argc, char **argv)
{
    bench::UseOffscreenPlatform();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("--worker"))
        return runWorkstation(args[2], args[3].toInt(), args[4]);

    QCommandLineParser parser;
    parser.addOptions({{"engine", "access (a shared data.mdb) or mariadb (the test server)", "engine", "access"},
                       {"workstations", "how many at once", "n", "3"},
                       {"seconds", "how long they work together", "s", "60"}});
    parser.process(app);
    const QString engine = parser.value("engine");
    const int workstations = std::max(1, parser.value("workstations").toInt());
    const int seconds = std::max(1, parser.value("seconds").toInt());
    const int floorSeconds = std::max(1, seconds / 3);
    if (engine == QLatin1String("mariadb") && qEnvironmentVariableIsEmpty("HOTEL_TEST_MYSQL_HOST")) {
        std::fprintf(stderr, "bench_booking_stress: no MariaDB test server (see scripts/mariadb-test-server.sh)\n");
        return 2;
    }

    QTemporaryDir scratch;
    bench::PrepareEnvironment(scratch);
    testsupport::CoreFixture fx(engine);
    bookingbench::addRoom(fx, QStringLiteral("101"), QStringLiteral("100"));
    bookingbench::addRoom(fx, QStringLiteral("102"), QStringLiteral("50.5"));
    fx.exec(QStringLiteral("INSERT INTO tbl_foodCat (catName) VALUES ('Meals')"));
    fx.exec(QStringLiteral("INSERT INTO tbl_FoodItem (ItemName, ItemPrice, ItemNote, ItemCat) "
                           "SELECT 'Tea', 2.5, 'hot', ID FROM tbl_foodCat"));
    fx.exec(QStringLiteral("INSERT INTO tbl_FoodItem (ItemName, ItemPrice, ItemNote, ItemCat) "
                           "SELECT 'Cake', 4.25, '', ID FROM tbl_foodCat"));
    std::printf("engine: %s (%s)\n", qPrintable(engine), fx.isMariaDb() ? "MariaDB test server" : qPrintable(fx.databasePath()));

    const Work alone = runWorkstations(fx.programFolder(), 1, floorSeconds);
    printWork(QStringLiteral("floor, one workstation alone"), alone, floorSeconds);
    const Work together = runWorkstations(fx.programFolder(), workstations, seconds);
    printWork(QStringLiteral("%1 workstations on one database").arg(workstations), together, seconds);
    const double rateAlone = double(alone.booked.size() + alone.ordered.size()) / floorSeconds;
    const double rateTogether = double(together.booked.size() + together.ordered.size()) / seconds;
    std::printf("ratio of rates (together / one alone): %.2f\n", rateTogether / rateAlone);

    Work all = alone;
    all.add(together);
    std::printf("checks of what the \"added\" messages announced:\n");
    const int problems = checkStored(fx, all);
    const bool clean = problems == 0 && all.refusals() == 0;
    std::printf("%s\n", clean ? "every submission stored, every announced row there" : "PROBLEMS FOUND");
    return clean ? 0 : 1;
}
