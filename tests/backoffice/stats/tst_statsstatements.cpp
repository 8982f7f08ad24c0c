// The revenue report's statement as text.
#include "backoffice/stats/statsstatements.h"

#include <QtTest>

class TestStatsStatements : public QObject {
    Q_OBJECT

private slots:
    void dayFigures_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("date");
        QTest::newRow("5 March 2009") << 3 << 5 << 2009 << "#2009-03-05#";
        QTest::newRow("last day of the year") << 12 << 31 << 2010 << "#2010-12-31#";
    }
    void dayFigures()
    {
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, year);
        QFETCH(QString, date);
        QCOMPARE(backoffice::DayFiguresSql(month, day, year),
                 "SELECT tRevenue,tBookingRevenue,tFoodDrinkRevenue,tBookings,tFoodOrders  FROM tbl_revenueStats "
                 "WHERE tDate=" + date);
    }
};

QTEST_MAIN(TestStatsStatements)
#include "tst_statsstatements.moc"
