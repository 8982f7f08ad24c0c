#pragma once
// Shared ground of the booking window tests: rooms with their per-room tables, a logged-in
// clerk, the window opened in its normal state, finding rooms in its lists, filling the guest.
#include "core/state/appstate.h"
#include "frontdesk/booking/frmbooking.h"
#include "support/corefixture.h"
#include "ui/forms.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

namespace bookingtesting {

inline QString roomTableSql(const QString &room)
{
    return QStringLiteral("CREATE TABLE [room_") + room
           + QStringLiteral("] ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL, cUniqueID VARCHAR(225) NOT "
                            "NULL, CheckInDate DATETIME, CheckOutDate DATETIME, RoomBookedDate DATETIME, RoomNote "
                            "MEMO NULL)");
}

// A room as the administration area adds it: its row and its own booking table.
inline void addRoom(testsupport::CoreFixture &fx, const QString &room, const QString &price,
                    const QString &description = QStringLiteral("Sea view"), const QString &type = QStringLiteral("Double"))
{
    const QString describe = description.isNull() ? QStringLiteral("NULL") : QLatin1Char('\'') + description + QLatin1Char('\'');
    fx.exec(QStringLiteral("INSERT INTO tbl_Rooms (RoomNameID, Description, RoomType, RoomPrice) VALUES ('%1', %2, '%3', %4)")
                .arg(room, describe, type, price));
    fx.exec(roomTableSql(room));
}

inline void addRoomTax(testsupport::CoreFixture &fx, const QString &name, const QString &rate, int category = 1)
{
    fx.exec(QStringLiteral("INSERT INTO tbl_Tax (TaxName, TaxRate, TaxCat) VALUES ('%1', %2, %3)")
                .arg(name, rate)
                .arg(category));
}

inline void logIn(const QString &user = QStringLiteral("clerk"))
{
    core::State().mLoggedIn = true;
    core::State().mUserName = user;
}

// The window loaded and shown in its normal state (an empty "bokState" would minimise it).
inline frontdesk::frmBooking &openBooking(testsupport::CoreFixture &fx)
{
    fx.writeIni(QStringLiteral("bokpos"), QStringLiteral("bokState"), QStringLiteral("0"));
    auto &frm = ui::Forms::Get<frontdesk::frmBooking>();
    frm.Show(ui::vbModeless);
    return frm;
}

inline QStringList roomsOf(const QTreeWidget *list, int column = 0)
{
    QStringList rooms;
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        rooms << list->topLevelItem(row)->text(column);
    return rooms;
}

inline bool selectRoom(QTreeWidget *list, const QString &room)
{
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        if (list->topLevelItem(row)->text(0) == room) {
            list->setCurrentItem(list->topLevelItem(row));
            return true;
        }
    }
    return false;
}

// Moves the rooms into the booked list, one by one, as the clerk does.
inline void bookRooms(frontdesk::frmBooking &frm, const QStringList &rooms)
{
    for (const QString &room : rooms) {
        QVERIFY2(selectRoom(frm.ListView1, room), qPrintable(room));
        frm.Command1_Click();
    }
}

// The guest's names and the booking status: what "Submit" checks first.
inline void fillGuest(frontdesk::frmBooking &frm, const QString &first, const QString &last,
                      const QString &status = QStringLiteral("Checked In"))
{
    frm.txtFName->setText(first);
    frm.txtLName->setText(last);
    frm.comboStatus->setCurrentText(status);
}

// The stay: arrival today, departure `days` later.
inline void stayDays(frontdesk::frmBooking &frm, int days)
{
    frm.dtDepature->setDate(frm.dtArrival->date().addDays(days));
}

} // namespace bookingtesting
