// The road a new clerk walks with the guest windows, inside a main window, with a screenshot
// at each stop (build folder "screens"; run under Xvfb for the real screen): a booking, the
// guest list, "Show Customer Details", an update, "New Food & Beverages Order", the save,
// "Show Food & Beverages Details", the removal of the order and of the guest; then the file
// read by Debian's sqlcipher client.
#include "guesttesting.h"

#include "controls/reportlist.h"
#include "frontdesk/food/frmfooddetails.h"
#include "frontdesk/guests/frmcustomerdetails.h"
#include "frontdesk/guests/frmcustomers.h"
#include "frontdesk/register.h"
#include "support/screens.h"
#include "support/sqlcipher_client.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

using namespace guesttesting;

namespace {

// The screen, and the window the clerk works in brought to the top left of the client area.
void shoot(QMainWindow &main, const QString &name, ui::Form *window = nullptr)
{
    if (window) {
        window->Move(0, 0);
        window->Show(ui::vbModeless);
    }
    QTest::qWait(80);
    QVERIFY(testsupport::ScreenImage(main).save(testsupport::ScreensFolder() + "/guests-" + name + ".png"));
}

// Every frame and field of a window lies inside its parent; labels are not cut.
void checkNothingClipped(QWidget *inner)
{
    for (QGroupBox *frame : inner->findChildren<QGroupBox *>()) {
        QVERIFY2(testsupport::FullyInside(frame), qPrintable(frame->title()));
        for (QWidget *field : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!field->isHidden())
                QVERIFY2(testsupport::FullyInside(field), qPrintable(frame->title() + ": " + field->objectName()));
        }
    }
    for (QLabel *label : inner->findChildren<QLabel *>()) {
        if (!label->isHidden())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    }
}

} // namespace

class TestGuestRoad : public QObject {
    Q_OBJECT

private slots:
    void newClerksRoad();
};

void TestGuestRoad::newClerksRoad()
{
    testsupport::CoreFixture fx;
    frontdesk::RegisterFrontDeskWindows();
    core::State().mOrderSign = "#";
    fx.writeIni("CusD", "CusDstate", "0");
    addCatalogue(fx);
    bookingtesting::addRoom(fx, "101", "100");
    bookingtesting::addRoom(fx, "102", "80");
    bookingtesting::logIn();
    testsupport::ScreenMainWindow screen;
    QVERIFY(screen.exposed);
    QMainWindow &main = screen.main;

    frontdesk::frmBooking &booking = bookingtesting::openBooking(fx);
    bookingtesting::fillGuest(booking, "Maeve", "O'Brien");
    bookingtesting::bookRooms(booking, {"101", "102"});
    shoot(main, "1-booking");
    booking.Command5_Click();
    booking.Unload();

    auto &guestList = ui::Forms::Get<frontdesk::frmCustomers>();
    guestList.Show(ui::vbModeless);
    guestList.customerList->setListIndex(1);
    shoot(main, "2-guestlist");

    guestList.AGMyPopUp1_Click("mnuCustomerDetail");
    frontdesk::frmCustomerDetails *details = nullptr;
    for (ui::Form *form : ui::Forms::Loaded())
        details = details ? details : qobject_cast<frontdesk::frmCustomerDetails *>(form);
    QVERIFY(details);
    checkNothingClipped(details->PicInner);
    shoot(main, "3-details", details);
    details->txtNote->setPlainText("Late arrival, can't wait");
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    details->Command1_Click();
    shoot(main, "4-details-updated", details);
    details->Unload();

    guestList.customerList->setListIndex(1);   // the update listed the guests anew
    guestList.AGMyPopUp1_Click("mnuFoodOrder");
    auto &order = ui::Forms::Get<frontdesk::frmFoodingBook>();
    QVERIFY(addItem(order, "Tea"));
    QVERIFY(addItem(order, "Chef's Special"));
    checkNothingClipped(order.PicInner);
    shoot(main, "5-foodorder", &order);
    saveOrder(fx, order);
    shoot(main, "6-foodorder-saved", &order);
    order.Unload();

    guestList.customerList->setListIndex(1);
    guestList.AGMyPopUp1_Click("mnuFoodBeveragesDetails");
    auto &food = ui::Forms::Get<frontdesk::frmFoodDetails>();
    checkNothingClipped(food.PicInner);
    shoot(main, "7-fooddetails", &food);
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    food.Command5_Click();
    shoot(main, "8-order-removed", &food);
    food.Unload();

    guestList.customerList->setListIndex(1);
    guestList.AGMyPopUp1_Click("mnuCustomerDetail");
    details = nullptr;
    for (ui::Form *form : ui::Forms::Loaded())
        details = details ? details : qobject_cast<frontdesk::frmCustomerDetails *>(form);
    QVERIFY(details);
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    details->Command3_Click();
    guestList.RoomListShow();
    shoot(main, "9-guest-removed");

    // What another program reads in the file afterwards.
    const QString tables = testsupport::SqlcipherClient::runOnce(
        fx.databasePath(),
        "SELECT 'guests', count(*) FROM tbl_customers; SELECT 'former', cFirstName, cLastName, cAdditionalNote "
        "FROM tbl_customers_history; SELECT 'orders', count(*) FROM tbl_FoodOrders; SELECT 'rooms', "
        "(SELECT count(*) FROM room_101) + (SELECT count(*) FROM room_102); SELECT 'revenue', tBookings, tFoodOrders, "
        "tFoodDrinkRevenue FROM tbl_revenueStats; SELECT 'ordertables', count(*) FROM sqlite_master WHERE name LIKE "
        "'tbl_FoodOrder_%' AND name GLOB 'tbl_FoodOrder_[0-9]*';");
    qInfo().noquote() << tables;
    QVERIFY(tables.contains("guests|0"));
    QVERIFY(tables.contains("former|Maeve|OBrien|Late arrival, cant wait"));
    QVERIFY(tables.contains("orders|0"));
    QVERIFY(tables.contains("rooms|0"));
    QVERIFY(tables.contains("revenue|1|1|15.25"));
    QVERIFY(tables.contains("ordertables|0"));
    QCOMPARE(fx.dialogs().messages().filter("succesfully Removed").size(), 1);
}

QTEST_MAIN(TestGuestRoad)
#include "tst_guestroad.moc"
