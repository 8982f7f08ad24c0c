// The guest details window over guests booked through the booking window: the load from the
// guest list's selection, the update with its log row, the refusal of counts that are no
// whole numbers, and the removal into the guest history, all or nothing, on both engines.
#include "guesttesting.h"

#include "frontdesk/guests/frmcustomerdetails.h"
#include "support/mariadb_cut_proxy.h"
#include "support/scratch_database.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
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
    void countThatIsNoWholeNumberWritesNothing_data();
    void countThatIsNoWholeNumberWritesNothing();
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
    // The price of room 102 holds a comma: the list splits there, as the stored text is.
    QCOMPARE(roomRows(frm), QStringList({"101=$100.00", "102=$1"}));
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

void TestCustomerDetails::countThatIsNoWholeNumberWritesNothing_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("adults") << "txtAdults" << "two" << "Adults must be a whole number.";
    QTest::newRow("minors") << "txtMinors" << "2a" << "Minors must be a whole number.";
    QTest::newRow("days") << "txtNumberOfDays" << "1; DELETE FROM tbl_customers" << "Number of Days must be a whole number.";
    QTest::newRow("empty days") << "txtNumberOfDays" << "" << "Number of Days must be a whole number.";
}

void TestCustomerDetails::countThatIsNoWholeNumberWritesNothing()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    testsupport::CoreFixture fx;
    bookingtesting::addRoom(fx, "101", "100");
    const BookedGuest ann = bookGuest(fx, "Ann", "Lee", {"101"});
    openGuestList({ann}).select(0);
    frmCustomerDetails &frm = openDetails(fx);
    frm.txtFName->setText("Anna");
    frm.findChild<QLineEdit *>(box)->setText(text);
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm.Command1_Click();

    QCOMPARE(fx.dialogs().messages().last(), message);
    QCOMPARE(vb::CStr(fx.scalar("SELECT cFirstName FROM tbl_customers")), QStringLiteral("Ann"));
    QCOMPARE(rowsIn(fx, "tbl_logTable", "LogText LIKE 'Customer details%'"), 0);
    QCOMPARE(rowsIn(fx, "tbl_customers"), 1);
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
    frm.DtCheckoutDate->setDate(QDate(2026, 4, 9));
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
