// The texts of the administration area's statements and the one cleaning of typed texts.
#include "backoffice/adminarea/catalogstatements.h"
#include "backoffice/adminarea/roomstatements.h"
#include "backoffice/adminarea/settingsstatements.h"
#include "backoffice/adminarea/sqlliteral.h"
#include "backoffice/adminarea/userstatements.h"
#include "vb/locale.h"

#include <QtTest>

using namespace backoffice;

class TestAdminStatements : public QObject {
    Q_OBJECT

private slots:
    // Amounts keep "." as the decimal point whatever the locale.
    void initTestCase() { vb::SetCurrentLocale(QLocale(QLocale::German, QLocale::Germany)); }

    void roomNumbers_data();
    void roomNumbers();
    void sameRoomNumbers_data();
    void sameRoomNumbers();
    void typedTexts_data();
    void typedTexts();
    void statements_data();
    void statements();
    void roomLists_data();
    void roomLists();
};

void TestAdminStatements::roomNumbers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cleaned");
    QTest::addColumn<bool>("usable");
    QTest::newRow("plain") << "101" << "101" << true;
    QTest::newRow("blanks around") << " 101 " << "101" << true;
    QTest::newRow("quote after") << "101'" << "101" << true;
    QTest::newRow("filtered keys") << "1;0?1" << "101" << true;
    QTest::newRow("leading zero") << "007" << "007" << true;
    QTest::newRow("letters") << "A1" << "A1" << false;
    QTest::newRow("inner blank") << "101 B" << "101 B" << false;
    QTest::newRow("bracket") << "1]; DROP" << "1] DROP" << false;
    QTest::newRow("empty") << "  " << "" << false;
    QTest::newRow("largest the booking tables hold") << "2147483647" << "2147483647" << true;
    QTest::newRow("zeros before the largest") << "002147483647" << "002147483647" << true;
    QTest::newRow("beyond the booking tables") << "2147483648" << "2147483648" << false;
    QTest::newRow("far beyond") << "99999999999999999999" << "99999999999999999999" << false;
    QTest::newRow("sign") << "-5" << "-5" << false;
}

void TestAdminStatements::roomNumbers()
{
    QFETCH(QString, typed);
    QFETCH(QString, cleaned);
    QFETCH(bool, usable);
    QCOMPARE(CleanRoomNumber(typed), cleaned);
    QCOMPARE(IsUsableRoomNumber(cleaned), usable);
}

void TestAdminStatements::sameRoomNumbers_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("equal") << "101" << "101" << true;
    QTest::newRow("leading zeros") << "7" << "007" << true;
    QTest::newRow("zero and zeros") << "0" << "000" << true;
    QTest::newRow("blank around a stored number") << "101" << " 0101" << true;
    QTest::newRow("other number") << "101" << "1010" << false;
    QTest::newRow("stored text, same") << "A1" << "a1" << true;
    QTest::newRow("stored text, other") << "101" << "101A" << false;
}

void TestAdminStatements::sameRoomNumbers()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(SameRoomNumber(a, b), same);
    QCOMPARE(SameRoomNumber(b, a), same);
}

void TestAdminStatements::typedTexts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cleaned");
    QTest::newRow("blanks") << "  admin " << "admin";
    QTest::newRow("apostrophe") << "O'Neil" << "ONeil";
    QTest::newRow("only blanks") << "   " << "";
    QTest::newRow("inner blanks stay") << "front desk" << "front desk";
}

void TestAdminStatements::typedTexts()
{
    QFETCH(QString, typed);
    QFETCH(QString, cleaned);
    QCOMPARE(CleanTypedText(typed), cleaned);
}

void TestAdminStatements::statements_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    const vb::Currency price = vb::Currency::fromDouble(1050.5);
    const UserRights rights{1, 0, 1, 0, 1};

    QTest::newRow("room list") << RoomListSql() << "SELECT * FROM tbl_Rooms";
    QTest::newRow("room numbers") << RoomNumbersSql() << "SELECT RoomID, RoomNameID FROM tbl_Rooms";
    QTest::newRow("room table")
        << RoomTableCreateSql("101")
        << "CREATE TABLE [room_101] ( ID AUTOINCREMENT PRIMARY KEY, RoomNameID INT NOT NULL, cUniqueID VARCHAR(225) "
           "NOT NULL, CheckInDate DATETIME, CheckOutDate DATETIME, RoomBookedDate DATETIME, RoomNote MEMO NULL)";
    QTest::newRow("room insert keeps apostrophes as !*!")
        << RoomInsertSql("101", "Sea view, Ann's", "King's Bed", price)
        << "INSERT INTO tbl_Rooms(roomNameID,Description,RoomType,RoomPrice ) values('101','Sea view, Ann!*!s',"
           "'King!*!s Bed','1050.5')";
    QTest::newRow("room added log") << RoomAddedLogSql("101", "O'Neil")
                                    << "INSERT INTO tbl_logTable (LogText,LoggedUser, LogKey) values('Added Room "
                                       "-101','O''Neil','RoomAddedRemove')";
    QTest::newRow("room delete") << RoomDeleteSql(7) << "DELETE from tbl_Rooms WHERE RoomID = 7";
    QTest::newRow("room removed log") << RoomRemovedLogSql("101", "admin")
                                      << "INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values('Removed Room "
                                         "101','admin','RoomAddedRemove')";
    QTest::newRow("room drop") << RoomTableDropSql("101") << "DROP TABLE [room_101]";
    QTest::newRow("room guests")
        << RoomCurrentGuestsSql("101")
        << "SELECT count(*) FROM [room_101] WHERE cUniqueID IN (SELECT cUniqueNo FROM tbl_customers)";
    QTest::newRow("room bookings") << RoomBookingsCountSql("101") << "SELECT count(*) FROM [room_101]";
    QTest::newRow("room bookings cleared") << RoomBookingsClearSql("101") << "DELETE FROM [room_101]";
    QTest::newRow("room by id") << RoomByIdSql(7) << "SELECT * FROM tbl_Rooms WHERE RoomID = 7";
    QTest::newRow("room number") << RoomNumberUpdateSql(7, "202")
                                 << "UPDATE tbl_Rooms SET RoomNameID = '202' WHERE RoomID =7";
    QTest::newRow("room description") << RoomDescriptionUpdateSql(7, "Ann's")
                                      << "UPDATE tbl_Rooms SET Description = 'Ann!*!s' WHERE RoomID =7";
    QTest::newRow("room price") << RoomPriceUpdateSql(7, price)
                                << "UPDATE tbl_Rooms SET RoomPrice = '1050.5' WHERE RoomID =7";
    QTest::newRow("bookings moved")
        << RoomBookingsMoveSql("101", "202")
        << "INSERT INTO [room_202] (RoomNameID, cUniqueID, CheckInDate, CheckOutDate, RoomBookedDate, RoomNote) "
           "SELECT 202, cUniqueID, CheckInDate, CheckOutDate, RoomBookedDate, RoomNote FROM [room_101]";
    QTest::newRow("guests naming a room")
        << GuestsNamingRoomSql("101") << "SELECT ID, cRoomNameID FROM tbl_customers WHERE cRoomNameID LIKE '%101%'";
    QTest::newRow("guest room list") << GuestRoomListUpdateSql(3, "202,102")
                                     << "UPDATE tbl_customers SET cRoomNameID = '202,102' WHERE ID = 3";

    QTest::newRow("user list") << UserListSql() << "SELECT * FROM tbl_users ORDER BY id ASC";
    QTest::newRow("user lookup") << UserLookupSql("ann") << "SELECT * FROM tbl_users WHERE cusername= 'ann'";
    QTest::newRow("user insert")
        << UserInsertSql("ann", "A1B2", rights)
        << "INSERT INTO tbl_users(cusername, cpassword, cmodifysettings ,croomlist, cmodifytax, "
           "ccustomerviewedit,canViewReport) VALUES('ann','A1B2',1,0,1,0,1)";
    QTest::newRow("user log") << UserCreatedLogSql("ann", "admin")
                              << "INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values('New Account Created "
                                 "with User Name : ann','admin','UserAddRemove')";
    QTest::newRow("user delete") << UserDeleteSql(4) << "DELETE FROM tbl_users WHERE ID = 4";
    QTest::newRow("settings holders") << OtherSettingsHoldersSql(4)
                                      << "SELECT ID FROM tbl_users WHERE cmodifysettings = 1 AND ID <> 4";
    QTest::newRow("user by id") << UserByIdSql(4) << "SELECT * FROM tbl_users WHERE ID = 4";
    QTest::newRow("user type") << UserTypeSql(4) << "SELECT cusertype FROM tbl_users WHERE ID = 4";
    QTest::newRow("rights update") << UserRightsUpdateSql(4, rights)
                                   << "UPDATE tbl_users SET cmodifysettings = 1, croomlist = 0, cmodifytax = 1, "
                                      "canViewReport = 1, ccustomerviewedit = 0 WHERE ID = 4";

    QTest::newRow("categories") << CategoryListSql() << "SELECT * FROM tbl_foodCat";
    QTest::newRow("category lookup") << CategoryLookupSql("Soup") << "SELECT * FROM tbl_foodCat WHERE catName= 'Soup'";
    QTest::newRow("category insert") << CategoryInsertSql("Soup") << "INSERT INTO tbl_foodCat(catName) VALUES('Soup')";
    QTest::newRow("category items delete") << CategoryItemsDeleteSql(2) << "DELETE FROM tbl_FoodItem WHERE ItemCat = 2";
    QTest::newRow("category delete by key") << CategoryDeleteSql(2) << "DELETE FROM tbl_foodCat WHERE ID = 2";
    QTest::newRow("items") << ItemListSql(2) << "SELECT * FROM tbl_FoodItem WHERE ItemCat = 2";
    QTest::newRow("item lookup") << ItemLookupSql("Tea", 2)
                                 << "SELECT ItemName FROM tbl_FoodItem WHERE ItemName='Tea' AND ItemCat = 2";
    QTest::newRow("item insert") << ItemInsertSql("Tea", vb::Currency::fromDouble(2.25), "hot", 2)
                                 << "INSERT INTO tbl_FoodItem(ItemName, ItemPrice, ItemNote, ItemCat) "
                                    "VALUES('Tea',2.25,'hot', 2)";
    QTest::newRow("item delete") << ItemDeleteSql(9) << "DELETE FROM tbl_FoodItem WHERE ID = 9";

    QTest::newRow("hotel info") << HotelInfoSql() << "SELECT * FROM tbl_HotelInfo WHERE id=1";
    QTest::newRow("hotel update drops apostrophes")
        << HotelInfoUpdateSql({"Ann's Inn", "555", "556", "1 Bay Rd", true})
        << "UPDATE tbl_HotelInfo SET HotelName='Anns Inn', HotelPhoneNo = '555', HotelFaxNo = '556', HotelAddress "
           "= '1 Bay Rd', AddOrderSign=1";
    QTest::newRow("history") << HistoryClearSql() << "DELETE FROM tbl_customers_history";
    QTest::newRow("db log yes") << DbSettingsLogSql(true, "admin")
                                << "INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values('Database Settings "
                                   "Modified (Use SQL : Yes)','admin','DBChanges')";
    QTest::newRow("db log no") << DbSettingsLogSql(false, "admin")
                               << "INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values('Database Settings "
                                  "Modified (Use SQL : No)','admin','DBChanges')";
}

void TestAdminStatements::statements()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestAdminStatements::roomLists_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("renamed");
    QTest::newRow("only entry") << "101" << "202";
    QTest::newRow("among others") << "1010,101,11" << "1010,202,11";
    QTest::newRow("absent") << "1010,1" << "1010,1";
}

void TestAdminStatements::roomLists()
{
    QFETCH(QString, list);
    QFETCH(QString, renamed);
    QCOMPARE(RenamedInRoomList(list, "101", "202"), renamed);
}

QTEST_GUILESS_MAIN(TestAdminStatements)
#include "tst_adminstatements.moc"
