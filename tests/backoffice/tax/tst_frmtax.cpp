// The tax editor over a real database on both engines: taxes added with their checks and
// messages (an apostrophe in the name, a comma-decimal locale), removed from the popup of the
// list it was opened on, and an open booking window refreshed when the editor closes.
#include "backoffice/register.h"
#include "backoffice/tax/frmtax.h"
#include "backoffice/tax/taxstatements.h"
#include "bookingtesting.h"
#include "controls/reportlist.h"
#include "core/db/dbworks.h"
#include "core/state/windowregistry.h"
#include "core/ui/cballoontooltip.h"
#include "support/scratch_database.h"
#include "ui/topmost.h"
#include "vb/conversions.h"
#include "vb/locale.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

using backoffice::frmTax;

namespace {

frmTax &openTax()
{
    auto &frm = ui::Forms::Get<frmTax>();
    frm.Show(ui::vbModeless);
    return frm;
}

QStringList rowsOf(const controls::ReportList *list)
{
    QStringList rows;
    for (int row = 1; row <= list->count(); ++row)
        rows << list->text(row) + " | " + list->subItem(row, 1);
    return rows;
}

int rowNamed(const controls::ReportList *list, const QString &name)
{
    for (int row = 1; row <= list->count(); ++row) {
        if (list->text(row) == name)
            return row;
    }
    return 0;
}

// A right click on a row, as the user opens the popup menu there.
void rightClickRow(controls::ReportList *list, int row)
{
    list->commitRows();
    const QRect cell = list->visualRect(list->model()->index(row - 1, 0));
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, cell.center());
}

void leftClickRow(controls::ReportList *list, int row)
{
    list->commitRows();
    const QRect cell = list->visualRect(list->model()->index(row - 1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

struct LocaleScope {
    explicit LocaleScope(const QLocale &locale) { vb::SetCurrentLocale(locale); }
    ~LocaleScope() { vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

} // namespace

class TestFrmTax : public QObject {
    Q_OBJECT

private slots:
    void init() { core::CBalloonToolTip::ClearLastShown(); }
    void statements();
    void loadListsBothCategories();
    void addsWithApostropheOnBothEngines_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void addsWithApostropheOnBothEngines();
    void checksShowHints_data();
    void checksShowHints();
    void commaDecimalLocaleStoresAPoint();
    void popupRemovesTheRowOfItsOwnList_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void popupRemovesTheRowOfItsOwnList();
    void noAnswerOrNoSelectionRemovesNothing();
    void failedInsertShowsNoSuccess();
    void closingRefreshesTheBookingWindow_data();
    void closingRefreshesTheBookingWindow();
    void placeholdersClearOnPress();
    void keysAddOrClose_data();
    void keysAddOrClose();
    void openedByName();
};

void TestFrmTax::statements()
{
    QCOMPARE(backoffice::TaxListSql(2), QStringLiteral("SELECT * FROM tbl_Tax WHERE TaxCat=2"));
    QCOMPARE(backoffice::TaxInsertSql("  City's Tax ", vb::CCur(vb::Variant(12.5)), 1),
             QStringLiteral("INSERT INTO tbl_Tax(TaxName,TaxRate,TaxCat ) values('City''s Tax','12.5',1)"));
    QCOMPARE(backoffice::TaxDeleteSql(42), QStringLiteral("DELETE from tbl_Tax WHERE ID = 42"));
}

void TestFrmTax::loadListsBothCategories()
{
    testsupport::CoreFixture fx;
    bookingtesting::addRoomTax(fx, "Service", "10", 1);
    bookingtesting::addRoomTax(fx, "City", "2.5", 1);
    bookingtesting::addRoomTax(fx, "Bar", "5", 2);
    frmTax &frm = openTax();
    QCOMPARE(frm.Caption(), QStringLiteral(" Tax Editor"));
    QVERIFY(ui::IsTopMost(&frm));
    QCOMPARE(frm.ListViewClcked, int16_t(0));
    QCOMPARE(frm.SSTab1->tabText(1), QStringLiteral("Food && Beverages Tax"));
    QCOMPARE(rowsOf(frm.ListView1), (QStringList{"Service | 10%", "City | 2.5%"}));
    QCOMPARE(rowsOf(frm.ListView2), (QStringList{"Bar | 5%"}));
    QCOMPARE(frm.ListView1->columnHeaderCount(), 3);
    QCOMPARE(frm.ListView1->columnWidthTwips(3), 0);
    QCOMPARE(frm.ListView1->subItem(1, 2), vb::CStr(fx.scalar("SELECT ID FROM tbl_Tax WHERE TaxName='Service'")));
    ui::Forms::Unload<frmTax>();
}

void TestFrmTax::addsWithApostropheOnBothEngines()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    frmTax &frm = openTax();
    frm.txtTaxName->setText("  City's Tax ");
    frm.txtTaxPercent->setText("12.5");
    frm.Command2->click();
    QCOMPARE(fx.dialogs().messages(), QStringList{"Tax Name   City's Tax  added on the Tax List!"});
    QCOMPARE(fx.dialogs().last().icon(), ui::vbInformation);
    const auto stored = fx.query("SELECT TaxName, TaxRate, TaxCat FROM tbl_Tax");
    QCOMPARE(stored.size(), 1);
    QCOMPARE(vb::CStr(stored[0]["taxname"]), QStringLiteral("City's Tax"));
    QCOMPARE(vb::CDbl(stored[0]["taxrate"]), 12.5);
    QCOMPARE(vb::CLng(stored[0]["taxcat"]), 1);
    QCOMPARE(rowsOf(frm.ListView1), QStringList{"City's Tax | 12.5%"});
    // The boxes keep their text.
    QCOMPARE(frm.txtTaxPercent->text(), QStringLiteral("12.5"));

    // A food tax of 0 % passes the check.
    frm.SSTab1->setCurrentIndex(1);
    frm.Text1->setText("Corkage");
    frm.Text2->setText("0");
    frm.Command3->click();
    QCOMPARE(fx.dialogs().messages().last(), QStringLiteral("Tax Name Corkage added on the Tax List!"));
    QCOMPARE(rowsOf(frm.ListView2), QStringList{"Corkage | 0%"});
    QCOMPARE(rowsOf(frm.ListView1), QStringList{"City's Tax | 12.5%"});
    ui::Forms::Unload<frmTax>();
}

void TestFrmTax::checksShowHints_data()
{
    QTest::addColumn<bool>("food");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString nameHint = "Please enter Tax Name!(eg: Service Tax, Sale Tax etc.)";
    const QString roomPercent = "Please Enter Tax Percent!(eg: 10, 20 etc.) Do Not Enter any Characters.";
    const QString foodPercent = "Please Enter Tax Percent!(eg: 10, 20 etc.) Do Not Enter % symbol ";
    QTest::newRow("room: placeholder name") << false << "Tax Name" << "10" << "Enter Tax Name" << nameHint;
    QTest::newRow("room: empty name") << false << "" << "10" << "Enter Tax Name" << nameHint;
    QTest::newRow("room: 0%") << false << "VAT" << "0%" << "Enter Tax Percent" << roomPercent;
    QTest::newRow("room: letters") << false << "VAT" << "ten" << "Enter Tax Percent" << roomPercent;
    QTest::newRow("room: empty percent") << false << "VAT" << "" << "Enter Tax Percent" << roomPercent;
    QTest::newRow("food: placeholder name") << true << "Tax Name" << "10" << "Enter Tax Name" << nameHint;
    QTest::newRow("food: 10%") << true << "VAT" << "10%" << "Enter Tax Percent" << foodPercent;
    // Percents no tax has, and a name of blanks.
    const QString bounds = "Please Enter Tax Percent from 0 to 100!";
    QTest::newRow("room: blank name") << false << "   " << "10" << "Enter Tax Name" << nameHint;
    QTest::newRow("room: -5") << false << "VAT" << "-5" << "Invalid Tax Percent" << bounds;
    QTest::newRow("food: 1e6") << true << "VAT" << "1e6" << "Invalid Tax Percent" << bounds;
    QTest::newRow("food: 100.01") << true << "VAT" << "100.01" << "Invalid Tax Percent" << bounds;
    QTest::newRow("room: group separator out of place") << false << "VAT" << "12,5" << "Enter Tax Percent" << roomPercent;
    // Numbers too large for an amount.
    QTest::newRow("room: 1e300") << false << "VAT" << "1e300" << "Enter Tax Percent" << roomPercent;
    QTest::newRow("food: -1e20") << true << "VAT" << "-1e20" << "Enter Tax Percent" << foodPercent;
}

void TestFrmTax::checksShowHints()
{
    QFETCH(bool, food);
    QFETCH(QString, name);
    QFETCH(QString, percent);
    QFETCH(QString, title);
    QFETCH(QString, text);
    testsupport::CoreFixture fx;
    frmTax &frm = openTax();
    QLineEdit *nameBox = food ? frm.Text1 : frm.txtTaxName;
    QLineEdit *percentBox = food ? frm.Text2 : frm.txtTaxPercent;
    nameBox->setText(name);
    percentBox->setText(percent);
    (food ? frm.Command3 : frm.Command2)->click();
    const auto &hint = core::CBalloonToolTip::LastShown();
    QCOMPARE(hint.title, title);
    QCOMPARE(hint.text, text);
    QCOMPARE(core::State().mTipTarget.data(), title == "Enter Tax Name" ? nameBox : percentBox);
    QVERIFY(fx.dialogs().messages().isEmpty());
    QCOMPARE(vb::CLng(fx.scalar("SELECT count(*) FROM tbl_Tax")), 0);
    ui::Forms::Unload<frmTax>();
}

// Typed as "12,5" where the comma is the decimal point, stored as 12.5.
void TestFrmTax::commaDecimalLocaleStoresAPoint()
{
    testsupport::CoreFixture fx;
    LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    frmTax &frm = openTax();
    frm.txtTaxName->setText("MwSt");
    frm.txtTaxPercent->setText("12,5");
    frm.Command2->click();
    QCOMPARE(vb::CDbl(fx.scalar("SELECT TaxRate FROM tbl_Tax")), 12.5);
    QCOMPARE(rowsOf(frm.ListView1), QStringList{"MwSt | 12,5%"});
    ui::Forms::Unload<frmTax>();
}

// The room list clicked last, the popup opened on the food list: the food list's row goes.
void TestFrmTax::popupRemovesTheRowOfItsOwnList()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    bookingtesting::addRoomTax(fx, "Service", "10", 1);
    bookingtesting::addRoomTax(fx, "Bar", "5", 2);
    bookingtesting::addRoomTax(fx, "Corkage", "3", 2);
    frmTax &frm = openTax();
    leftClickRow(frm.ListView1, 1);
    QCOMPARE(frm.ListViewClcked, int16_t(1));

    frm.SSTab1->setCurrentIndex(1);
    fx.dialogs().reply(ui::Reply::menuItem("TaxRemove"));
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    rightClickRow(frm.ListView2, rowNamed(frm.ListView2, "Corkage"));
    const auto menus = fx.dialogs().shown(ui::DialogKind::PopupMenu);
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus[0].menu.size(), 1);
    QCOMPARE(menus[0].menu[0].caption, QStringLiteral("&Remove Tax"));
    QCOMPARE(menus[0].menu[0].id, 1000);
    const auto boxes = fx.dialogs().shown(ui::DialogKind::MessageBox);
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes[0].text, QStringLiteral("Remove Selected Tax Details! Are you Sure?"));
    QCOMPARE(boxes[0].title, QStringLiteral("Remove Tax"));
    QCOMPARE(boxes[0].buttons(), ui::vbYesNo);
    QCOMPARE(boxes[0].defaultButton(), ui::vbDefaultButton2);
    QCOMPARE(boxes[1].text, QStringLiteral("Tax Corkage Removed!"));
    // The right click did not change which list was clicked last.
    QCOMPARE(frm.ListViewClcked, int16_t(1));

    QCOMPARE(vb::CLng(fx.scalar("SELECT count(*) FROM tbl_Tax WHERE TaxName='Corkage'")), 0);
    QCOMPARE(vb::CLng(fx.scalar("SELECT count(*) FROM tbl_Tax")), 2);
    QCOMPARE(rowsOf(frm.ListView1), QStringList{"Service | 10%"});
    QCOMPARE(rowsOf(frm.ListView2), QStringList{"Bar | 5%"});
    ui::Forms::Unload<frmTax>();
}

void TestFrmTax::noAnswerOrNoSelectionRemovesNothing()
{
    testsupport::CoreFixture fx;
    bookingtesting::addRoomTax(fx, "Service", "10", 1);
    frmTax &frm = openTax();
    // "No" is the default answer.
    fx.dialogs().reply(ui::Reply::menuItem("TaxRemove"));
    rightClickRow(frm.ListView1, 1);
    QCOMPARE(fx.dialogs().last().text, QStringLiteral("Remove Selected Tax Details! Are you Sure?"));
    QCOMPARE(vb::CLng(fx.scalar("SELECT count(*) FROM tbl_Tax")), 1);

    // Yes, with the selection gone: nothing deleted, no removal message.
    frm.ListView1->setListIndex(-1);
    fx.dialogs().clear();
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm.AGPopUp1_Click("TaxRemove");
    QCOMPARE(vb::CLng(fx.scalar("SELECT count(*) FROM tbl_Tax")), 1);
    QCOMPARE(fx.dialogs().messages(), QStringList{"Remove Selected Tax Details! Are you Sure?"});
    ui::Forms::Unload<frmTax>();
}

// A statement that fails is reported by the statement layer; the window then claims nothing.
void TestFrmTax::failedInsertShowsNoSuccess()
{
    testsupport::CoreFixture fx;
    frmTax &frm = openTax();
    fx.exec("DROP TABLE tbl_Tax");
    core::SetDatabaseSettingsWindow({[] { return true; }, [] {}});
    frm.txtTaxName->setText("VAT");
    frm.txtTaxPercent->setText("10");
    frm.Command2->click();
    core::SetDatabaseSettingsWindow({});
    for (const QString &message : fx.dialogs().messages())
        QVERIFY2(!message.contains("added on the Tax List"), qPrintable(message));
    QCOMPARE(frm.ListView1->count(), 0);
    ui::Forms::Unload<frmTax>();
}

void TestFrmTax::closingRefreshesTheBookingWindow_data()
{
    QTest::addColumn<bool>("byOk");
    QTest::newRow("OK") << true;
    QTest::newRow("window closed") << false;
}

void TestFrmTax::closingRefreshesTheBookingWindow()
{
    QFETCH(bool, byOk);
    testsupport::CoreFixture fx;
    bookingtesting::addRoom(fx, "101", "100");
    bookingtesting::addRoomTax(fx, "Service", "10", 1);
    bookingtesting::logIn();
    frontdesk::frmBooking &booking = bookingtesting::openBooking(fx);
    QCOMPARE(booking.lbPercent->text(), QStringLiteral("10"));

    frmTax &frm = openTax();
    frm.txtTaxName->setText("City");
    frm.txtTaxPercent->setText("2.5");
    frm.Command2->click();
    QCOMPARE(booking.lbPercent->text(), QStringLiteral("10"));
    if (byOk)
        frm.Command1->click();
    else
        frm.close();
    QVERIFY(!ui::Forms::IsLoaded<frmTax>());
    QCOMPARE(booking.lbPercent->text(), QStringLiteral("12.5"));
    ui::Forms::Unload<frontdesk::frmBooking>();
}

void TestFrmTax::placeholdersClearOnPress()
{
    testsupport::CoreFixture fx;
    frmTax &frm = openTax();
    QTest::mouseClick(frm.txtTaxName, Qt::LeftButton);
    QVERIFY(frm.txtTaxName->text().isEmpty());
    frm.txtTaxPercent->setText("0%");
    QTest::mouseClick(frm.txtTaxPercent, Qt::LeftButton);
    QVERIFY(frm.txtTaxPercent->text().isEmpty());
    frm.SSTab1->setCurrentIndex(1);
    QTest::mouseClick(frm.Text1, Qt::LeftButton);
    QVERIFY(frm.Text1->text().isEmpty());
    frm.Text2->setText("0%");
    QTest::mouseClick(frm.Text2, Qt::LeftButton);
    QCOMPARE(frm.Text2->text(), QStringLiteral("0%"));
    ui::Forms::Unload<frmTax>();
}

void TestFrmTax::keysAddOrClose_data()
{
    QTest::addColumn<bool>("food");
    QTest::addColumn<bool>("inPercent");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("listed");   // after the key, in the tab's list
    QTest::addColumn<bool>("closed");
    QTest::newRow("Enter in a room tax's name") << false << false << int(Qt::Key_Return)
                                                << QStringList{"VAT | 10%"} << false;
    QTest::newRow("keypad Enter in a food tax's percent") << true << true << int(Qt::Key_Enter)
                                                          << QStringList{"VAT | 10%"} << false;
    QTest::newRow("Escape") << false << true << int(Qt::Key_Escape) << QStringList() << true;
}

// Enter adds the tax of the tab it is typed on; Escape closes the editor as "&OK" does.
void TestFrmTax::keysAddOrClose()
{
    QFETCH(bool, food);
    QFETCH(bool, inPercent);
    QFETCH(int, key);
    QFETCH(QStringList, listed);
    QFETCH(bool, closed);
    testsupport::CoreFixture fx;
    frmTax &frm = openTax();
    frm.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    frm.SSTab1->setCurrentIndex(food ? 1 : 0);
    QLineEdit *name = food ? frm.Text1 : frm.txtTaxName;
    QLineEdit *percent = food ? frm.Text2 : frm.txtTaxPercent;
    name->setText(QStringLiteral("VAT"));
    percent->setText(QStringLiteral("10"));
    QLineEdit *typedIn = inPercent ? percent : name;
    typedIn->setFocus();
    QTest::keyClick(typedIn, Qt::Key(key));
    QCOMPARE(!ui::Forms::IsLoaded<frmTax>(), closed);
    if (!closed)
        QCOMPARE(rowsOf(food ? frm.ListView2 : frm.ListView1), listed);
    QCOMPARE(vb::CLng(fx.scalar("SELECT count(*) FROM tbl_Tax")), listed.size());
    QCOMPARE(vb::CLng(fx.scalar(QStringLiteral("SELECT count(*) FROM tbl_Tax WHERE TaxCat = %1").arg(food ? 2 : 1))),
             listed.size());
    ui::Forms::Unload<frmTax>();
}

void TestFrmTax::openedByName()
{
    testsupport::CoreFixture fx;
    backoffice::RegisterBackOfficeWindows();
    QVERIFY(core::ShowWindow(QStringLiteral("frmTax"), ui::vbModeless));
    QVERIFY(ui::Forms::IsLoaded<frmTax>());
    ui::Forms::Unload<frmTax>();
}

QTEST_MAIN(TestFrmTax)
#include "tst_frmtax.moc"
