// The booking window without saving: load, room lists and taxes, the stay, the tariff
// arithmetic, the due, the payment panel, the auxiliary buttons, Enter keys and errors.
#include "bookingtesting.h"

#include "core/state/windowregistry.h"
#include "core/ui/cballoontooltip.h"
#include "frontdesk/register.h"
#include "support/scratch_database.h"
#include "ui/form.h"
#include "vb/datetime.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using frontdesk::frmBooking;
using namespace bookingtesting;

namespace {
// A value of config.ini's "bokpos" section, without the string end the reader may leave on it.
QString iniValue(testsupport::CoreFixture &fx, const QString &key)
{
    return fx.readIni(QStringLiteral("bokpos"), key).remove(QChar(0));
}
} // namespace

class TestFrmBooking : public QObject {
    Q_OBJECT

private slots:
    void init() { core::CBalloonToolTip::ClearLastShown(); }

    void loadFillsListsAndDefaults_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void loadFillsListsAndDefaults();
    void roomTaxesAddUpToThePercent_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void roomTaxesAddUpToThePercent();
    void windowStateAndPositionComeFromBokpos();
    void formerGuestIsPrefilled();
    void formerGuestNumberIsQuotedForSql();
    void missingFormerGuestReportsBok008AndKeepsTheNumber();
    void registeredByName();

    void calculateGivesTheRateOfAddingTheRooms();
    void changedStayReratesTheBookedRooms_data();
    void changedStayReratesTheBookedRooms();
    void removingMirrorsAdding();
    void taxIsThePercentOfTheRate();
    void nothingSelectedChangesNothing();
    void lastAvailableRoomLeavesAnEmptyList();
    void rateThatIsNoAmountGetsItsHint();
    void failedRoomQueryReportsBok010();

    void departureBeforeArrivalIsRefused();
    void datesCanBeTypedDigitByDigit_data();
    void datesCanBeTypedDigitByDigit();
    void typingIntoDaysIsUndone();
    void dueFollowsTotalAndAdvance();
    void refreshEmptiesTheTariffOnly();

    void paymentPromptsFollowTheChosenMethod();
    void okWithoutDetailsFallsBackToCash();
    void pressOnAnOptionTogglesThePanelBeforeItsClick();

    void taxButtonNeedsLoginAndTaxRight();
    void calculatorStartsAnInstalledOne();
    void enterSubmitsRecomputesOrMovesRooms();
    void clicksRemoveTheBalloon();
    void unloadClearsTheBookingFlag();
};

void TestFrmBooking::loadFillsListsAndDefaults()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    addRoom(fx, "101", "100", "Sea view", "Queen!*!s");
    addRoom(fx, "102", "1234.5");
    addRoom(fx, "103", "80", "");   // rooms without a description are offered as well
    addRoom(fx, "104", "80", QString());
    frmBooking &frm = openBooking(fx);

    QVERIFY(core::State().mBookingOpen);
    QCOMPARE(frm.Caption(), QStringLiteral("New Booking"));
    QCOMPARE(roomsOf(frm.ListView1), QStringList({"101", "102", "103", "104"}));
    QCOMPARE(roomsOf(frm.ListView1, 1), QStringList({"Queen's", "Double", "Double", "Double"}));
    QCOMPARE(roomsOf(frm.ListView1, 2), QStringList({"$100.00", "$1,234.50", "$80.00", "$80.00"}));
    QCOMPARE(frm.ListView2->topLevelItemCount(), 0);
    for (QTreeWidget *list : {frm.ListView1, frm.ListView2}) {
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Room(s)"));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("Room Type"));
        QCOMPARE(list->headerItem()->text(2), QStringLiteral("Tariff"));
    }
    const QFontMetrics fm = frm.fontMetrics();
    QCOMPARE(frm.ListView1->columnWidth(0), fm.horizontalAdvance("Abbrdrevooo"));
    QCOMPARE(frm.ListView2->columnWidth(0), fm.horizontalAdvance("Abbrdrevooooooooo"));
    QCOMPARE(frm.ListView2->columnWidth(2), fm.horizontalAdvance("Ready-to-Run"));

    QCOMPARE(frm.comboTitle->currentText(), QStringLiteral("Mr."));
    QCOMPARE(frm.comboTitle->count(), 5);
    QCOMPARE(frm.comboAdults->count(), 51);
    QCOMPARE(frm.comboMinors->itemText(50), QStringLiteral("50"));
    QCOMPARE(frm.comboAdults->currentText(), QStringLiteral("1"));
    QCOMPARE(frm.comboMinors->currentText(), QStringLiteral("1"));
    QCOMPARE(frm.comboStatus->currentText(), QStringLiteral("Unknown"));
    QCOMPARE(frm.comboStatus->itemText(5), QStringLiteral("N/A"));
    QCOMPARE(frm.dtArrival->date(), QDate::currentDate());
    QCOMPARE(frm.dtDepature->date(), QDate::currentDate().addDays(1));
    QCOMPARE(frm.txtNumberDays->text(), QStringLiteral("1"));
    QCOMPARE(frm.lbPercent->text(), QStringLiteral("0"));
    QVERIFY(frm.picPayDetails->isHidden());
    QCOMPARE(frm.paymentIndex, int16_t(0));
    QCOMPARE(frm.paymentMethod[2]->text(), QStringLiteral("Credit Card"));
    QCOMPARE(frm.Command3->text(), QStringLiteral("&Refresh && Reset"));
    QCOMPARE(frm.Command6->toolTip(), QStringLiteral("Open Calculater"));
    QCOMPARE(frm.dtDepature->toolTip(), QStringLiteral("Check In Date (Arrival)"));
}

void TestFrmBooking::roomTaxesAddUpToThePercent()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    addRoom(fx, "101", "100");
    addRoomTax(fx, "Service", "10");
    addRoomTax(fx, "City", "2.5");
    addRoomTax(fx, "Food", "7", 2);
    fx.exec("INSERT INTO tbl_Tax (TaxName, TaxRate, TaxCat) VALUES ('Unset', NULL, 1)");
    frmBooking &frm = openBooking(fx);
    QCOMPARE(frm.lbPercent->text(), QStringLiteral("12.5"));

    // The tax editor refreshes the percent after a change.
    fx.exec("DELETE FROM tbl_Tax WHERE TaxCat=1");
    frm.getAllTax();
    QCOMPARE(frm.lbPercent->text(), QStringLiteral("0"));
    bookRooms(frm, {"101"});
    QCOMPARE(frm.txtTax->text(), QStringLiteral("$0.00"));
    QCOMPARE(frm.txtGrandTotal->text(), frm.txtRoomRate->text());
}

void TestFrmBooking::windowStateAndPositionComeFromBokpos()
{
    testsupport::CoreFixture fx;
    {
        // No "bokState" yet: the window opens minimised.
        auto &frm = ui::Forms::Get<frmBooking>();
        QCOMPARE(frm.WindowState(), ui::vbMinimized);
        QVERIFY(ui::Forms::Unload<frmBooking>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    frmBooking &frm = openBooking(fx);
    QCOMPARE(frm.WindowState(), ui::vbNormal);
    QCOMPARE(frm.Width(), 10140);
    QCOMPARE(frm.Height(), 8985);

    // Every resize keeps the position and state in "bokpos".
    frm.Move(frm.Left(), frm.Top(), 9000, 7000);
    QCoreApplication::processEvents();
    QCOMPARE(iniValue(fx, "Width"), QStringLiteral("9000"));
    QCOMPARE(iniValue(fx, "bokState"), QStringLiteral("0"));
}

void TestFrmBooking::formerGuestIsPrefilled()
{
    testsupport::CoreFixture fx;
    fx.exec("INSERT INTO tbl_customers_history (ID, cTitle, cFirstName, cLastName, cAddress, cPhone, cUniqueNo) "
            "VALUES (7, 'Dr.', 'Sean', 'O!*!Neil', '1 Quay!*!s End', '555', 'SOABCDEF')");
    core::State().mHistoryCustomerNo = "#SOABCDEF";
    frmBooking &frm = openBooking(fx);
    QCOMPARE(frm.comboTitle->currentText(), QStringLiteral("Dr."));
    QCOMPARE(frm.txtFName->text(), QStringLiteral("Sean"));
    QCOMPARE(frm.txtLName->text(), QStringLiteral("O'Neil"));
    QCOMPARE(frm.txtAddress->text(), QStringLiteral("1 Quay's End"));
    QCOMPARE(frm.txtPhone->text(), QStringLiteral("555"));
    QVERIFY(core::State().mHistoryCustomerNo.isEmpty());
}

// A number handed over with an apostrophe in it still finds its guest: the quote is doubled.
void TestFrmBooking::formerGuestNumberIsQuotedForSql()
{
    testsupport::CoreFixture fx;
    fx.exec("INSERT INTO tbl_customers_history (ID, cTitle, cFirstName, cLastName, cAddress, cPhone, cUniqueNo) "
            "VALUES (8, 'Mrs.', 'Ida', 'Kent', 'N/A', '0', 'I''KABCDE')");
    core::State().mHistoryCustomerNo = "#I'KABCDE";
    frmBooking &frm = openBooking(fx);
    QCOMPARE(core::State().mLastSQL, QStringLiteral("SELECT * FROM tbl_customers_history WHERE cUniqueNo='I''KABCDE'"));
    QVERIFY2(core::State().mLastError.isEmpty(), qPrintable(core::State().mLastError));
    QCOMPARE(frm.comboTitle->currentText(), QStringLiteral("Mrs."));
    QCOMPARE(frm.txtLName->text(), QStringLiteral("Kent"));
    QVERIFY(core::State().mHistoryCustomerNo.isEmpty());
}

void TestFrmBooking::missingFormerGuestReportsBok008AndKeepsTheNumber()
{
    testsupport::CoreFixture fx;
    core::State().mHistoryCustomerNo = "#NOBODY00";
    openBooking(fx);
    QVERIFY(core::State().mLastError.startsWith("Error Code : BOK008\r\n"));
    QCOMPARE(core::State().mHistoryCustomerNo, QStringLiteral("#NOBODY00"));
}

void TestFrmBooking::registeredByName()
{
    testsupport::CoreFixture fx;
    fx.writeIni("bokpos", "bokState", "0");
    frontdesk::RegisterFrontDeskWindows();
    QVERIFY(core::ShowWindow("frmBooking", ui::vbModeless));
    QVERIFY(ui::Forms::IsLoaded<frmBooking>());
}

void TestFrmBooking::calculateGivesTheRateOfAddingTheRooms()
{
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    addRoom(fx, "102", "50.5");
    frmBooking &frm = openBooking(fx);
    stayDays(frm, 3);
    QCOMPARE(frm.txtNumberDays->text(), QStringLiteral("3"));

    bookRooms(frm, {"101"});
    QCOMPARE(frm.txtRoomRate->text(), QStringLiteral("$300.00"));
    bookRooms(frm, {"102"});
    QCOMPARE(frm.txtRoomRate->text(), QStringLiteral("$451.50"));
    QCOMPARE(roomsOf(frm.ListView2), QStringList({"101", "102"}));
    QCOMPARE(roomsOf(frm.ListView2, 2), QStringList({"$100.00", "$50.50"}));

    // The rate rebuilt from the booked rooms keeps every fraction.
    frm.txtRoomRate->setText("$10.00");
    frm.Command7->click();
    QCOMPARE(frm.txtRoomRate->text(), QStringLiteral("$451.50"));
    QCOMPARE(frm.txtGrandTotal->text(), QStringLiteral("$451.50"));
    QCOMPARE(frm.txtDue->text(), QStringLiteral("$451.50"));
}

// Whatever way the stay changes after the rooms were added, the rate is their prices times the
// days, and tax, total and due follow.
void TestFrmBooking::changedStayReratesTheBookedRooms_data()
{
    QTest::addColumn<int>("daysFirst");
    QTest::addColumn<QStringList>("rooms");
    QTest::addColumn<int>("arrivalMoved");
    QTest::addColumn<int>("daysThen");
    QTest::addColumn<QStringList>("rateTaxTotalDue");
    QTest::newRow("check-out two days later") << 1 << QStringList{"101"} << 0 << 3
                                              << QStringList{"$300.00", "$30.00", "$330.00", "$280.00"};
    QTest::newRow("two rooms, stay shortened") << 4 << QStringList{"101", "102"} << 0 << 2
                                               << QStringList{"$301.00", "$30.10", "$331.10", "$281.10"};
    QTest::newRow("arrival a day later") << 3 << QStringList{"102"} << 1 << 2
                                         << QStringList{"$101.00", "$10.10", "$111.10", "$61.10"};
}

void TestFrmBooking::changedStayReratesTheBookedRooms()
{
    QFETCH(int, daysFirst);
    QFETCH(QStringList, rooms);
    QFETCH(int, arrivalMoved);
    QFETCH(int, daysThen);
    QFETCH(QStringList, rateTaxTotalDue);
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    addRoom(fx, "102", "50.5");
    addRoomTax(fx, "Service", "10");
    frmBooking &frm = openBooking(fx);
    frm.txtAdvance->setText("50");
    stayDays(frm, daysFirst);
    bookRooms(frm, rooms);

    const QDate departure = frm.dtDepature->date();
    if (arrivalMoved != 0)
        frm.dtArrival->setDate(frm.dtArrival->date().addDays(arrivalMoved));
    else
        frm.dtDepature->setDate(departure.addDays(daysThen - daysFirst));
    QCOMPARE(frm.txtNumberDays->text(), QString::number(daysThen));
    QCOMPARE(QStringList({frm.txtRoomRate->text(), frm.txtTax->text(), frm.txtGrandTotal->text(), frm.txtDue->text()}),
             rateTaxTotalDue);
    QVERIFY(fx.dialogs().messages().isEmpty());
}

void TestFrmBooking::removingMirrorsAdding()
{
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    addRoom(fx, "102", "50.25");
    addRoom(fx, "103", "70");
    frmBooking &frm = openBooking(fx);
    stayDays(frm, 3);
    bookRooms(frm, {"101", "102"});
    QCOMPARE(frm.txtRoomRate->text(), QStringLiteral("$450.75"));
    QVERIFY(selectRoom(frm.ListView2, "101"));
    frm.Command2->click();
    QCOMPARE(frm.txtRoomRate->text(), QStringLiteral("$150.75"));
    QCOMPARE(roomsOf(frm.ListView1), QStringList({"103", "101"}));   // back at the end
    QCOMPARE(roomsOf(frm.ListView2), QStringList({"102"}));
    QCOMPARE(frm.ListView2->selectedItems().value(0)->text(0), QStringLiteral("102"));

    // Days changed after adding: the rate follows them, so removing leaves nothing behind.
    stayDays(frm, 5);
    QCOMPARE(frm.txtRoomRate->text(), QStringLiteral("$251.25"));
    frm.Command2->click();
    QCOMPARE(frm.txtRoomRate->text(), QStringLiteral("$0.00"));
    QCOMPARE(frm.txtDue->text(), QStringLiteral("$0.00"));
}

void TestFrmBooking::taxIsThePercentOfTheRate()
{
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "99.99");
    addRoomTax(fx, "Service", "12.5");
    frmBooking &frm = openBooking(fx);
    frm.txtAdvance->setText("50");
    bookRooms(frm, {"101"});
    QCOMPARE(frm.txtTax->text(), QStringLiteral("$12.50"));   // 12.49875, shown with two decimals
    QCOMPARE(frm.txtGrandTotal->text(), QStringLiteral("$112.49"));
    QCOMPARE(frm.txtDue->text(), QStringLiteral("$62.49"));
    QCOMPARE(frm.txtAdvance->text(), QStringLiteral("$50.00"));
    QCOMPARE(frm.PercentFunction(12.5, 200), 25.0);
}

void TestFrmBooking::nothingSelectedChangesNothing()
{
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    frmBooking &frm = openBooking(fx);
    frm.ListView1->clearSelection();
    frm.Command1->click();
    frm.Command2->click();
    QCOMPARE(roomsOf(frm.ListView1), QStringList({"101"}));
    QCOMPARE(frm.ListView2->topLevelItemCount(), 0);
    QCOMPARE(frm.txtRoomRate->text(), QString());
    QVERIFY(core::State().mLastError.isEmpty());
}

void TestFrmBooking::lastAvailableRoomLeavesAnEmptyList()
{
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    addRoomTax(fx, "Service", "10");
    frmBooking &frm = openBooking(fx);
    bookRooms(frm, {"101"});
    QCOMPARE(frm.ListView1->topLevelItemCount(), 0);
    QCOMPARE(frm.txtTax->text(), QStringLiteral("$10.00"));
    QCOMPARE(frm.txtGrandTotal->text(), QStringLiteral("$110.00"));
    QVERIFY(core::State().mLastError.isEmpty());
}

// A typed rate that is no amount is pointed out on its box; the room stays where it was.
void TestFrmBooking::rateThatIsNoAmountGetsItsHint()
{
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    frmBooking &frm = openBooking(fx);
    frm.txtRoomRate->setText("abc");
    QVERIFY(selectRoom(frm.ListView1, "101"));
    frm.Command1->click();
    QCOMPARE(core::CBalloonToolTip::LastShown().title, QStringLiteral("Total Room Rate(s)"));
    QCOMPARE(core::CBalloonToolTip::LastShown().text, QStringLiteral("Please enter an amount, e.g. $100.00!"));
    QCOMPARE(core::State().mTipTarget.data(), frm.txtRoomRate);
    QVERIFY2(core::State().mLastError.isEmpty(), qPrintable(core::State().mLastError));
    QCOMPARE(frm.ListView2->topLevelItemCount(), 0);
    QCOMPARE(frm.txtRoomRate->text(), QStringLiteral("abc"));

    // Leaving a money box with no amount in it shows its hint too.
    core::CBalloonToolTip::ClearLastShown();
    frm.txtTax->setText("ten");
    QFocusEvent focusOut(QEvent::FocusOut);
    QCoreApplication::sendEvent(frm.txtTax, &focusOut);
    QCOMPARE(core::CBalloonToolTip::LastShown().title, QStringLiteral("Total Tax Amount"));

    // The tax percent is no box: the program sets it, and a wrong one is an error report.

    frm.lbPercent->setText("x");
    frm.Command7->click();
    QVERIFY(core::State().mLastError.startsWith("Error Code : BOK006\r\n"));
}

void TestFrmBooking::failedRoomQueryReportsBok010()
{
    testsupport::CoreFixture fx;
    frmBooking &frm = openBooking(fx);
    fx.exec("DROP TABLE tbl_Rooms");
    frm.getRoomList();
    QVERIFY(core::State().mLastError.startsWith("Error Code : BOK010\r\n"));
    QCOMPARE(core::State().mLastSQL, QStringLiteral("SELECT * FROM tbl_Rooms"));
}

void TestFrmBooking::departureBeforeArrivalIsRefused()
{
    testsupport::CoreFixture fx;
    frmBooking &frm = openBooking(fx);
    frm.dtArrival->setDate(QDate::currentDate().addDays(10));
    QCOMPARE(fx.dialogs().messages(), QStringList({"Date cannot be minus"}));
    QCOMPARE(fx.dialogs().last().icon(), ui::vbInformation);
    QCOMPARE(fx.dialogs().last().title, ui::ApplicationTitle());
    QCOMPARE(frm.dtDepature->date(), QDate::currentDate().addDays(11));
    QCOMPARE(frm.txtNumberDays->text(), QStringLiteral("1"));

    frm.dtDepature->setDate(QDate::currentDate());
    QCOMPARE(fx.dialogs().messages().size(), 2);
    QCOMPARE(frm.dtDepature->date(), QDate::currentDate().addDays(11));
    QCOMPARE(frm.txtNumberDays->text(), QStringLiteral("1"));
}

// Arrival 12 April, departure 13 April; the departure's day typed digit by digit.
void TestFrmBooking::datesCanBeTypedDigitByDigit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("leave");
    QTest::addColumn<int>("refusals");   // "Date cannot be minus"
    QTest::addColumn<int>("departureDay");
    QTest::addColumn<QString>("days");
    QTest::newRow("15 passes through 1") << "15" << false << 0 << 15 << "3";
    QTest::newRow("05 complete before the arrival") << "05" << false << 1 << 13 << "1";
    QTest::newRow("1 and the box left") << "1" << true << 1 << 13 << "1";
    QTest::newRow("20 and the box left") << "20" << true << 0 << 20 << "8";
}

void TestFrmBooking::datesCanBeTypedDigitByDigit()
{
    QFETCH(QString, typed);
    QFETCH(bool, leave);
    QFETCH(int, refusals);
    QFETCH(int, departureDay);
    QFETCH(QString, days);
    testsupport::CoreFixture fx;
    frmBooking &frm = openBooking(fx);
    frm.dtDepature->setDate(QDate(2030, 4, 13));
    frm.dtArrival->setDate(QDate(2030, 4, 12));
    QVERIFY(fx.dialogs().messages().isEmpty());

    frm.dtDepature->setFocus();
    frm.dtDepature->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(frm.dtDepature, typed);
    if (leave) {
        QCOMPARE(fx.dialogs().messages().size(), 0);
        QFocusEvent focusOut(QEvent::FocusOut);
        QCoreApplication::sendEvent(frm.dtDepature, &focusOut);
    }
    QCOMPARE(fx.dialogs().messages().size(), refusals);
    QCOMPARE(frm.dtDepature->date(), QDate(2030, 4, departureDay));
    QCOMPARE(frm.txtNumberDays->text(), days);
}

void TestFrmBooking::typingIntoDaysIsUndone()
{
    testsupport::CoreFixture fx;
    frmBooking &frm = openBooking(fx);
    stayDays(frm, 4);
    frm.txtNumberDays->setFocus();
    QTest::keyClicks(frm.txtNumberDays, "9");
    QCOMPARE(frm.txtNumberDays->text(), QStringLiteral("4"));
    frm.txtNumberDays->setText("");
    QCOMPARE(frm.txtNumberDays->text(), QStringLiteral("4"));
}

void TestFrmBooking::dueFollowsTotalAndAdvance()
{
    testsupport::CoreFixture fx;
    frmBooking &frm = openBooking(fx);
    frm.txtAdvance->setText("0");
    frm.getDue();
    QCOMPARE(frm.txtGrandTotal->text(), QStringLiteral("0"));
    QCOMPARE(frm.txtDue->text(), QStringLiteral("$0.00"));

    frm.txtAdvance->setText("1000");
    frm.txtGrandTotal->setText("$1,250.40");
    QCOMPARE(frm.txtDue->text(), QStringLiteral("$250.40"));
    QCOMPARE(frm.txtAdvance->text(), QStringLiteral("$1,000.00"));

    // An advance above the total leaves a negative due; a negative total owes nothing.
    frm.txtGrandTotal->setText("900");
    QCOMPARE(frm.txtDue->text(), QStringLiteral("($100.00)"));
    frm.txtGrandTotal->setText("-5");
    QCOMPARE(frm.txtDue->text(), QStringLiteral("$0.00"));

    // An advance that is no amount leaves the due until it is corrected, and says so.
    frm.txtGrandTotal->setText("$80.00");
    QCOMPARE(frm.txtDue->text(), QStringLiteral("($920.00)"));
    frm.txtAdvance->setText("ten");
    QTest::keyClick(frm.txtAdvance, Qt::Key_Return);
    QCOMPARE(frm.txtDue->text(), QStringLiteral("($920.00)"));
    QCOMPARE(core::CBalloonToolTip::LastShown().title, QStringLiteral("Advance Payment by Customer"));
    QCOMPARE(core::State().mTipTarget.data(), frm.txtAdvance);
    QVERIFY(core::State().mLastError.isEmpty());
}

void TestFrmBooking::refreshEmptiesTheTariffOnly()
{
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    addRoom(fx, "102", "60");
    frmBooking &frm = openBooking(fx);
    frm.txtFName->setText("Ann");
    frm.txtAdvance->setText("20");
    bookRooms(frm, {"102"});
    frm.Command3->click();
    QCOMPARE(roomsOf(frm.ListView1), QStringList({"101", "102"}));
    QCOMPARE(frm.ListView2->topLevelItemCount(), 0);
    QCOMPARE(frm.txtRoomRate->text(), QString());
    QCOMPARE(frm.txtTax->text(), QString());
    QCOMPARE(frm.txtGrandTotal->text(), QStringLiteral("0"));
    QCOMPARE(frm.txtDue->text(), QStringLiteral("($20.00)"));
    QCOMPARE(frm.txtFName->text(), QStringLiteral("Ann"));
}

void TestFrmBooking::paymentPromptsFollowTheChosenMethod()
{
    testsupport::CoreFixture fx;
    frmBooking &frm = openBooking(fx);
    QTest::mouseClick(frm.paymentMethod[2], Qt::LeftButton);
    QVERIFY(!frm.picPayDetails->isHidden());
    QCOMPARE(frm.txtPaymentDetails->text(), QStringLiteral("Enter Credit Card Details"));
    QCOMPARE(frm.paymentIndex, int16_t(2));

    QTest::mouseClick(frm.paymentMethod[1], Qt::LeftButton);
    QVERIFY(!frm.picPayDetails->isHidden());
    QCOMPARE(frm.txtPaymentDetails->text(), QStringLiteral("Enter Cheque Details"));
    QCOMPARE(frm.paymentIndex, int16_t(1));

    QTest::mouseClick(frm.txtPaymentDetails, Qt::LeftButton);
    QCOMPARE(frm.txtPaymentDetails->text(), QString());

    // Details belong to their method: another method starts from its prompt; Cash hides the panel.
    frm.txtPaymentDetails->setText("No. 4711");
    QTest::mouseClick(frm.paymentMethod[1], Qt::LeftButton);
    QCOMPARE(frm.txtPaymentDetails->text(), QStringLiteral("No. 4711"));
    QTest::mouseClick(frm.paymentMethod[3], Qt::LeftButton);
    QCOMPARE(frm.txtPaymentDetails->text(), QStringLiteral("Enter Other Payment Method Details"));
    QTest::mouseClick(frm.paymentMethod[0], Qt::LeftButton);
    QVERIFY(frm.picPayDetails->isHidden());
    QCOMPARE(frm.paymentIndex, int16_t(0));
    QCOMPARE(frm.txtPaymentDetails->text(), QString());
}

void TestFrmBooking::okWithoutDetailsFallsBackToCash()
{
    testsupport::CoreFixture fx;
    frmBooking &frm = openBooking(fx);
    QTest::mouseClick(frm.paymentMethod[2], Qt::LeftButton);
    frm.Command8->click();
    QVERIFY(frm.paymentMethod[0]->isChecked());
    QCOMPARE(frm.paymentIndex, int16_t(0));
    QVERIFY(frm.picPayDetails->isHidden());

    // The "Other" prompt counts as details.
    frm.txtPaymentDetails->clear();
    QTest::mouseClick(frm.paymentMethod[3], Qt::LeftButton);
    QCOMPARE(frm.txtPaymentDetails->text(), QStringLiteral("Enter Other Payment Method Details"));
    frm.Command8->click();
    QVERIFY(frm.paymentMethod[3]->isChecked());
    QVERIFY(frm.picPayDetails->isHidden());
}

void TestFrmBooking::pressOnAnOptionTogglesThePanelBeforeItsClick()
{
    testsupport::CoreFixture fx;
    frmBooking &frm = openBooking(fx);
    QTest::mousePress(frm.paymentMethod[1], Qt::LeftButton);
    QVERIFY(!frm.picPayDetails->isHidden());
    QTest::mouseRelease(frm.paymentMethod[1], Qt::LeftButton);
    QVERIFY(!frm.picPayDetails->isHidden());
    QTest::mousePress(frm.paymentMethod[1], Qt::LeftButton);
    QVERIFY(frm.picPayDetails->isHidden());
    QTest::mouseRelease(frm.paymentMethod[1], Qt::LeftButton);
    QVERIFY(!frm.picPayDetails->isHidden());
}

void TestFrmBooking::taxButtonNeedsLoginAndTaxRight()
{
    testsupport::CoreFixture fx;
    int taxEditorShown = 0;
    core::RegisterWindow("frmTax", [&](int mode) {
        ++taxEditorShown;
        QCOMPARE(mode, ui::vbModeless);
    });
    frmBooking &frm = openBooking(fx);
    const QString noPrivilege = "You do not have sufficient privileges to access this section. ";

    core::State().mRightTax = vb::Variant(int16_t(1));
    frm.Command4->click();   // nobody logged in
    QCOMPARE(fx.dialogs().messages(), QStringList({noPrivilege}));
    QCOMPARE(fx.dialogs().last().icon(), ui::vbInformation);

    logIn();
    core::State().mRightTax = vb::Variant(int16_t(0));
    frm.Command4->click();
    QCOMPARE(fx.dialogs().messages().size(), 2);
    QCOMPARE(taxEditorShown, 0);

    core::State().mRightTax = vb::Variant(int16_t(1));
    frm.Command4->click();
    QCOMPARE(taxEditorShown, 1);
    QCOMPARE(fx.dialogs().messages().size(), 2);
    core::RegisterWindow("frmTax", [](int) {});
}

void TestFrmBooking::calculatorStartsAnInstalledOne()
{
    testsupport::CoreFixture fx;
    frmBooking &frm = openBooking(fx);
    frm.Command6->click();
    const auto started = fx.dialogs().shown(ui::DialogKind::StartProgram);
    QCOMPARE(started.size(), 1);
    QCOMPARE(started[0].programs,
             QStringList({"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"}));
}

void TestFrmBooking::enterSubmitsRecomputesOrMovesRooms()
{
    testsupport::CoreFixture fx;
    addRoom(fx, "101", "100");
    frmBooking &frm = openBooking(fx);

    // Enter in a guest field submits: the empty first name is the first complaint.
    for (QWidget *field : QList<QWidget *>{frm.txtLName, frm.comboAdults->lineEdit(), frm.dtDepature, frm.txtDue}) {
        core::CBalloonToolTip::ClearLastShown();
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(core::CBalloonToolTip::LastShown().title, QStringLiteral("First Name"));
    }
    core::CBalloonToolTip::ClearLastShown();
    QTest::keyClick(frm.comboStatus, Qt::Key_Return);
    QTest::keyClick(frm.txtPaymentDetails, Qt::Key_Return);
    QVERIFY(core::CBalloonToolTip::LastShown().title.isEmpty());

    // Enter on the arrow buttons moves the selected room.
    QVERIFY(selectRoom(frm.ListView1, "101"));
    QTest::keyClick(frm.Command1, Qt::Key_Return);
    QCOMPARE(roomsOf(frm.ListView2), QStringList({"101"}));
    QVERIFY(selectRoom(frm.ListView2, "101"));
    QTest::keyClick(frm.Command2, Qt::Key_Enter);
    QCOMPARE(roomsOf(frm.ListView1), QStringList({"101"}));

    // Enter in the advance recomputes the due, and so does leaving the field.
    frm.txtGrandTotal->setText("$70.00");
    frm.txtAdvance->setText("30");
    QTest::keyClick(frm.txtAdvance, Qt::Key_Return);
    QCOMPARE(frm.txtDue->text(), QStringLiteral("$40.00"));
    QVERIFY(core::CBalloonToolTip::LastShown().title.isEmpty());
    frm.txtAdvance->setText("50");
    QFocusEvent focusOut(QEvent::FocusOut);
    QCoreApplication::sendEvent(frm.txtAdvance, &focusOut);
    QCOMPARE(frm.txtDue->text(), QStringLiteral("$20.00"));
}

void TestFrmBooking::clicksRemoveTheBalloon()
{
    testsupport::CoreFixture fx;
    frmBooking &frm = openBooking(fx);
    for (QWidget *clicked : QList<QWidget *>{frm.txtFName, frm.txtLName, frm.comboStatus, frm.ListView1->viewport(),
                                              frm.ListView2->viewport()}) {
        frm.Command5->click();
        QVERIFY(core::CBalloonToolTip::LastShown().isVisible());
        QTest::mouseClick(clicked, Qt::LeftButton);
        frm.comboStatus->hidePopup();
        QVERIFY2(!core::CBalloonToolTip::LastShown().window, qPrintable(clicked->objectName()));
    }
    frm.Command5->click();
    frm.dtDepature->setDate(frm.dtDepature->date().addDays(1));
    QVERIFY(!core::CBalloonToolTip::LastShown().window);

    // Choosing a status with the keys is a click of the status list too.
    frm.Command5->click();
    QVERIFY(core::CBalloonToolTip::LastShown().isVisible());
    QTest::keyClick(frm.comboStatus, Qt::Key_Down);
    QCOMPARE(frm.comboStatus->currentText(), QStringLiteral("Checked In"));
    QVERIFY(!core::CBalloonToolTip::LastShown().window);
}

void TestFrmBooking::unloadClearsTheBookingFlag()
{
    testsupport::CoreFixture fx;
    openBooking(fx);
    QVERIFY(core::State().mBookingOpen);
    QVERIFY(ui::Forms::Unload<frmBooking>());
    QVERIFY(!core::State().mBookingOpen);
}

QTEST_MAIN(TestFrmBooking)
#include "tst_frmbooking.moc"
