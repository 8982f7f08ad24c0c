// The guest details window over guests booked through the booking window: the load from the
// guest list's selection, the update with its log row and the figures it works out, the
// balloon hints on fields that cannot be stored, and the removal into the guest history, all
// or nothing, on both engines.
#include "guesttesting.h"

#include "controls/richtextbox.h"
#include "core/ui/cballoontooltip.h"
#include "frontdesk/bills/frmcustomerprint.h"
#include "frontdesk/guests/frmcustomerdetails.h"
#include "support/mariadb_cut_proxy.h"
#include "support/scratch_database.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using frontdesk::frmCustomerDetails;
using namespace guesttesting;

namespace {

// A details window opened as the guest list's popup opens it: for the selected guest.
frmCustomerDetails &openDetails(testsupport::CoreFixture &fx)
{
    fx.writeIni(QStringLiteral("CusD"), QStringLiteral("CusDstate"), QStringLiteral("0"));
    auto *details = new frmCustomerDetails;
    details->Show(ui::vbModeless);
    return *details;
}

QStringList roomRows(const frmCustomerDetails &frm)
{
    QStringList rows;
    for (int i = 0; i < frm.ListView1->topLevelItemCount(); ++i)
        rows << frm.ListView1->topLevelItem(i)->text(0) + "=" + frm.ListView1->topLevelItem(i)->text(1);
    return rows;
}

const char *const FailingDelete[] = {
    "CREATE TRIGGER keep_guest BEFORE DELETE ON tbl_customers BEGIN SELECT RAISE(ABORT, 'kept'); END",
    "CREATE TRIGGER keep_guest BEFORE DELETE ON tbl_customers FOR EACH ROW SIGNAL SQLSTATE '45000' SET "
    "MESSAGE_TEXT = 'kept'",
};

// MariaDB: a guest booked into room 101 and selected in the guest list; the program's
// connection then goes through a relay of the test's own that cuts it where a test says.
struct GuestBehindRelay {
    testsupport::CoreFixture fx{QStringLiteral("mariadb")};
    testsupport::MariaDbCutProxy proxy;
    GuestBehindRelay()
    {
        bookingtesting::addRoom(fx, "101", "100");
        const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101"});
        fx.openThroughHost(proxy.hostText());
        openGuestList({ann}).select(0);
    }
};

} // namespace

class TestCustomerDetails : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ui::Forms::UnloadMdiChildren(); ui::Forms::Unload<GuestListStandIn>(); }

    void loadsTheSelectedGuestWithRooms_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void loadsTheSelectedGuestWithRooms();
    void updateStoresApostrophesCleanedWithOneLogRow_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void updateStoresApostrophesCleanedWithOneLogRow();
    void longNoteWithLineBreaksKeptExactly_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void longNoteWithLineBreaksKeptExactly();
    void phoneKeptAsTyped_data();
    void phoneKeptAsTyped();
    void updateWorksOutDueDaysAndRoomStays_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void updateWorksOutDueDaysAndRoomStays();
    void fieldThatCannotBeStoredGetsABalloon_data();
    void fieldThatCannotBeStoredGetsABalloon();
    void removalFailingAtItsLastStatementKeepsEverything_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void removalFailingAtItsLastStatementKeepsEverything();
    void removalPassesOverADroppedRoomTable_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void removalPassesOverADroppedRoomTable();
    void removalWhoseCommitAnswerIsLost_data();
    void removalWhoseCommitAnswerIsLost();
    void updateWhoseCommitAnswerIsLostIsFoundStored();
    void twoWindowsKeepTheirOwnGuests();
    void noSelectionShowsNobody();
};

void TestCustomerDetails::loadsTheSelectedGuestWithRooms()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    bookingtesting::addRoom(fx, "101", "100");
    bookingtesting::addRoom(fx, "102", "1050.5");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101", "102"});
    fx.exec("UPDATE tbl_customers SET cStatus = 'N/A'");
    openGuestList({ann}).select(0);

    frmCustomerDetails &frm = openDetails(fx);
    QCOMPARE(frm.GuestId(), ann.id);
    QCOMPARE(frm.MyOrderUniqueID, ann.number);
    QCOMPARE(frm.Caption(), QStringLiteral("Details of Mr. Ann Lee"));
    QCOMPARE(frm.Frame1->title(), "Customer ID : " + core::State().mOrderSign + ann.number);
    QCOMPARE(frm.comboStatus->currentText(), QStringLiteral("N/A"));
    QCOMPARE(frm.DtCheckinDate->date(), QDate::currentDate());
    QCOMPARE(frm.txtRoomRate->text(), QStringLiteral("$1,150.50"));
    QCOMPARE(frm.txtAdults->text(), QStringLiteral("1"));
    QCOMPARE(roomRows(frm), QStringList({"101=$100.00", "102=$1,050.50"}));
    QVERIFY(core::State().mLastError.isEmpty());
}

void TestCustomerDetails::updateStoresApostrophesCleanedWithOneLogRow()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    bookingtesting::addRoom(fx, "101", "100");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101"});
    bookingtesting::logIn(QStringLiteral("clerk"));
    openGuestList({ann}).select(0);
    frmCustomerDetails &frm = openDetails(fx);

    frm.txtTitle->setCurrentText("Dr.'");
    frm.txtFName->setText("O'Brien");
    frm.txtLName->setText("D'Arcy");
    frm.txtAddress->setText("1 King's Rd");
    frm.txtPhoneNumber->setText("555 '1'");
    frm.txtAdults->setText("3");
    frm.txtMinors->setText("2");
    frm.DtCheckinDate->setDate(QDate(2026, 4, 3));
    frm.DtCheckoutDate->setDate(QDate(2026, 4, 6));
    frm.txtNumberOfDays->setText("3");
    frm.txtRoomRate->setText("$300.00");
    frm.txtPaymentMethod->setText("Cheque'");
    frm.txtPaymentDetails->setText("No. 'B'");
    frm.txtNote->setPlainText("can't wait");
    frm.comboStatus->setCurrentText("Confirmed");
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm.Command1_Click();

    QCOMPARE(fx.dialogs().messages().first(), QStringLiteral("Do you want to update this record?"));
    const testsupport::Row guest = fx.query("SELECT * FROM tbl_customers").first();
    QCOMPARE(vb::CStr(guest["ctitle"]), QStringLiteral("Dr."));
    QCOMPARE(vb::CStr(guest["cfirstname"]), QStringLiteral("OBrien"));
    QCOMPARE(vb::CStr(guest["clastname"]), QStringLiteral("DArcy"));
    QCOMPARE(vb::CStr(guest["caddress"]), QStringLiteral("1 Kings Rd"));
    QCOMPARE(vb::CStr(guest["cphone"]), QStringLiteral("555 1"));
    QCOMPARE(vb::CLng(guest["cnoofadults"]), 3);
    QCOMPARE(vb::CLng(guest["cnoofminors"]), 2);
    QCOMPARE(vb::CDate(guest["ccheckindate"]).toQDate(), QDate(2026, 4, 3));
    QCOMPARE(vb::CDate(guest["ccheckoutdate"]).toQDate(), QDate(2026, 4, 6));
    QCOMPARE(vb::CLng(guest["cnoofdays"]), 3);
    QCOMPARE(vb::CDbl(guest["croomsrate"]), 300.0);
    QCOMPARE(vb::CStr(guest["cpaymentmethod"]), QStringLiteral("Cheque"));
    QCOMPARE(vb::CStr(guest["cpaymentmethoddetails"]), QStringLiteral("No. !*!B!*!"));
    QCOMPARE(vb::CStr(guest["cadditionalnote"]), QStringLiteral("cant wait"));
    QCOMPARE(vb::CStr(guest["cstatus"]), QStringLiteral("Confirmed"));
    QCOMPARE(vb::CStr(guest["cuniqueno"]), ann.number);
    QCOMPARE(vb::CStr(guest["croomnameid"]), QStringLiteral("101"));

    const QList<testsupport::Row> log = fx.query("SELECT * FROM tbl_logTable WHERE LogText LIKE 'Customer details%'");
    QCOMPARE(log.size(), 1);
    QCOMPARE(vb::CStr(log[0]["logtext"]), QStringLiteral("Customer details updated : OBrien DArcy!"));
    QCOMPARE(vb::CStr(log[0]["loggeduser"]), QStringLiteral("clerk"));
    QCOMPARE(vb::CStr(log[0]["logkey"]), QStringLiteral("Bookings"));
    // The window shows the guest as stored now.
    QCOMPARE(frm.txtFName->text(), QStringLiteral("OBrien"));
    QCOMPARE(frm.Caption(), QStringLiteral("Details of Dr. OBrien DArcy"));
    QVERIFY(core::State().mLastError.isEmpty());
}

// A note of 100,000 characters with line breaks, booked through the booking window, shows
// whole and stays as the booking stored it after an update that changes only the last name.
void TestCustomerDetails::longNoteWithLineBreaksKeptExactly()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    bookingtesting::addRoom(fx, "101", "100");
    QString note = QStringLiteral("Late arrival.\nCot for the child.\n\n\tAllergic: nuts\\peanuts \n");
    for (int line = 1; note.size() < 100000; ++line)
        note += QStringLiteral("Line %1: towels at 7, 50 % off the minibar, café → room\n").arg(line);
    note.truncate(100000);
    frontdesk::frmBooking &booking = bookingtesting::openBooking(fx);
    bookingtesting::fillGuest(booking, "Ann", "Lee");
    bookingtesting::bookRooms(booking, {"101"});
    booking.txtAdditionalNote->setPlainText(note);
    booking.Command5_Click();
    const QList<testsupport::Row> booked = fx.query("SELECT ID, cUniqueNo, cAdditionalNote FROM tbl_customers");
    QCOMPARE(booked.size(), 1);
    QCOMPARE(vb::CStr(booked[0]["cadditionalnote"]), note);
    openGuestList({{vb::CLng(booked[0]["id"]), vb::CStr(booked[0]["cuniqueno"])}}).select(0);

    frmCustomerDetails &frm = openDetails(fx);
    QCOMPARE(frm.txtNote->toPlainText(), note);
    frm.txtLName->setText("Leigh");
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm.Command1_Click();
    const testsupport::Row guest = fx.query("SELECT cLastName, cAdditionalNote FROM tbl_customers").first();
    QCOMPARE(vb::CStr(guest["clastname"]), QStringLiteral("Leigh"));
    const QString stored = vb::CStr(guest["cadditionalnote"]);
    QCOMPARE(stored.size(), note.size());
    QCOMPARE(stored, note);
    QCOMPARE(frm.txtNote->toPlainText(), note);
}

void TestCustomerDetails::phoneKeptAsTyped_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("phone");
    for (const char *engine : {"access", "mariadb"}) {
        for (const char *phone : {"+1 555 1234", "555-0100", "mary@example.com", "0044 (20) 7946 0958", ""})
            QTest::addRow("%s, \"%s\"", engine, phone) << QString::fromLatin1(engine) << QString::fromLatin1(phone);
    }
}

// The contact box is text: whatever was typed is stored and shown again, an empty box too.
void TestCustomerDetails::phoneKeptAsTyped()
{
    HOTEL_FETCH_ENGINE(engine);
    QFETCH(QString, phone);
    testsupport::CoreFixture fx(engine);
    bookingtesting::addRoom(fx, "101", "100");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101"});
    openGuestList({ann}).select(0);
    frmCustomerDetails &frm = openDetails(fx);
    frm.txtPhoneNumber->setText(phone);
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm.Command1_Click();

    QCOMPARE(vb::CStr(fx.scalar("SELECT cPhone FROM tbl_customers")), phone);
    QCOMPARE(frm.txtPhoneNumber->text(), phone);
    QVERIFY(core::State().mLastError.isEmpty());
}

// The due is the grand total less the advance and the days are the nights between the dates,
// whatever their boxes held; the guest's stays in its rooms' booking tables follow the dates.
// The database, the window and the bill (open since before the update) all show the result.
void TestCustomerDetails::updateWorksOutDueDaysAndRoomStays()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    bookingtesting::addRoom(fx, "101", "100");
    bookingtesting::addRoom(fx, "102", "80");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101", "102"});
    const BookedGuest bob = bookGuest(fx, "Bob", "Ray", {"101"});
    openGuestList({ann, bob}).select(0);
    frmCustomerDetails &frm = openDetails(fx);
    frm.Command4->click();
    auto *bill = ui::Forms::Find<frontdesk::frmCustomerPrint>();
    QVERIFY(bill);

    const QDate checkIn(2026, 9, 12);
    frm.DtCheckinDate->setDate(checkIn);
    frm.DtCheckoutDate->setDate(checkIn.addDays(3));
    frm.txtGrandTotal->setText("$507.94");
    frm.txtAdvancePaid->setText("200");
    QCOMPARE(frm.txtNumberOfDays->text(), QStringLiteral("3"));
    QCOMPARE(frm.txtDue->text(), QStringLiteral("$307.94"));
    QVERIFY(frm.txtNumberOfDays->isReadOnly() && frm.txtDue->isReadOnly());
    // Set behind the clerk's back: neither is what the update stores.
    frm.txtNumberOfDays->setText("9");
    frm.txtDue->setText("$407.94");
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm.Command1_Click();

    const testsupport::Row guest =
        fx.query("SELECT cDue, cNoOfDays, cCheckInDate, cCheckOutDate FROM tbl_customers WHERE cFirstName = 'Ann'").first();
    QCOMPARE(vb::CStr(vb::Variant(vb::CCur(guest["cdue"]))), QStringLiteral("307.94"));
    QCOMPARE(vb::CLng(guest["cnoofdays"]), 3);
    QCOMPARE(vb::CDate(guest["ccheckoutdate"]).toQDate(), checkIn.addDays(3));
    for (const char *room : {"room_101", "room_102"}) {
        const QList<testsupport::Row> stay =
            fx.query(QStringLiteral("SELECT CheckInDate, CheckOutDate FROM %1 WHERE cUniqueID = '%2'").arg(room, ann.number));
        QCOMPARE(stay.size(), 1);
        QCOMPARE(vb::CDate(stay[0]["checkindate"]).toQDate(), checkIn);
        QCOMPARE(vb::CDate(stay[0]["checkoutdate"]).toQDate(), checkIn.addDays(3));
    }
    // Bob's stay in room 101 is his own.
    QCOMPARE(vb::CDate(fx.scalar("SELECT CheckInDate FROM room_101 WHERE cUniqueID = '" + bob.number + "'")).toQDate(),
             QDate::currentDate());
    QCOMPARE(frm.txtDue->text(), QStringLiteral("$307.94"));
    QCOMPARE(frm.txtNumberOfDays->text(), QStringLiteral("3"));

    frm.Command4->click();
    const QStringList lines = bill->RichText->Text().split("\r\n");
    QCOMPARE(lines.value(5), QStringLiteral("Check Out Date \t\t: 9/15/2026"));
    QCOMPARE(lines.value(12), QStringLiteral("Advance Paid \t\t: $200.00"));
    QCOMPARE(lines.value(13), QStringLiteral("Due \t\t\t\t: $307.94"));
    QVERIFY(core::State().mLastError.isEmpty());
}

void TestCustomerDetails::fieldThatCannotBeStoredGetsABalloon_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");   // for the check-out date: days after the check-in
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("hint");
    QTest::newRow("adults") << "txtAdults" << "two" << "Adults" << "Adults must be a whole number.";
    QTest::newRow("minors") << "txtMinors" << "2a" << "Minors" << "Minors must be a whole number.";
    QTest::newRow("room rate") << "txtRoomRate" << "abc" << "Room Rate(s)" << "Room Rate(s) must be an amount.";
    QTest::newRow("tax beyond any amount") << "txtTax" << "1e300" << "Tax(s)" << "Tax(s) must be an amount.";
    QTest::newRow("empty grand total") << "txtGrandTotal" << "" << "Grand Total" << "Grand Total must be an amount.";
    QTest::newRow("advance letters") << "txtAdvancePaid" << "abc" << "Advance Paid" << "Advance Paid must be an amount.";
    QTest::newRow("advance below zero") << "txtAdvancePaid" << "-5" << "Advance Paid" << "Advance Paid must be an amount.";
    QTest::newRow("advance with a misplaced separator") << "txtAdvancePaid" << "12,5" << "Advance Paid" << "Advance Paid must be an amount.";
    QTest::newRow("check-out before check-in") << "DtCheckoutDate" << "-1" << "Check Out Date" << "Date cannot be minus";
}

// Nothing is stored and nothing is reported as an error: the box that cannot be stored gets
// a balloon hint, and the focus.
void TestCustomerDetails::fieldThatCannotBeStoredGetsABalloon()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QString, hint);
    testsupport::CoreFixture fx;
    bookingtesting::addRoom(fx, "101", "100");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101"});
    openGuestList({ann}).select(0);
    frmCustomerDetails &frm = openDetails(fx);
    frm.txtFName->setText("Anna");
    QWidget *target = frm.findChild<QWidget *>(box);
    QVERIFY(target);
    if (auto *picker = qobject_cast<QDateEdit *>(target))
        picker->setDate(frm.DtCheckinDate->date().addDays(text.toInt()));
    else
        static_cast<QLineEdit *>(target)->setText(text);
    core::CBalloonToolTip::ClearLastShown();
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm.Command1_Click();

    QVERIFY2(core::State().mLastError.isEmpty(), qPrintable(core::State().mLastError));
    QCOMPARE(fx.dialogs().messages(), QStringList({"Do you want to update this record?"}));
    const core::CBalloonToolTip::Shown &shown = core::CBalloonToolTip::LastShown();
    QCOMPARE(shown.title, title);
    QCOMPARE(shown.text, hint);
    QCOMPARE(shown.icon, 3);
    QCOMPARE(shown.target.data(), target);
    QVERIFY(shown.isVisible());
    QCOMPARE(vb::CStr(fx.scalar("SELECT cFirstName FROM tbl_customers")), QStringLiteral("Ann"));
    QCOMPARE(rowsIn(fx, "tbl_logTable", "LogText LIKE 'Customer details%'"), 0);
}

void TestCustomerDetails::removalFailingAtItsLastStatementKeepsEverything()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    SettingsWindowProbe settings;
    bookingtesting::addRoom(fx, "101", "100");
    bookingtesting::addRoom(fx, "102", "80");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101", "102"});
    if (fx.isMariaDb())
        fx.exec(FailingDelete[1]);
    else
        QVERIFY(execOnFile(fx, FailingDelete[0]));
    openGuestList({ann}).select(0);
    frmCustomerDetails &frm = openDetails(fx);
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm.Command3_Click();

    QVERIFY(core::State().mLastSQL.startsWith("DELETE FROM tbl_customers WHERE ID = "));
    QCOMPARE(rowsIn(fx, "tbl_customers"), 1);
    QCOMPARE(rowsIn(fx, "tbl_customers_history"), 0);
    QCOMPARE(rowsIn(fx, "room_101"), 1);
    QCOMPARE(rowsIn(fx, "room_102"), 1);
    QVERIFY(!fx.dialogs().messages().contains(
        "Customer has succesfully Removed & Moved to Customer History List."));
    QVERIFY(frm.isVisible());
    QCOMPARE(frm.txtFName->text(), QStringLiteral("Ann"));
}

void TestCustomerDetails::removalPassesOverADroppedRoomTable()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    SettingsWindowProbe settings;
    bookingtesting::addRoom(fx, "101", "100");
    bookingtesting::addRoom(fx, "102", "80");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101", "102"});
    const BookedGuest bob = bookGuest(fx, "Bob", "Ray", {"101"});
    fx.exec("DROP TABLE room_102");
    openGuestList({ann, bob}).select(0);
    QPointer<frmCustomerDetails> frm = &openDetails(fx);
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm->Command3_Click();

    QCOMPARE(settings.opened, 0);
    QCOMPARE(fx.dialogs().messages().last(),
             QStringLiteral("Customer has succesfully Removed & Moved to Customer History List."));
    QCOMPARE(fx.dialogs().last().title, QStringLiteral("Brevant"));
    QCOMPARE(vb::CStr(fx.scalar("SELECT cUniqueNo FROM tbl_customers_history")), ann.number);
    QCOMPARE(vb::CStr(fx.scalar("SELECT cUniqueNo FROM tbl_customers")), bob.number);
    QCOMPARE(vb::CStr(fx.scalar("SELECT cUniqueID FROM room_101")), bob.number);
    QTRY_VERIFY(frm.isNull());
}

// The guest list's selection moves on; each window goes on acting on its own guest.
// MariaDB, the connection broken at the removal's COMMIT: "removed" when the guest row is gone
// (the answer was lost), the error when it is still there; the guest is in the history once
// or not at all, never without its removal.
void TestCustomerDetails::removalWhoseCommitAnswerIsLost_data()
{
    using Cut = testsupport::MariaDbCutProxy::Cut;
    QTest::addColumn<int>("cut");
    QTest::addColumn<bool>("removed");
    QTest::newRow("answer lost") << int(Cut::AnswerLost) << true;
    QTest::newRow("commit lost") << int(Cut::StatementLost) << false;
}

void TestCustomerDetails::removalWhoseCommitAnswerIsLost()
{
    HOTEL_NEED_MARIADB();
    QFETCH(int, cut);
    QFETCH(bool, removed);
    GuestBehindRelay relay;
    auto &[fx, proxy] = relay;
    QPointer<frmCustomerDetails> frm = &openDetails(fx);
    proxy.cutAt("COMMIT", testsupport::MariaDbCutProxy::Cut(cut));
    core::State().mLastError.clear();
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm->Command3_Click();

    QCOMPARE(proxy.cutsMade(), 1);
    QCOMPARE(rowsIn(fx, "tbl_customers"), removed ? 0 : 1);
    QCOMPARE(rowsIn(fx, "tbl_customers_history"), removed ? 1 : 0);
    QCOMPARE(rowsIn(fx, "room_101"), removed ? 0 : 1);
    QCOMPARE(fx.dialogs().messages().contains("Customer has succesfully Removed & Moved to Customer History List."),
             removed);
    if (removed) {
        QCOMPARE(core::State().mLastError, QString());
    } else {
        QVERIFY2(core::State().mLastError.startsWith("Error Code : CDET002"), qPrintable(core::State().mLastError));
        QVERIFY(frm && frm->isVisible());
    }
}

// MariaDB, the answer to a correction's commit lost: the guest row is found holding every
// corrected value, so the correction stands and the window shows it, with no error.
void TestCustomerDetails::updateWhoseCommitAnswerIsLostIsFoundStored()
{
    HOTEL_NEED_MARIADB();
    GuestBehindRelay relay;
    auto &[fx, proxy] = relay;
    frmCustomerDetails &frm = openDetails(fx);
    frm.txtFName->setText("Anna");
    frm.DtCheckoutDate->setDate(frm.DtCheckinDate->date().addDays(3));
    frm.txtRoomRate->setText("$310.50");
    frm.txtNote->setPlainText("late, after 10");
    proxy.cutAt("COMMIT", testsupport::MariaDbCutProxy::Cut::AnswerLost);
    core::State().mLastError.clear();
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm.Command1_Click();

    QCOMPARE(proxy.cutsMade(), 1);
    QCOMPARE(core::State().mLastError, QString());
    QCOMPARE(vb::CStr(fx.scalar("SELECT cFirstName FROM tbl_customers")), QStringLiteral("Anna"));
    QCOMPARE(rowsIn(fx, "tbl_logTable", "LogText = 'Customer details updated : Anna Lee!'"), 1);
    QCOMPARE(frm.Caption(), QStringLiteral("Details of Mr. Anna Lee"));
}

void TestCustomerDetails::twoWindowsKeepTheirOwnGuests()
{
    testsupport::CoreFixture fx;
    bookingtesting::addRoom(fx, "101", "100");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101"});
    const BookedGuest bob = bookGuest(fx, "Bob", "Ray", {"101"});
    GuestListStandIn &guestList = openGuestList({ann, bob});
    guestList.select(0);
    frmCustomerDetails &forAnn = openDetails(fx);
    guestList.select(1);
    frmCustomerDetails &forBob = openDetails(fx);
    guestList.select(0);

    forBob.txtNote->setPlainText("Bob's note");
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    forBob.Command1_Click();
    QCOMPARE(forBob.txtFName->text(), QStringLiteral("Bob"));
    QCOMPARE(vb::CStr(fx.scalar("SELECT cAdditionalNote FROM tbl_customers WHERE cFirstName = 'Bob'")),
             QStringLiteral("Bobs note"));

    guestList.select(1);
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    forAnn.Command3_Click();
    QCOMPARE(vb::CStr(fx.scalar("SELECT cFirstName FROM tbl_customers_history")), QStringLiteral("Ann"));
    QCOMPARE(vb::CStr(fx.scalar("SELECT cFirstName FROM tbl_customers")), QStringLiteral("Bob"));
}

// Opened with no guest selected, the window shows nobody and its buttons act on nobody.
void TestCustomerDetails::noSelectionShowsNobody()
{
    testsupport::CoreFixture fx;
    bookingtesting::addRoom(fx, "101", "100");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101"});
    openGuestList({ann});
    frmCustomerDetails &frm = openDetails(fx);
    QVERIFY(core::State().mLastError.isEmpty());
    QCOMPARE(frm.GuestId(), 0);
    QCOMPARE(frm.Caption(), QStringLiteral("Customer Details"));
    frm.Command1_Click();
    frm.Command3_Click();
    QVERIFY(fx.dialogs().messages().isEmpty());
    QCOMPARE(rowsIn(fx, "tbl_customers"), 1);
}

QTEST_MAIN(TestCustomerDetails)
#include "tst_frmcustomerdetails.moc"
