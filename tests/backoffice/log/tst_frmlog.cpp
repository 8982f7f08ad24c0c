// The activity log viewer over a real database on both engines: entries written by real
// actions (logging in and out through the main window, a booking, a room added), listed with
// their date and time forms, filtered, removed one by one and cleared by filter.
#include "backoffice/adminarea/frmadminarea.h"
#include "backoffice/log/frmlog.h"
#include "backoffice/log/logstatements.h"
#include "backoffice/register.h"
#include "bookingtesting.h"
#include "controls/reportlist.h"
#include "core/state/appstate.h"
#include "mainwindowtesting.h"
#include "support/scratch_database.h"
#include "support/statementtrace.h"
#include "vb/conversions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using backoffice::frmLog;

namespace {

frmLog &openLog()
{
    auto &frm = ui::Forms::Get<frmLog>();
    frm.Show(ui::vbModeless);
    return frm;
}

QStringList listed(const frmLog &frm, int column = 0)
{
    QStringList texts;
    for (int row = 1; row <= frm.logList->count(); ++row)
        texts << frm.logList->subItem(row, column);
    return texts;
}

void chooseFilter(frmLog &frm, const QString &caption)
{
    frm.Combo1->setCurrentText(caption);
    frm.Combo1_Click();
}

int rowsIn(testsupport::CoreFixture &fx, const QString &where = QString())
{
    return vb::CLng(fx.scalar("SELECT count(*) FROM tbl_logTable" + where));
}

void addLogRow(testsupport::CoreFixture &fx, const QString &text, const QString &key, const QString &when = QString())
{
    if (when.isEmpty())
        fx.exec(QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) VALUES ('%1', 'admin', '%2')").arg(text, key));
    else
        fx.exec(QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey, LogDateLine) VALUES ('%1', 'admin', "
                               "'%2', #%3#)")
                    .arg(text, key, when));
}

// The log as the day leaves it: the clerk logs in through the main window, books a guest, adds
// a room in the administration area and logs out; an account made
// earlier and a database change complete the keys.
void realDay(testsupport::CoreFixture &fx)
{
    using namespace mainwindowtesting;
    AddUser(fx, "clerk", "secret");
    ui::Forms::Get<core::mainFrm>().Show(ui::vbModeless);
    TypeLogin("clerk", "secret");
    QVERIFY(core::State().mLoggedIn);

    bookingtesting::addRoom(fx, "101", "100");
    frontdesk::frmBooking &booking = bookingtesting::openBooking(fx);
    bookingtesting::fillGuest(booking, "Maeve", "O'Brien");
    bookingtesting::bookRooms(booking, {"101"});
    booking.Command5_Click();
    ui::Forms::Unload<frontdesk::frmBooking>();

    auto &admin = ui::Forms::Get<backoffice::frmAdminArea>();
    admin.txtRoomID->setText("102");
    admin.txtRoomDesc->setText("Garden");
    admin.txtRoomPrice->setText("80");
    admin.cmdAddRoom_Click();
    ui::Forms::Unload<backoffice::frmAdminArea>();
    MainWindow().mnuLoginLogOut_Click();
    QVERIFY(!core::State().mLoggedIn);
    ui::Forms::Unload<core::mainFrm>();
    addLogRow(fx, "New Account Created with User Name : ann", "UserAddRemove");
    addLogRow(fx, "Database Settings Modified (Use SQL : No)", "DBChanges");
}

} // namespace

class TestFrmLog : public QObject {
    Q_OBJECT

private slots:
    void statements_data();
    void statements();
    void realActionsListedAndFiltered_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void realActionsListedAndFiltered();
    void dateAndTimeForms();
    void clearingByFilter_data();
    void clearingByFilter();
    void removesTheSelectedEntry_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void removesTheSelectedEntry();
    void noSelectionRemovesNothing();
    void openedByName();
};

void TestFrmLog::statements_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("clear");
    QTest::newRow("All Logs") << "All Logs" << "SELECT * FROM tbl_logTable" << "DELETE FROM tbl_logTable";
    QTest::newRow("Bookings") << "Bookings" << "SELECT * FROM tbl_logTable WHERE LogKey='Bookings'"
                              << "DELETE FROM tbl_logTable WHERE LogKey='Bookings'";
    QTest::newRow("Room Added Removed") << "Room Added Removed"
                                        << "SELECT * FROM tbl_logTable WHERE LogKey='RoomAddedRemove'"
                                        << "DELETE FROM tbl_logTable WHERE LogKey='RoomAddedRemove'";
    QTest::newRow("Database Changes") << "Database Changes" << "SELECT * FROM tbl_logTable WHERE LogKey='DBChanges'"
                                      << "DELETE FROM tbl_logTable WHERE LogKey='DBChanges'";
    QTest::newRow("User Log In/Out") << "User Log In/Out" << "SELECT * FROM tbl_logTable WHERE LogKey='LoginLogout'"
                                     << "DELETE FROM tbl_logTable WHERE LogKey='LoginLogout'";
    QTest::newRow("anything else") << "Other" << "SELECT * FROM tbl_logTable" << "DELETE FROM tbl_logTable";
}

void TestFrmLog::statements()
{
    QFETCH(QString, caption);
    QFETCH(QString, list);
    QFETCH(QString, clear);
    const QString key = backoffice::LogKeyOfFilter(caption);
    QCOMPARE(backoffice::LogListSql(key), list);
    QCOMPARE(backoffice::LogClearSql(key), clear);
    QCOMPARE(backoffice::LogDeleteSql(17), QStringLiteral("DELETE FROM tbl_logTable WHERE ID=17"));
}

void TestFrmLog::realActionsListedAndFiltered()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    realDay(fx);
    frmLog &frm = openLog();
    QCOMPARE(frm.Caption(), QStringLiteral("Brevant Logs"));
    QCOMPARE(frm.Combo1->currentText(), QStringLiteral("All Logs"));
    QCOMPARE(frm.mLogKey, QStringLiteral("All Logs"));
    QStringList all = listed(frm);
    all.sort();
    QCOMPARE(all, (QStringList{"Added Room -102", "Database Settings Modified (Use SQL : No)",
                               "New Account Created with User Name : ann", "New Booking of Customer : Maeve OBrien",
                               "User Logged Out : clerk", "User Logged in : clerk"}));
    QCOMPARE(frm.logList->columnHeaderCount(), 5);
    QCOMPARE(frm.logList->columnCaption(1), QStringLiteral("Log"));
    QCOMPARE(frm.logList->columnWidthTwips(1), 4000);
    QCOMPARE(frm.logList->columnWidthTwips(5), 0);
    QVERIFY(listed(frm, 1).contains("clerk"));

    chooseFilter(frm, "User Log In/Out");
    QCOMPARE(frm.mLogKey, QStringLiteral("LoginLogout"));
    QStringList logins = listed(frm);
    logins.sort();
    QCOMPARE(logins, (QStringList{"User Logged Out : clerk", "User Logged in : clerk"}));
    chooseFilter(frm, "Bookings");
    QCOMPARE(listed(frm), QStringList{"New Booking of Customer : Maeve OBrien"});
    chooseFilter(frm, "Room Added Removed");
    QCOMPARE(listed(frm), QStringList{"Added Room -102"});
    chooseFilter(frm, "Database Changes");
    QCOMPARE(listed(frm), QStringList{"Database Settings Modified (Use SQL : No)"});
    ui::Forms::Unload<frmLog>();
}

// Opening the viewer reads the log once; the entries it lists are its own, so the shared
// recordset lets them go.
void TestFrmLog::dateAndTimeForms()
{
    testsupport::CoreFixture fx;
    addLogRow(fx, "afternoon", "Bookings", "2026-03-14 15:05:00");
    addLogRow(fx, "morning", "Bookings", "2026-11-02 09:40:00");
    testsupport::StatementTrace trace;
    frmLog &frm = openLog();
    QCOMPARE(trace.count("SELECT * FROM tbl_logTable"), 1);
    QVERIFY(!core::State().mRS);
    QCOMPARE(listed(frm, 2), (QStringList{"14-March-2026", "02-November-2026"}));
    QCOMPARE(listed(frm, 3), (QStringList{"03:05PM", "09:40AM"}));
    ui::Forms::Unload<frmLog>();
}

void TestFrmLog::clearingByFilter_data()
{
    QTest::addColumn<bool>("fromPopup");
    QTest::newRow("Clear Log button") << false;
    QTest::newRow("popup") << true;
}

// Under one filter only its entries go; under "All Logs" everything, the entries no other
// filter shows included.
void TestFrmLog::clearingByFilter()
{
    QFETCH(bool, fromPopup);
    testsupport::CoreFixture fx;
    addLogRow(fx, "User Logged in : ann", "LoginLogout");
    addLogRow(fx, "User Logged Out : ann", "LoginLogout");
    addLogRow(fx, "New Booking of Customer : A B", "Bookings");
    addLogRow(fx, "New Account Created with User Name : bo", "UserAddRemove");
    frmLog &frm = openLog();
    auto clear = [&](int answer) {
        if (fromPopup) {
            fx.dialogs().reply(ui::Reply::menuItem("mnuClearLog"));
            fx.dialogs().reply(ui::Reply::button(answer));
            frm.logList_MouseUp(2);
        } else {
            fx.dialogs().reply(ui::Reply::button(answer));
            frm.Command1->click();
        }
    };

    chooseFilter(frm, "User Log In/Out");
    clear(ui::vbNo);
    QCOMPARE(rowsIn(fx), 4);
    const auto ask = fx.dialogs().shown(ui::DialogKind::MessageBox).last();
    QCOMPARE(ask.text, QStringLiteral("Clear All Log?"));
    QCOMPARE(ask.title, QStringLiteral("Clear Log"));
    QCOMPARE(ask.defaultButton(), ui::vbDefaultButton2);

    clear(ui::vbYes);
    QCOMPARE(rowsIn(fx), 2);
    QCOMPARE(rowsIn(fx, " WHERE LogKey='LoginLogout'"), 0);
    QCOMPARE(frm.logList->count(), 0);

    chooseFilter(frm, "All Logs");
    QCOMPARE(frm.logList->count(), 2);
    clear(ui::vbYes);
    QCOMPARE(rowsIn(fx), 0);
    QCOMPARE(frm.logList->count(), 0);
    ui::Forms::Unload<frmLog>();
}

void TestFrmLog::removesTheSelectedEntry()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    addLogRow(fx, "first", "Bookings");
    addLogRow(fx, "second", "Bookings");
    addLogRow(fx, "third", "DBChanges");
    frmLog &frm = openLog();
    const int second = listed(frm).indexOf("second") + 1;
    frm.logList->setListIndex(second);

    fx.dialogs().reply(ui::Reply::menuItem("mnuRemoveLog"));
    fx.dialogs().reply(ui::Reply::button(ui::vbYes));
    frm.logList_MouseUp(2);
    const auto menu = fx.dialogs().shown(ui::DialogKind::PopupMenu);
    QCOMPARE(menu.size(), 1);
    QCOMPARE(menu[0].menu.size(), 2);
    QCOMPARE(fx.dialogs().last().text, QStringLiteral("Remove Selected Log?"));
    QCOMPARE(fx.dialogs().last().title, QStringLiteral("Remove Selected Log"));
    QCOMPARE(rowsIn(fx), 2);
    QCOMPARE(rowsIn(fx, " WHERE LogText='second'"), 0);
    QVERIFY(!listed(frm).contains("second"));
    QCOMPARE(frm.logList->count(), 2);
    ui::Forms::Unload<frmLog>();
}

void TestFrmLog::noSelectionRemovesNothing()
{
    testsupport::CoreFixture fx;
    addLogRow(fx, "first", "Bookings");
    frmLog &frm = openLog();
    frm.logList->setListIndex(-1);
    mainwindowtesting::ReportProbe reports;
    fx.dialogs().reply(ui::Reply::menuItem("mnuRemoveLog"));
    frm.logList_MouseUp(2);
    QCOMPARE(rowsIn(fx), 1);
    QVERIFY(fx.dialogs().messages().isEmpty());
    QVERIFY(reports.errors.isEmpty());
    // A left button opens no menu.
    frm.logList_MouseUp(1);
    QCOMPARE(fx.dialogs().shown(ui::DialogKind::PopupMenu).size(), 1);
    ui::Forms::Unload<frmLog>();
}

void TestFrmLog::openedByName()
{
    testsupport::CoreFixture fx;
    backoffice::RegisterBackOfficeWindows();
    QVERIFY(core::ShowWindow(QStringLiteral("frmLog"), ui::vbModeless));
    QVERIFY(ui::Forms::IsLoaded<frmLog>());
    ui::Forms::Unload<frmLog>();
}

QTEST_MAIN(TestFrmLog)
#include "tst_frmlog.moc"
