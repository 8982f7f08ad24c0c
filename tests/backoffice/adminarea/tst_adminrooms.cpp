// The rooms tab and the room editor on both engines: a room with its table and log row, the
// numbers refused or taken, all or nothing when a row fails, removal, a room added here
// booked through the booking window, renamed in the editor and booked again, and the export
// read back by real readers.
#include "admintesting.h"

#include "backoffice/adminarea/frmroomadminfloat.h"
#include "backoffice/adminarea/roomstatements.h"
#include "controls/popupmenu.h"
#include "core/db/dbworks.h"
#include "core/db/tableexists.h"
#include "core/state/appstate.h"
#include "core/ui/cballoontooltip.h"
#include "frontdesk/booking/bookingtesting.h"
#include "frontdesk/schedule/frmroomlist.h"
#include "support/mariadb_cut_proxy.h"
#include "support/scratch_database.h"
#include "support/settingswindowprobe.h"
#include "support/sqlcipher_client.h"
#include "support/statementhook.h"
#include "support/xlsreaders.h"
#include "vb/locale.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

using backoffice::frmAdminArea;
using backoffice::frmRoomAdminFloat;
using namespace admintesting;

namespace {

// Types a room into the rooms tab and presses "Add Room".
void addRoom(frmAdminArea &admin, const QString &room, const QString &price,
             const QString &description = QStringLiteral("Sea view"))
{
    admin.txtRoomID->setText(room);
    admin.txtRoomDesc->setText(description);
    admin.txtRoomPrice->setText(price);
    admin.cmdAddRoom_Click();
}

bool roomTable(const QString &room) { return core::TableExists(QStringLiteral("[room_") + room + QStringLiteral("]")); }

int roomRows(AdminSession &s) { return s.count(QStringLiteral("SELECT count(*) FROM tbl_Rooms")); }

int roomLogRows(AdminSession &s)
{
    return s.count(QStringLiteral("SELECT count(*) FROM tbl_logTable WHERE LogKey = 'RoomAddedRemove'"));
}

// Books the rooms for a new guest through the real booking window.
void bookThroughBookingWindow(AdminSession &s, const QStringList &rooms, const QString &first)
{
    frontdesk::frmBooking &booking = bookingtesting::openBooking(s.fx);
    bookingtesting::fillGuest(booking, first, QStringLiteral("Guest"));
    bookingtesting::bookRooms(booking, rooms);
    booking.Command5_Click();
    QCOMPARE(s.dialogs().last().text, QStringLiteral("Customer details has been added to the Record"));
    ui::Forms::Unload<frontdesk::frmBooking>();
    processDeletes();
}

// Opens the room editor on the selected row through the list's popup menu and lets `edit`
// work in it while it shows.
void editSelectedRoom(AdminSession &s, const std::function<void(frmRoomAdminFloat &)> &edit)
{
    QVERIFY(workInEditor<frmRoomAdminFloat>(s.dialogs(), QStringLiteral("mnuEditSelected"),
                                            [&] { s.window().listRoomView_MouseDown(2); }, edit));
}

} // namespace

class TestAdminRooms : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init() { core::CBalloonToolTip::ClearLastShown(); }

    void addGivesRowTableAndOneLogRow_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void addGivesRowTableAndOneLogRow();
    void takenOrUnusableNumbersWriteNothing_data();
    void takenOrUnusableNumbersWriteNothing();
    void failedRowLeavesNoTableRowOrLogRow_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void failedRowLeavesNoTableRowOrLogRow();
    void leftoverTablesTakenOverOrReported_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void leftoverTablesTakenOverOrReported();
    void failedCommitInTheEditorKeepsEverything();
    void removalWithTableAlreadyGone_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void removalWithTableAlreadyGone();
    void bookedRenamedAndBookedAgain_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void bookedRenamedAndBookedAgain();
    void editorChecksBeforeWritingAndEditsTheChosenRoom();
    void roomWithoutDescriptionIsBooked_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void roomWithoutDescriptionIsBooked();
    void numbersAndTariffsWithinWhatTheyFeed_data();
    void numbersAndTariffsWithinWhatTheyFeed();
    void highestTariffForTheLongestStayHolds();
    void editorTellsOfTariffsOutOfBounds_data();
    void editorTellsOfTariffsOutOfBounds();
    void editorKeys_data();
    void editorKeys();
    void keysFilteredAndPlaceholdersCleared();
    void exportReadByRealReaders();
    void changeWhoseCommitAnswerIsLostIsFoundStored_data();
    void changeWhoseCommitAnswerIsLostIsFoundStored();
};

void TestAdminRooms::addGivesRowTableAndOneLogRow()
{
    HOTEL_FETCH_ENGINE(engine);
    AdminSession s(engine);
    frmAdminArea &admin = s.window();
    admin.comboRoomType->setCurrentText(QStringLiteral("Double Bed"));
    addRoom(admin, QStringLiteral(" 101"), QStringLiteral("1,050.5"), QStringLiteral("Ann's view"));

    QCOMPARE(s.dialogs().messages(), QStringList{QStringLiteral("Room 101 Added on the Room List!")});
    const auto rows = s.fx.query(QStringLiteral("SELECT * FROM tbl_Rooms"));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(vb::CStr(rows[0]["roomnameid"]), QStringLiteral("101"));
    QCOMPARE(vb::CStr(rows[0]["description"]), QStringLiteral("Ann!*!s view"));
    QCOMPARE(vb::CStr(rows[0]["roomtype"]), QStringLiteral("Double Bed"));
    QCOMPARE(vb::CDbl(rows[0]["roomprice"]), 1050.5);
    QVERIFY(roomTable(QStringLiteral("101")));
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_logTable WHERE LogText = 'Added Room -101' AND "
                                    "LoggedUser = 'admin' AND LogKey = 'RoomAddedRemove'")),
             1);
    QCOMPARE(roomLogRows(s), 1);
    QCOMPARE(columnOf(admin.listRoomView), QStringList{QStringLiteral("101")});
    QCOMPARE(admin.listRoomView->subItem(1, 1), QStringLiteral("Ann's view"));
    QCOMPARE(admin.listRoomView->subItem(1, 3), QStringLiteral("$1,050.50"));
    QVERIFY(admin.cmdAddRoom->isEnabled());
}

void TestAdminRooms::takenOrUnusableNumbersWriteNothing_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("hintTitle");
    QTest::addColumn<bool>("buttonEnabled");
    const QString taken = QStringLiteral("Room Already Exist!");
    for (const char *engine : {"access", "mariadb"}) {
        auto row = [&](const char *name) -> QTestData & {
            return QTest::addRow("%s: %s", engine, name) << QString::fromLatin1(engine);
        };
        row("same") << "101" << "5" << taken << false;
        row("blank before") << " 101" << "5" << taken << false;
        row("quote after") << "101'" << "5" << taken << false;
        row("same as a number") << "0101" << "5" << taken << false;
        row("letters") << "A1" << "5" << "Invalid Room ID" << true;
        row("inner blank") << "101 B" << "5" << "Invalid Room ID" << true;
        row("placeholder") << "Room ID" << "5" << "Please enter Room ID" << true;
        row("blanks") << "  " << "5" << "Please enter Room ID" << true;
        row("no tariff") << "102" << "" << "Please enter Numeric values in the Box" << true;
        row("letters in tariff") << "102" << "12a" << "Invalid Tariff" << true;
    }
}

void TestAdminRooms::takenOrUnusableNumbersWriteNothing()
{
    HOTEL_FETCH_ENGINE(engine);
    QFETCH(QString, typed);
    QFETCH(QString, price);
    QFETCH(QString, hintTitle);
    QFETCH(bool, buttonEnabled);
    AdminSession s(engine);
    frmAdminArea &admin = s.window();
    addRoom(admin, QStringLiteral("101"), QStringLiteral("10"));
    s.dialogs().clear();

    addRoom(admin, typed, price);
    QCOMPARE(core::CBalloonToolTip::LastShown().title, hintTitle);
    QVERIFY(s.dialogs().shown().isEmpty());
    QCOMPARE(roomRows(s), 1);
    QCOMPARE(roomLogRows(s), 1);
    QVERIFY(!roomTable(QStringLiteral("102")));
    QCOMPARE(admin.cmdAddRoom->isEnabled(), buttonEnabled);
    // A change of any room box enables the button again.
    admin.txtRoomDesc->setText(QStringLiteral("Other"));
    QVERIFY(admin.cmdAddRoom->isEnabled());
}

// The log row cannot be stored (its user name is made unique and already used): the room's
// row goes back with it and its new table is dropped again.
void TestAdminRooms::failedRowLeavesNoTableRowOrLogRow()
{
    HOTEL_FETCH_ENGINE(engine);
    AdminSession s(engine);
    s.fx.exec(QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) VALUES ('x', 'admin', 'y')"));
    s.fx.exec(QStringLiteral("CREATE UNIQUE INDEX one_row_per_user ON tbl_logTable (LoggedUser)"));

    addRoom(s.window(), QStringLiteral("205"), QStringLiteral("10"));
    QCOMPARE(s.dialogs().messages().size(), 1);
    QVERIFY(s.dialogs().messages().first().startsWith(QStringLiteral("Error Code : DB0003")));
    QCOMPARE(roomRows(s), 0);
    QVERIFY(!roomTable(QStringLiteral("205")));
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_logTable")), 1);
    QVERIFY(columnOf(s.window().listRoomView).isEmpty());
}

// Booking tables that no room names, as a crash leaves them: an empty one is taken over by the
// next room of its number (added or renumbered to it); one that holds bookings is reported in
// a message and left as it is. The database settings window never opens.
void TestAdminRooms::leftoverTablesTakenOverOrReported()
{
    HOTEL_FETCH_ENGINE(engine);
    AdminSession s(engine);
    testsupport::SettingsWindowProbe settings;
    for (const char *room : {"301", "302", "303"})
        s.fx.exec(backoffice::RoomTableCreateSql(QLatin1String(room)));
    s.fx.exec(QStringLiteral("INSERT INTO [room_302] (RoomNameID, cUniqueID) VALUES (302, 'FORMER')"));
    const QString inUse = QStringLiteral("Room 302 cannot be used: bookings of an earlier room 302 are still kept. "
                                         "Please choose another Room ID.");
    frmAdminArea &admin = s.window();

    addRoom(admin, QStringLiteral("301"), QStringLiteral("10"));
    QCOMPARE(s.dialogs().messages(), QStringList{QStringLiteral("Room 301 Added on the Room List!")});
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM [room_301]")), 0);
    bookThroughBookingWindow(s, {QStringLiteral("301")}, QStringLiteral("Ann"));
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM [room_301]")), 1);

    s.dialogs().clear();
    addRoom(admin, QStringLiteral("302"), QStringLiteral("10"));
    QCOMPARE(s.dialogs().messages(), QStringList{inUse});
    QCOMPARE(roomRows(s), 1);
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM [room_302] WHERE cUniqueID = 'FORMER'")), 1);

    // Renumbered onto the table with bookings: refused, the editor stays open for another number.
    QVERIFY(selectRow(admin.listRoomView, QStringLiteral("301")));
    editSelectedRoom(s, [&](frmRoomAdminFloat &editor) {
        s.dialogs().clear();
        editor.txtRoomIDedit->setText(QStringLiteral("302"));
        s.yes();
        editor.cmdEditIt_Click();
        QCOMPARE(s.dialogs().messages(), (QStringList{QStringLiteral("Update Selected Room?"), inUse}));
        QVERIFY(editor.isVisible());
        // Onto the empty one: taken over, with the room's booking.
        editor.txtRoomIDedit->setText(QStringLiteral("303"));
        s.yes();
        editor.cmdEditIt_Click();
        QVERIFY(!editor.isVisible());
    });
    QCOMPARE(columnOf(admin.listRoomView), QStringList{QStringLiteral("303")});
    QVERIFY(!roomTable(QStringLiteral("301")));
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM [room_303] WHERE RoomNameID = 303")), 1);
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM [room_302]")), 1);
    QCOMPARE(settings.opened, 0);
    QVERIFY(!s.dialogs().messages().join(QLatin1Char('|')).contains(QStringLiteral("Error Code")));
}

// The renumbering's commit fails (a reporting tool holds the file between its statements and
// its commit): nothing of it stays, not even the new number's table, and both numbers can be
// used afterwards.
void TestAdminRooms::failedCommitInTheEditorKeepsEverything()
{
    AdminSession s;
    frmAdminArea &admin = s.window();
    addRoom(admin, QStringLiteral("101"), QStringLiteral("100"));
    s.fx.exec(QStringLiteral("INSERT INTO [room_101] (RoomNameID, cUniqueID) VALUES (101, 'FORMER')"));
    testsupport::SqlcipherClient reader(s.fx.databasePath());
    testsupport::StatementHook hook(QStringLiteral("UPDATE tbl_Rooms SET RoomNameID"),
                                    [&] { reader.send(QStringLiteral("BEGIN; SELECT count(*) FROM tbl_Rooms;")); });

    QVERIFY(selectRow(admin.listRoomView, QStringLiteral("101")));
    editSelectedRoom(s, [&](frmRoomAdminFloat &editor) {
        editor.txtRoomIDedit->setText(QStringLiteral("201"));
        s.yes();
        editor.cmdEditIt_Click();
    });
    reader.send(QStringLiteral("COMMIT;"));
    QVERIFY(hook.fired());
    QVERIFY(s.dialogs().last().text.startsWith(QStringLiteral("flot_0002\r\n")));
    QCOMPARE(vb::CStr(s.fx.scalar(QStringLiteral("SELECT RoomNameID FROM tbl_Rooms"))), QStringLiteral("101"));
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM [room_101] WHERE cUniqueID = 'FORMER'")), 1);
    QVERIFY(!roomTable(QStringLiteral("201")));

    s.dialogs().clear();
    addRoom(admin, QStringLiteral("201"), QStringLiteral("90"));
    QCOMPARE(s.dialogs().messages(), QStringList{QStringLiteral("Room 201 Added on the Room List!")});
}

void TestAdminRooms::removalWithTableAlreadyGone()
{
    HOTEL_FETCH_ENGINE(engine);
    AdminSession s(engine);
    frmAdminArea &admin = s.window();
    addRoom(admin, QStringLiteral("301"), QStringLiteral("10"));
    addRoom(admin, QStringLiteral("302"), QStringLiteral("10"));
    s.fx.exec(QStringLiteral("DROP TABLE [room_301]"));
    s.dialogs().clear();

    QVERIFY(selectRow(admin.listRoomView, QStringLiteral("301")));
    s.dialogs().reply(ui::Reply::button(ui::vbNo));
    admin.iRemoveRoom();
    QCOMPARE(s.dialogs().last().text, QStringLiteral("Remove Selected Room! Are you Sure?"));
    QCOMPARE(s.dialogs().last().title, QStringLiteral("Remove Room"));
    QCOMPARE(s.dialogs().last().style, 324);
    QCOMPARE(roomRows(s), 2);

    s.yes();
    admin.iRemoveRoom();
    QCOMPARE(s.dialogs().last().text, QStringLiteral("Room 301 Removed!"));
    QCOMPARE(columnOf(admin.listRoomView), QStringList{QStringLiteral("302")});
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_logTable WHERE LogText = 'Removed Room 301' AND "
                                    "LogKey = 'RoomAddedRemove'")),
             1);

    // The other room goes with its table.
    QVERIFY(selectRow(admin.listRoomView, QStringLiteral("302")));
    s.yes();
    admin.iRemoveRoom();
    QCOMPARE(roomRows(s), 0);
    QVERIFY(!roomTable(QStringLiteral("302")));

    // A room removed at another workstation meanwhile: no log row, no message; the list is
    // brought up to date.
    addRoom(admin, QStringLiteral("303"), QStringLiteral("10"));
    s.fx.exec(QStringLiteral("DELETE FROM tbl_Rooms"));
    s.dialogs().clear();
    QVERIFY(selectRow(admin.listRoomView, QStringLiteral("303")));
    s.yes();
    admin.iRemoveRoom();
    QCOMPARE(s.dialogs().messages(), QStringList{QStringLiteral("Remove Selected Room! Are you Sure?")});
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_logTable WHERE LogText = 'Removed Room 303'")), 0);
    QVERIFY(columnOf(admin.listRoomView).isEmpty());
}

// A room made here is booked through the booking window; while the guest holds it, it stays;
// renamed in the editor it keeps its table, bookings and guest, and is booked again.
void TestAdminRooms::bookedRenamedAndBookedAgain()
{
    HOTEL_FETCH_ENGINE(engine);
    AdminSession s(engine);
    frmAdminArea &admin = s.window();
    addRoom(admin, QStringLiteral("101"), QStringLiteral("100"));
    addRoom(admin, QStringLiteral("102"), QStringLiteral("80"));
    bookThroughBookingWindow(s, {QStringLiteral("101"), QStringLiteral("102")}, QStringLiteral("Ann"));
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM [room_101]")), 1);

    s.dialogs().clear();
    QVERIFY(selectRow(admin.listRoomView, QStringLiteral("101")));
    s.yes();
    admin.iRemoveRoom();
    QCOMPARE(s.dialogs().last().text,
             QStringLiteral("Room 101 is booked by a current customer and cannot be removed."));
    QCOMPARE(roomRows(s), 2);
    QVERIFY(roomTable(QStringLiteral("101")));

    QVERIFY(selectRow(admin.listRoomView, QStringLiteral("101")));
    editSelectedRoom(s, [&](frmRoomAdminFloat &editor) {
        QCOMPARE(editor.txtRoomIDedit->text(), QStringLiteral("101"));
        QCOMPARE(editor.txtPriceEdit->text(), QStringLiteral("$100.00"));
        editor.txtRoomIDedit->setText(QStringLiteral("201"));
        editor.txtRoomDescEdit->setText(QStringLiteral("Ann's corner"));
        editor.txtPriceEdit->setText(QStringLiteral("$120.25"));
        s.yes();
        editor.cmdEditIt_Click();
    });
    const auto room = s.fx.query(QStringLiteral("SELECT * FROM tbl_Rooms WHERE RoomNameID = '201'"));
    QCOMPARE(room.size(), 1);
    QCOMPARE(vb::CStr(room[0]["description"]), QStringLiteral("Ann!*!s corner"));
    QCOMPARE(vb::CDbl(room[0]["roomprice"]), 120.25);
    QVERIFY(!roomTable(QStringLiteral("101")));
    QCOMPARE(vb::CLng(s.fx.scalar(QStringLiteral("SELECT RoomNameID FROM [room_201]"))), 201);
    QCOMPARE(vb::CStr(s.fx.scalar(QStringLiteral("SELECT cRoomNameID FROM tbl_customers"))),
             QStringLiteral("201,102"));
    QCOMPARE(columnOf(admin.listRoomView), (QStringList{QStringLiteral("201"), QStringLiteral("102")}));

    bookThroughBookingWindow(s, {QStringLiteral("201")}, QStringLiteral("Bob"));
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM [room_201]")), 2);

    // The old number is free again, with a table of its own.
    s.dialogs().clear();
    addRoom(admin, QStringLiteral("101"), QStringLiteral("90"));
    QCOMPARE(s.dialogs().messages(), QStringList{QStringLiteral("Room 101 Added on the Room List!")});
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM [room_101]")), 0);
}

// A room added without a description is offered by the booking window and the schedule and
// booked like any other.
void TestAdminRooms::roomWithoutDescriptionIsBooked()
{
    HOTEL_FETCH_ENGINE(engine);
    AdminSession s(engine);
    frmAdminArea &admin = s.window();
    addRoom(admin, QStringLiteral("300"), QStringLiteral("100"), QStringLiteral("Description"));
    addRoom(admin, QStringLiteral("301"), QStringLiteral("90"), QString());
    QCOMPARE(s.dialogs().messages(), (QStringList{QStringLiteral("Room 300 Added on the Room List!"),
                                                  QStringLiteral("Room 301 Added on the Room List!")}));
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_Rooms WHERE Description = ''")), 2);

    bookThroughBookingWindow(s, {QStringLiteral("300"), QStringLiteral("301")}, QStringLiteral("Ann"));
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM [room_300]")), 1);
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM [room_301]")), 1);

    auto &schedule = ui::Forms::Get<frontdesk::frmRoomList>();
    schedule.Show(ui::vbModeless);
    QCOMPARE(schedule.ComboRooms->count(), 2);
    QCOMPARE(schedule.ComboRooms->itemText(0), QStringLiteral("300"));
    QCOMPARE(schedule.listRoomView->count(), 1);
    ui::Forms::Unload<frontdesk::frmRoomList>();
}

void TestAdminRooms::numbersAndTariffsWithinWhatTheyFeed_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("room");
    QTest::addColumn<QString>("tariff");
    QTest::addColumn<QString>("hintTitle");   // empty: the room is added
    QTest::addColumn<QString>("hintText");
    const QString numeric = QStringLiteral("Please Enter Tariff as Numeric Characters!");
    const QString range = QStringLiteral("Please Enter Tariff from 0 to 1000000!");
    for (const char *engine : {"access", "mariadb"}) {
        auto row = [&](const char *name) -> QTestData & {
            return QTest::addRow("%s: %s", engine, name) << QString::fromLatin1(engine);
        };
        row("the largest number the booking tables hold") << "2147483647" << "100" << "" << "";
        row("a number beyond it") << "2147483648" << "100" << "Invalid Room ID"
                                  << "Please Enter Room ID up to 2147483647!";
        row("letters in the number") << "10A" << "100" << "Invalid Room ID"
                                     << "Please Enter Room ID as Numeric Characters!";
        row("a free room") << "102" << "0" << "" << "";
        row("the highest tariff") << "103" << "1,000,000" << "" << "";
        row("a negative tariff") << "104" << "-100" << "Invalid Tariff" << range;
        row("a tariff shown negative") << "104" << "($100.00)" << "Invalid Tariff" << range;
        row("a tariff no stay can carry") << "104" << "922337203685477" << "Invalid Tariff" << range;
        row("a group separator out of place") << "104" << "12,5" << "Invalid Tariff" << numeric;
    }
}

// What the rooms tab takes fits where it goes: the number into the INT column of every
// booking, the tariff into a stay's amounts; anything else is told in a hint and not stored.
void TestAdminRooms::numbersAndTariffsWithinWhatTheyFeed()
{
    HOTEL_FETCH_ENGINE(engine);
    QFETCH(QString, room);
    QFETCH(QString, tariff);
    QFETCH(QString, hintTitle);
    QFETCH(QString, hintText);
    AdminSession s(engine);
    addRoom(s.window(), room, tariff);
    if (!hintTitle.isEmpty()) {
        QCOMPARE(core::CBalloonToolTip::LastShown().title, hintTitle);
        QCOMPARE(core::CBalloonToolTip::LastShown().text, hintText);
        QVERIFY(s.dialogs().shown().isEmpty());
        QCOMPARE(roomRows(s), 0);
        return;
    }
    QCOMPARE(s.dialogs().messages(), QStringList{QStringLiteral("Room ") + room + QStringLiteral(" Added on the Room List!")});
    QCOMPARE(vb::CCur(s.fx.scalar(QStringLiteral("SELECT RoomPrice FROM tbl_Rooms"))), vb::CCur(vb::Variant(tariff)));
    bookThroughBookingWindow(s, {room}, QStringLiteral("Ann"));
    QCOMPARE(vb::CStr(s.fx.scalar(QStringLiteral("SELECT RoomNameID FROM [room_%1]").arg(room))), room);
}

// A stay from today to the last day the booking window offers, at the highest tariff, with a
// tax of 100 %: the booking window computes it without an overflow.
void TestAdminRooms::highestTariffForTheLongestStayHolds()
{
    AdminSession s;
    addRoom(s.window(), QStringLiteral("101"), QStringLiteral("1000000"));
    bookingtesting::addRoomTax(s.fx, QStringLiteral("Whole"), QStringLiteral("100"));
    frontdesk::frmBooking &booking = bookingtesting::openBooking(s.fx);
    booking.dtDepature->setDate(booking.dtDepature->maximumDate());
    const qint64 days = booking.dtArrival->date().daysTo(booking.dtDepature->date());
    QCOMPARE(booking.txtNumberDays->text(), QString::number(days));
    bookingtesting::bookRooms(booking, {QStringLiteral("101")});
    QVERIFY2(core::State().mLastError.isEmpty(), qPrintable(core::State().mLastError));
    const vb::Currency rate = vb::Currency(1000000) * vb::Currency(days);
    QCOMPARE(vb::CCur(vb::Variant(booking.txtRoomRate->text())), rate);
    QCOMPARE(vb::CCur(vb::Variant(booking.txtTax->text())), rate);
    ui::Forms::Unload<frontdesk::frmBooking>();
}

void TestAdminRooms::editorTellsOfTariffsOutOfBounds_data()
{
    QTest::addColumn<QString>("tariff");
    QTest::addColumn<QString>("told");
    QTest::newRow("negative") << "-100" << "Please Enter Tariff from 0 to 1000000!";
    QTest::newRow("too high") << "$2,000,000.00" << "Please Enter Tariff from 0 to 1000000!";
    QTest::newRow("group separator out of place") << "12,5" << "Please Enter Tariff as Numeric Characters!";
}

void TestAdminRooms::editorTellsOfTariffsOutOfBounds()
{
    QFETCH(QString, tariff);
    QFETCH(QString, told);
    AdminSession s;
    frmAdminArea &admin = s.window();
    addRoom(admin, QStringLiteral("101"), QStringLiteral("100"));
    s.dialogs().clear();
    QVERIFY(selectRow(admin.listRoomView, QStringLiteral("101")));
    editSelectedRoom(s, [&](frmRoomAdminFloat &editor) {
        editor.txtPriceEdit->setText(tariff);
        s.yes();
        editor.cmdEditIt_Click();
        QCOMPARE(s.dialogs().last().text, told);
        QVERIFY(editor.isVisible());
    });
    QCOMPARE(vb::CDbl(s.fx.scalar(QStringLiteral("SELECT RoomPrice FROM tbl_Rooms"))), 100.0);
}

void TestAdminRooms::editorKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("stored");
    QTest::newRow("Escape closes without saving") << int(Qt::Key_Escape) << 100.0;
    QTest::newRow("Enter updates") << int(Qt::Key_Return) << 85.0;
    QTest::newRow("keypad Enter updates") << int(Qt::Key_Enter) << 85.0;
}

// The room editor answers the keys of a dialog box: Enter runs "&Update", Escape cancels.
void TestAdminRooms::editorKeys()
{
    QFETCH(int, key);
    QFETCH(double, stored);
    AdminSession s;
    addRoom(s.window(), QStringLiteral("101"), QStringLiteral("100"));
    s.dialogs().clear();
    QVERIFY(selectRow(s.window().listRoomView, QStringLiteral("101")));
    bool closed = false;
    editSelectedRoom(s, [&](frmRoomAdminFloat &editor) {
        editor.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        editor.txtPriceEdit->setFocus();
        editor.txtPriceEdit->setText(QStringLiteral("85"));
        if (key != Qt::Key_Escape)
            s.yes();
        QTest::keyClick(editor.txtPriceEdit, Qt::Key(key));
        closed = !editor.isVisible();
    });
    QVERIFY(closed);
    QCOMPARE(s.dialogs().messages(), key == Qt::Key_Escape ? QStringList() : QStringList{"Update Selected Room?"});
    QCOMPARE(vb::CDbl(s.fx.scalar(QStringLiteral("SELECT RoomPrice FROM tbl_Rooms"))), stored);
}

void TestAdminRooms::editorChecksBeforeWritingAndEditsTheChosenRoom()
{
    AdminSession s;
    frmAdminArea &admin = s.window();
    addRoom(admin, QStringLiteral("101"), QStringLiteral("100"));
    addRoom(admin, QStringLiteral("102"), QStringLiteral("80"));
    const auto unchanged = [&] {
        return s.count(QStringLiteral("SELECT count(*) FROM tbl_Rooms WHERE (RoomNameID = '101' AND RoomPrice = 100) "
                                      "OR (RoomNameID = '102' AND RoomPrice = 80)")) == 2;
    };
    s.dialogs().clear();

    QVERIFY(selectRow(admin.listRoomView, QStringLiteral("101")));
    editSelectedRoom(s, [&](frmRoomAdminFloat &editor) {
        editor.txtRoomIDedit->setText(QStringLiteral("909"));
        editor.txtPriceEdit->setText(QStringLiteral("ten"));
        s.yes();
        editor.cmdEditIt_Click();
        QVERIFY(s.dialogs().last().text.startsWith(QStringLiteral("flot_0002\r\nError : 13\r\n")));
        QCOMPARE(s.dialogs().last().icon(), ui::vbCritical);
    });
    QVERIFY(unchanged());

    QVERIFY(selectRow(admin.listRoomView, QStringLiteral("101")));
    editSelectedRoom(s, [&](frmRoomAdminFloat &editor) {
        editor.txtRoomIDedit->setText(QStringLiteral("102"));
        s.yes();
        editor.cmdEditIt_Click();
        QCOMPARE(s.dialogs().last().text, QStringLiteral("Room 102 Already Exist! Please change Room ID."));
        QVERIFY(editor.isVisible());
        editor.txtRoomIDedit->setText(QStringLiteral("0102"));
        s.yes();
        editor.cmdEditIt_Click();
        QCOMPARE(s.dialogs().last().text, QStringLiteral("Room 0102 Already Exist! Please change Room ID."));
        editor.txtRoomIDedit->setText(QStringLiteral("A1"));
        s.yes();
        editor.cmdEditIt_Click();
        QCOMPARE(s.dialogs().last().text, QStringLiteral("Please Enter Room ID as Numeric Characters!"));
        s.dialogs().reply(ui::Reply::button(ui::vbNo));
        editor.cmdEditIt_Click();
        QVERIFY(!editor.isVisible());
    });
    QVERIFY(unchanged());

    // The second room chosen after the first was edited: the save changes the second one.
    QVERIFY(selectRow(admin.listRoomView, QStringLiteral("102")));
    editSelectedRoom(s, [&](frmRoomAdminFloat &editor) {
        QCOMPARE(editor.txtRoomIDedit->text(), QStringLiteral("102"));
        editor.txtPriceEdit->setText(QStringLiteral("85"));
        s.yes();
        editor.cmdEditIt_Click();
    });
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_Rooms WHERE RoomNameID = '101' AND RoomPrice = 100")),
             1);
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_Rooms WHERE RoomNameID = '102' AND RoomPrice = 85")),
             1);

    // The room removed while its editor is open: the bookings' table stays as it was.
    QVERIFY(selectRow(admin.listRoomView, QStringLiteral("102")));
    editSelectedRoom(s, [&](frmRoomAdminFloat &editor) {
        s.fx.exec(QStringLiteral("DELETE FROM tbl_Rooms WHERE RoomNameID = '102'"));
        editor.txtRoomIDedit->setText(QStringLiteral("808"));
        s.yes();
        editor.cmdEditIt_Click();
    });
    QVERIFY(roomTable(QStringLiteral("102")));
    QVERIFY(!roomTable(QStringLiteral("808")));
    QCOMPARE(roomRows(s), 1);
}

void TestAdminRooms::keysFilteredAndPlaceholdersCleared()
{
    AdminSession s;
    frmAdminArea &admin = s.window();
    QCOMPARE(admin.txtRoomID->text(), QStringLiteral("Room ID"));
    QTest::mouseClick(admin.txtRoomID, Qt::LeftButton);
    QVERIFY(admin.txtRoomID->text().isEmpty());
    QTest::mouseClick(admin.txtRoomDesc, Qt::LeftButton);
    QVERIFY(admin.txtRoomDesc->text().isEmpty());

    admin.txtRoomID->setFocus();
    QTest::keyClicks(admin.txtRoomID, QStringLiteral("1'0;?"));
    QCOMPARE(admin.txtRoomID->text(), QStringLiteral("10?"));   // the last key stays until the next
    QTest::keyClick(admin.txtRoomID, Qt::Key_1);
    QCOMPARE(admin.txtRoomID->text(), QStringLiteral("101"));

    QCOMPARE(columnOf(admin.listRoomView).size(), 0);
    QCOMPARE(admin.listRoomView->columnHeaderCount(), 5);
    QCOMPARE(admin.listRoomView->columnCaption(2), QStringLiteral("Descripton"));
    QCOMPARE(admin.listRoomView->columnWidthTwips(5), 0);
    QCOMPARE(admin.comboRoomType->currentText(), QStringLiteral("Twin Bed"));
    QCOMPARE(admin.SSTab1->count(), 5);
    QCOMPARE(admin.SSTab1->tabText(1), QStringLiteral("Food && Beverage"));
    QStringList items;
    for (const auto &item : admin.AGPopUp1->items())
        items << item.name;
    QCOMPARE(items, (QStringList{"mnuRemoveRoom", "mnuEditSelected", "mnuSeparator", "mnuExportToExcel"}));
}

void TestAdminRooms::exportReadByRealReaders()
{
    AdminSession s;
    frmAdminArea &admin = s.window();
    addRoom(admin, QStringLiteral("101"), QStringLiteral("100"), QStringLiteral("Müller's € suite"));
    addRoom(admin, QStringLiteral("102"), QStringLiteral("80.5"), QString());
    const QString folder = testsupport::scratchFolder() + QStringLiteral("/export");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);

    // Cancelling writes nothing.
    s.dialogs().reply(ui::Reply::menuItem(QStringLiteral("mnuExportToExcel")));
    admin.listRoomView_MouseDown(2);
    QCOMPARE(s.dialogs().last().kind, ui::DialogKind::SaveFile);
    QCOMPARE(s.dialogs().last().file.title, QStringLiteral("Export to"));
    QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty());

    s.dialogs().reply(ui::Reply::menuItem(QStringLiteral("mnuExportToExcel")));
    s.dialogs().reply(ui::Reply::file(folder + QStringLiteral("/rooms")));
    admin.listRoomView_MouseDown(2);
    const QString path = folder + QStringLiteral("/rooms.xls");
    QVERIFY(QFile::exists(path));
    QVERIFY(!admin.ProgressBar1->isVisible());

    const QList<QStringList> expected{{"Room ID", "Descripton", "Room Type", "Tariff"},
                                      {"101", "Müller's € suite", "Twin Bed", "$100.00"},
                                      {"102", "", "Twin Bed", "$80.50"}};
    const testsupport::XlsBook xlrd = testsupport::ReadXlsWithXlrd(path);
    QVERIFY2(xlrd.ok, qPrintable(xlrd.error));
    QCOMPARE(testsupport::PaddedRows(xlrd.sheets.value(0).rows, 4), expected);
    const testsupport::XlsBook office = testsupport::ReadXlsWithLibreOffice(path, folder + QStringLiteral("/office"));
    QVERIFY2(office.ok, qPrintable(office.error));
    QCOMPARE(testsupport::PaddedRows(office.sheets.value(0).rows, 4), expected);
}

// MariaDB, the answer to a room change's commit lost: the change is looked up (the new room by
// its number, the edited row by its values, the removed row by its key) and found, so it counts
// as done: the tables made or dropped around it are as after any success, and no error shows.
void TestAdminRooms::changeWhoseCommitAnswerIsLostIsFoundStored_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("rooms");    // the room rows afterwards
    QTest::addColumn<QStringList>("tables");   // the booking tables afterwards
    QTest::newRow("add") << "add" << QStringList{"101", "102"} << QStringList{"101", "102"};
    QTest::newRow("renumber") << "renumber" << QStringList{"201"} << QStringList{"201"};
    QTest::newRow("remove") << "remove" << QStringList() << QStringList();
}

void TestAdminRooms::changeWhoseCommitAnswerIsLostIsFoundStored()
{
    HOTEL_NEED_MARIADB();
    QFETCH(QString, change);
    QFETCH(QStringList, rooms);
    QFETCH(QStringList, tables);
    AdminSession s(QStringLiteral("mariadb"));
    frmAdminArea &admin = s.window();
    addRoom(admin, QStringLiteral("101"), QStringLiteral("100"));
    testsupport::MariaDbCutProxy proxy;
    s.fx.openThroughHost(proxy.hostText());
    proxy.cutAt(QStringLiteral("COMMIT"), testsupport::MariaDbCutProxy::Cut::AnswerLost);
    s.dialogs().clear();
    core::State().mLastError.clear();
    QVERIFY(selectRow(admin.listRoomView, QStringLiteral("101")));
    if (change == QLatin1String("add")) {
        addRoom(admin, QStringLiteral("102"), QStringLiteral("80"));
    } else if (change == QLatin1String("renumber")) {
        editSelectedRoom(s, [&](frmRoomAdminFloat &editor) {
            editor.txtRoomIDedit->setText(QStringLiteral("201"));
            editor.txtPriceEdit->setText(QStringLiteral("120"));
            s.yes();
            editor.cmdEditIt_Click();
        });
    } else {
        s.yes();
        admin.iRemoveRoom();
    }

    QCOMPARE(proxy.cutsMade(), 1);
    QCOMPARE(core::State().mLastError, QString());
    QVERIFY2(!s.dialogs().messages().join(QLatin1Char('|')).contains(QStringLiteral("Error Code")),
             qPrintable(s.dialogs().messages().join(QLatin1Char('|'))));
    QStringList stored;
    for (const auto &row : s.fx.query(QStringLiteral("SELECT RoomNameID FROM tbl_Rooms ORDER BY RoomNameID")))
        stored << vb::CStr(row["roomnameid"]);
    QCOMPARE(stored, rooms);
    for (const QString room : {"101", "102", "201"})
        QCOMPARE(roomTable(room), tables.contains(room));
}

QTEST_MAIN(TestAdminRooms)
#include "tst_adminrooms.moc"
