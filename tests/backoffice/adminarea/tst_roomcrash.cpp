// A workstation that dies in the middle of adding, renumbering or removing a room, on both
// engines: this test program is started again in the role of the program, doing the change
// in the administration area, and is killed (SIGKILL) just before one of the change's
// statements. Afterwards every room number can be used again: a room that was not stored can
// be added anew, a room that was stored keeps its bookings, and the database settings window
// never opens.
#include "admintesting.h"

#include "backoffice/adminarea/frmroomadminfloat.h"
#include "core/db/dbworks.h"
#include "core/db/tableexists.h"
#include "frontdesk/booking/bookingtesting.h"
#include "support/scratch_database.h"
#include "support/settingswindowprobe.h"
#include "support/statementhook.h"
#include "ui/scripteddialogs.h"
#include "vb/app.h"
#include "vb/locale.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <csignal>
#include <unistd.h>

using backoffice::frmAdminArea;
using backoffice::frmRoomAdminFloat;
using namespace admintesting;

namespace {

const char *const ChangeRole = "--change-room";

// The program's part: logs in on the program folder's database, makes the change and dies
// just before the statement that holds `killAt`. Exit code 3 when it never got there.
int changeRoom(const QString &folder, const QString &action, const QString &killAt)
{
    vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    vb::SetAppPath(folder);
    testsupport::RegisterSettingsComponent();
    ui::ScriptedDialogs dialogs;
    core::OpenDatabase();
    core::State().mLoggedIn = true;
    core::State().mUserName = QStringLiteral("admin");
    frmAdminArea &admin = ui::Forms::Get<frmAdminArea>();
    admin.Show(ui::vbModeless);
    testsupport::StatementHook hook(killAt, [] { ::raise(SIGKILL); });

    if (action == QLatin1String("add")) {
        admin.txtRoomID->setText(QStringLiteral("301"));
        admin.txtRoomPrice->setText(QStringLiteral("10"));
        admin.cmdAddRoom_Click();
    } else if (action == QLatin1String("renumber") && selectRow(admin.listRoomView, QStringLiteral("101"))) {
        workInEditor<frmRoomAdminFloat>(dialogs, QStringLiteral("mnuEditSelected"),
                                        [&] { admin.listRoomView_MouseDown(2); },
                                        [&](frmRoomAdminFloat &editor) {
                                            editor.txtRoomIDedit->setText(QStringLiteral("202"));
                                            dialogs.reply(ui::Reply::button(ui::vbYes));
                                            editor.cmdEditIt_Click();
                                        });
    } else if (action == QLatin1String("remove") && selectRow(admin.listRoomView, QStringLiteral("101"))) {
        dialogs.reply(ui::Reply::button(ui::vbYes));
        admin.iRemoveRoom();
    }
    ::_exit(3);
}

} // namespace

class TestRoomCrash : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void killedMidChangeLeavesEveryNumberUsable_data();
    void killedMidChangeLeavesEveryNumberUsable();
};

void TestRoomCrash::killedMidChangeLeavesEveryNumberUsable_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("killAt");
    // Whether the change was stored when the kill came (MariaDB drops tables after the commit).
    QTest::addColumn<bool>("stored");
    for (const char *engine : {"access", "mariadb"}) {
        const bool server = qstrcmp(engine, "mariadb") == 0;
        auto row = [&](const char *action, const char *killAt, bool stored) {
            QTest::addRow("%s: %s, before %s", engine, action, killAt)
                << QString::fromLatin1(engine) << QString::fromLatin1(action) << QString::fromLatin1(killAt) << stored;
        };
        row("add", "INSERT INTO tbl_Rooms", false);
        row("add", "INSERT INTO tbl_logTable", false);
        row("renumber", "UPDATE tbl_Rooms SET RoomNameID", false);
        row("renumber", "INSERT INTO [room_202]", false);
        row("renumber", "UPDATE tbl_customers", false);
        row("renumber", "DROP TABLE [room_101]", server);
        row("remove", "INSERT INTO tbl_logTable", false);
        row("remove", "DROP TABLE [room_101]", server);
    }
}

void TestRoomCrash::killedMidChangeLeavesEveryNumberUsable()
{
    HOTEL_FETCH_ENGINE(engine);
    QFETCH(QString, action);
    QFETCH(QString, killAt);
    QFETCH(bool, stored);
    AdminSession s(engine);
    testsupport::SettingsWindowProbe settings;
    frmAdminArea &admin = s.window();
    auto add = [&](const QString &room) {
        admin.txtRoomID->setText(room);
        admin.txtRoomDesc->setText(QStringLiteral("Sea view"));
        admin.txtRoomPrice->setText(QStringLiteral("10"));
        admin.cmdAddRoom_Click();
    };
    const auto bookings = [&](const QString &room) {
        return s.count(QStringLiteral("SELECT count(*) FROM [room_%1] WHERE RoomNameID = %1").arg(room));
    };

    // Room 101 with a booking: a current guest's (renumbering) or a former guest's (removal).
    add(QStringLiteral("101"));
    if (action == QLatin1String("renumber")) {
        frontdesk::frmBooking &booking = bookingtesting::openBooking(s.fx);
        bookingtesting::fillGuest(booking, QStringLiteral("Ann"), QStringLiteral("Lee"));
        bookingtesting::bookRooms(booking, {QStringLiteral("101")});
        booking.Command5_Click();
        ui::Forms::Unload<frontdesk::frmBooking>();
        processDeletes();
    } else {
        s.fx.exec(QStringLiteral("INSERT INTO [room_101] (RoomNameID, cUniqueID) VALUES (101, 'FORMER')"));
    }
    s.dialogs().clear();

    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QCoreApplication::applicationFilePath(),
                  {QString::fromLatin1(ChangeRole), s.fx.programFolder(), action, killAt});
    QVERIFY(program.waitForFinished(120000));
    QCOMPARE(program.exitStatus(), QProcess::CrashExit);   // killed where it was meant to be

    const QString stayed = stored ? QStringLiteral("202") : QStringLiteral("101");
    QStringList mustAdd;
    if (action == QLatin1String("add")) {
        QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_Rooms WHERE RoomNameID = '301'")), 0);
        mustAdd << QStringLiteral("301");
    } else if (action == QLatin1String("renumber")) {
        QCOMPARE(vb::CStr(s.fx.scalar(QStringLiteral("SELECT RoomNameID FROM tbl_Rooms"))), stayed);
        QCOMPARE(bookings(stayed), 1);
        QCOMPARE(vb::CStr(s.fx.scalar(QStringLiteral("SELECT cRoomNameID FROM tbl_customers"))), stayed);
        mustAdd << (stored ? QStringLiteral("101") : QStringLiteral("202"));
    } else if (stored) {
        QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_Rooms")), 0);
        mustAdd << QStringLiteral("101");
    } else {
        QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_Rooms")), 1);
        QCOMPARE(bookings(QStringLiteral("101")), 1);
    }
    for (const QString &room : mustAdd) {
        s.dialogs().clear();
        add(room);
        QCOMPARE(s.dialogs().messages(), QStringList{QStringLiteral("Room ") + room + " Added on the Room List!"});
        QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM [room_%1]").arg(room)), 0);
    }
    QCOMPARE(settings.opened, 0);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], ChangeRole) == 0)
        return changeRoom(QString::fromLocal8Bit(argv[2]), QString::fromLatin1(argv[3]), QString::fromLatin1(argv[4]));
    TestRoomCrash test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_roomcrash.moc"
