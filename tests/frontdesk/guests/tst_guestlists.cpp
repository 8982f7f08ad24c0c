// The current and former guest lists over a real database on both engines, with guests
// made by booking submissions: searches, status filters, rows with missing values, the row
// menu and what its items do, and the export read back by a real reader.
#include "liststesting.h"

#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "frontdesk/food/frmfooddetails.h"
#include "frontdesk/guests/customerliststatements.h"
#include "frontdesk/guests/customerlistwindow.h"
#include "frontdesk/guests/frmcustomerdetails.h"
#include "frontdesk/guests/frmcustomers.h"
#include "frontdesk/guests/frmcustomershistory.h"
#include "frontdesk/register.h"
#include "support/statementtrace.h"
#include "support/xlsreaders.h"
#include "vb/conversions.h"
#include "vb/text.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

using frontdesk::frmCustomers;
using frontdesk::frmCustomersHistory;
using namespace liststesting;

class TestGuestLists : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { frontdesk::RegisterFrontDeskWindows(); }

    void searchesAndFilters_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void searchesAndFilters();
    void missingValuesAndEmptyNames_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void missingValuesAndEmptyNames();
    void rowShowsTheGuestsColumns();
    void menuOnlyOnASelectedRow();
    void exportReadsBack_data();
    void exportReadsBack();
    void foodDetailsOfAGuestWithoutOrders();
    void foodWindowsForTheSelectedGuest();
    void formerGuestsShowNAAndStartABooking_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void formerGuestsShowNAAndStartABooking();
    void removedGuestLeavesTheLists_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void removedGuestLeavesTheLists();
    void eachListFillsOnceAndHoldsItsRows_data();
    void eachListFillsOnceAndHoldsItsRows();
};

namespace {
const QList<Guest> Guests = {
    {.title = "Mr.", .first = "Ann", .last = "Smith", .status = "Checked In"},
    {.title = "Mrs.", .first = "Bob", .last = "Smithers", .status = "Checked Out"},
    {.title = "Dr.", .first = "Cora", .last = "O'Neil", .status = "Confirmed"},
    {.title = "Miss.", .first = "Smith", .last = "Jones", .status = "Not Confirmed"},
};

frmCustomers &openCustomers()
{
    auto &frm = ui::Forms::Get<frmCustomers>();
    frm.Show(ui::vbModeless);
    return frm;
}

void search(frmCustomers &frm, const QString &text)
{
    frm.txtSearchCustomer->setText(text);
    frm.Command3_Click();
}

void chooseStatus(frmCustomers &frm, int index)
{
    frm.comboStatus->setCurrentIndex(index);
    frm.comboStatus_Click();
}
} // namespace

void TestGuestLists::searchesAndFilters()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    bookingtesting::addRoom(fx, "101", "100");
    bookGuests(fx, Guests);
    core::State().mOrderSign = QStringLiteral("#");
    frmCustomers &frm = openCustomers();
    QCOMPARE(frm.searchMode, int(frontdesk::SearchStatus));
    QCOMPARE(frm.comboStatus->currentText(), QStringLiteral("View All Status"));
    QCOMPARE(frm.customerList->count(), 4);

    // A last name finds the guests whose first or last name is exactly that.
    search(frm, "Smith");
    QCOMPARE(columnOf(*frm.customerList, 1), QStringList({"Ann", "Smith"}));
    // The number as shown, with the order sign, finds its guest.
    const QString bobsNumber = vb::CStr(fx.scalar("SELECT cUniqueNo FROM tbl_customers WHERE cFirstName='Bob'"));
    search(frm, "#" + bobsNumber);
    QCOMPARE(columnOf(*frm.customerList, 1), QStringList({"Bob"}));
    QCOMPARE(frm.customerList->subItem(1, frontdesk::CustomerIdSubItem), "#" + bobsNumber);
    // The apostrophe the booking dropped is dropped from the search too.
    search(frm, "O'Neil");
    QCOMPARE(columnOf(*frm.customerList, 2), QStringList({"ONeil"}));
    // Enter in the box searches; "Refresh" repeats the search.
    frm.txtSearchCustomer->setText("Jones");
    QTest::keyClick(frm.txtSearchCustomer, Qt::Key_Return);
    QCOMPARE(frm.searchMode, int(frontdesk::SearchText));
    QCOMPARE(columnOf(*frm.customerList, 2), QStringList({"Jones"}));
    frm.Command1_Click();
    QCOMPARE(frm.searchMode, int(frontdesk::SearchRefresh));
    QCOMPARE(columnOf(*frm.customerList, 2), QStringList({"Jones"}));

    // The filter ignores the search text; "Checked Out" at either place lists the same rows.
    chooseStatus(frm, 3);
    QCOMPARE(columnOf(*frm.customerList, 1), QStringList({"Bob"}));
    chooseStatus(frm, 5);
    QCOMPARE(columnOf(*frm.customerList, 1), QStringList({"Bob"}));
    chooseStatus(frm, 2);
    QCOMPARE(columnOf(*frm.customerList, 19), QStringList({"Confirmed"}));
    chooseStatus(frm, 0);
    QCOMPARE(frm.customerList->count(), 4);
    // An empty search lists everyone.
    search(frm, "");
    QCOMPARE(frm.customerList->count(), 4);
}

void TestGuestLists::missingValuesAndEmptyNames()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    const QString columns = QStringLiteral(
        "INSERT INTO tbl_customers (cTitle, cFirstName, cLastName, cAddress, cPhone, cNoOfAdults, cNoOfMinors, "
        "cNoOfDays, cRoomsRate, cTax, cGrandTotal, cAdvancePaid, cDue, cPaymentMethod, cPaymentMethodDetails, "
        "cRoomNameID, cUniqueNo, cStatus) VALUES ");
    fx.exec(columns + "('Mr', 'Al', 'First', 'Road', NULL, 1, 0, 1, 10, 1, 11, 0, 11, 'Cash', 'a!*!b', '101', "
                      "'AFAAAAAA', 'Checked In')");
    fx.exec(columns + "('Mr', '', 'Nameless', 'Road', '1', 1, 0, 1, 10, 1, 11, 0, 11, 'Cash', '', '101', "
                      "'XNAAAAAA', 'Checked In')");
    fx.exec(columns + "('Prof', 'Cy', 'Third', NULL, '3', 1, 0, 1, NULL, 1, 11, 0, 11, 'Cash', '', '101', "
                      "'CTAAAAAA', 'Checked In')");
    bookingtesting::logIn();
    frmCustomers &frm = openCustomers();
    // The missing phone shows empty and the walk goes on; the guest without a first name is
    // left out; the rows after both are listed.
    QCOMPARE(columnOf(*frm.customerList, 1), QStringList({"Al", "Cy"}));
    QCOMPARE(frm.customerList->subItem(1, 4), QString());
    QCOMPARE(frm.customerList->subItem(2, 3), QString());
    QCOMPARE(frm.customerList->subItem(2, 10), QString());
    // Payment details keep "!*!" as stored.
    QCOMPARE(frm.customerList->subItem(1, 16), QStringLiteral("a!*!b"));
    QVERIFY(core::State().mLastError.isEmpty());
}

void TestGuestLists::rowShowsTheGuestsColumns()
{
    testsupport::CoreFixture fx;
    bookingtesting::addRoom(fx, "101", "100");
    bookingtesting::addRoom(fx, "102", "50");
    bookGuests(fx, {{.title = "Dr.", .first = "Ann", .last = "Lee", .status = "Confirmed", .rooms = {"101", "102"},
                     .days = 2},
                    {.title = "Mrs.", .first = "Eve", .last = "Ray"}});
    frmCustomers &frm = openCustomers();
    controls::ReportList &list = *frm.customerList;
    QCOMPARE(list.columnHeaderCount(), 21);
    QCOMPARE(list.columnCaption(19), QStringLiteral("Customer ID"));
    QVERIFY(list.isColumnHidden(20));
    QCOMPARE(list.columnCaption(21), QString());
    const QString id = vb::CStr(fx.scalar("SELECT ID FROM tbl_customers WHERE cFirstName='Ann'"));
    QCOMPARE(list.subItem(1, frontdesk::KeySubItem), id);
    QCOMPARE(list.subItem(1, 9), QStringLiteral("2"));
    QCOMPARE(list.subItem(1, 10),
             vb::Format(fx.scalar("SELECT cRoomsRate FROM tbl_customers WHERE cFirstName='Ann'"), "Currency"));
    QVERIFY(list.subItem(1, 10).startsWith(QLatin1Char('$')));
    QCOMPARE(list.subItem(1, 17), QStringLiteral("101,102"));
    QCOMPARE(list.subItem(1, 7), vb::CStr(vb::Variant(vb::Date::fromQDate(QDate::currentDate()))));
    // Titles of men and of office take image 1, others image 2.
    QCOMPARE(list.smallIconOf(1), 1);
    QCOMPARE(list.smallIconOf(2), 2);
}

void TestGuestLists::menuOnlyOnASelectedRow()
{
    testsupport::CoreFixture fx;
    bookingtesting::addRoom(fx, "101", "100");
    bookGuests(fx, {{.title = "Mr.", .first = "Ann", .last = "Lee"}, {.title = "Mr.", .first = "Bo", .last = "Li"}});
    frmCustomers &frm = openCustomers();
    fx.dialogs().clear();
    frm.customerList->setListIndex(-1);
    frm.customerList_DblClick();
    frm.customerList_MouseUp(2, 0, 100, 100);
    QVERIFY(fx.dialogs().shown(ui::DialogKind::PopupMenu).isEmpty());

    // A right click on a row selects it and opens the menu on its release; the left button
    // opens nothing.
    frm.resize(900, 600);
    QCoreApplication::processEvents();
    const QPoint at = frm.customerList->visualRect(frm.customerList->model()->index(1, 0)).center();
    QTest::mouseClick(frm.customerList->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(fx.dialogs().shown(ui::DialogKind::PopupMenu).isEmpty());
    frm.customerList->setListIndex(1);
    QTest::mousePress(frm.customerList->viewport(), Qt::RightButton, {}, at);
    QTest::mouseRelease(frm.customerList->viewport(), Qt::RightButton, {}, at);
    QCOMPARE(frm.customerList->listIndex(), 2);
    const QList<ui::ShownDialog> menus = fx.dialogs().shown(ui::DialogKind::PopupMenu);
    QCOMPARE(menus.size(), 1);
    QStringList names;
    for (const ui::PopupMenuItem &item : menus[0].menu)
        names << item.name;
    QCOMPARE(names, QStringList({"mnuCustomerDetail", "mnuFoodBeveragesDetails", "sepd", "mnuFoodOrder", "kkk",
                                 "mnuExportExcel"}));
    QCOMPARE(menus[0].menu[1].caption, QStringLiteral("&Show Food && Beverages Details"));
    frm.customerList_DblClick();
    QCOMPARE(fx.dialogs().shown(ui::DialogKind::PopupMenu).size(), 2);
}

void TestGuestLists::exportReadsBack_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("extension appended") << "guests" << "guests.xls";
    QTest::newRow("upper case kept") << "GUESTS.XLS" << "GUESTS.XLS";
    QTest::newRow("cancel") << "" << "";
}

void TestGuestLists::exportReadsBack()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    testsupport::CoreFixture fx;
    bookingtesting::addRoom(fx, "101", "100");
    bookGuests(fx, {{.title = "Mr.", .first = "Jürgen", .last = "Müller"}, {.title = "Dr.", .first = "Cora", .last = "O'Neil"}});
    frmCustomers &frm = openCustomers();
    frm.customerList->setListIndex(1);
    QTemporaryDir dir;
    if (typed.isEmpty())
        fx.dialogs().reply(ui::Reply::cancel());
    else
        fx.dialogs().reply(ui::Reply::file(dir.filePath(typed)));
    frm.AGMyPopUp1_Click("mnuExportExcel");
    const ui::ShownDialog asked = fx.dialogs().shown(ui::DialogKind::SaveFile).constLast();
    QCOMPARE(asked.title, QStringLiteral("Export to"));
    QCOMPARE(asked.file.fileName, QStringLiteral("Customer List"));
    QCOMPARE(asked.file.filter, QStringLiteral("*.xls (Excel Workbook)|*.xls"));
    QVERIFY(asked.file.overwritePrompt);
    if (written.isEmpty()) {
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
        return;
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
    const testsupport::XlsBook book = testsupport::ReadXlsWithXlrd(dir.filePath(written));
    QVERIFY2(book.ok, qPrintable(book.error));
    const QList<QStringList> rows = testsupport::PaddedRows(book.sheets[0].rows, 20);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].size(), 20);   // the key column is not written
    QCOMPARE(rows[0][0], QStringLiteral("Title"));
    QCOMPARE(rows[0][19], QStringLiteral("Status"));
    for (int r = 1; r <= 2; ++r) {
        for (int c = 0; c < 20; ++c)
            QCOMPARE(rows[r][c], frm.customerList->subItem(r, c));
    }
    QCOMPARE(rows[1][2], QStringLiteral("Müller"));
}

void TestGuestLists::foodDetailsOfAGuestWithoutOrders()
{
    testsupport::CoreFixture fx;
    bookingtesting::addRoom(fx, "101", "100");
    bookGuests(fx, {{.title = "Mrs.", .first = "Eve", .last = "Ray"}});
    frmCustomers &frm = openCustomers();
    frm.customerList->setListIndex(1);
    fx.dialogs().clear();
    frm.AGMyPopUp1_Click("mnuFoodBeveragesDetails");
    QCOMPARE(fx.dialogs().messages(),
             QStringList{"Mrs. Eve Ray has not ordered for anything! \r\nTherefore, No Food & Beverages details to show!"});
    QCOMPARE(fx.dialogs().last().icon(), int(ui::vbInformation));
    QVERIFY(!ui::Forms::Find(QStringLiteral("frmFoodDetails")));
}

void TestGuestLists::foodWindowsForTheSelectedGuest()
{
    testsupport::CoreFixture fx;
    bookingtesting::addRoom(fx, "101", "100");
    bookGuests(fx, {{.title = "Mrs.", .first = "Eve", .last = "Ray"}, {.title = "Mr.", .first = "Bo", .last = "Li"}});
    core::State().mOrderSign = QStringLiteral("#");
    const QString bo = vb::CStr(fx.scalar("SELECT cUniqueNo FROM tbl_customers WHERE cFirstName='Bo'"));
    fx.exec("INSERT INTO tbl_FoodOrders (OrderNo, FoodOrderID, CustomerTitle, CustomerFName, CustomreLName, "
            "TotalPrice, Status) VALUES ('" + bo + "', '123456', 'Mr.', 'Bo', 'Li', 12, 'Paid')");
    frmCustomers &frm = openCustomers();
    frm.customerList->setListIndex(2);
    fx.dialogs().clear();

    frm.AGMyPopUp1_Click("mnuFoodOrder");
    ui::Form *order = ui::Forms::Find(QStringLiteral("frmFoodingBook"));
    QVERIFY(order);
    const auto *firstName = order->findChild<QLineEdit *>("txtCFname");
    const auto *lastName = order->findChild<QLineEdit *>("txtCLname");
    QVERIFY(firstName && lastName);
    QCOMPARE(firstName->text(), QStringLiteral("Bo"));
    QCOMPARE(lastName->text(), QStringLiteral("Li"));

    frm.AGMyPopUp1_Click("mnuFoodBeveragesDetails");
    QVERIFY(fx.dialogs().messages().isEmpty());
    ui::Form *orders = ui::Forms::Find(QStringLiteral("frmFoodDetails"));
    QVERIFY(orders);
    QCOMPARE(static_cast<frontdesk::frmFoodDetails *>(orders)->xOrderNo, bo);
}

void TestGuestLists::formerGuestsShowNAAndStartABooking()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    bookingtesting::addRoom(fx, "101", "100");
    bookGuests(fx, {{.title = "Dr.", .first = "Ann", .last = "Lee", .status = "Checked Out"},
                    {.title = "Mr.", .first = "Bo", .last = "Li", .status = "Checked In"}});
    fx.exec("INSERT INTO tbl_customers_history SELECT * FROM tbl_customers");
    fx.exec("DELETE FROM tbl_customers");
    core::State().mOrderSign = QStringLiteral("#");
    auto &frm = ui::Forms::Get<frmCustomersHistory>();
    frm.Show(ui::vbModeless);
    QCOMPARE(frm.customerList->count(), 2);
    QCOMPARE(columnOf(*frm.customerList, frontdesk::StatusSubItem), QStringList({"N/A", "N/A"}));
    QVERIFY(!frm.findChild<QComboBox *>("comboStatus"));
    frm.txtSearchCustomer->setText("Li");
    frm.Command3_Click();
    QCOMPARE(columnOf(*frm.customerList, 1), QStringList({"Bo"}));

    frm.customerList->setListIndex(1);
    frm.customerList_MouseUp(2, 0, 0, 0);
    QCOMPARE(fx.dialogs().last().menu.size(), 3);
    frm.AGMyPopUp1_Click("mnuNewBooking");
    // The booking window loaded with the former guest filled in and the hand-off cleared.
    auto *booking = ui::Forms::Find(frontdesk::frmBooking::Name);
    QVERIFY(booking);
    QCOMPARE(static_cast<frontdesk::frmBooking *>(booking)->txtFName->text(), QStringLiteral("Bo"));
    QCOMPARE(static_cast<frontdesk::frmBooking *>(booking)->txtLName->text(), QStringLiteral("Li"));
    QVERIFY(core::State().mHistoryCustomerNo.isEmpty());

    // With the booking window open, another former guest fills it the same way.
    frm.txtSearchCustomer->setText("Lee");
    frm.Command3_Click();
    frm.customerList->setListIndex(1);
    frm.AGMyPopUp1_Click("mnuNewBooking");
    QCOMPARE(ui::Forms::Find(frontdesk::frmBooking::Name), booking);
    QCOMPARE(static_cast<frontdesk::frmBooking *>(booking)->comboTitle->currentText(), QStringLiteral("Dr."));
    QCOMPARE(static_cast<frontdesk::frmBooking *>(booking)->txtFName->text(), QStringLiteral("Ann"));
    QCOMPARE(static_cast<frontdesk::frmBooking *>(booking)->txtLName->text(), QStringLiteral("Lee"));
    QVERIFY(booking->isVisible());
    QVERIFY(core::State().mHistoryCustomerNo.isEmpty());
}

// A guest removed in its details window leaves the current guests' list and joins the former
// guests' at once; the row of a guest removed elsewhere opens no empty details window.
void TestGuestLists::removedGuestLeavesTheLists()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    fx.writeIni(QStringLiteral("CusD"), QStringLiteral("CusDstate"), QStringLiteral("0"));
    bookingtesting::addRoom(fx, "101", "100");
    bookGuests(fx, Guests);
    frmCustomers &list = openCustomers();
    auto &former = ui::Forms::Get<frmCustomersHistory>();
    former.Show(ui::vbModeless);
    const auto select = [&list](const QString &first) {
        list.customerList->setListIndex(int(columnOf(*list.customerList, 1).indexOf(first)) + 1);
    };
    const auto detailsWindows = [] {
        QList<frontdesk::frmCustomerDetails *> windows;
        for (ui::Form *form : ui::Forms::Loaded()) {
            if (auto *details = qobject_cast<frontdesk::frmCustomerDetails *>(form))
                windows << details;
        }
        return windows;
    };

    select("Ann");
    list.AGMyPopUp1_Click("mnuCustomerDetail");
    QCOMPARE(detailsWindows().size(), 1);
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    detailsWindows().first()->Command3_Click();
    QCOMPARE(columnOf(*list.customerList, 1), QStringList({"Bob", "Cora", "Smith"}));
    QCOMPARE(columnOf(*former.customerList, 1), QStringList({"Ann"}));

    fx.exec("DELETE FROM tbl_customers WHERE cFirstName = 'Bob'");
    select("Bob");
    QTRY_COMPARE(detailsWindows().size(), 0);
    list.AGMyPopUp1_Click("mnuCustomerDetail");
    QCOMPARE(detailsWindows().size(), 0);
    QCOMPARE(columnOf(*list.customerList, 1), QStringList({"Cora", "Smith"}));
    QVERIFY(core::State().mLastError.isEmpty());
}


void TestGuestLists::eachListFillsOnceAndHoldsItsRows_data()
{
    QTest::addColumn<bool>("former");
    QTest::newRow("current guests") << false;
    QTest::newRow("former guests") << true;
}

// Opening a list reads its guests once; the rows it shows are its own, so the shared
// recordset lets them go and later queries leave the list as it is.
void TestGuestLists::eachListFillsOnceAndHoldsItsRows()
{
    QFETCH(bool, former);
    testsupport::CoreFixture fx;
    bookingtesting::addRoom(fx, "101", "100");
    bookGuests(fx, Guests);
    const QString table = former ? QStringLiteral("tbl_customers_history") : QStringLiteral("tbl_customers");
    if (former)
        fx.exec("INSERT INTO tbl_customers_history SELECT * FROM tbl_customers");
    frontdesk::CustomerListWindow *frm = nullptr;
    testsupport::StatementTrace trace;
    if (former)
        frm = &ui::Forms::Get<frmCustomersHistory>();
    else
        frm = &ui::Forms::Get<frmCustomers>();
    frm->Show(ui::vbModeless);
    QCOMPARE(trace.count("SELECT * FROM " + table), 1);
    QVERIFY(!core::State().mRS);
    core::OpenRecordset("SELECT * FROM tbl_Rooms");
    QCOMPARE(columnOf(*frm->customerList, 1), QStringList({"Ann", "Bob", "Cora", "Smith"}));
    QCOMPARE(frm->customerList->subItem(3, 2), QStringLiteral("ONeil"));
}

QTEST_MAIN(TestGuestLists)
#include "tst_guestlists.moc"
