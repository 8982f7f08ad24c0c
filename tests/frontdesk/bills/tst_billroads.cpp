// The bills as a clerk reaches them: guests booked through the booking window, orders saved
// through the order window, "Text View" pressed in the guest details and food orders windows;
// the bill lines read back from the viewer, on both engines.
#include "../guests/guesttesting.h"
#include "controls/reportlist.h"
#include "controls/richtextbox.h"
#include "frontdesk/bills/frmcustomerprint.h"
#include "frontdesk/bills/frmfoodtxtview.h"
#include "frontdesk/food/frmfooddetails.h"
#include "frontdesk/guests/frmcustomerdetails.h"
#include "support/scratch_database.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace frontdesk;
using namespace guesttesting;

namespace {

frmCustomerDetails &openDetails(testsupport::CoreFixture &fx, GuestListStandIn &guestList, int row)
{
    fx.writeIni(QStringLiteral("CusD"), QStringLiteral("CusDstate"), QStringLiteral("0"));
    guestList.select(row);
    auto *details = new frmCustomerDetails;
    details->Show(ui::vbModeless);
    return *details;
}

QStringList billLines(const RichTextViewer &viewer) { return viewer.RichText->Text().split(QStringLiteral("\r\n")); }

RichTextViewer *guestBill() { return ui::Forms::Find<frmCustomerPrint>(); }
RichTextViewer *foodBill() { return ui::Forms::Find<frmFoodTxtView>(); }

// The guest bill of a details window, line by line, from what its boxes show.
QStringList expectedGuestBill(const frmCustomerDetails &details, const QString &orderSign, const QString &rooms)
{
    const QString name = details.txtTitle->currentText() + " " + details.txtFName->text() + " " + details.txtLName->text();
    return {"Customer ID \t\t\t: " + orderSign + details.MyOrderUniqueID,
            "Customer Name \t\t: " + name,
            "Address \t\t\t: " + details.txtAddress->text(),
            "Phone No \t\t\t: " + details.txtPhoneNumber->text(),
            "Checkin Date \t\t: " + details.DtCheckinDate->date().toString("M/d/yyyy"),
            "Check Out Date \t\t: " + details.DtCheckoutDate->date().toString("M/d/yyyy"),
            "Total Price \t\t: " + details.txtRoomRate->text(),
            "Total \t\t\t\t: " + details.txtRoomRate->text(),
            "Tax(s) \t\t\t: 12.5% Tax(s), Inclusive Service Tax,VAT,",
            "Tax Amount \t\t: " + details.txtTax->text(),
            "Grand Total \t\t: " + details.txtGrandTotal->text(),
            "Payment Method \t: " + details.txtPaymentMethod->text(),
            "Advance Paid \t\t: " + details.txtAdvancePaid->text(),
            "Due \t\t\t\t: " + details.txtDue->text(),
            "Room(s) & Price(s) \t: " + rooms};
}

} // namespace

class TestBillRoads : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        ui::Forms::UnloadMdiChildren();
        ui::Forms::Unload<GuestListStandIn>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void eachDetailsWindowGivesItsOwnGuestsBill_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void eachDetailsWindowGivesItsOwnGuestsBill();
    void pricesOfAThousandOrMoreListedWhole_data();
    void pricesOfAThousandOrMoreListedWhole();
    void foodBillOfTheSelectedOrder_data();
    void foodBillOfTheSelectedOrder();
};

void TestBillRoads::eachDetailsWindowGivesItsOwnGuestsBill()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    core::State().mOrderSign = QStringLiteral("#");
    bookingtesting::addRoom(fx, "101", "100");
    bookingtesting::addRoom(fx, "102", "50.5");
    bookingtesting::addRoomTax(fx, "Service Tax", "10");
    bookingtesting::addRoomTax(fx, "VAT", "2.5");
    bookingtesting::addRoomTax(fx, "Food", "4", 2);
    const BookedGuest ann = bookGuest(fx, "Ann", "O'Neil", {"101", "102"});
    const BookedGuest bob = bookGuest(fx, "Bob", "Ray", {"102"});
    QVERIFY(!ann.number.isEmpty() && !bob.number.isEmpty());
    GuestListStandIn &guestList = openGuestList({ann, bob});
    frmCustomerDetails &forAnn = openDetails(fx, guestList, 0);
    frmCustomerDetails &forBob = openDetails(fx, guestList, 1);
    QCOMPARE(forAnn.ListView1->topLevelItemCount(), 2);
    QCOMPARE(forAnn.txtRoomRate->text(), QStringLiteral("$150.50"));

    // The list's selection has moved on: each window still bills its own guest.
    forAnn.Command4->click();
    QVERIFY(guestBill() && guestBill()->isVisible());
    QCOMPARE(billLines(*guestBill()), expectedGuestBill(forAnn, "#", "101 ($100.00), 102 ($50.50),"));
    QCOMPARE(billLines(*guestBill()).first(), "Customer ID \t\t\t: #" + ann.number);
    // The booking stores names without their apostrophes.
    QCOMPARE(billLines(*guestBill()).at(1), QStringLiteral("Customer Name \t\t: Mr. Ann ONeil"));

    forBob.Command4->click();
    QCOMPARE(billLines(*guestBill()), expectedGuestBill(forBob, "#", "102 ($50.50),"));

    // Without an order sign the number stands alone; the same guest's open bill is kept.
    core::State().mOrderSign.clear();
    forBob.Command4->click();
    QCOMPARE(billLines(*guestBill()).first(), "Customer ID \t\t\t: #" + bob.number);
    forAnn.Command4->click();
    QCOMPARE(billLines(*guestBill()), expectedGuestBill(forAnn, "", "101 ($100.00), 102 ($50.50),"));
    QVERIFY(fx.dialogs().messages().isEmpty());
}

// Rooms 301 at 1,200 and 101 at 100: the details and the bill list each room with its whole
// price, for a guest booked now and for a price list stored earlier with separators.
void TestBillRoads::pricesOfAThousandOrMoreListedWhole_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("storedEarlier");   // empty: as the booking stores it now
    for (const char *engine : {"access", "mariadb"}) {
        QTest::addRow("%s booked now", engine) << engine << QString();
        QTest::addRow("%s stored earlier", engine) << engine << QStringLiteral("$1,200.00,$100.00");
    }
}

void TestBillRoads::pricesOfAThousandOrMoreListedWhole()
{
    HOTEL_FETCH_ENGINE(engine);
    QFETCH(QString, storedEarlier);
    testsupport::CoreFixture fx(engine);
    bookingtesting::addRoom(fx, "301", "1200");
    bookingtesting::addRoom(fx, "101", "100");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"301", "101"});
    QCOMPARE(vb::CStr(fx.scalar("SELECT cRoomNamePrice FROM tbl_customers")), QStringLiteral("1200,100"));
    if (!storedEarlier.isEmpty())
        fx.exec("UPDATE tbl_customers SET cRoomNamePrice = '" + storedEarlier + "'");
    GuestListStandIn &guestList = openGuestList({ann});
    frmCustomerDetails &details = openDetails(fx, guestList, 0);
    QStringList rows;
    for (int row = 0; row < details.ListView1->topLevelItemCount(); ++row)
        rows << details.ListView1->topLevelItem(row)->text(0) + " " + details.ListView1->topLevelItem(row)->text(1);
    QCOMPARE(rows, QStringList({"301 $1,200.00", "101 $100.00"}));

    details.Command4->click();
    QCOMPARE(billLines(*guestBill()).last(), QStringLiteral("Room(s) & Price(s) \t: 301 ($1,200.00), 101 ($100.00),"));
    QVERIFY(core::State().mLastError.isEmpty());
}

void TestBillRoads::foodBillOfTheSelectedOrder_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("orderSign");
    QTest::newRow("access, order sign") << QStringLiteral("access") << QStringLiteral("#");
    QTest::newRow("access, no order sign") << QStringLiteral("access") << QString();
    QTest::newRow("mariadb, order sign") << QStringLiteral("mariadb") << QStringLiteral("#");
}

// Each order's bill totals the items it lists, whatever the window's total shows (the orders
// still to be paid) and whichever order was clicked first.
void TestBillRoads::foodBillOfTheSelectedOrder()
{
    HOTEL_FETCH_ENGINE(engine);
    QFETCH(QString, orderSign);
    testsupport::CoreFixture fx(engine);
    core::State().mOrderSign = orderSign;
    addCatalogue(fx);
    bookingtesting::addRoom(fx, "101", "100");
    bookingtesting::addRoomTax(fx, "VAT", "5", 2);
    bookingtesting::addRoomTax(fx, "Service", "7.5", 2);
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101"});
    frmFoodingBook &order = openOrder(ann.number);
    addItem(order, "Tea");
    addItem(order, "Chef's Special");
    order.Combo1->setCurrentText("Due");
    saveOrder(fx, order);
    order.txtTotalAmount->setText("0");
    addItem(order, "Tea");
    order.Combo1->setCurrentText("Paid");
    saveOrder(fx, order);
    order.Unload();
    fx.dialogs().clear();
    const QString dueId = vb::CStr(fx.scalar("SELECT FoodOrderID FROM tbl_FoodOrders WHERE Status = 'Due'"));
    const QString paidId = vb::CStr(fx.scalar("SELECT FoodOrderID FROM tbl_FoodOrders WHERE Status = 'Paid'"));

    GuestListStandIn &guestList = openGuestList({ann});
    guestList.select(0);
    auto &orders = ui::Forms::Get<frmFoodDetails>();
    orders.Show(ui::vbModeless);
    QCOMPARE(orders.txtTotalAmount->text(), QStringLiteral("$15.25"));
    const bool dueFirst = orders.OrderLV->text(1) == orderSign + dueId;
    orders.Command3->click();
    QVERIFY(foodBill() && foodBill()->isVisible());
    const QStringList atLoad = billLines(*foodBill());
    const auto billOf = [&](const QString &orderId) {
        for (int row = 1; row <= orders.OrderLV->count(); ++row) {
            if (orders.OrderLV->text(row) == orderSign + orderId)
                orders.OrderLV->setListIndex(row);
        }
        orders.ShowOrderItems();
        orders.Command3->click();
        return foodBill() ? billLines(*foodBill()) : QStringList();
    };
    const QString rule = QString(81, QLatin1Char('-')) + QLatin1Char(' ');
    const QStringList head{"Customer Name \t\t\t\t\t: Mr. Ann Lee", "", "Customer ID \t\t\t\t\t\t: " + orderSign + ann.number};
    const QStringList paidBill = billOf(paidId);
    QCOMPARE(paidBill,
             (head + QStringList{"Food & Beverages Order No. \t\t\t: " + orderSign + paidId, "", rule,
                                "Tea\t\t\t\t\t\t\t$2.50", rule, "Total \t\t\t\t\t\t\t$2.50", "Tax \t\t\t\t\t\t\t12.5%",
                                "Tax Amount\t\t\t\t\t\t$0.31", "Grand Total \t\t\t\t\t\t$2.81"}));
    const QStringList dueBill = billOf(dueId);
    QCOMPARE(dueBill,
             (head + QStringList{"Food & Beverages Order No. \t\t\t: " + orderSign + dueId, "", rule,
                                "Tea\t\t\t\t\t\t\t$2.50", "Chef's Special\t\t\t\t\t\t\t$12.75", rule,
                                "Total \t\t\t\t\t\t\t$15.25", "Tax \t\t\t\t\t\t\t12.5%", "Tax Amount\t\t\t\t\t\t$1.91",
                                "Grand Total \t\t\t\t\t\t$17.16"}));
    QCOMPARE(atLoad, dueFirst ? dueBill : paidBill);

    // With no item listed, "&Text View" shows nothing new.
    QVERIFY(ui::Forms::Unload<frmFoodTxtView>());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    orders.ItemsLV->clear();
    orders.Command3->click();
    QVERIFY(!ui::Forms::IsLoaded<frmFoodTxtView>());
}

QTEST_MAIN(TestBillRoads)
#include "tst_billroads.moc"
