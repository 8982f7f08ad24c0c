// "Submit" of the booking window: the checks and their hints, the defaults, the stored guest,
// room, revenue and log rows on both engines, the reset, and all-or-nothing on a failure.
#include "bookingtesting.h"

#include "core/db/dbworks.h"
#include "core/ui/cballoontooltip.h"
#include "support/scratch_database.h"
#include "support/settingswindowprobe.h"
#include "vb/app.h"
#include "vb/conversions.h"
#include "vb/locale.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QtTest>

using frontdesk::frmBooking;
using namespace bookingtesting;

namespace {

int rowsIn(testsupport::CoreFixture &fx, const QString &table)
{
    return vb::CLng(fx.scalar("SELECT count(*) FROM " + table));
}

double amount(const vb::Variant &value) { return vb::CDbl(value); }
QDate dateOf(const vb::Variant &value) { return vb::CDate(value).toQDate(); }

using testsupport::SettingsWindowProbe;

} // namespace

class TestBookingSubmit : public QObject {
    Q_OBJECT

private slots:
    void init() { core::CBalloonToolTip::ClearLastShown(); }

    void hintsComeInOrderAndWriteNothing();
    void blankNamesPassAndApostropheOnlyNamesGetTheNameHint();
    void amountThatIsNoAmountGetsItsHint_data();
    void amountThatIsNoAmountGetsItsHint();
    void storesGuestRoomsRevenueAndLog_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void storesGuestRoomsRevenueAndLog();
    void phoneIsStoredAsTyped_data();
    void phoneIsStoredAsTyped();
    void initialsAreWholeLetters_data();
    void initialsAreWholeLetters();
    void secondBookingOfTheDayAddsToRevenue_data();
    void secondBookingOfTheDayAddsToRevenue();
    void paymentColumns_data();
    void paymentColumns();
    void paymentDetailsStayWithTheirGuest();
    void resetMovingTheDepartureRemovesAnOldHint();
    void nulCharactersInTypedTextsAreDropped_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void nulCharactersInTypedTextsAreDropped();
    void failedStatementKeepsNothingOfTheBooking_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void failedStatementKeepsNothingOfTheBooking();
    void roomGoneSinceTheListWasReadIsTakenOut_data();
    void roomGoneSinceTheListWasReadIsTakenOut();
};

void TestBookingSubmit::hintsComeInOrderAndWriteNothing()
{
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    frmBooking &frm = openBooking(fx);
    const auto &shown = core::CBalloonToolTip::LastShown();
    auto expectHint = [&](const QString &title, const QString &text, QWidget *anchor, QWidget *focus) {
        frm.Command5->click();
        QCOMPARE(shown.title, title);
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.icon, 3);
        QVERIFY(shown.isVisible());
        QCOMPARE(core::State().mTipTarget.data(), anchor);
        QCOMPARE(frm.focusWidget(), focus);
        QVERIFY(frm.Command5->isEnabled());
    };

    expectHint("First Name", "Please enter First Name of the Customer!", frm.txtFName, frm.txtFName);
    frm.txtFName->setText("Ann");
    expectHint("Last Name", "Please enter Last Name of the Customer!", frm.txtLName, frm.txtLName);
    frm.txtLName->setText("Lee");
    expectHint("Status Unknown", "Booking Status is Unknown!", frm.Text2, frm.comboStatus);
    frm.comboStatus->setCurrentText("N/A");
    expectHint("No Rooms", "Add Room(s) for Customer First!", frm.Text1, frm.ListView2);

    QCOMPARE(rowsIn(fx, "tbl_customers"), 0);
    QCOMPARE(rowsIn(fx, "tbl_logTable"), 0);
    QVERIFY(fx.dialogs().messages().isEmpty());

    // "N/A" passes: with a room the booking is stored.
    bookRooms(frm, {"101"});
    frm.Command5->click();
    QCOMPARE(vb::CStr(fx.scalar("SELECT cStatus FROM tbl_customers")), QStringLiteral("N/A"));
}

// A name that loses everything to cleaning is no name; blanks are, and have no initials.
void TestBookingSubmit::blankNamesPassAndApostropheOnlyNamesGetTheNameHint()
{
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    frmBooking &frm = openBooking(fx);
    bookRooms(frm, {"101"});
    fillGuest(frm, "'", "Smith");
    frm.Command5->click();
    QCOMPARE(core::CBalloonToolTip::LastShown().title, QStringLiteral("First Name"));
    QCOMPARE(frm.focusWidget(), frm.txtFName);
    fillGuest(frm, "Ann", "''");
    frm.Command5->click();
    QCOMPARE(core::CBalloonToolTip::LastShown().title, QStringLiteral("Last Name"));
    QVERIFY2(core::State().mLastError.isEmpty(), qPrintable(core::State().mLastError));
    QVERIFY(frm.Command5->isEnabled());
    QCOMPARE(rowsIn(fx, "tbl_customers"), 0);
    QCOMPARE(rowsIn(fx, "tbl_revenueStats"), 0);

    fillGuest(frm, " ", " ");
    frm.Command5->click();
    QCOMPARE(rowsIn(fx, "tbl_customers"), 1);
    const QString number = vb::CStr(fx.scalar("SELECT cUniqueNo FROM tbl_customers"));
    QVERIFY2(QRegularExpression("^[A-Y]{8}$").match(number).hasMatch(), qPrintable(number));
}

// Every money box: what is not an amount is pointed out on that box, and nothing is stored.
void TestBookingSubmit::amountThatIsNoAmountGetsItsHint_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");
    QTest::newRow("rate") << "txtRoomRate" << "abc" << "Total Room Rate(s)";
    QTest::newRow("tax with a letter O") << "txtTax" << "1O.00" << "Total Tax Amount";
    QTest::newRow("total with an apostrophe") << "txtGrandTotal" << "$100'.00" << "Grand Total";
    QTest::newRow("advance") << "txtAdvance" << "abc" << "Advance Payment by Customer";
    // en_US would read "12,5" as 125: a group separator out of place is no amount.
    QTest::newRow("advance with a misplaced separator") << "txtAdvance" << "12,5" << "Advance Payment by Customer";
    QTest::newRow("due too large for an amount") << "txtDue" << "1e400" << "Due Amount";
}

void TestBookingSubmit::amountThatIsNoAmountGetsItsHint()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, title);
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    frmBooking &frm = openBooking(fx);
    fillGuest(frm, "Ann", "Lee");
    bookRooms(frm, {"101"});
    auto *field = frm.findChild<QLineEdit *>(box);
    QVERIFY(field);
    field->setText(typed);
    frm.Command5->click();

    const auto &shown = core::CBalloonToolTip::LastShown();
    QCOMPARE(shown.title, title);
    QCOMPARE(shown.text, QStringLiteral("Please enter an amount, e.g. $100.00!"));
    QVERIFY(shown.isVisible());
    QCOMPARE(core::State().mTipTarget.data(), field);
    QCOMPARE(frm.focusWidget(), field);
    QVERIFY2(core::State().mLastError.isEmpty(), qPrintable(core::State().mLastError));
    QVERIFY(fx.dialogs().messages().isEmpty());
    for (const QString table : {"tbl_customers", "room_101", "tbl_revenueStats", "tbl_logTable"})
        QVERIFY2(rowsIn(fx, table) == 0, qPrintable(table));
    QCOMPARE(field->text(), typed);
    QVERIFY(frm.Command5->isEnabled());
}

void TestBookingSubmit::storesGuestRoomsRevenueAndLog()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    addRoom(fx, "101", "100");
    addRoom(fx, "102", "50.5");
    addRoom(fx, "103", "80");
    addRoomTax(fx, "Service", "10");
    logIn("clerk");
    frmBooking &frm = openBooking(fx);

    frm.comboTitle->setCurrentText("Dr.");
    fillGuest(frm, "O'Brien", "Smith");
    frm.txtPhone->setText("+1 555");
    frm.comboAdults->setCurrentText("2");
    frm.comboMinors->setCurrentText("");
    stayDays(frm, 2);
    bookRooms(frm, {"101", "102"});
    frm.txtAdvance->setText("100");
    frm.getDue();
    QTest::mouseClick(frm.paymentMethod[2], Qt::LeftButton);
    frm.txtPaymentDetails->setText("VISA 'gold'");
    frm.txtAdditionalNote->setPlainText("Late arrival, can't wait");
    frm.Command5->click();

    const QList<testsupport::Row> guests = fx.query("SELECT * FROM tbl_customers");
    QCOMPARE(guests.size(), 1);
    const testsupport::Row &guest = guests[0];
    const QDate today = QDate::currentDate();
    QCOMPARE(vb::CStr(guest["ctitle"]), QStringLiteral("Dr."));
    QCOMPARE(vb::CStr(guest["cfirstname"]), QStringLiteral("OBrien"));
    QCOMPARE(vb::CStr(guest["clastname"]), QStringLiteral("Smith"));
    QCOMPARE(vb::CStr(guest["caddress"]), QStringLiteral("N/A"));
    QCOMPARE(vb::CStr(guest["cphone"]), QStringLiteral("+1 555"));
    QCOMPARE(vb::CLng(guest["cnoofadults"]), 2);
    QCOMPARE(vb::CLng(guest["cnoofminors"]), 0);
    QCOMPARE(dateOf(guest["ccheckindate"]), today);
    QCOMPARE(dateOf(guest["ccheckoutdate"]), today.addDays(2));
    QCOMPARE(vb::CLng(guest["cnoofdays"]), 2);
    QCOMPARE(amount(guest["croomsrate"]), 301.0);
    QCOMPARE(amount(guest["ctax"]), 30.1);
    QCOMPARE(amount(guest["cgrandtotal"]), 331.1);
    QCOMPARE(amount(guest["cadvancepaid"]), 100.0);
    QCOMPARE(amount(guest["cdue"]), 231.1);
    QCOMPARE(vb::CStr(guest["cpaymentmethod"]), QStringLiteral("Credit Card"));
    QCOMPARE(vb::CStr(guest["cpaymentmethoddetails"]), QStringLiteral("VISA !*!gold!*!"));
    QCOMPARE(vb::CStr(guest["croomnameid"]), QStringLiteral("101,102"));
    QCOMPARE(vb::CStr(guest["croomnameprice"]), QStringLiteral("100,50.5"));
    QCOMPARE(vb::CStr(guest["cadditionalnote"]), QStringLiteral("Late arrival, cant wait"));
    QCOMPARE(vb::CStr(guest["cstatus"]), QStringLiteral("Checked In"));
    const QString number = vb::CStr(guest["cuniqueno"]);
    QVERIFY2(QRegularExpression("^OS[A-Y]{6}$").match(number).hasMatch(), qPrintable(number));

    for (const QString room : {"101", "102"}) {
        const QList<testsupport::Row> rows = fx.query("SELECT * FROM room_" + room);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(vb::CStr(rows[0]["cuniqueid"]), number);
        QCOMPARE(vb::CStr(rows[0]["roomnameid"]), room);
        QCOMPARE(dateOf(rows[0]["checkindate"]), today);
        QCOMPARE(dateOf(rows[0]["checkoutdate"]), today.addDays(2));
        QCOMPARE(dateOf(rows[0]["roombookeddate"]), today);
    }
    QCOMPARE(rowsIn(fx, "room_103"), 0);

    const QList<testsupport::Row> revenue = fx.query("SELECT * FROM tbl_revenueStats");
    QCOMPARE(revenue.size(), 1);
    QCOMPARE(dateOf(revenue[0]["tdate"]), today);
    QCOMPARE(amount(revenue[0]["trevenue"]), 331.1);
    QCOMPARE(amount(revenue[0]["tbookingrevenue"]), 331.1);
    QCOMPARE(vb::CLng(revenue[0]["tbookings"]), 1);
    QCOMPARE(amount(revenue[0]["tfooddrinkrevenue"]), 0.0);

    const QList<testsupport::Row> log = fx.query("SELECT * FROM tbl_logTable");
    QCOMPARE(log.size(), 1);
    QCOMPARE(vb::CStr(log[0]["logtext"]), QStringLiteral("New Booking of Customer : OBrien Smith"));
    QCOMPARE(vb::CStr(log[0]["loggeduser"]), QStringLiteral("clerk"));
    QCOMPARE(vb::CStr(log[0]["logkey"]), QStringLiteral("Bookings"));

    // Confirmed, with the sound, and ready for the next guest.
    QCOMPARE(fx.dialogs().messages(), QStringList({"Customer details has been added to the Record"}));
    QCOMPARE(fx.dialogs().last().title, QStringLiteral("Customer Added"));
    QCOMPARE(fx.dialogs().last().icon(), ui::vbInformation);
    const auto sounds = fx.dialogs().shown(ui::DialogKind::Sound);
    QCOMPARE(sounds.size(), 1);
    QCOMPARE(sounds[0].text, vb::AppPath() + "/sounds/cashin.wav");

    QCOMPARE(roomsOf(frm.ListView1), QStringList({"101", "102", "103"}));
    QCOMPARE(frm.ListView2->topLevelItemCount(), 0);
    QCOMPARE(frm.txtGrandTotal->text(), QStringLiteral("0"));
    for (QLineEdit *emptied : {frm.txtFName, frm.txtLName, frm.txtAddress, frm.txtPhone, frm.txtRoomRate, frm.txtTax,
                               frm.txtAdvance, frm.txtDue})
        QVERIFY2(emptied->text().isEmpty(), qPrintable(emptied->objectName()));
    QVERIFY(frm.txtAdditionalNote->toPlainText().isEmpty());
    QCOMPARE(frm.comboAdults->currentText(), QStringLiteral("0"));
    QCOMPARE(frm.comboMinors->currentText(), QStringLiteral("0"));
    QCOMPARE(frm.dtDepature->date(), today.addDays(1));
    QCOMPARE(frm.txtNumberDays->text(), QStringLiteral("1"));
    QCOMPARE(frm.comboTitle->currentText(), QStringLiteral("Dr."));
    QCOMPARE(frm.comboStatus->currentText(), QStringLiteral("Checked In"));
    QVERIFY(frm.paymentMethod[2]->isChecked());
    QCOMPARE(frm.txtPaymentDetails->text(), QStringLiteral("Enter Credit Card Details"));
    QVERIFY(frm.Command5->isEnabled());
}

void TestBookingSubmit::phoneIsStoredAsTyped_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    for (const char *engine : {"access", "mariadb"}) {
        QTest::addRow("%s e-mail", engine) << engine << "mary@example.com" << "mary@example.com";
        QTest::addRow("%s dashes", engine) << engine << "555-0100" << "555-0100";
        QTest::addRow("%s empty", engine) << engine << "" << "0";
    }
}

// What the clerk typed as phone, e-mail or the like is kept; only an empty box becomes "0".
void TestBookingSubmit::phoneIsStoredAsTyped()
{
    HOTEL_FETCH_ENGINE(engine);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    testsupport::CoreFixture fx(engine);
    addRoom(fx, "101", "100");
    frmBooking &frm = openBooking(fx);
    fillGuest(frm, "Mary", "Lee");
    frm.txtPhone->setText(typed);
    bookRooms(frm, {"101"});
    frm.Command5->click();
    QCOMPARE(vb::CStr(fx.scalar("SELECT cPhone FROM tbl_customers")), stored);
}

void TestBookingSubmit::initialsAreWholeLetters_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("number");   // a pattern
    for (const char *engine : {"access", "mariadb"}) {
        QTest::addRow("%s emoji outside the BMP", engine) << engine << QStringLiteral("\U0001F600mma") << "Lee"
                                                          << "^[A-Y]L[A-Y]{6}$";
        QTest::addRow("%s letters outside ASCII", engine) << engine << QStringLiteral("\u00C9mile") << "Zo\u00EB"
                                                          << QStringLiteral("^\u00C9Z[A-Y]{6}$");
        QTest::addRow("%s letter outside the BMP, symbol", engine)
            << engine << QStringLiteral("\U0001D49Cda") << QStringLiteral("\u263Ann") << "^[A-Y]{8}$";
    }
}

// The guest number's initials are letters both engines store as typed; the names are stored
// as typed, and no name takes the clerk to the database settings.
void TestBookingSubmit::initialsAreWholeLetters()
{
    HOTEL_FETCH_ENGINE(engine);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, number);
    testsupport::CoreFixture fx(engine);
    SettingsWindowProbe settingsWindow;
    addRoom(fx, "101", "100");
    frmBooking &frm = openBooking(fx);
    fillGuest(frm, first, last);
    bookRooms(frm, {"101"});
    frm.Command5->click();
    QCOMPARE(settingsWindow.opened, 0);
    QVERIFY2(fx.dialogs().messages() == QStringList({"Customer details has been added to the Record"}),
             qPrintable(core::State().mLastError));
    const QList<testsupport::Row> rows = fx.query("SELECT cFirstName, cLastName, cUniqueNo FROM tbl_customers");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(vb::CStr(rows[0]["cfirstname"]), first);
    QCOMPARE(vb::CStr(rows[0]["clastname"]), last);
    const QString stored = vb::CStr(rows[0]["cuniqueno"]);
    QVERIFY2(QRegularExpression(number).match(stored).hasMatch(), qPrintable(stored));
    QCOMPARE(vb::CStr(fx.scalar("SELECT cUniqueID FROM room_101")), stored);
}

// In a day-first locale too: the stay of 3 to 5 April is stored as such, and the second
// booking finds the day's revenue row instead of adding another.
void TestBookingSubmit::secondBookingOfTheDayAddsToRevenue_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("locale");
    for (const char *engine : {"access", "mariadb"}) {
        for (const char *locale : {"en_US", "en_GB"})
            QTest::addRow("%s %s", engine, locale) << engine << locale;
    }
}

void TestBookingSubmit::secondBookingOfTheDayAddsToRevenue()
{
    HOTEL_FETCH_ENGINE(engine);
    QFETCH(QString, locale);
    testsupport::CoreFixture fx(engine);
    vb::SetCurrentLocale(QLocale(locale));
    const auto restoreLocale = qScopeGuard([] { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); });
    addRoom(fx, "101", "100");
    addRoom(fx, "102", "45.25");
    frmBooking &frm = openBooking(fx);
    fillGuest(frm, "Ann", "Lee");
    frm.dtArrival->setDate(QDate(2026, 4, 3));
    frm.dtDepature->setDate(QDate(2026, 4, 5));
    bookRooms(frm, {"101"});
    frm.Command5->click();
    fillGuest(frm, "Bob", "Ray");
    bookRooms(frm, {"102"});
    QTest::keyClick(frm.txtLName, Qt::Key_Return);

    QCOMPARE(rowsIn(fx, "tbl_customers"), 2);
    const QList<testsupport::Row> ann = fx.query("SELECT * FROM tbl_customers WHERE cFirstName = 'Ann'");
    QCOMPARE(dateOf(ann[0]["ccheckindate"]), QDate(2026, 4, 3));
    QCOMPARE(dateOf(ann[0]["ccheckoutdate"]), QDate(2026, 4, 5));
    QCOMPARE(dateOf(fx.scalar("SELECT CheckInDate FROM room_101")), QDate(2026, 4, 3));
    const QList<testsupport::Row> revenue = fx.query("SELECT * FROM tbl_revenueStats");
    QCOMPARE(revenue.size(), 1);
    QCOMPARE(vb::CLng(revenue[0]["tbookings"]), 2);
    QCOMPARE(amount(revenue[0]["trevenue"]), 245.25);
    QCOMPARE(amount(revenue[0]["tbookingrevenue"]), 245.25);
    const QList<testsupport::Row> numbers = fx.query("SELECT cUniqueNo FROM tbl_customers");
    QVERIFY(vb::CStr(numbers[0]["cuniqueno"]) != vb::CStr(numbers[1]["cuniqueno"]));
}

void TestBookingSubmit::paymentColumns_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("details");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("stored");
    QTest::newRow("cash with details typed") << 0 << "typed anyway" << "Cash" << "Cash";
    QTest::newRow("cheque still prompting") << 1 << "" << "Cheque" << "N/A";
    QTest::newRow("other still prompting") << 3 << "" << "Other" << "N/A";
    QTest::newRow("card emptied") << 2 << "<empty>" << "Credit Card" << "N/A";
    QTest::newRow("cheque details") << 1 << "No. 12 'B'" << "Cheque" << "No. 12 !*!B!*!";
    QTest::newRow("card details, then cheque chosen") << 2 << "VISA 1234 then 1" << "Cheque" << "N/A";
}

void TestBookingSubmit::paymentColumns()
{
    QFETCH(int, option);
    QFETCH(QString, details);
    QFETCH(QString, method);
    QFETCH(QString, stored);
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    frmBooking &frm = openBooking(fx);
    QTest::mouseClick(frm.paymentMethod[option], Qt::LeftButton);
    const QStringList typedThenChosen = details.split(" then ");   // details, then another option
    if (details == "<empty>")
        frm.txtPaymentDetails->clear();
    else if (!details.isEmpty())
        frm.txtPaymentDetails->setText(typedThenChosen.first());
    if (typedThenChosen.size() == 2)
        QTest::mouseClick(frm.paymentMethod[typedThenChosen.last().toInt()], Qt::LeftButton);
    fillGuest(frm, "Ann", "Lee");
    bookRooms(frm, {"101"});
    frm.Command5->click();
    const QList<testsupport::Row> rows = fx.query("SELECT cPaymentMethod, cPaymentMethodDetails FROM tbl_customers");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(vb::CStr(rows[0]["cpaymentmethod"]), method);
    QCOMPARE(vb::CStr(rows[0]["cpaymentmethoddetails"]), stored);
}

// The details typed for one guest's payment are not the next guest's, even with the details
// panel closed and the method left as it was.
void TestBookingSubmit::paymentDetailsStayWithTheirGuest()
{
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    frmBooking &frm = openBooking(fx);
    QTest::mouseClick(frm.paymentMethod[3], Qt::LeftButton);
    frm.txtPaymentDetails->setText("Company invoice: ACME Ltd");
    frm.Command8->click();
    QVERIFY(frm.picPayDetails->isHidden());
    fillGuest(frm, "Ann", "Lee");
    bookRooms(frm, {"101"});
    frm.Command5->click();
    fillGuest(frm, "Bob", "Ray");
    bookRooms(frm, {"101"});
    frm.Command5->click();
    const QList<testsupport::Row> rows =
        fx.query("SELECT cFirstName, cPaymentMethod, cPaymentMethodDetails FROM tbl_customers ORDER BY ID");
    QCOMPARE(rows.size(), 2);
    QCOMPARE(vb::CStr(rows[0]["cpaymentmethoddetails"]), QStringLiteral("Company invoice: ACME Ltd"));
    QCOMPARE(vb::CStr(rows[1]["cpaymentmethod"]), QStringLiteral("Other"));
    QCOMPARE(vb::CStr(rows[1]["cpaymentmethoddetails"]), QStringLiteral("N/A"));
}

// A hint left from an earlier try (the name then typed without clicking) goes when the
// reset moves the departure back to tomorrow.
void TestBookingSubmit::resetMovingTheDepartureRemovesAnOldHint()
{
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    frmBooking &frm = openBooking(fx);
    stayDays(frm, 3);
    bookRooms(frm, {"101"});
    fillGuest(frm, "", "Lee");
    frm.Command5->click();
    QCOMPARE(core::CBalloonToolTip::LastShown().title, QStringLiteral("First Name"));
    QVERIFY(core::CBalloonToolTip::LastShown().isVisible());
    QTest::keyClicks(frm.txtFName, "Ann");
    QTest::keyClick(frm.txtFName, Qt::Key_Return);
    QCOMPARE(rowsIn(fx, "tbl_customers"), 1);
    QCOMPARE(frm.dtDepature->date(), QDate::currentDate().addDays(1));
    QVERIFY(!core::CBalloonToolTip::LastShown().window);
}

// Pasted from another program, a NUL cannot be stored: it is dropped, and the booking with it.
void TestBookingSubmit::nulCharactersInTypedTextsAreDropped()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    SettingsWindowProbe settingsWindow;
    addRoom(fx, "101", "100");
    logIn();
    frmBooking &frm = openBooking(fx);
    const QChar nul(u'\0');
    fillGuest(frm, QStringLiteral("An") + nul + QStringLiteral("n"), QStringLiteral("Lee"));
    frm.txtAdditionalNote->setPlainText(QStringLiteral("late") + nul + QStringLiteral(" arrival"));
    bookRooms(frm, {"101"});
    frm.Command5->click();
    QCOMPARE(settingsWindow.opened, 0);
    QVERIFY2(fx.dialogs().messages().contains("Customer details has been added to the Record"),
             qPrintable(core::State().mLastError));
    const auto rows = fx.query("SELECT cFirstName, cAdditionalNote FROM tbl_customers");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(vb::CStr(rows[0]["cfirstname"]), QStringLiteral("Ann"));
    QCOMPARE(vb::CStr(rows[0]["cadditionalnote"]), QStringLiteral("late arrival"));
}

void TestBookingSubmit::failedStatementKeepsNothingOfTheBooking()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    SettingsWindowProbe settingsWindow;
    addRoom(fx, "101", "100");
    addRoom(fx, "102", "60");
    frmBooking &frm = openBooking(fx);
    fillGuest(frm, "Ann", "Lee");
    frm.txtAddress->setText("2 Main St");
    bookRooms(frm, {"101", "102"});
    // The second room's row cannot be written: its table has lost its columns.
    fx.exec("DROP TABLE room_102");
    fx.exec("CREATE TABLE room_102 (Other INT)");

    frm.Command5->click();
    QVERIFY2(core::State().mLastError.startsWith("Error Code : DB0003"), qPrintable(core::State().mLastError));
    QVERIFY(core::State().mLastSQL.startsWith("INSERT INTO [room_102] "));
    QVERIFY(settingsWindow.opened + fx.dialogs().messages().size() == 1);
    QVERIFY(!fx.dialogs().messages().contains("Customer details has been added to the Record"));
    QVERIFY(fx.dialogs().shown(ui::DialogKind::Sound).isEmpty());
    for (const QString table : {"tbl_customers", "room_101", "tbl_revenueStats", "tbl_logTable"})
        QVERIFY2(rowsIn(fx, table) == 0, qPrintable(table));

    // The clerk's input is still there for another try once the room is repaired.
    QCOMPARE(frm.txtFName->text(), QStringLiteral("Ann"));
    QCOMPARE(frm.txtAddress->text(), QStringLiteral("2 Main St"));
    QCOMPARE(roomsOf(frm.ListView2), QStringList({"101", "102"}));
    QVERIFY(frm.Command5->isEnabled());
    fx.exec("DROP TABLE room_102");
    fx.exec(roomTableSql("102"));
    frm.Command5->click();
    for (const QString table : {"tbl_customers", "room_101", "room_102", "tbl_revenueStats", "tbl_logTable"})
        QVERIFY2(rowsIn(fx, table) == 1, qPrintable(table));
}

// A room removed, renumbered or without its booking table since the lists were read: the
// clerk is told, the booking keeps its other rooms at their rate, and nothing is stored until
// the clerk submits again.
void TestBookingSubmit::roomGoneSinceTheListWasReadIsTakenOut_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("available");
    for (const char *engine : {"access", "mariadb"}) {
        QTest::addRow("%s removed", engine) << engine << "removed" << QStringList{"103"};
        QTest::addRow("%s renumbered", engine) << engine << "renumbered" << QStringList{"103", "112"};
        QTest::addRow("%s table missing", engine) << engine << "table missing" << QStringList{"102", "103"};
    }
}

void TestBookingSubmit::roomGoneSinceTheListWasReadIsTakenOut()
{
    HOTEL_FETCH_ENGINE(engine);
    QFETCH(QString, change);
    QFETCH(QStringList, available);
    testsupport::CoreFixture fx(engine);
    SettingsWindowProbe settingsWindow;
    addRoom(fx, "101", "100");
    addRoom(fx, "102", "60");
    addRoom(fx, "103", "70");
    frmBooking &frm = openBooking(fx);
    fillGuest(frm, "Ann", "Lee");
    stayDays(frm, 2);
    bookRooms(frm, {"101", "102"});
    QCOMPARE(frm.txtRoomRate->text(), QStringLiteral("$320.00"));
    if (change != "table missing")
        fx.exec("DELETE FROM tbl_Rooms WHERE RoomNameID = '102'");
    if (change == "renumbered")
        addRoom(fx, "112", "60");
    fx.exec("DROP TABLE room_102");

    frm.Command5->click();
    QCOMPARE(settingsWindow.opened, 0);
    QCOMPARE(fx.dialogs().messages(),
             QStringList({"Room(s) 102 can no longer be booked and were taken out of this booking. Please check the "
                          "rooms and Submit again."}));
    QVERIFY2(core::State().mLastError.isEmpty(), qPrintable(core::State().mLastError));
    for (const QString table : {"tbl_customers", "room_101", "tbl_revenueStats", "tbl_logTable"})
        QVERIFY2(rowsIn(fx, table) == 0, qPrintable(table));
    QCOMPARE(roomsOf(frm.ListView2), QStringList({"101"}));
    QCOMPARE(roomsOf(frm.ListView1), available);
    QCOMPARE(frm.txtRoomRate->text(), QStringLiteral("$200.00"));
    QCOMPARE(frm.txtFName->text(), QStringLiteral("Ann"));

    frm.Command5->click();
    QCOMPARE(rowsIn(fx, "tbl_customers"), 1);
    QCOMPARE(vb::CStr(fx.scalar("SELECT cRoomNameID FROM tbl_customers")), QStringLiteral("101"));
    QCOMPARE(amount(fx.scalar("SELECT cRoomsRate FROM tbl_customers")), 200.0);
    QCOMPARE(settingsWindow.opened, 0);
}

QTEST_MAIN(TestBookingSubmit)
#include "tst_bookingsubmit.moc"
