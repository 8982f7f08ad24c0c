// The food and beverage order window over guests booked through the booking window: the
// catalogue tree, the item list and its total, the refusals, and the save on both engines
// (in a day-first locale too): order row, item table, the day's revenue row, all or nothing.
#include "../guests/guesttesting.h"

#include "controls/reportlist.h"
#include "core/db/tableexists.h"
#include "core/db/tablenames.h"
#include "frontdesk/food/foodingbookstatements.h"
#include "support/mariadb_cut_proxy.h"
#include "support/scratch_database.h"
#include "vb/locale.h"

#include <QComboBox>
#include <QScopeGuard>
#include <QtTest>

using frontdesk::frmFoodingBook;
using namespace guesttesting;

namespace {

QStringList itemRows(const frmFoodingBook &frm)
{
    QStringList rows;
    for (int row = 1; row <= frm.FoodLV->count(); ++row)
        rows << frm.FoodLV->text(row) + "=" + frm.FoodLV->subItem(row, 1);
    return rows;
}

QStringList storedItems(testsupport::CoreFixture &fx, const QString &orderId)
{
    QStringList items;
    for (const testsupport::Row &row : fx.query("SELECT * FROM " + core::FoodOrderTableName(orderId) + " ORDER BY ID"))
        items << vb::CStr(row["fooditem"]) + "=" + QString::number(vb::CDbl(row["price"]));
    return items;
}

// The catalogue, and a guest booked into room 101 through the booking window.
BookedGuest bookAnnWithCatalogue(testsupport::CoreFixture &fx)
{
    addCatalogue(fx);
    bookingtesting::addRoom(fx, "101", "100");
    return bookGuest(fx, "Ann", "Lee", {"101"});
}

} // namespace

class TestFoodingBook : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        ui::Forms::UnloadMdiChildren();
        vb::SetCurrentLocale(QLocale(QStringLiteral("en_US")));
    }

    void catalogueItemsAndRunningTotal();
    void refusalsWriteNothing();
    void unknownGuestNumberClearsTheGuest();
    void ordersOfADayShareTheRevenueRow_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void ordersOfADayShareTheRevenueRow();
    void repeatingDrawsStillGiveDistinctIds();
    void idTakenByAnotherWorkstationMeanwhileIsDrawnAgain_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void idTakenByAnotherWorkstationMeanwhileIsDrawnAgain();
    void failingRevenueStatementKeepsNothing_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void failingRevenueStatementKeepsNothing();
    void commitWhoseAnswerIsLost_data();
    void commitWhoseAnswerIsLost();
};

void TestFoodingBook::catalogueItemsAndRunningTotal()
{
    testsupport::CoreFixture fx;
    addCatalogue(fx);
    frmFoodingBook &frm = ui::Forms::Get<frmFoodingBook>();
    frm.Show(ui::vbModeless);

    QCOMPARE(frm.Caption(), QStringLiteral("New Food & Beverages Order"));
    QCOMPARE(frm.TreeView1->topLevelItemCount(), 2);
    QCOMPARE(frm.TreeView1->currentItem()->text(0), QStringLiteral("Drinks"));
    QCOMPARE(frm.TreeView1->topLevelItem(0)->child(0)->text(0), QStringLiteral("Tea"));
    QCOMPARE(frm.TreeView1->topLevelItem(1)->child(0)->text(0), QStringLiteral("Chef's Special"));
    QVERIFY(frm.TreeView1->findItems("Gone", Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
    QVERIFY(core::State().mLastError.isEmpty());
    QCOMPARE(frm.Combo1->currentText(), QStringLiteral("Paid"));

    frm.Command1_Click();   // a category is selected: nothing is added
    QCOMPARE(frm.FoodLV->count(), 0);
    QVERIFY(addItem(frm, "Tea"));
    QVERIFY(addItem(frm, "Chef's Special"));
    QVERIFY(addItem(frm, "Tea"));
    QCOMPARE(itemRows(frm), QStringList({"Tea=$2.50", "Chef's Special=$12.75", "Tea=$2.50"}));
    QCOMPARE(frm.FoodLV->subItem(1, 2), QStringLiteral("hot"));
    QCOMPARE(frm.txtTotalAmount->text(), QStringLiteral("$17.75"));

    fx.dialogs().reply(ui::Reply::button(ui::vbNo));
    frm.FoodLV->setListIndex(3);
    frm.Command2_Click();
    QCOMPARE(frm.FoodLV->count(), 3);
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm.Command2_Click();
    QCOMPARE(fx.dialogs().last().text, QStringLiteral("Remove selected food Item?"));
    QCOMPARE(fx.dialogs().last().title, QStringLiteral("Remove Food Item"));
    QCOMPARE(itemRows(frm), QStringList({"Tea=$2.50", "Chef's Special=$12.75"}));
    QCOMPARE(frm.txtTotalAmount->text(), QStringLiteral("$15.25"));
}

void TestFoodingBook::refusalsWriteNothing()
{
    testsupport::CoreFixture fx;
    addCatalogue(fx);
    bookingtesting::addRoom(fx, "101", "100");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101"});
    frmFoodingBook &frm = openOrder(ann.number);
    QVERIFY(addItem(frm, "Tea"));
    const int revenueRows = rowsIn(fx, "tbl_revenueStats");

    for (const QString total : {"", "12abc"}) {
        frm.txtTotalAmount->setText(total);
        frm.Command4_Click();
        QCOMPARE(fx.dialogs().last().text, QStringLiteral("Do not enter characters in total amount field!"));
        QCOMPARE(fx.dialogs().last().title, QStringLiteral("Brevant"));
    }
    fx.dialogs().clear();
    frm.txtTotalAmount->setText("$2.50");
    frm.txtCLname->clear();
    frm.Command4_Click();
    QVERIFY(fx.dialogs().messages().isEmpty());
    frm.txtCLname->setText("Lee");
    fx.dialogs().reply(ui::Reply::button(ui::vbNo));
    frm.Command4_Click();
    QCOMPARE(fx.dialogs().last().text, QStringLiteral("Confirm Save this Order?"));
    QCOMPARE(rowsIn(fx, "tbl_FoodOrders"), 0);
    QCOMPARE(rowsIn(fx, "tbl_revenueStats"), revenueRows);
    QCOMPARE(frm.FoodLV->count(), 1);
}

// An order is never filed under a guest the window no longer shows.
void TestFoodingBook::unknownGuestNumberClearsTheGuest()
{
    testsupport::CoreFixture fx;
    bookingtesting::addRoom(fx, "101", "100");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101"});
    frmFoodingBook &frm = openOrder(ann.number);
    QCOMPARE(frm.txtCFname->text(), QStringLiteral("Ann"));
    frm.MyOrderID = "#NOSUCH";
    frm.GetCustomerDetails();
    QCOMPARE(frm.MyOrderID, QStringLiteral("NOSUCH"));
    QVERIFY(frm.txtCFname->text().isEmpty());
    QVERIFY(frm.txtCLname->text().isEmpty());
    QVERIFY(core::State().mLastError.startsWith("Error Code : FRFB007\r\n"));
    frm.txtTotalAmount->setText("1");
    frm.Command4_Click();
    QCOMPARE(rowsIn(fx, "tbl_FoodOrders"), 0);
}

// In en_GB, after a booking of the day: each order adds to the one revenue row of today, and
// each is stored with its own total (the next order's total starts afresh).
void TestFoodingBook::ordersOfADayShareTheRevenueRow()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    vb::SetCurrentLocale(QLocale(QStringLiteral("en_GB")));
    addCatalogue(fx);
    const QString meals = vb::CStr(fx.scalar("SELECT ID FROM tbl_foodCat WHERE catName = 'Meals'"));
    fx.exec("INSERT INTO tbl_FoodItem (ItemName, ItemPrice, ItemNote, ItemCat) VALUES ('Soup', 7, '', " + meals + ")");
    fx.exec("INSERT INTO tbl_FoodItem (ItemName, ItemPrice, ItemNote, ItemCat) VALUES ('Club Sandwich', 9.75, '', "
            + meals + ")");
    bookingtesting::addRoom(fx, "101", "100");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101"});
    frmFoodingBook &frm = openOrder(ann.number);
    frm.randomSource = fixedDraws({0, 0.01});
    QVERIFY(addItem(frm, "Chef's Special"));
    QVERIFY(addItem(frm, "Soup"));
    QCOMPARE(frm.txtTotalAmount->text(), QStringLiteral("£19.75"));
    frm.Combo1->setCurrentText("Due");
    saveOrder(fx, frm);

    QCOMPARE(fx.dialogs().messages().last(), QStringLiteral("Food & Beverages order added into the record"));
    QCOMPARE(fx.dialogs().shown(ui::DialogKind::Sound).size(), 1);
    QCOMPARE(frm.FoodLV->count(), 0);
    QVERIFY(frm.txtTotalAmount->text().isEmpty());
    QCOMPARE(frm.txtCFname->text(), QStringLiteral("Ann"));
    QCOMPARE(frm.Combo1->currentText(), QStringLiteral("Due"));

    QVERIFY(addItem(frm, "Club Sandwich"));
    QCOMPARE(frm.txtTotalAmount->text(), QStringLiteral("£9.75"));
    saveOrder(fx, frm);

    const QList<testsupport::Row> orders = fx.query("SELECT * FROM tbl_FoodOrders ORDER BY ID");
    QCOMPARE(orders.size(), 2);
    QCOMPARE(vb::CStr(orders[0]["orderno"]), ann.number);
    QCOMPARE(vb::CStr(orders[0]["foodorderid"]), QStringLiteral("999999"));
    QCOMPARE(vb::CStr(orders[0]["customerfname"]), QStringLiteral("Ann"));
    QCOMPARE(vb::CStr(orders[0]["customrelname"]), QStringLiteral("Lee"));
    QCOMPARE(vb::CStr(orders[0]["customertitle"]), QStringLiteral("Mr."));
    QCOMPARE(vb::CDbl(orders[0]["totalprice"]), 19.75);
    QCOMPARE(vb::CStr(orders[0]["status"]), QStringLiteral("Due"));
    QCOMPARE(vb::CDate(orders[0]["dateline"]).toQDate(), QDate::currentDate());
    QCOMPARE(vb::CStr(orders[1]["foodorderid"]), QStringLiteral("101010101010"));
    QCOMPARE(vb::CDbl(orders[1]["totalprice"]), 9.75);
    QCOMPARE(vb::CStr(orders[1]["status"]), QStringLiteral("Due"));
    QCOMPARE(storedItems(fx, "999999"), QStringList({"Chef's Special=12.75", "Soup=7"}));
    QCOMPARE(storedItems(fx, "101010101010"), QStringList({"Club Sandwich=9.75"}));

    const QList<testsupport::Row> revenue = fx.query("SELECT * FROM tbl_revenueStats");
    QCOMPARE(revenue.size(), 1);
    QCOMPARE(vb::CDate(revenue[0]["tdate"]).toQDate(), QDate::currentDate());
    QCOMPARE(vb::CLng(revenue[0]["tbookings"]), 1);
    QCOMPARE(vb::CLng(revenue[0]["tfoodorders"]), 2);
    QCOMPARE(vb::CDbl(revenue[0]["tfooddrinkrevenue"]), 29.5);
    QCOMPARE(vb::CDbl(revenue[0]["trevenue"]), 129.5);
}

// A source that repeats an id, and a left-over table of an id without its row: each order
// still gets an id of its own, and its table holds only its own items.
void TestFoodingBook::repeatingDrawsStillGiveDistinctIds()
{
    testsupport::CoreFixture fx;
    addCatalogue(fx);
    bookingtesting::addRoom(fx, "101", "100");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101"});
    fx.exec(frontdesk::FoodOrderTableCreateSql("595959595959"));
    frmFoodingBook &frm = openOrder(ann.number);
    frm.randomSource = fixedDraws({0, 0, 0.5, 0.01});
    QVERIFY(addItem(frm, "Tea"));
    saveOrder(fx, frm);
    QVERIFY(addItem(frm, "Chef's Special"));
    frm.txtTotalAmount->setText("12.75");
    saveOrder(fx, frm);

    QCOMPARE(rowsIn(fx, "tbl_FoodOrders"), 2);
    QCOMPARE(rowsIn(fx, "tbl_FoodOrders", "FoodOrderID = '999999'"), 1);
    QCOMPARE(rowsIn(fx, "tbl_FoodOrders", "FoodOrderID = '101010101010'"), 1);
    QCOMPARE(storedItems(fx, "999999"), QStringList({"Tea=2.5"}));
    QCOMPARE(storedItems(fx, "101010101010"), QStringList({"Chef's Special=12.75"}));
}

namespace {
// Another workstation saving an order of the same id while the clerk confirms: its table is
// there by the time this one's CREATE runs, though the look-up before found none.
class OtherWorkstationSaves : public ui::ScriptedDialogs {
public:
    OtherWorkstationSaves(testsupport::CoreFixture &fx, const QString &orderId) : fx_(fx), orderId_(orderId) {}
    int messageBox(const ui::MessageBoxRequest &request) override
    {
        if (request.prompt == QLatin1String("Confirm Save this Order?") && !done_) {
            done_ = true;
            fx_.exec(frontdesk::FoodOrderTableCreateSql(orderId_));
            fx_.exec(frontdesk::FoodOrderItemInsertSql(orderId_, "Their soup", vb::Currency(4)));
            reply(ui::Reply::button(ui::vbYes));
        }
        return ScriptedDialogs::messageBox(request);
    }

private:
    testsupport::CoreFixture &fx_;
    QString orderId_;
    bool done_ = false;
};
} // namespace

void TestFoodingBook::idTakenByAnotherWorkstationMeanwhileIsDrawnAgain()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    SettingsWindowProbe settings;
    const BookedGuest ann = bookAnnWithCatalogue(fx);
    frmFoodingBook &frm = openOrder(ann.number);
    frm.randomSource = fixedDraws({0, 0.01});
    QVERIFY(addItem(frm, "Tea"));
    OtherWorkstationSaves dialogs(fx, "999999");
    core::State().mLastError.clear();
    frm.Command4_Click();

    QCOMPARE(dialogs.messages(), QStringList({"Confirm Save this Order?", "Food & Beverages order added into the record"}));
    QCOMPARE(settings.opened, 0);
    QVERIFY(core::State().mLastError.isEmpty());
    QCOMPARE(rowsIn(fx, "tbl_FoodOrders"), 1);
    QCOMPARE(rowsIn(fx, "tbl_FoodOrders", "FoodOrderID = '101010101010'"), 1);
    QCOMPARE(storedItems(fx, "101010101010"), QStringList({"Tea=2.5"}));
    QCOMPARE(storedItems(fx, "999999"), QStringList({"Their soup=4"}));
}

void TestFoodingBook::failingRevenueStatementKeepsNothing()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    SettingsWindowProbe settings;
    const BookedGuest ann = bookAnnWithCatalogue(fx);
    fx.exec("DROP TABLE tbl_revenueStats");
    frmFoodingBook &frm = openOrder(ann.number);
    frm.randomSource = fixedDraws({0});
    QVERIFY(addItem(frm, "Tea"));
    QVERIFY(addItem(frm, "Chef's Special"));
    saveOrder(fx, frm);

    QVERIFY(core::State().mLastError.startsWith("Error Code : DB0006"));
    QCOMPARE(settings.opened, 1);
    QCOMPARE(rowsIn(fx, "tbl_FoodOrders"), 0);
    QVERIFY(!core::TableExists(core::FoodOrderTableName("999999")));
    QCOMPARE(itemRows(frm), QStringList({"Tea=$2.50", "Chef's Special=$12.75"}));
    QVERIFY(!fx.dialogs().messages().contains("Food & Beverages order added into the record"));
    QVERIFY(fx.dialogs().shown(ui::DialogKind::Sound).isEmpty());
}

// MariaDB, the connection broken at the save's COMMIT: the clerk is told what the database
// holds. Saved when the order is there though the answer was lost; the error when it is not,
// and its item table dropped again; that it is not known when the database cannot be asked
// again, with nothing undone. Never an order counted twice or stored without its items.
void TestFoodingBook::commitWhoseAnswerIsLost_data()
{
    using Cut = testsupport::MariaDbCutProxy::Cut;
    QTest::addColumn<int>("cut");
    QTest::addColumn<bool>("darkAfter");   // the database cannot be reached after the cut
    QTest::addColumn<int>("orders");       // order rows (and orders counted) afterwards
    QTest::addColumn<QString>("told");     // the message, or the start of the error
    QTest::newRow("answer lost") << int(Cut::AnswerLost) << false << 1 << "Food & Beverages order added into the record";
    QTest::newRow("commit lost") << int(Cut::StatementLost) << false << 0 << "Error Code : FRFB004";
    QTest::newRow("not known") << int(Cut::AnswerLost) << true << 1 << "Error Code : FRFB004";
}

void TestFoodingBook::commitWhoseAnswerIsLost()
{
    HOTEL_NEED_MARIADB();
    QFETCH(int, cut);
    QFETCH(bool, darkAfter);
    QFETCH(int, orders);
    QFETCH(QString, told);
    testsupport::CoreFixture fx("mariadb");
    const BookedGuest ann = bookAnnWithCatalogue(fx);
    testsupport::MariaDbCutProxy proxy;
    fx.openThroughHost(proxy.hostText());
    frmFoodingBook &frm = openOrder(ann.number);
    frm.randomSource = fixedDraws({0});
    QVERIFY(addItem(frm, "Tea"));
    proxy.cutAt("COMMIT", testsupport::MariaDbCutProxy::Cut(cut), darkAfter);
    core::State().mLastError.clear();
    saveOrder(fx, frm);

    QCOMPARE(proxy.cutsMade(), 1);
    QCOMPARE(rowsIn(fx, "tbl_FoodOrders"), orders);
    QCOMPARE(rowsIn(fx, "tbl_revenueStats", "tFoodOrders = 1"), orders);
    const bool saved = !told.startsWith("Error");
    QCOMPARE(fx.dialogs().messages().contains("Food & Beverages order added into the record"), saved);
    if (saved) {
        QCOMPARE(core::State().mLastError, QString());
        QCOMPARE(frm.FoodLV->count(), 0);
    } else {
        QVERIFY2(core::State().mLastError.startsWith(told), qPrintable(core::State().mLastError));
        QCOMPARE(core::State().mLastSQL, QStringLiteral("COMMIT TRANSACTION"));
        QCOMPARE(itemRows(frm), QStringList({"Tea=$2.50"}));
    }
    QCOMPARE(core::State().mLastError.contains("not known"), darkAfter);
    if (orders == 1)
        QCOMPARE(storedItems(fx, "999999"), QStringList({"Tea=2.5"}));
    else
        QCOMPARE(vb::CLng(fx.scalar("SELECT count(*) FROM information_schema.tables WHERE table_schema = DATABASE() "
                                    "AND table_name = 'tbl_foodorder_999999'")),
                 0);
}

QTEST_MAIN(TestFoodingBook)
#include "tst_frmfoodingbook.moc"
