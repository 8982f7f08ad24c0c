// "Submit" while another program holds the database file (a second workstation writing, a
// reporting tool reading): the clerk is told the booking was not stored, nothing of it is kept,
// the program holds no transaction afterwards, and once the other program lets go the next
// submission is stored and readable by other programs at once.
#include "bookingtesting.h"

#include "ado/connection.h"
#include "core/db/dbworks.h"
#include "support/sqlcipher_client.h"

#include <QPushButton>
#include <QtTest>

using frontdesk::frmBooking;
using testsupport::SqlcipherClient;
using namespace bookingtesting;

namespace {

const QString Stored = QStringLiteral("Customer details has been added to the Record");
const QString CountBookingRows = QStringLiteral("SELECT count(*) FROM tbl_customers; SELECT count(*) FROM room_101; "
                                                "SELECT count(*) FROM tbl_revenueStats; SELECT count(*) FROM tbl_logTable;");

} // namespace

class TestBookingContention : public QObject {
    Q_OBJECT

private slots:
    void submitWhileAnotherProgramHoldsTheFile_data()
    {
        QTest::addColumn<QString>("hold");
        QTest::newRow("reader") << QStringLiteral("BEGIN; SELECT count(*) FROM tbl_customers;");
        QTest::newRow("writer") << QStringLiteral("BEGIN IMMEDIATE;");
    }

    void submitWhileAnotherProgramHoldsTheFile()
    {
        QFETCH(QString, hold);
        testsupport::CoreFixture fx;
        addRoom(fx, "101", "100");
        logIn();
        core::State().mConn->SetCommandTimeout(1);   // the lock is waited for one second, not five
        core::OpenDatabase();
        frmBooking &frm = openBooking(fx);
        fillGuest(frm, "Ann", "Lee");
        bookRooms(frm, {"101"});

        {
            SqlcipherClient other(fx.databasePath());
            other.send(hold);
            frm.Command5->click();
            QVERIFY2(core::State().mLastError.startsWith("Error Code : BOK004"), qPrintable(core::State().mLastError));
            QVERIFY2(core::State().mLastError.contains("locked"), qPrintable(core::State().mLastError));
            QVERIFY(!fx.dialogs().messages().contains(Stored));
            QVERIFY(!core::State().mConn->InTransaction());
            other.send("COMMIT;");
        }
        QCOMPARE(SqlcipherClient::runOnce(fx.databasePath(), CountBookingRows), QStringLiteral("0\n0\n0\n0\n"));
        const QString written = SqlcipherClient::runOnce(
            fx.databasePath(), "INSERT INTO tbl_foodCat(catName) VALUES('other workstation');");
        QVERIFY2(!written.contains("Error"), qPrintable(written));

        // The clerk's input is still there: the next try is stored, and other programs see it.
        QVERIFY(frm.Command5->isEnabled());
        frm.Command5->click();
        QVERIFY(fx.dialogs().messages().contains(Stored));
        QCOMPARE(SqlcipherClient::runOnce(fx.databasePath(), CountBookingRows), QStringLiteral("1\n1\n1\n1\n"));
        QCOMPARE(SqlcipherClient::runOnce(fx.databasePath(), "SELECT cFirstName || ' ' || cLastName FROM tbl_customers;"),
                 QStringLiteral("Ann Lee\n"));
    }
};

QTEST_MAIN(TestBookingContention)
#include "tst_bookingcontention.moc"
