// The room booking schedule over a real database on both engines: the rooms offered, the
// bookings of the chosen room with the guests' names in each order, earliest check-out
// first, and the export.
#include "../guests/liststesting.h"

#include "frontdesk/schedule/frmroomlist.h"
#include "support/xlsreaders.h"
#include "vb/conversions.h"

#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using frontdesk::frmRoomList;
using namespace liststesting;

class TestRoomList : public QObject {
    Q_OBJECT
private slots:
    void bookingsOfTheChosenRoom_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void bookingsOfTheChosenRoom();
    void noRoomsNoRows();
    void exportOfTheSchedule();
};

namespace {
frmRoomList &openRoomList()
{
    auto &frm = ui::Forms::Get<frmRoomList>();
    frm.Show(ui::vbModeless);
    return frm;
}

QString dateText(const QDate &date) { return vb::CStr(vb::Variant(vb::Date::fromQDate(date))); }
} // namespace

void TestRoomList::bookingsOfTheChosenRoom()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    bookingtesting::addRoom(fx, "101", "100");
    bookingtesting::addRoom(fx, "102", "80");
    bookingtesting::addRoom(fx, "103", "80", QString());   // no description: offered all the same
    bookGuests(fx, {{.title = "Dr.", .first = "Ann", .last = "Lee", .rooms = {"101"}, .days = 5},
                    {.title = "Mr.", .first = "Bo", .last = "Li", .rooms = {"101", "102"}, .days = 2}});
    frmRoomList &frm = openRoomList();
    QStringList offered;
    for (int i = 0; i < frm.ComboRooms->count(); ++i)
        offered << frm.ComboRooms->itemText(i);
    QCOMPARE(offered, QStringList({"101", "102", "103"}));
    QCOMPARE(frm.Frame1->title(), QStringLiteral("Booking Details for Room :101"));
    QCOMPARE(frm.listRoomView->columnCaption(1), QStringLiteral("Bookedy By"));
    // Two bookings, the earlier check-out first.
    QCOMPARE(columnOf(*frm.listRoomView, 0), QStringList({"Mr. Bo Li", "Dr. Ann Lee"}));
    const QDate today = QDate::currentDate();
    QCOMPARE(columnOf(*frm.listRoomView, 1), QStringList({dateText(today), dateText(today)}));
    QCOMPARE(columnOf(*frm.listRoomView, 2), QStringList({dateText(today.addDays(2)), dateText(today.addDays(5))}));

    frm.Option1[1]->click();
    QCOMPARE(columnOf(*frm.listRoomView, 0), QStringList({"Li Bo Mr.", "Lee Ann Dr."}));
    frm.Option1[2]->click();
    QCOMPARE(columnOf(*frm.listRoomView, 0), QStringList({"Bo Li Mr.", "Ann Lee Dr."}));

    frm.ComboRooms->setCurrentIndex(1);
    frm.ComboRooms_Click();
    QCOMPARE(frm.Frame1->title(), QStringLiteral("Booking Details for Room :102"));
    QCOMPARE(columnOf(*frm.listRoomView, 0), QStringList({"Bo Li Mr."}));
    QVERIFY(fx.dialogs().messages().isEmpty());
}

void TestRoomList::noRoomsNoRows()
{
    testsupport::CoreFixture fx;
    bookingtesting::logIn();
    frmRoomList &frm = openRoomList();
    QCOMPARE(frm.ComboRooms->count(), 0);
    QCOMPARE(frm.listRoomView->count(), 0);
    QCOMPARE(frm.Frame1->title(), QStringLiteral("Booking Details for Room :"));
    // A room without bookings: an empty list under its caption.
    bookingtesting::addRoom(fx, "201", "90");
    frm.GetRoomInCombo();
    QCOMPARE(frm.Frame1->title(), QStringLiteral("Booking Details for Room :201"));
    QCOMPARE(frm.listRoomView->count(), 0);
}

void TestRoomList::exportOfTheSchedule()
{
    testsupport::CoreFixture fx;
    bookingtesting::addRoom(fx, "101", "100");
    bookGuests(fx, {{.title = "Mr.", .first = "Bo", .last = "Li"}});
    frmRoomList &frm = openRoomList();
    QTemporaryDir dir;
    fx.dialogs().reply(ui::Reply::cancel());
    frm.Command1_Click();
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    QCOMPARE(fx.dialogs().last().file.fileName, QString());
    fx.dialogs().reply(ui::Reply::file(dir.filePath("schedule")));
    frm.Command1_Click();
    const testsupport::XlsBook book = testsupport::ReadXlsWithXlrd(dir.filePath("schedule.xls"));
    QVERIFY2(book.ok, qPrintable(book.error));
    QCOMPARE(book.sheets[0].rows,
             (QList<QStringList>{{"Bookedy By", "Check In", "Check Out"},
                                 {"Mr. Bo Li", frm.listRoomView->subItem(1, 1), frm.listRoomView->subItem(1, 2)}}));
}

QTEST_MAIN(TestRoomList)
#include "tst_frmroomlist.moc"
