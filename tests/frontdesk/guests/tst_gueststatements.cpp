// The texts of the guest details statements: the update, the load, the log row and the
// removal; the split of a guest's stored room list.
#include "frontdesk/guests/customerdetailsstatements.h"
#include "support/expect_error.h"
#include "vb/locale.h"

#include <QtTest>

using namespace frontdesk;

class TestGuestStatements : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_GB"))); }
    void cleanupTestCase() { vb::SetCurrentLocale(QLocale(QStringLiteral("en_US"))); }

    void detailsUpdateCleansQuotesAndWritesIsoDates();
    void detailsUpdateRefusesCountsThatAreNoWholeNumbers();
    void wholeNumbers_data();
    void wholeNumbers();
    void detailsLoadLogAndRemoval();
    void storedRoomList_data();
    void storedRoomList();
};

namespace {
BookingRecord correctedGuest()
{
    BookingRecord g;
    g.title = "Mr.'";
    g.firstName = "O'Brien";
    g.lastName = "D'Arcy";
    g.address = "1 King's Rd";
    g.phone = "555 '1'";
    g.adults = "2";
    g.minors = "0";
    g.arrival = vb::Date::serial(2026, 4, 3);
    g.departure = vb::Date::serial(2026, 4, 5);
    g.days = 2;
    g.rate = vb::Currency::fromDouble(1050.5);
    g.tax = vb::Currency::fromDouble(105.05);
    g.grandTotal = vb::Currency::fromDouble(1155.55);
    g.advance = vb::Currency(100);
    g.due = vb::Currency::fromDouble(1055.55);
    g.paymentMethod = "Cheque'";
    g.paymentDetails = "No. 'B' and !*!A!*!";
    g.note = "can't wait";
    g.status = "Checked'In";
    return g;
}
} // namespace

void TestGuestStatements::detailsUpdateCleansQuotesAndWritesIsoDates()
{
    QCOMPARE(CustomerUpdateSql(correctedGuest(), 42),
             QStringLiteral("UPDATE tbl_customers SET cTitle = 'Mr.',cFirstName ='OBrien',cLastName ='DArcy',"
                            "cAddress ='1 Kings Rd',cPhone ='555 1',cNoOfAdults ='2',cNoOfMinors =0,"
                            "cCheckInDate =#2026-04-03#,cCheckOutDate =#2026-04-05#,cNoOfDays =2,cRoomsRate =1050.5,"
                            "cTax =105.05,cGrandTotal =1155.55,cAdvancePaid=100,cDue =1055.55,cPaymentMethod ='Cheque',"
                            "cAdditionalNote ='cant wait',cPaymentMethodDetails='No. !*!B!*! and !*!A!*!',"
                            "cStatus='Checked''In' WHERE ID=42"));
}

void TestGuestStatements::detailsUpdateRefusesCountsThatAreNoWholeNumbers()
{
    BookingRecord g = correctedGuest();
    g.minors = "0; DELETE FROM tbl_customers";
    HOTEL_EXPECT_ERROR(CustomerUpdateSql(g, 1), vb::errTypeMismatch);
    g = correctedGuest();
    g.adults = "two";
    HOTEL_EXPECT_ERROR(CustomerUpdateSql(g, 1), vb::errTypeMismatch);
}

void TestGuestStatements::wholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("number");   // -1: refused
    QTest::newRow("zero") << "0" << qint64(0);
    QTest::newRow("leading zero") << "007" << qint64(7);
    QTest::newRow("eighteen digits") << "999999999999999999" << qint64(999999999999999999);
    QTest::newRow("nineteen digits") << "9999999999999999999" << qint64(-1);
    QTest::newRow("empty") << "" << qint64(-1);
    QTest::newRow("letter") << "2a" << qint64(-1);
    QTest::newRow("negative") << "-1" << qint64(-1);
    QTest::newRow("decimal") << "1.5" << qint64(-1);
    QTest::newRow("blank") << " 1" << qint64(-1);
    QTest::newRow("arabic digit") << QString::fromUtf8("\u0661") << qint64(-1);
}

void TestGuestStatements::wholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(qint64, number);
    QCOMPARE(WholeNumber(text), number < 0 ? std::nullopt : std::optional<qint64>(number));
}

void TestGuestStatements::detailsLoadLogAndRemoval()
{
    QCOMPARE(CustomerByIdSql(7), QStringLiteral("SELECT * FROM tbl_customers WHERE ID = 7"));
    QCOMPARE(CustomerUpdateLogSql("O'Brien", "Smith", "d'Arcy"),
             QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values('Customer details updated : "
                            "OBrien Smith!','dArcy','Bookings')"));
    QCOMPARE(CustomerToHistorySql(7),
             QStringLiteral("INSERT INTO tbl_customers_history SELECT * FROM tbl_customers WHERE ID = 7"));
    QCOMPARE(RoomBookingsDeleteSql(" 101 ", "OS'ABC"),
             QStringLiteral("DELETE FROM  [room_101] WHERE cUniqueID = 'OS''ABC'"));
    HOTEL_EXPECT_ERROR(RoomBookingsDeleteSql("1]; DROP TABLE tbl_users", "X"), vb::errInvalidProcedureCall);
    BookingRecord stay = correctedGuest();
    stay.uniqueNo = "OS'ABC";
    QCOMPARE(RoomBookingDatesSql(" 101 ", stay),
             QStringLiteral("UPDATE [room_101] SET CheckInDate = #2026-04-03#, CheckOutDate = #2026-04-05# "
                            "WHERE cUniqueID = 'OS''ABC'"));
    HOTEL_EXPECT_ERROR(RoomBookingDatesSql("1]; DROP TABLE tbl_users", stay), vb::errInvalidProcedureCall);
    QCOMPARE(CustomerDeleteSql(7), QStringLiteral("DELETE FROM tbl_customers WHERE ID = 7"));
}

void TestGuestStatements::storedRoomList_data()
{
    QTest::addColumn<QString>("rooms");
    QTest::addColumn<QString>("prices");
    QTest::addColumn<QStringList>("shown");   // room=price, "room" alone when unpriced
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("empty") << "" << "" << QStringList() << QStringList();
    QTest::newRow("two rooms") << "101,102" << "$100.00,$50.50" << QStringList{"101=$100.00", "102=$50.50"}
                               << QStringList{"101", "102"};
    QTest::newRow("earlier list with a thousands separator") << "101, 102" << "\u00A31,050.50, \u00A380.00"
                                                            << QStringList{"101=\u00A31,050.50", "102=\u00A380.00"}
                                                            << QStringList{"101", "102"};
    QTest::newRow("fewer prices") << "101,102,103" << "$1.00" << QStringList{"101=$1.00", "102", "103"}
                                  << QStringList{"101", "102", "103"};
    QTest::newRow("empty and repeated rooms") << "101,,101, 102" << "1,2,3,4"
                                              << QStringList{"101=\u00A31.00", "=\u00A32.00", "101=\u00A33.00", "102=\u00A34.00"}
                                              << QStringList{"101", "102"};
}

void TestGuestStatements::storedRoomList()
{
    QFETCH(QString, rooms);
    QFETCH(QString, prices);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, numbers);
    QStringList listed;
    for (const GuestRoom &room : GuestRooms(rooms, prices))
        listed << (room.priced ? room.room + "=" + room.price : room.room);
    QCOMPARE(listed, shown);
    QCOMPARE(GuestRoomNumbers(rooms), numbers);
}

QTEST_MAIN(TestGuestStatements)
#include "tst_gueststatements.moc"
