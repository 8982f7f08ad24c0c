#pragma once
// Shared ground of the guest window tests: guests made by real booking submissions, and a
// stand-in for the current guest list ("frmCustomers" with its list "customerList") whose
// selected row the guest windows read.
#include "../booking/bookingtesting.h"
#include "ado/sqlcipher.h"
#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "frontdesk/food/frmfoodingbook.h"
#include "frontdesk/shared/guestlistselection.h"
#include "vb/conversions.h"

#include <QLineEdit>
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

// The food and drink catalogue: two categories, their items, and an item whose category is gone.
inline void addCatalogue(testsupport::CoreFixture &fx)
{
    fx.exec(QStringLiteral("INSERT INTO tbl_foodCat (catName) VALUES ('Drinks')"));
    fx.exec(QStringLiteral("INSERT INTO tbl_foodCat (catName) VALUES ('Meals')"));
    const QString drinks = vb::CStr(fx.scalar(QStringLiteral("SELECT ID FROM tbl_foodCat WHERE catName = 'Drinks'")));
    const QString meals = vb::CStr(fx.scalar(QStringLiteral("SELECT ID FROM tbl_foodCat WHERE catName = 'Meals'")));
    const QString item = QStringLiteral("INSERT INTO tbl_FoodItem (ItemName, ItemPrice, ItemNote, ItemCat) VALUES ('%1', %2, '%3', %4)");
    fx.exec(item.arg(QStringLiteral("Tea"), QStringLiteral("2.5"), QStringLiteral("hot"), drinks));
    fx.exec(item.arg(QStringLiteral("Gone"), QStringLiteral("1"), QString(), QStringLiteral("999")));
    fx.exec(item.arg(QStringLiteral("Chef''s Special"), QStringLiteral("12.75"), QStringLiteral("spicy"), meals));
}

// The order window for a guest, as the guest list's popup opens it.
inline frontdesk::frmFoodingBook &openOrder(const QString &guestNumber)
{
    auto &frm = ui::Forms::Get<frontdesk::frmFoodingBook>();
    frm.Show(ui::vbModeless);
    frm.MyOrderID = core::State().mOrderSign + guestNumber;
    frm.GetCustomerDetails();
    return frm;
}

inline bool addItem(frontdesk::frmFoodingBook &frm, const QString &name)
{
    const QList<QTreeWidgetItem *> found = frm.TreeView1->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
        return false;
    frm.TreeView1->setCurrentItem(found.first());
    frm.Command1_Click();
    return true;
}

// Order ids drawn from fixed fractions: each entry gives all six draws of one id.
inline std::function<double()> fixedDraws(QList<double> perId)
{
    auto draws = std::make_shared<QList<double>>();
    for (double value : perId)
        for (int i = 0; i < 6; ++i)
            draws->append(value);
    return [draws] { return draws->isEmpty() ? 0.5 : draws->takeFirst(); };
}

inline void saveOrder(testsupport::CoreFixture &fx, frontdesk::frmFoodingBook &frm)
{
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm.Command4_Click();
}

} // namespace guesttesting
