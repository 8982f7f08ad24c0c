// The texts of a booking's statements, the guest number and the stored payment details.
#include "frontdesk/booking/bookingstatements.h"
#include "frontdesk/booking/guestnumber.h"
#include "frontdesk/booking/paymentmethod.h"
#include "support/expect_error.h"
#include "vb/error.h"
#include "vb/locale.h"

#include <QRegularExpression>
#include <QtTest>

using namespace frontdesk;

class TestBookingStatements : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void guestRowStatement();
    void roomRevenueAndLogStatements();
    void quotesInTextsCannotBreakTheStatements();
    void guestNumberLettersAndInitials();
    void guestNumberIsDrawnAgainWhileTaken();
    void storedPaymentDetails();
};

namespace {
BookingRecord sampleBooking()
{
    BookingRecord b;
    b.title = "Mr.";
    b.firstName = "O'Brien";
    b.lastName = "Smith";
    b.address = "1 Bay Rd";
    b.phone = "555";
    b.adults = "2";
    b.minors = "0";
    b.arrival = vb::Date::serial(2024, 3, 5);
    b.departure = vb::Date::serial(2024, 3, 7);
    b.days = 2;
    b.rate = vb::Currency::fromDouble(301);
    b.tax = vb::Currency::fromDouble(30.1);
    b.grandTotal = vb::Currency::fromDouble(331.1);
    b.advance = vb::Currency(100);
    b.due = vb::Currency::fromDouble(231.1);
    b.paymentMethod = "Credit Card";
    b.paymentDetails = "VISA !*!gold!*!";
    b.rooms = QStringList{"101", "102"};
    b.prices = {vb::Currency(100), vb::Currency::fromDouble(1050.5)};
    b.note = "can't wait";
    b.uniqueNo = "OSABCDEF";
    b.status = "Checked In";
    return b;
}
} // namespace

void TestBookingStatements::guestRowStatement()
{
    QCOMPARE(CustomerInsertSql(sampleBooking()),
             QStringLiteral("INSERT INTO tbl_customers (cTitle,cFirstName,cLastName,cAddress,cPhone, cNoOfAdults, "
                            "cNoOfMinors, cCheckInDate, cCheckOutDate, cNoOfDays, cRoomsRate, cTax, cGrandTotal, "
                            "cAdvancePaid, cDue, cPaymentMethod, cPaymentMethodDetails, cRoomNameID, cRoomNamePrice, "
                            "cAdditionalNote, cUniqueNo, cStatus) values ('Mr.','OBrien','Smith','1 Bay Rd','555',2,0,"
                            "#2024-03-05# , #2024-03-07#,2,301,30.1,331.1,100,231.1,'Credit Card','VISA !*!gold!*!',"
                            "'101,102','100,1050.5','cant wait','OSABCDEF','Checked In')"));
}

void TestBookingStatements::roomRevenueAndLogStatements()
{
    const BookingRecord b = sampleBooking();
    const vb::Date today = vb::Date::serial(2024, 3, 4);
    QCOMPARE(RoomBookingInsertSql("101", b, today),
             QStringLiteral("INSERT INTO [room_101] (RoomNameID, cUniqueID,CheckInDate,CheckOutDate,RoomBookedDate) "
                            "values ('101','OSABCDEF',#2024-03-05#,#2024-03-07#,#2024-03-04#)"));
    QCOMPARE(RevenueOfDaySql(today), QStringLiteral("SELECT * FROM tbl_revenueStats WHERE tDate =#2024-03-04# "));
    QCOMPARE(RevenueInsertSql(RevenueSource::Booking, b.grandTotal),
             QStringLiteral("INSERT INTO tbl_revenueStats (tRevenue,tBookingRevenue, tBookings) values(331.1,331.1,1)"));
    QCOMPARE(RevenueUpdateSql(RevenueSource::Booking, b.grandTotal, today),
             QStringLiteral("UPDATE tbl_revenueStats SET tRevenue = tRevenue + 331.1,tBookingRevenue=tBookingRevenue "
                            "+ 331.1, tBookings = tBookings + 1 WHERE tDate = #2024-03-04#"));
    QCOMPARE(BookingLogSql("O'Brien", "Smith", "d'Arcy"),
             QStringLiteral("INSERT INTO tbl_logTable (LogText,LoggedUser, LogKey) values('New Booking of Customer : "
                            "OBrien Smith','dArcy','Bookings')"));
}

// The status, room lists and details are not cleaned of apostrophes; they are still quoted.
void TestBookingStatements::quotesInTextsCannotBreakTheStatements()
{
    BookingRecord b = sampleBooking();
    b.status = "x'); DROP TABLE tbl_customers; --";
    b.paymentDetails = "it's";
    const QString sql = CustomerInsertSql(b);
    QVERIFY(sql.contains("'x''); DROP TABLE tbl_customers; --'"));
    QVERIFY(sql.contains("'it''s'"));
    QCOMPARE(GuestNumberLookupSql("tbl_customers", "O'X"),
             QStringLiteral("SELECT cUniqueNo FROM tbl_customers WHERE cUniqueNo='O''X'"));
    // A former guest's number as a list shows it: the order sign goes, the quote stays quoted.
    QCOMPARE(FormerGuestSql("#O'X"), QStringLiteral("SELECT * FROM tbl_customers_history WHERE cUniqueNo='O''X'"));
}

void TestBookingStatements::guestNumberLettersAndInitials()
{
    QSet<QString> seen;
    for (int i = 0; i < 50; ++i) {
        const QString letters = RandomLetters(6);
        QVERIFY2(QRegularExpression("^[A-Y]{6}$").match(letters).hasMatch(), qPrintable(letters));
        seen.insert(letters);
        QTest::qWait(1);   // the source is seeded from the clock at each draw
    }
    QVERIFY(seen.size() > 40);

    QCOMPARE(GuestInitials("O'Brien", "Smith"), QStringLiteral("OS"));
    QCOMPARE(GuestInitials("'Ann", "l'"), QStringLiteral("Al"));
    HOTEL_EXPECT_ERROR(GuestInitials("''", "Smith"), vb::errInvalidProcedureCall);
    HOTEL_EXPECT_ERROR(GuestInitials("Ann", ""), vb::errInvalidProcedureCall);
}

void TestBookingStatements::guestNumberIsDrawnAgainWhileTaken()
{
    QStringList draws{"AAAAAA", "AAAAAA", "AAAAAA", "BBBBBB", "CCCCCC"};
    QStringList looked;
    const auto draw = [&] { return draws.takeFirst(); };
    const auto taken = [&](const QString &number) -> std::optional<bool> {
        looked << number;
        return number != "OSCCCCCC";
    };
    QCOMPARE(DrawUniqueGuestNumber("OS", draw, taken), std::optional<QString>("OSCCCCCC"));
    // The repeated draw of a refused number is not looked up again.
    QCOMPARE(looked, QStringList({"OSAAAAAA", "OSBBBBBB", "OSCCCCCC"}));

    const auto failing = [](const QString &) -> std::optional<bool> { return std::nullopt; };
    QCOMPARE(DrawUniqueGuestNumber("OS", [] { return QStringLiteral("AAAAAA"); }, failing), std::nullopt);
}

void TestBookingStatements::storedPaymentDetails()
{
    QCOMPARE(StoredPaymentDetails(true, "anything"), QStringLiteral("Cash"));
    QCOMPARE(StoredPaymentDetails(false, ""), QStringLiteral("N/A"));
    for (int index = 1; index < PaymentOptionCount; ++index) {
        QVERIFY(IsPaymentPrompt(PaymentPrompt(index)));
        QCOMPARE(StoredPaymentDetails(false, PaymentPrompt(index)), QStringLiteral("N/A"));
    }
    QCOMPARE(StoredPaymentDetails(false, "card 'x'"), QStringLiteral("card !*!x!*!"));
    QVERIFY(!IsPaymentPrompt(""));
    QCOMPARE(PaymentMethodName(3), QStringLiteral("Other"));
}

QTEST_MAIN(TestBookingStatements)
#include "tst_bookingstatements.moc"
