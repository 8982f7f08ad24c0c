// A busy hotel's year on the embedded file, made through the program's own statements: two
// rooms, 100,000 current and 100,000 former guests with their room bookings, 20,000 food orders
// of three items (later 50,000), 365 revenue rows, 200,000 log entries. Each figure is printed
// beside its floor from the same run, measured on a connection opened and keyed before the
// clock (each row stepped, each column's text pointer taken), lists until their rows are
// painted:
//   start-up to the drawn main window (floor: start-up on the default, empty data.mdb),
//   both guest lists opened and refreshed, a search, the export (floor: the walk and writing
//   the same bytes to disk), the peak memory of the list, the log viewer, saving a food order,
//   removing a guest, and another workstation's list refresh after an order saved elsewhere
//   (floor: the walk after an order saved elsewhere) beside the same refresh when nothing was
//   saved in between.
// A month's chart has no floor worth the name: it is measured against its goal in milliseconds.
//
//   bench_busy_hotel [--keep DIR]   DIR keeps the filled files and takes them up again next time
#include "hotelfill.h"
#include "listfigures.h"
#include "startupruns.h"

#include "ado/connection.h"
#include "backoffice/stats/frmstats.h"
#include "controls/chart.h"
#include "controls/reportlist.h"
#include "core/state/appstate.h"
#include "frontdesk/food/frmfoodingbook.h"
#include "frontdesk/guests/customerdetailsstatements.h"
#include "frontdesk/guests/customerliststatements.h"
#include "frontdesk/guests/frmcustomerdetails.h"
#include "frontdesk/guests/frmcustomers.h"
#include "frontdesk/guests/frmcustomershistory.h"
#include "support/corefixture.h"
#include "ui/forms.h"
#include "vb/conversions.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTreeWidget>
#include <cstdio>

namespace {

using bench::Figure;
using bench::MedianOf;
using bench::Runs;
using bench::viewportOf;

constexpr int Guests = 100000;
constexpr int FirstCurrentGuest = Guests;   // former guests are numbered 0 .. Guests - 1
constexpr int FewOrders = 20000;
constexpr int ManyOrders = 50000;
constexpr int LogRows = 200000;

// The fill, or the files kept from an earlier run.
void fillHotel(testsupport::CoreFixture &fx, const QString &keep)
{
    const QString kept = keep.isEmpty() ? QString() : QDir(keep).filePath(QStringLiteral("busy-20000.mdb"));
    if (!kept.isEmpty() && QFile::exists(kept)) {
        core::State().mConn->Close();
        QFile::remove(fx.databasePath());
        QFile::copy(kept, fx.databasePath());
        core::State().mConn->Open(fx.connectionText());
        std::printf("filled hotel taken from %s\n", qPrintable(kept));
        return;
    }
    ado::Connection &conn = *core::State().mConn;
    const double millis = bench::Millis([&] {
        bench::FillRooms(conn);
        bench::FillBookedGuests(conn, Guests, 0);
        bench::MoveGuestsToHistory(conn);
        bench::FillBookedGuests(conn, Guests, FirstCurrentGuest);
        bench::FillFoodOrders(conn, 0, FewOrders, FirstCurrentGuest, Guests);
        bench::FillRevenueDays(conn, 365);
        bench::FillLog(conn, LogRows);
        conn.Execute(QStringLiteral("INSERT INTO tbl_foodCat (catName) VALUES ('Meals')"));
        for (int item = 1; item <= 3; ++item)
            conn.Execute(QStringLiteral("INSERT INTO tbl_FoodItem (ItemName, ItemPrice, ItemNote, ItemCat) VALUES "
                                        "('Dish %1', %1.5, 'n', 1)")
                             .arg(item));
    });
    std::printf("filled through the program's statements in %.1f s\n", millis / 1000);
    if (!kept.isEmpty()) {
        QDir().mkpath(keep);
        QFile::copy(fx.databasePath(), kept);
    }
}

// Start-up of the program on this file against start-up on the default data.mdb.
void startUp(const QString &database, const QString &label, const QString &scratch)
{
    QProcessEnvironment busy, empty;
    const QString busyFolder = scratch + QStringLiteral("/start-busy");
    const QString emptyFolder = scratch + QStringLiteral("/start-empty");
    QDir().mkpath(busyFolder);
    QDir().mkpath(emptyFolder);
    if (!bench::PrepareProgramFolder(busyFolder, database, busy) ||
        !bench::PrepareProgramFolder(emptyFolder, QString(), empty)) {
        std::fprintf(stderr, "cannot prepare the program folders\n");
        std::exit(1);
    }
    bench::MillisToDrawn(bench::HotelRole, empty);   // the file cache warm for both
    bench::MillisToDrawn(bench::HotelRole, busy);
    std::vector<double> busyRuns, emptyRuns;
    for (int run = 0; run < 7; ++run) {
        emptyRuns.push_back(bench::MillisToDrawn(bench::HotelRole, empty));
        busyRuns.push_back(bench::MillisToDrawn(bench::HotelRole, busy));
    }
    Figure(qPrintable(QStringLiteral("start-up to the drawn main window, ") + label), bench::Median(busyRuns),
         bench::Median(emptyRuns), "at most 1.3 x the empty file");
}

void search(frontdesk::frmCustomers &frm, const bench::RawDatabase &raw)
{
    const QString text = QStringLiteral("Last150000");
    const QString sql = frontdesk::CustomerListSql(QStringLiteral("tbl_customers"), frontdesk::SearchText, text, QString());
    const double floor = MedianOf(Runs, [&] { return bench::Millis([&] { raw.walk(sql); }); });
    frm.txtSearchCustomer->setText(text);
    const double searched = MedianOf(Runs, [&] {
        return bench::MillisUntilPainted([&] { return viewportOf(frm.customerList); }, [&] { frm.Command3_Click(); });
    });
    Figure("  search of a last name until painted", searched, floor, "at most 2");
    frm.txtSearchCustomer->clear();
    frm.Command1_Click();
}

void monthChart()
{
    auto &frm = ui::Forms::Get<backoffice::frmStats>();
    frm.Show(ui::vbModeless);
    frm.Move(0, 0, 14000, 9600);
    const QDate lastMonth = QDate::currentDate().addMonths(-1);
    frm.CYear->setCurrentText(QString::number(lastMonth.year()));
    frm.CMonth->setCurrentIndex(lastMonth.month() - 1);
    QCoreApplication::processEvents();
    const double month = MedianOf(15, [&] {
        return bench::Millis([&] {
            frm.ChartRowDaysCount();
            (void)frm.MSChart1->picture();
        });
    });
    bench::FigureAgainstGoal("a month's chart read and drawn", month, 20);
    frm.Unload(ui::vbFormCode);
}

// The order window with three items for a current guest, ready to save.
frontdesk::frmFoodingBook &orderWindow(testsupport::CoreFixture &fx)
{
    auto &order = ui::Forms::Get<frontdesk::frmFoodingBook>();
    order.Show(ui::vbModeless);
    order.MyOrderID = QStringLiteral("AB%1").arg(FirstCurrentGuest + 5000);
    order.GetCustomerDetails();
    for (int item = 0; item < 3; ++item) {
        order.TreeView1->setCurrentItem(order.TreeView1->topLevelItem(0)->child(item));
        order.Command1_Click();
    }
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    return order;
}

// The order window's statements for one order of three items, as the floor writes them.
QStringList orderStatements(int serial)
{
    const QString id = QStringLiteral("77%1").arg(serial, 6, 10, QLatin1Char('0'));
    const vb::Currency total(31);
    QStringList statements{
        frontdesk::FoodOrderInsertSql({QStringLiteral("AB%1").arg(FirstCurrentGuest + 5000), id, QStringLiteral("Mr."),
                                       QStringLiteral("First"), QStringLiteral("Last"), total, QStringLiteral("Paid")}),
        frontdesk::FoodOrderTableCreateSql(id),
        frontdesk::RevenueUpdateSql(frontdesk::RevenueSource::FoodOrder, total, vb::Today())};
    for (int item = 1; item <= 3; ++item)
        statements << frontdesk::FoodOrderItemInsertSql(id, QStringLiteral("Dish %1").arg(item), vb::Currency(item * 5));
    return statements;
}

void saveOrders(testsupport::CoreFixture &fx, const bench::RawDatabase &raw, const char *label)
{
    static int serial = 0;
    const double floor = MedianOf(20, [&] { return bench::Millis([&] { raw.runInOneTransaction(orderStatements(++serial)); }); });
    const double saved = MedianOf(20, [&] {
        frontdesk::frmFoodingBook &order = orderWindow(fx);
        return bench::Millis([&] { order.Command4_Click(); });
    });
    Figure(label, saved, floor, "no goal of its own");
}

// Another workstation's list refresh after an order was saved elsewhere (the order's
// statements sent through a connection of its own), against the floor of the same walk after an
// order saved elsewhere, and beside the same refresh and walk when nothing was saved in between.
void secondWorkstation(testsupport::CoreFixture &fx, const bench::RawDatabase &raw)
{
    ado::Connection elsewhere;
    elsewhere.Open(fx.connectionText());
    static int serial = 500000;
    const auto saveElsewhere = [&] {
        elsewhere.BeginTrans();
        for (const QString &statement : orderStatements(++serial))
            elsewhere.Execute(statement);
        elsewhere.CommitTrans();
    };
    auto &frm = ui::Forms::Get<frontdesk::frmCustomers>();
    frm.Show(ui::vbModeless);
    const auto refresh = [&] {
        return bench::MillisUntilPainted([&] { return viewportOf(frm.customerList); }, [&] { frm.Command1_Click(); });
    };
    const QString all = QStringLiteral("SELECT * FROM tbl_customers");
    const auto walk = [&] { return bench::Millis([&] { raw.walk(all); }); };
    refresh();
    const double quiet = MedianOf(Runs, refresh);
    const double quietFloor = MedianOf(Runs, walk);
    const double afterOrder = MedianOf(Runs, [&] {
        saveElsewhere();
        return refresh();
    });
    const double afterOrderFloor = MedianOf(Runs, [&] {
        saveElsewhere();
        return walk();
    });
    std::printf("another workstation, %d guests listed:\n", frm.customerList->count());
    Figure("  list refreshed after an order saved elsewhere", afterOrder, afterOrderFloor, "at most 2");
    Figure("  list refreshed, nothing saved in between", quiet, quietFloor, "at most 2");
    std::printf("  the refresh after an order saved elsewhere takes %.2f x the one with nothing saved in between\n",
                afterOrder / quiet);
    frm.Unload(ui::vbFormCode);
}

void removeGuests(testsupport::CoreFixture &fx, const bench::RawDatabase &raw)
{
    const auto guestId = [&](int guest) {
        return vb::CLng(fx.scalar(QStringLiteral("SELECT ID FROM tbl_customers WHERE cUniqueNo = 'AB%1'").arg(guest)));
    };
    int guest = FirstCurrentGuest + 20000;
    const double floor = MedianOf(10, [&] {
        const int number = ++guest;
        const qint64 id = guestId(number);
        QStringList statements{frontdesk::CustomerToHistorySql(id)};
        for (const QString &room : bench::HotelRooms)
            statements << frontdesk::RoomBookingsDeleteSql(room, QStringLiteral("AB%1").arg(number));
        statements << frontdesk::CustomerDeleteSql(id);
        return bench::Millis([&] { raw.runInOneTransaction(statements); });
    });
    const double removed = MedianOf(10, [&] {
        auto *details = new frontdesk::frmCustomerDetails(guestId(++guest));
        details->Show(ui::vbModeless);
        fx.dialogs().reply(ui::Reply::button(ui::vbYes));
        return bench::Millis([&] { details->Command3_Click(); });
    });
    Figure("removing a guest (details window)", removed, floor, "no goal of its own");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && qstrcmp(argv[1], bench::HotelRole) == 0) {
        QApplication app(argc, argv);
        return bench::RunHotelUntilDrawn(app);
    }
    const QString keep = argc == 3 && qstrcmp(argv[1], "--keep") == 0 ? QString::fromLocal8Bit(argv[2]) : QString();
    bench::WindowBenchmark benchmark(argc, argv);
    const QString scratch = benchmark.scratch().path();

    testsupport::CoreFixture fx;
    fillHotel(fx, keep);
    bench::CheckSchemaAsTheProgramMakes(fx.databasePath(), bench::HotelRoomTables(), scratch);
    startUp(fx.databasePath(), QStringLiteral("20,000 orders"), scratch);

    core::State().mLoggedIn = true;
    core::State().mUserName = QStringLiteral("clerk");
    {
        const bench::RawDatabase raw(fx.databasePath());
        auto &current = bench::GuestList<frontdesk::frmCustomers>(raw, fx.databasePath(), QStringLiteral("tbl_customers"),
                                                          "current guest list");
        search(current, raw);
        bench::ExportList(current, raw, QStringLiteral("tbl_customers"), scratch);
        // The current list stays open, so that the former list's memory is new memory.
        bench::GuestList<frontdesk::frmCustomersHistory>(raw, fx.databasePath(), QStringLiteral("tbl_customers_history"),
                                                         "former guest list")
            .Unload(ui::vbFormCode);
        current.Unload(ui::vbFormCode);
        bench::LogViewer(raw, fx.databasePath());
        monthChart();
        saveOrders(fx, raw, "saving a food order of three items, 20,000 orders");
        removeGuests(fx, raw);
    }

    bench::FillFoodOrders(*core::State().mConn, FewOrders, ManyOrders - FewOrders, FirstCurrentGuest, Guests);
    std::printf("orders now: %d\n", static_cast<int>(vb::CLng(fx.scalar(QStringLiteral("SELECT count(*) FROM tbl_FoodOrders")))));
    bench::CheckSchemaAsTheProgramMakes(fx.databasePath(), bench::HotelRoomTables(), scratch);
    {
        const bench::RawDatabase raw(fx.databasePath());
        saveOrders(fx, raw, "saving a food order of three items, 50,000 orders");
        secondWorkstation(fx, raw);
    }
    for (ui::Form *form : ui::Forms::Loaded())
        form->Unload(ui::vbFormCode);
    startUp(fx.databasePath(), QStringLiteral("50,000 orders"), scratch);
    return 0;
}
