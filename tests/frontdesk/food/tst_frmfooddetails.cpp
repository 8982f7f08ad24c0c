// A guest's food orders window and the guest search, over guests booked and orders saved
// through the windows: the orders and items, the totals and the food tax, refresh, the
// removal of an order, the guest kept while the guest list's selection moves; the search
// with its pick, on both engines.
#include "../guests/guesttesting.h"

#include "controls/reportlist.h"
#include "core/db/tableexists.h"
#include "core/db/tablenames.h"
#include "core/state/windowregistry.h"
#include "frontdesk/food/frmcustomersearch.h"
#include "frontdesk/food/frmfooddetails.h"
#include "frontdesk/guests/frmcustomerdetails.h"
#include "frontdesk/guests/frmcustomers.h"
#include "frontdesk/register.h"
#include "support/scratch_database.h"
#include "ui/topmost.h"

#include <QGroupBox>
#include <QLabel>
#include <QtTest>

using frontdesk::frmCustomerSearch;
using frontdesk::frmFoodDetails;
using frontdesk::frmFoodingBook;
using namespace guesttesting;

namespace {

// Two orders of Ann (ids 999999: Tea + Chef's Special, 15.25, Paid; 101010101010: Tea, 200,
// Due) and one of Bob.
struct Orders {
    BookedGuest ann;
    BookedGuest bob;
};

Orders placeOrders(testsupport::CoreFixture &fx)
{
    addCatalogue(fx);
    bookingtesting::addRoom(fx, "101", "100");
    Orders orders{bookGuest(fx, "Ann", "Lee", {"101"}), bookGuest(fx, "Bob", "Ray", {"101"})};
    frmFoodingBook &frm = openOrder(orders.ann.number);
    frm.randomSource = fixedDraws({0, 0.01, 0.5});
    addItem(frm, "Tea");
    addItem(frm, "Chef's Special");
    saveOrder(fx, frm);
    addItem(frm, "Tea");
    frm.txtTotalAmount->setText("200");
    frm.Combo1->setCurrentText("Due");
    saveOrder(fx, frm);
    frm.MyOrderID = orders.bob.number;
    frm.GetCustomerDetails();
    addItem(frm, "Tea");
    frm.txtTotalAmount->setText("2.5");
    saveOrder(fx, frm);
    frm.Unload();
    fx.dialogs().clear();
    return orders;
}

QStringList orderRows(const frmFoodDetails &frm)
{
    QStringList rows;
    for (int row = 1; row <= frm.OrderLV->count(); ++row)
        rows << frm.OrderLV->text(row) + "|" + frm.OrderLV->subItem(row, 2) + "|" + frm.OrderLV->subItem(row, 3);
    return rows;
}

QStringList itemRows(const frmFoodDetails &frm)
{
    QStringList rows;
    for (int row = 1; row <= frm.ItemsLV->count(); ++row)
        rows << frm.ItemsLV->text(row) + "=" + frm.ItemsLV->subItem(row, 1);
    return rows;
}

// Rows come in the database's order: the tests pick an order by its text.
void selectOrder(frmFoodDetails &frm, const QString &text)
{
    for (int row = 1; row <= frm.OrderLV->count(); ++row) {
        if (frm.OrderLV->text(row) == text)
            frm.OrderLV->setListIndex(row);
    }
    frm.ShowOrderItems();
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

frmFoodDetails &openFoodDetails()
{
    auto &frm = ui::Forms::Get<frmFoodDetails>();
    frm.Show(ui::vbModeless);
    return frm;
}

} // namespace

class TestFoodDetails : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        ui::Forms::UnloadMdiChildren();
        ui::Forms::Unload<frmCustomerSearch>();
        ui::Forms::Unload<GuestListStandIn>();
    }

    void ordersItemsTotalsAndTax_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void ordersItemsTotalsAndTax();
    void removingOrdersDropsTheirTables_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void removingOrdersDropsTheirTables();
    void orderIdsShowWhole();
    void searchFindsAndHandsOverTheGuest();
    void guestListPopupOpensTheGuestWindows();
};

void TestFoodDetails::ordersItemsTotalsAndTax()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    core::State().mOrderSign = "#";
    const Orders orders = placeOrders(fx);
    bookingtesting::addRoomTax(fx, "VAT", "5", 2);
    bookingtesting::addRoomTax(fx, "Service", "7.5", 2);
    GuestListStandIn &guestList = openGuestList({orders.ann, orders.bob});
    guestList.select(0);

    frmFoodDetails &frm = openFoodDetails();
    QCOMPARE(frm.xOrderNo, orders.ann.number);
    QCOMPARE(frm.Frame1->title(), "Customer ID : #" + orders.ann.number);
    QCOMPARE(frm.txtFName->text(), QStringLiteral("Ann"));
    QCOMPARE(sorted(orderRows(frm)),
             QStringList({"#101010101010|Due|" + orders.ann.number, "#999999|Paid|" + orders.ann.number}));
    QCOMPARE(frm.OrderLV->listIndex(), 1);
    QCOMPARE(frm.ItemsLV->count(), frm.OrderLV->text(1) == "#999999" ? 2 : 1);
    // The orders still to be paid, as the note under the lists says; taxes 5 + 7.5. The
    // figures stay while the clerk looks at the orders' items, and after a refresh.
    QCOMPARE(frm.Label5->text(), QStringLiteral("Note : Paid Orders are not included in Total Amount"));
    const QStringList unpaid{"$200.00", "12.5", "$25.00", "$225.00"};
    const auto figures = [&frm] {
        return QStringList{frm.txtTotalAmount->text(), frm.lbPercent->text(), frm.txtTax->text(),
                           frm.txtAmoutWithTax->text()};
    };
    QCOMPARE(figures(), unpaid);
    selectOrder(frm, "#999999");
    QCOMPARE(itemRows(frm), QStringList({"Tea=$2.50", "Chef's Special=$12.75"}));
    QCOMPARE(figures(), unpaid);
    selectOrder(frm, "#101010101010");
    QCOMPARE(itemRows(frm), QStringList({"Tea=$2.50"}));
    QCOMPARE(figures(), unpaid);

    // The list's selection moves on; the window keeps its guest.
    guestList.select(1);
    frm.Command1_Click();
    QCOMPARE(frm.xOrderNo, orders.ann.number);
    QCOMPARE(figures(), unpaid);
    QVERIFY(core::State().mLastError.isEmpty());

    // Paid at last: nothing is left to pay.
    fx.exec("UPDATE tbl_FoodOrders SET Status = 'Paid'");
    frm.Command1_Click();
    QCOMPARE(figures(), QStringList({"$0.00", "12.5", "$0.00", "$0.00"}));

    // Shown again for Bob, it shows Bob's orders.
    frm.ShowGuest("#" + orders.bob.number);
    QCOMPARE(orderRows(frm).size(), 1);
    QCOMPARE(frm.txtFName->text(), QStringLiteral("Bob"));

    // No food tax: 0 percent, no tax.
    fx.exec("DELETE FROM tbl_Tax");
    frm.ShowGuest(orders.bob.number);
    QCOMPARE(frm.lbPercent->text(), QStringLiteral("0"));
    QCOMPARE(frm.txtTax->text(), QStringLiteral("$0.00"));
}

void TestFoodDetails::removingOrdersDropsTheirTables()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    core::State().mOrderSign = "#";
    const Orders orders = placeOrders(fx);
    bookingtesting::logIn();
    core::State().mRightTax = vb::Variant(int16_t(1));
    openGuestList({orders.ann}).select(0);
    frmFoodDetails &frm = openFoodDetails();

    selectOrder(frm, "#999999");
    fx.dialogs().reply(ui::Reply::button(ui::vbNo));
    frm.Command5_Click();
    QCOMPARE(fx.dialogs().last().text, QStringLiteral("Remove Food & Beverages Order '#999999' ? Are you sure!"));
    QCOMPARE(fx.dialogs().last().title, QStringLiteral("Remove Order"));
    QCOMPARE(rowsIn(fx, "tbl_FoodOrders"), 3);

    selectOrder(frm, "#999999");
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm.Command5_Click();
    QCOMPARE(rowsIn(fx, "tbl_FoodOrders", "FoodOrderID = '999999'"), 0);
    QVERIFY(!core::TableExists(core::FoodOrderTableName("999999")));
    QCOMPARE(orderRows(frm), QStringList({"#101010101010|Due|" + orders.ann.number}));
    QCOMPARE(frm.txtTotalAmount->text(), QStringLiteral("$200.00"));

    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm.Command5_Click();
    QVERIFY(!core::TableExists(core::FoodOrderTableName("101010101010")));
    // The guest without orders lists none: no row is left to open or remove.
    QCOMPARE(frm.OrderLV->count(), 0);
    QCOMPARE(frm.ItemsLV->count(), 0);
    QCOMPARE(frm.txtFName->text(), QStringLiteral("Ann"));
    frm.Command4_Click();   // the tax button refreshes: a guest without orders sums to zero
    QCOMPARE(frm.txtTotalAmount->text(), QStringLiteral("$0.00"));
    QVERIFY(core::State().mLastError.isEmpty());
    fx.dialogs().clear();
    frm.Command5_Click();
    frm.Command3_Click();
    QVERIFY(fx.dialogs().shown().isEmpty());
    QCOMPARE(rowsIn(fx, "tbl_FoodOrders"), 1);   // Bob's
    QVERIFY(core::TableExists(core::FoodOrderTableName("595959595959")));
}

// Order ids have 6 to 18 digits: the longest ones show whole in the order list.
void TestFoodDetails::orderIdsShowWhole()
{
    testsupport::CoreFixture fx;
    core::State().mOrderSign = "#";
    addCatalogue(fx);
    bookingtesting::addRoom(fx, "101", "100");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101"});
    frmFoodingBook &order = openOrder(ann.number);
    auto draws = std::make_shared<QList<double>>(QList<double>{0.95, 0.95, 0.5, 0.5, 0.5, 0.5, 0.95, 0.95, 0.95, 0.95, 0.95, 0.95});
    order.randomSource = [draws] { return draws->takeFirst(); };
    for (int orders = 0; orders < 2; ++orders) {
        addItem(order, "Tea");
        saveOrder(fx, order);
    }
    order.Unload();
    openGuestList({ann}).select(0);

    frmFoodDetails &frm = openFoodDetails();
    QStringList ids;
    for (int row = 1; row <= frm.OrderLV->count(); ++row)
        ids << frm.OrderLV->text(row);
    QCOMPARE(sorted(ids), QStringList({"#104104104104104104", "#59595910410459"}));
    const int needed = static_cast<QAbstractItemView *>(frm.OrderLV)->sizeHintForColumn(0);
    QVERIFY2(frm.OrderLV->columnWidth(0) >= needed,
             qPrintable(QStringLiteral("%1 px for ids that need %2").arg(frm.OrderLV->columnWidth(0)).arg(needed)));
}

void TestFoodDetails::searchFindsAndHandsOverTheGuest()
{
    testsupport::CoreFixture fx;
    bookingtesting::addRoom(fx, "101", "100");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101"});
    const BookedGuest bob = bookGuest(fx, "Lee", "Ray", {"101"});
    fx.exec("UPDATE tbl_customers SET cLastName = 'O!*!Ray' WHERE cFirstName = 'Lee'");
    auto &order = ui::Forms::Get<frmFoodingBook>();
    order.Show(ui::vbModeless);

    order.txtSearchCustomer->setText("L'e#e");
    QTest::keyClick(order.txtSearchCustomer, Qt::Key_Return);
    frmCustomerSearch *search = ui::Forms::Find<frmCustomerSearch>();
    QVERIFY(search);
    QCOMPARE(search->Caption(), QStringLiteral(" Search Customers"));
    QCOMPARE(search->searchLV->count(), 2);   // Ann by last name, Lee by first name: once each
    QCOMPARE(search->searchLV->subItem(2, 2), QStringLiteral("O'Ray"));
    QVERIFY(ui::IsTopMost(search));

    search->searchLV->setListIndex(1);
    search->searchLV_DblClick();
    QCOMPARE(order.MyOrderID, ann.number);
    QCOMPARE(order.txtCFname->text(), QStringLiteral("Ann"));
    QTRY_VERIFY(!ui::Forms::IsLoaded<frmCustomerSearch>());

    // A double click with no row chosen, or with the order window closed, only closes.
    order.txtSearchCustomer->setText("#" + bob.number);
    order.Command3_Click();
    search = ui::Forms::Find<frmCustomerSearch>();
    QVERIFY(search);
    QCOMPARE(search->searchLV->count(), 1);
    search->searchLV->setListIndex(-1);
    search->searchLV_DblClick();
    QCOMPARE(order.MyOrderID, ann.number);
    order.Command3_Click();
    search = ui::Forms::Find<frmCustomerSearch>();
    QVERIFY(search);
    search->searchLV->setListIndex(1);
    order.Unload();
    QTRY_VERIFY(!ui::Forms::IsLoaded<frmFoodingBook>());
    search->searchLV_DblClick();
    QVERIFY(!ui::Forms::IsLoaded<frmFoodingBook>());
    QVERIFY(core::State().mLastError.isEmpty());
}

// The real guest list's popup items open the windows for the guest it selects.
void TestFoodDetails::guestListPopupOpensTheGuestWindows()
{
    testsupport::CoreFixture fx;
    frontdesk::RegisterFrontDeskWindows();
    core::State().mOrderSign = "#";
    fx.writeIni(QStringLiteral("CusD"), QStringLiteral("CusDstate"), QStringLiteral("0"));
    const Orders orders = placeOrders(fx);
    auto &guestList = ui::Forms::Get<frontdesk::frmCustomers>();
    guestList.Show(ui::vbModeless);
    const auto rowOf = [&](const QString &first) {
        for (int row = 1; row <= guestList.customerList->count(); ++row) {
            if (guestList.customerList->subItem(row, 1) == first)
                return row;
        }
        return -1;
    };

    guestList.customerList->setListIndex(rowOf("Bob"));
    guestList.AGMyPopUp1_Click("mnuCustomerDetail");
    guestList.customerList->setListIndex(rowOf("Ann"));
    guestList.AGMyPopUp1_Click("mnuCustomerDetail");
    QStringList shown;
    for (ui::Form *form : ui::Forms::Loaded()) {
        if (auto *details = qobject_cast<frontdesk::frmCustomerDetails *>(form))
            shown << details->MyOrderUniqueID;
    }
    QCOMPARE(shown, QStringList({orders.bob.number, orders.ann.number}));

    guestList.AGMyPopUp1_Click("mnuFoodOrder");
    auto *order = ui::Forms::Find<frmFoodingBook>();
    QVERIFY(order);
    QCOMPARE(order->MyOrderID, orders.ann.number);
    QCOMPARE(order->txtCFname->text(), QStringLiteral("Ann"));

    guestList.AGMyPopUp1_Click("mnuFoodBeveragesDetails");
    auto *foodDetails = ui::Forms::Find<frmFoodDetails>();
    QVERIFY(foodDetails);
    QCOMPARE(foodDetails->xOrderNo, orders.ann.number);
    QCOMPARE(foodDetails->OrderLV->count(), 2);
    guestList.customerList->setListIndex(rowOf("Bob"));
    guestList.AGMyPopUp1_Click("mnuFoodBeveragesDetails");
    QCOMPARE(foodDetails->xOrderNo, orders.bob.number);
    QCOMPARE(foodDetails->OrderLV->count(), 1);
    QVERIFY(core::State().mLastError.isEmpty());
}

QTEST_MAIN(TestFoodDetails)
#include "tst_frmfooddetails.moc"
