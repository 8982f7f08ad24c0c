// The room booking schedule's queries as text.
#include "frontdesk/schedule/roomliststatements.h"
#include "support/expect_error.h"

#include <QtTest>

using namespace frontdesk;

class TestScheduleStatements : public QObject {
    Q_OBJECT
private slots:
    void roomSchedule();
};

void TestScheduleStatements::roomSchedule()
{
    QCOMPARE(RoomScheduleSql("101"),
             QStringLiteral("SELECT [room_101].*,tbl_customers.cTitle, tbl_customers.cFirstName, "
                            "tbl_customers.cLastName FROM [room_101], tbl_customers WHERE [room_101].cUniqueID = "
                            "tbl_customers.cUniqueNo ORDER BY CheckOutDate ASC"));
    HOTEL_EXPECT_ERROR(RoomScheduleSql("1]; DROP TABLE tbl_users; --"), 5);
}

QTEST_MAIN(TestScheduleStatements)
#include "tst_schedulestatements.moc"
