#pragma once
// Shared ground of the list window tests: guests made by real booking submissions, the
// list windows opened as the main window opens them, the rows a list shows.
#include "../booking/bookingtesting.h"

#include "controls/reportlist.h"
#include "support/scratch_database.h"
#include "vb/conversions.h"

#include <QStringList>

namespace liststesting {

struct Guest {
    QString title;
    QString first;
    QString last;
    QString status = QStringLiteral("Checked In");
    QStringList rooms{QStringLiteral("101")};
    int days = 1;
};

// Books each guest through the booking window's "Submit", as the clerk does.
inline void bookGuests(testsupport::CoreFixture &fx, const QList<Guest> &guests)
{
    bookingtesting::logIn();
    frontdesk::frmBooking &frm = bookingtesting::openBooking(fx);
    for (const Guest &g : guests) {
        frm.comboTitle->setCurrentText(g.title);
        bookingtesting::fillGuest(frm, g.first, g.last, g.status);
        bookingtesting::stayDays(frm, g.days);
        bookingtesting::bookRooms(frm, g.rooms);
        frm.Command5_Click();
    }
    frm.Unload(ui::vbFormCode);
    fx.dialogs().clear();
}

// The texts of one column (0: the row's own text), row by row.
inline QStringList columnOf(const controls::ReportList &list, int subItem)
{
    QStringList texts;
    for (int row = 1; row <= list.count(); ++row)
        texts << list.subItem(row, subItem);
    return texts;
}

} // namespace liststesting
