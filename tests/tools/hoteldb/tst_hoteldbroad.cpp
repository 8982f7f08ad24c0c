// A hotel put on the MariaDB test server with hotel-db, as a new user would: the tool makes the
// database, its tables and config.ini; the real program started from that folder (without the
// tests' ODBCSYSINI, so through the driver the set-up registered for the machine) creates the
// master account, books a guest and saves a food order; the rows are read back with the
// `mariadb` client. A second run on the same database is refused and changes nothing; a second
// workstation joins with --keep-tables; the embedded verb brings the program back to data.mdb.
// The program runs as this test started again in a role of its own.
#include "hoteldbtesting.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "app/startup.h"
#include "core/crypto/ccrypto.h"
#include "core/crypto/programkey.h"
#include "core/db/dbworks.h"
#include "core/mainwindow/load_frms.h"
#include "core/mainwindow/mainwindowtesting.h"
#include "core/state/appstate.h"
#include "core/state/windowregistry.h"
#include "frontdesk/booking/bookingtesting.h"
#include "frontdesk/food/frmfoodingbook.h"
#include "profile/profile.h"
#include "schema/schema.h"
#include "ui/scripteddialogs.h"
#include "vb/app.h"
#include "vb/locale.h"

#include <QTextStream>
#include <QtTest>

using namespace hoteldbtesting;

namespace {

const char *StartProgram = "--start-program";
const char *BookAndOrder = "--book-and-order";
const QString Password = QStringLiteral("hotel-pw");

QString setting(const QString &folder, const QString &key)
{
    QString value;
    const uint32_t length = profile::GetPrivateProfileString(QStringLiteral("settings"), key, QString(), &value, 4096,
                                                             folder + QStringLiteral("/config.ini"));
    return value.left(length);
}

QString decipher(const QString &stored)
{
    core::CCrypto crypto;
    return crypto.Decrypt(stored, core::ProgramKey(), true, core::CCrypto::RC2);
}

// The clerk's work in the started program: the master account, a booking of room 101, an
// order of tea for that guest.
void bookAndOrder(QTextStream &out, ui::ScriptedDialogs &dialogs)
{
    mainwindowtesting::TypeLogin(QStringLiteral("boss"), QStringLiteral("Secret1"));
    out << "loggedIn=" << core::State().mLoggedIn << "\n";
    core::ShowWindow(QStringLiteral("frmBooking"), ui::vbModeless);
    auto &booking = ui::Forms::Get<frontdesk::frmBooking>();
    bookingtesting::fillGuest(booking, QStringLiteral("Maeve"), QStringLiteral("Byrne"));
    bookingtesting::bookRooms(booking, {QStringLiteral("101")});
    booking.Command5_Click();

    const auto guest = core::OpenRecordset(QStringLiteral("SELECT cUniqueNo FROM tbl_customers"));
    auto &order = ui::Forms::Get<frontdesk::frmFoodingBook>();
    order.Show(ui::vbModeless);
    order.MyOrderID = guest ? guest->Fields(0).Value().asString() : QString();
    order.GetCustomerDetails();
    const QList<QTreeWidgetItem *> tea = order.TreeView1->findItems(QStringLiteral("Tea"), Qt::MatchExactly | Qt::MatchRecursive);
    if (!tea.isEmpty()) {
        order.TreeView1->setCurrentItem(tea.first());
        order.Command1_Click();
    }
    dialogs.reply(ui::Reply::button(ui::vbYes));
    order.Command4_Click();
}

// The program started in `folder` as its main starts it; prints what it opened and every message.
int runProgram(const QString &folder, bool work)
{
    vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    vb::SetAppPath(folder);
    testsupport::RegisterSettingsComponent();
    ui::ScriptedDialogs dialogs;
    app::RegisterProgramWindows();
    core::Main();
    QTextStream out(stdout);
    const auto &conn = core::State().mConn;
    out << "connection=" << (conn && conn->State() == ado::adStateOpen ? "open" : "closed") << "\n";
    out << "useSQL=" << core::State().mUseSQL << "\n";
    if (work)
        bookAndOrder(out, dialogs);
    for (const ui::ShownDialog &box : dialogs.shown())
        out << "message=" << QString(box.text).replace(u'\n', u' ') << "\n";
    out.flush();
    return 0;
}

// This environment without the tests' own ODBC settings: the machine's only.
QProcessEnvironment machineOdbc()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("ODBCSYSINI"));
    environment.remove(QStringLiteral("ODBCINSTINI"));
    return environment;
}

// The program in a process of its own, with the machine's ODBC settings only.
QStringList startProgram(const char *role, const QString &folder)
{
    QProcess program;
    program.setProcessEnvironment(machineOdbc());
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(role), folder});
    if (!program.waitForFinished(120000))
        program.kill();
    return QString::fromUtf8(program.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A room and the catalogue, as the administration area would add them.
void furnish(const FreshDatabase &database)
{
    ado::Connection conn;
    conn.Open(testsupport::ScratchMariaDb::connectionText(database.name()));
    conn.Execute(QStringLiteral("INSERT INTO tbl_Rooms (RoomNameID, Description, RoomType, RoomPrice) "
                                "VALUES ('101', 'Sea view', 'Double', 100)"));
    conn.Execute(bookingtesting::roomTableSql(QStringLiteral("101")));
    conn.Execute(QStringLiteral("INSERT INTO tbl_foodCat (catName) VALUES ('Drinks')"));
    conn.Execute(QStringLiteral("INSERT INTO tbl_FoodItem (ItemName, ItemPrice, ItemNote, ItemCat) "
                                "SELECT 'Tea', 2.5, 'hot', ID FROM tbl_foodCat"));
}

// Whether unixODBC knows the program's driver name for the whole machine, as the set-up registers it.
bool driverRegisteredForTheMachine()
{
    QProcess query;
    query.setProcessEnvironment(machineOdbc());
    query.start(QStringLiteral("odbcinst"), {"-q", "-d", "-n", "MySQL ODBC 3.51 Driver"});
    return query.waitForFinished(30000) && query.readAllStandardOutput().contains("Driver=");
}

} // namespace

class TestHotelDbRoad : public QObject {
    Q_OBJECT

private slots:
    void newHotelOnTheServer();
};

void TestHotelDbRoad::newHotelOnTheServer()
{
    HOTEL_NEED_MARIADB();
    QVERIFY2(driverRegisteredForTheMachine(),
             "\"MySQL ODBC 3.51 Driver\" is not registered in the machine's odbcinst.ini: run scripts/setup.sh as root");
    FreshDatabase database;
    const QString folder = freshProgramFolder();
    const QString user = qEnvironmentVariable("HOTEL_TEST_MYSQL_USER");

    // The tool: the password typed on standard input.
    const ToolRun made = runTool(serverArguments(folder, database.name()), Password);
    QVERIFY2(made.exitCode == 0, qPrintable(made.all()));
    QVERIFY(!made.all().contains(Password));
    QCOMPARE(setting(folder, "useSQL"), QStringLiteral("1"));
    QCOMPARE(setting(folder, "SQLhost"), QStringLiteral("127.0.0.1;port=") + qEnvironmentVariable("HOTEL_TEST_MYSQL_PORT"));
    QCOMPARE(setting(folder, "SQLDBname"), database.name());
    QVERIFY(setting(folder, "SQLUserName") != user);
    QCOMPARE(decipher(setting(folder, "SQLUserName")), user);
    QCOMPARE(decipher(setting(folder, "SQLPassWord")), Password);
    QCOMPARE(database.query("SELECT count(*) FROM information_schema.tables WHERE table_schema = DATABASE()").toInt(),
             schema::TableNames().size());
    QCOMPARE(database.query("SELECT concat(ID, ' ', HotelName) FROM tbl_HotelInfo"), QStringLiteral("1 My Hotel"));

    // The program on the server, as installed.
    furnish(database);
    const QStringList program = startProgram(BookAndOrder, folder);
    QVERIFY2(program.contains("connection=open") && program.contains("useSQL=1"), qPrintable(program.join('\n')));
    QVERIFY2(program.contains("loggedIn=1"), qPrintable(program.join('\n')));
    QVERIFY2(program.contains("message=Customer details has been added to the Record"), qPrintable(program.join('\n')));
    QVERIFY2(program.contains("message=Food & Beverages order added into the record"), qPrintable(program.join('\n')));
    QCOMPARE(database.query("SELECT concat(cFirstName, ' ', cLastName, ' ', cRoomNameID) FROM tbl_customers"),
             QStringLiteral("Maeve Byrne 101"));
    QCOMPARE(database.query("SELECT count(*) FROM room_101 r JOIN tbl_customers c ON r.cUniqueID = c.cUniqueNo"),
             QStringLiteral("1"));
    const QString orderId = database.query("SELECT FoodOrderID FROM tbl_FoodOrders o JOIN tbl_customers c "
                                           "ON o.OrderNo = c.cUniqueNo WHERE o.TotalPrice = 2.5");
    QVERIFY(!orderId.isEmpty());
    QCOMPARE(database.query(QStringLiteral("SELECT concat(FoodItem, ' ', Price) FROM tbl_FoodOrder_") + orderId),
             QStringLiteral("Tea 2.5000"));
    QCOMPARE(database.query("SELECT cusername FROM tbl_users"), QStringLiteral("boss"));

    // A second run on the hotel's database is refused and leaves everything as it was.
    const QByteArray settings = fileBytes(folder + "/config.ini");
    const ToolRun again = runTool(serverArguments(folder, database.name()), Password, true);
    QCOMPARE(again.exitCode, 1);
    QVERIFY2(again.err.contains("already holds a hotel's tables"), qPrintable(again.all()));
    QVERIFY(!again.all().contains(Password));
    QCOMPARE(fileBytes(folder + "/config.ini"), settings);
    QCOMPARE(database.query("SELECT count(*) FROM tbl_customers"), QStringLiteral("1"));

    // Another workstation joins the hotel: its folder points at the same database, kept as it is.
    const QString workstation = freshProgramFolder();
    const ToolRun joined = runTool(serverArguments(workstation, database.name()) << "--keep-tables", Password, true);
    QVERIFY2(joined.exitCode == 0, qPrintable(joined.all()));
    QVERIFY(joined.out.contains("Kept the hotel's tables"));
    QCOMPARE(database.query("SELECT count(*) FROM tbl_customers"), QStringLiteral("1"));
    QCOMPARE(setting(workstation, "SQLDBname"), database.name());

    // Back to the embedded file: the default data.mdb is made, and the program opens it.
    const ToolRun back = runTool({"embedded", "--folder", folder}, QString(), true);
    QVERIFY2(back.exitCode == 0, qPrintable(back.all()));
    QCOMPARE(setting(folder, "useSQL"), QStringLiteral("0"));
    QVERIFY(QFile::exists(folder + "/data.mdb"));
    const QStringList embedded = startProgram(StartProgram, folder);
    QVERIFY2(embedded.contains("connection=open") && embedded.contains("useSQL=0"), qPrintable(embedded.join('\n')));
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && (qstrcmp(argv[1], StartProgram) == 0 || qstrcmp(argv[1], BookAndOrder) == 0))
        return runProgram(QString::fromLocal8Bit(argv[2]), qstrcmp(argv[1], BookAndOrder) == 0);
    TestHotelDbRoad test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hoteldbroad.moc"
