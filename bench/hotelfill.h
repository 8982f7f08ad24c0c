#pragma once
// A hotel's data written through the program's own statements (the windows' statement
// functions, sent through the statement layer), so that a benchmark's file holds what the
// program's file would: rooms with their booking tables, current guests with their room
// bookings, former guests moved as the guest details window moves them, food orders with
// their item tables and revenue, a year of revenue rows, the activity log.
#include "ado/connection.h"
#include "ado/database_file.h"
#include "backoffice/adminarea/roomstatements.h"
#include "frontdesk/food/foodingbookstatements.h"
#include "frontdesk/shared/revenuestatements.h"
#include "guestrows.h"
#include "schemacheck.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace bench {

inline const QStringList HotelRooms = {QStringLiteral("101"), QStringLiteral("102")};

// The rooms the guests book (FillGuests books 101 and 102), as the administration area adds them.
inline void FillRooms(ado::Connection &conn)
{
    for (const QString &room : HotelRooms) {
        conn.Execute(backoffice::RoomInsertSql(room, QStringLiteral("Sea view"), QStringLiteral("Double"),
                                               vb::Currency(150)));
        conn.Execute(backoffice::RoomTableCreateSql(room));
    }
}

// `rows` guests from `first` on (guestrows.h), each with its rows in the room tables, as the
// booking window writes them.
inline void FillBookedGuests(ado::Connection &conn, int rows, int first)
{
    FillGuests(conn, rows, first);
    conn.BeginTrans();
    for (int i = first; i < first + rows; ++i) {
        for (const QString &room : HotelRooms) {
            conn.Execute(QStringLiteral("INSERT INTO [room_%1] (RoomNameID, cUniqueID,CheckInDate,CheckOutDate,"
                                        "RoomBookedDate) values ('%1','AB%2',#2009-03-05#,#2009-03-%3#,#2009-03-01#)")
                             .arg(room)
                             .arg(i)
                             .arg(i % 20 + 6, 2, 10, QLatin1Char('0')));
        }
    }
    conn.CommitTrans();
}

// Every current guest becomes a former guest, with the guest details window's statements for
// all of them at once: the copy into the history, the room bookings and the guest rows gone.
inline void MoveGuestsToHistory(ado::Connection &conn)
{
    conn.BeginTrans();
    conn.Execute(QStringLiteral("INSERT INTO tbl_customers_history SELECT * FROM tbl_customers"));
    for (const QString &room : HotelRooms)
        conn.Execute(QStringLiteral("DELETE FROM [room_%1]").arg(room));
    conn.Execute(QStringLiteral("DELETE FROM tbl_customers"));
    conn.CommitTrans();
}

// `count` food orders of three items from order `first` on, for the guests numbered from
// `firstGuest` on (one order each, round the `guests` of them), as the order window saves
// them: order row, item table, revenue, items.
inline void FillFoodOrders(ado::Connection &conn, int first, int count, int firstGuest, int guests)
{
    conn.BeginTrans();
    const vb::Date today = vb::Today();
    for (int order = first; order < first + count; ++order) {
        const int guest = firstGuest + order % guests;
        const QString id = QString::number(100000000 + order);
        const vb::Currency total(31);
        conn.Execute(frontdesk::FoodOrderInsertSql({QStringLiteral("AB%1").arg(guest), id, QStringLiteral("Mr."),
                                                    QStringLiteral("First%1").arg(guest),
                                                    QStringLiteral("Last%1").arg(guest), total, QStringLiteral("Paid")}));
        conn.Execute(frontdesk::FoodOrderTableCreateSql(id));
        conn.Execute(order == 0 ? frontdesk::RevenueInsertSql(frontdesk::RevenueSource::FoodOrder, total)
                                : frontdesk::RevenueUpdateSql(frontdesk::RevenueSource::FoodOrder, total, today));
        for (int item = 1; item <= 3; ++item)
            conn.Execute(frontdesk::FoodOrderItemInsertSql(id, QStringLiteral("Dish %1").arg(item), vb::Currency(item * 5)));
    }
    conn.CommitTrans();
}

// A revenue row for each of the `days` days before today's.
inline void FillRevenueDays(ado::Connection &conn, int days)
{
    conn.BeginTrans();
    const QDate today = QDate::currentDate();
    for (int day = 1; day <= days; ++day) {
        conn.Execute(QStringLiteral("INSERT INTO tbl_revenueStats (tDate, tRevenue, tBookingRevenue, "
                                    "tFoodDrinkRevenue, tBookings, tFoodOrders) VALUES (#%1#, %2, %3, 40, 3, 2)")
                         .arg(today.addDays(-day).toString(Qt::ISODate))
                         .arg(300 + day % 50)
                         .arg(260 + day % 50));
    }
    conn.CommitTrans();
}

// `rows` log entries of the five kinds, as the windows write them.
inline void FillLog(ado::Connection &conn, int rows)
{
    static const char *const Keys[] = {"Bookings", "LoginLogout", "RoomAddedRemove", "UserAddRemove", "DBChanges"};
    conn.BeginTrans();
    for (int i = 0; i < rows; ++i) {
        conn.Execute(QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey, LogDateLine) VALUES "
                                    "('New Booking of Customer : Guest%1 Smith', 'clerk', '%2', #%3/%4/2026 %5:%6:00#)")
                         .arg(i)
                         .arg(QLatin1String(Keys[i % 5]))
                         .arg(i % 12 + 1)
                         .arg(i % 28 + 1)
                         .arg(i % 24)
                         .arg(i % 60));
    }
    conn.CommitTrans();
}

} // namespace bench

namespace bench {

// The room tables of HotelRooms as the administration area's statement makes them, for
// CheckSchemaAsTheProgramMakes.
inline QStringList HotelRoomTables()
{
    QStringList statements;
    for (const QString &room : HotelRooms)
        statements << backoffice::RoomTableCreateSql(room);
    return statements;
}

} // namespace bench
