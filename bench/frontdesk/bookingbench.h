#pragma once
// What the booking benchmarks share: rooms with their tables, and a guest with two rooms
// filled into the booking window.
#include "frontdesk/booking/frmbooking.h"
#include "support/corefixture.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTreeWidget>

namespace bookingbench {

inline void addRoom(testsupport::CoreFixture &fx, const QString &room, const QString &price)
{
    fx.exec(QStringLiteral("INSERT INTO tbl_Rooms (RoomNameID, Description, RoomType, RoomPrice) "
                           "VALUES ('%1', 'Sea view', 'Double', %2)")
                .arg(room, price));
    fx.exec(QStringLiteral("CREATE TABLE [room_%1] ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL, "
                           "cUniqueID VARCHAR(225) NOT NULL, CheckInDate DATETIME, CheckOutDate DATETIME, "
                           "RoomBookedDate DATETIME, RoomNote MEMO NULL)")
                .arg(room));
}

// The first two rooms of the list booked for a two-night stay of a guest named after `guest`.
inline void fillBooking(frontdesk::frmBooking &frm, const QString &guest)
{
    frm.txtFName->setText(guest);
    frm.txtLName->setText(QStringLiteral("Smith"));
    frm.comboStatus->setCurrentText(QStringLiteral("Checked In"));
    frm.dtDepature->setDate(frm.dtArrival->date().addDays(2));
    for (int i = 0; i < 2; ++i) {
        frm.ListView1->setCurrentItem(frm.ListView1->topLevelItem(0));
        frm.Command1_Click();
    }
    frm.txtAdvance->setText(QStringLiteral("50"));
}

} // namespace bookingbench
