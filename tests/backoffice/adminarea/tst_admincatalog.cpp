// The food and beverage tab on both engines: categories and items added with their cleaning
// and checks, prices in any locale, and a category removed by its key with its items only.
#include "admintesting.h"

#include "core/state/appstate.h"
#include "core/ui/cballoontooltip.h"
#include "support/scratch_database.h"
#include "vb/locale.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using backoffice::frmAdminArea;
using namespace admintesting;

namespace {

void addCategory(frmAdminArea &admin, const QString &name)
{
    admin.itmCat->setText(name);
    admin.Command4_Click();
}

void addItem(frmAdminArea &admin, const QString &name, const QString &price, const QString &note = QString())
{
    admin.itmName->setText(name);
    admin.itmPrice->setText(price);
    admin.itmNote->setText(note);
    admin.Command5_Click();
}

void clickCategory(frmAdminArea &admin, int row)
{
    admin.ItemCatLV->setListIndex(row);
    admin.ItemCatLV_ItemClick();
}

int items(AdminSession &s) { return s.count(QStringLiteral("SELECT count(*) FROM tbl_FoodItem")); }

} // namespace

class TestAdminCatalog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { core::CBalloonToolTip::ClearLastShown(); }
    void cleanup() { vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void categoriesAndItemsWithTheirChecks_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void categoriesAndItemsWithTheirChecks();
    void removingOneOfTwoSameNamedCategoriesKeepsTheOther_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void removingOneOfTwoSameNamedCategoriesKeepsTheOther();
    void removedCategoryTakesItsItemsFromTheList_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void removedCategoryTakesItsItemsFromTheList();
    void actionsWithoutAChosenRow_data();
    void actionsWithoutAChosenRow();
    void pricesInADecimalCommaLocale();
    void longNamesAreCutToTheirColumnsOnBothEngines_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void longNamesAreCutToTheirColumnsOnBothEngines();
};

void TestAdminCatalog::categoriesAndItemsWithTheirChecks()
{
    HOTEL_FETCH_ENGINE(engine);
    AdminSession s(engine);
    frmAdminArea &admin = s.window();
    QCOMPARE(admin.itmCat->text(), QStringLiteral("Desserts"));

    addItem(admin, QStringLiteral("Tea"), QStringLiteral("2"));
    QCOMPARE(s.dialogs().last().text, QStringLiteral("First create new Category for the Items!"));
    QCOMPARE(items(s), 0);

    addCategory(admin, QStringLiteral(""));
    QCOMPARE(core::CBalloonToolTip::LastShown().title, QStringLiteral("Enter Category name"));
    addCategory(admin, QStringLiteral("Drink's"));
    addCategory(admin, QStringLiteral(" Drinks "));
    QCOMPARE(core::CBalloonToolTip::LastShown().title, QStringLiteral("Category Name Already Exist"));
    addCategory(admin, QStringLiteral("Food"));
    QCOMPARE(columnOf(admin.ItemCatLV), (QStringList{"Drinks", "Food"}));
    QCOMPARE(admin.ItemCatLV->columnCaption(1), QStringLiteral("Categories"));
    QVERIFY(columnOf(admin.FoodLV).isEmpty());

    clickCategory(admin, 1);
    addItem(admin, QStringLiteral(""), QStringLiteral("2"));
    QCOMPARE(core::CBalloonToolTip::LastShown().title, QStringLiteral("Item Name"));
    addItem(admin, QStringLiteral("Tea"), QStringLiteral(""));
    QCOMPARE(core::CBalloonToolTip::LastShown().title, QStringLiteral("Invalid Price"));
    addItem(admin, QStringLiteral("Tea"), QStringLiteral("two"));
    QCOMPARE(core::CBalloonToolTip::LastShown().title, QStringLiteral("Enter Price"));
    QCOMPARE(core::CBalloonToolTip::LastShown().text, QStringLiteral("Enter Numeric valies in Item Price !"));
    QCOMPARE(items(s), 0);

    // A price typed plainly shows in currency form on leaving the box, and is still taken.
    admin.itmPrice->setText(QStringLiteral("2.5"));
    admin.itmPrice_LostFocus();
    QCOMPARE(admin.itmPrice->text(), QStringLiteral("$2.50"));
    addItem(admin, QStringLiteral("Earl's Tea"), admin.itmPrice->text(), QStringLiteral("hot 'n' strong"));
    addItem(admin, QStringLiteral(" Earls Tea"), QStringLiteral("3"));
    QCOMPARE(core::CBalloonToolTip::LastShown().title, QStringLiteral("Item Already exist"));
    QCOMPARE(columnOf(admin.FoodLV), QStringList{"Earls Tea"});
    QCOMPARE(admin.FoodLV->subItem(1, 1), QStringLiteral("$2.50"));
    QCOMPARE(admin.FoodLV->subItem(1, 2), QStringLiteral("hot n strong"));

    // The same name in another category is another item.
    clickCategory(admin, 2);
    addItem(admin, QStringLiteral("Earls Tea"), QStringLiteral("3"));
    QCOMPARE(items(s), 2);
    QCOMPARE(columnOf(admin.FoodLV), QStringList{"Earls Tea"});
    QCOMPARE(admin.FoodLV->subItem(1, 1), QStringLiteral("$3.00"));

    admin.FoodLV->setListIndex(1);
    s.yes();
    admin.Command7_Click();
    QCOMPARE(s.dialogs().last().text, QStringLiteral("Do you want to remove selected Item?"));
    QCOMPARE(items(s), 1);
    QVERIFY(columnOf(admin.FoodLV).isEmpty());
    QVERIFY(s.count(QStringLiteral("SELECT count(*) FROM tbl_logTable")) == 0);
}

void TestAdminCatalog::removingOneOfTwoSameNamedCategoriesKeepsTheOther()
{
    HOTEL_FETCH_ENGINE(engine);
    AdminSession s(engine);
    s.fx.exec(QStringLiteral("INSERT INTO tbl_foodCat (catName) VALUES ('Bar')"));
    s.fx.exec(QStringLiteral("INSERT INTO tbl_foodCat (catName) VALUES ('Bar')"));
    const auto ids = s.fx.query(QStringLiteral("SELECT ID FROM tbl_foodCat ORDER BY ID"));
    for (const auto &category : ids) {
        for (const char *item : {"Beer", "Wine"})
            s.fx.exec(QStringLiteral("INSERT INTO tbl_FoodItem (ItemName, ItemPrice, ItemNote, ItemCat) VALUES "
                                     "('%1', 4, '', %2)")
                          .arg(QString::fromLatin1(item), vb::CStr(category["id"])));
    }
    frmAdminArea &admin = s.window();
    admin.CategoryListShow();
    QCOMPARE(columnOf(admin.ItemCatLV), (QStringList{"Bar", "Bar"}));

    // "No" removes nothing and still lists the categories again.
    admin.ItemCatLV->setListIndex(1);
    s.dialogs().reply(ui::Reply::button(ui::vbNo));
    admin.Command6_Click();
    QCOMPARE(s.dialogs().last().text,
             QStringLiteral("Remove 'Bar' Category? All the items inside it will also be removed!"));
    QCOMPARE(items(s), 4);

    admin.ItemCatLV->setListIndex(1);
    s.yes();
    admin.Command6_Click();
    const QString kept = vb::CStr(ids[1]["id"]);
    QCOMPARE(columnOf(admin.ItemCatLV), QStringList{"Bar"});
    QCOMPARE(admin.ItemCatLV->subItem(1, 1), kept);
    QCOMPARE(items(s), 2);
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_FoodItem WHERE ItemCat = ") + kept), 2);
}

// The items listed are always those of the chosen category: once it is removed, its items
// leave the list, and nothing is left there to remove again.
void TestAdminCatalog::removedCategoryTakesItsItemsFromTheList()
{
    HOTEL_FETCH_ENGINE(engine);
    AdminSession s(engine);
    frmAdminArea &admin = s.window();
    addCategory(admin, QStringLiteral("Bar"));
    addCategory(admin, QStringLiteral("Food"));
    clickCategory(admin, 1);
    addItem(admin, QStringLiteral("Beer"), QStringLiteral("4"));
    QCOMPARE(columnOf(admin.FoodLV), QStringList{"Beer"});

    s.yes();
    admin.Command6_Click();
    QCOMPARE(columnOf(admin.ItemCatLV), QStringList{"Food"});
    QVERIFY(columnOf(admin.FoodLV).isEmpty());
    QCOMPARE(items(s), 0);
    admin.Command7_Click();
    QVERIFY(core::State().mLastError.isEmpty());
    QCOMPARE(s.dialogs().messages(),
             QStringList{"Remove 'Bar' Category? All the items inside it will also be removed!"});
}

void TestAdminCatalog::actionsWithoutAChosenRow_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("told");
    QTest::newRow("add an item, no category chosen") << "add item" << QStringList{"First select a Category for the Item!"};
    QTest::newRow("remove a category") << "remove category" << QStringList();
    QTest::newRow("remove an item") << "remove item" << QStringList();
    QTest::newRow("remove a room") << "remove room" << QStringList();
}

// As the window opens nothing is chosen in its lists: each action on a chosen row does
// nothing (or tells what is missing) and never ends in an error report.
void TestAdminCatalog::actionsWithoutAChosenRow()
{
    QFETCH(QString, action);
    QFETCH(QStringList, told);
    AdminSession s;
    s.fx.exec(QStringLiteral("INSERT INTO tbl_foodCat (catName) VALUES ('Bar')"));
    s.fx.exec(QStringLiteral("INSERT INTO tbl_FoodItem (ItemName, ItemPrice, ItemNote, ItemCat) "
                             "SELECT 'Beer', 4, '', ID FROM tbl_foodCat"));
    s.fx.exec(QStringLiteral("INSERT INTO tbl_Rooms (RoomNameID, Description, RoomType, RoomPrice) "
                             "VALUES ('101', '', 'Twin Bed', 10)"));
    frmAdminArea &admin = s.window();
    admin.CategoryListShow();
    admin.RoomListShow();
    if (action == QLatin1String("add item")) {
        addItem(admin, QStringLiteral("Wine"), QStringLiteral("5"));
    } else if (action == QLatin1String("remove category")) {
        admin.Command6_Click();
    } else if (action == QLatin1String("remove item")) {
        clickCategory(admin, 1);
        admin.FoodLV->setListIndex(-1);
        admin.Command7_Click();
    } else {
        admin.iRemoveRoom();
    }
    QVERIFY2(core::State().mLastError.isEmpty(), qPrintable(core::State().mLastError));
    QCOMPARE(s.dialogs().messages(), told);
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_foodCat")), 1);
    QCOMPARE(items(s), 1);
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_Rooms")), 1);
}

// "." is the decimal point in statements whatever the locale; the boxes take the locale's form.
void TestAdminCatalog::pricesInADecimalCommaLocale()
{
    AdminSession s;
    vb::SetCurrentLocale(QLocale(QLocale::German, QLocale::Germany));
    frmAdminArea &admin = s.window();
    addCategory(admin, QStringLiteral("Bar"));
    clickCategory(admin, 1);
    addItem(admin, QStringLiteral("Beer"), QStringLiteral("3,75"));
    QCOMPARE(vb::CDbl(s.fx.scalar(QStringLiteral("SELECT ItemPrice FROM tbl_FoodItem"))), 3.75);

    admin.txtRoomID->setText(QStringLiteral("7"));
    admin.txtRoomPrice->setText(QStringLiteral("1.050,5"));
    admin.cmdAddRoom_Click();
    QCOMPARE(vb::CDbl(s.fx.scalar(QStringLiteral("SELECT RoomPrice FROM tbl_Rooms"))), 1050.5);
}

// Typed names longer than their columns: the boxes take as much as the columns hold, so the
// same names are stored on the embedded file and on a server (which refuses longer texts).
void TestAdminCatalog::longNamesAreCutToTheirColumnsOnBothEngines()
{
    HOTEL_FETCH_ENGINE(engine);
    AdminSession s(engine);
    frmAdminArea &admin = s.window();
    admin.itmCat->clear();
    QTest::keyClicks(admin.itmCat, QString(300, u'c'));
    admin.Command4_Click();
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_foodCat WHERE catName = '%1'").arg(QString(255, u'c'))), 1);

    clickCategory(admin, 1);
    addItem(admin, QString(300, u'i'), QStringLiteral("2"));
    // The name goes into each order's item table too, whose column holds 225.
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_FoodItem WHERE ItemName = '%1'").arg(QString(225, u'i'))), 1);
    QVERIFY2(!s.dialogs().messages().join(u' ').contains(QLatin1String("Error Code")),
             qPrintable(s.dialogs().messages().join(u' ')));
}

QTEST_MAIN(TestAdminCatalog)
#include "tst_admincatalog.moc"
