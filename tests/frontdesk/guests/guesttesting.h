#pragma once
// Shared ground of the guest window tests: guests made by real booking submissions, and a
// stand-in for the current guest list ("frmCustomers" with its list "customerList") whose
// selected row the guest windows read.
#include "../booking/bookingtesting.h"
#include "ado/sqlcipher.h"
#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "frontdesk/guestlistselection.h"
#include "vb/conversions.h"

#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace guesttesting {

struct BookedGuest {
    qint64 id = 0;
    QString number;   // cUniqueNo
};

// Books one guest through the booking window's "Submit", as the clerk does.
inline BookedGuest bookGuest(testsupport::CoreFixture &fx, const QString &first, const QString &last,
                             const QStringList &rooms)
{
    frontdesk::frmBooking &frm = bookingtesting::openBooking(fx);
    bookingtesting::fillGuest(frm, first, last);
    bookingtesting::bookRooms(frm, rooms);
    frm.Command5_Click();
    fx.dialogs().clear();
    const QList<testsupport::Row> rows =
        fx.query(QStringLiteral("SELECT ID, cUniqueNo FROM tbl_customers WHERE cFirstName = '%1'").arg(first));
    if (rows.size() != 1)
        return {};
    return {vb::CLng(rows[0][QStringLiteral("id")]), vb::CStr(rows[0][QStringLiteral("cuniqueno")])};
}

// The current guest list as the guest windows see it: 21 columns, the order sign and guest
// number in column 19, the key in column 21.
class GuestListStandIn : public ui::Form {
public:
    GuestListStandIn() : ui::Form(QStringLiteral("frmCustomers"), ui::FormKind::TopLevel)
    {
        model.setColumnCount(21);
        list = new QTableView(this);
        list->setObjectName(QStringLiteral("customerList"));
        list->setModel(&model);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        (new QVBoxLayout(this))->addWidget(list);
    }
    void addGuest(const BookedGuest &guest)
    {
        QList<QStandardItem *> row;
        for (int column = 0; column < 21; ++column)
            row << new QStandardItem;
        row[frontdesk::GuestListNumberColumn]->setText(core::State().mOrderSign + guest.number);
        row[frontdesk::GuestListKeyColumn]->setText(QString::number(guest.id));
        model.appendRow(row);
    }
    void select(int row) { list->selectRow(row); }

    QStandardItemModel model;
    QTableView *list;
};

// The stand-in loaded as the program's guest list, holding the guests in this order.
inline GuestListStandIn &openGuestList(const QList<BookedGuest> &guests)
{
    auto &guestList = ui::Forms::Get<GuestListStandIn>();
    for (const BookedGuest &guest : guests)
        guestList.addGuest(guest);
    return guestList;
}

// Stands in for the database settings window the statement layer opens on most failures.
struct SettingsWindowProbe {
    int opened = 0;
    SettingsWindowProbe() { core::SetDatabaseSettingsWindow({[] { return false; }, [this] { ++opened; }}); }
    ~SettingsWindowProbe() { core::SetDatabaseSettingsWindow({}); }
};

// A statement the statement layer's dialect does not take (a trigger body with its own
// ";"), run on the embedded database file directly.
inline bool execOnFile(testsupport::CoreFixture &fx, const QString &sql)
{
    sqlite3 *db = nullptr;
    bool done = sqlite3_open(fx.databasePath().toUtf8().constData(), &db) == SQLITE_OK
                && sqlite3_key(db, "640917", 6) == SQLITE_OK
                && sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return done;
}

inline int rowsIn(testsupport::CoreFixture &fx, const QString &table, const QString &where = QString())
{
    return vb::CLng(fx.scalar(QStringLiteral("SELECT count(*) FROM ") + table
                              + (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where)));
}

} // namespace guesttesting
