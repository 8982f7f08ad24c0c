// The "Database Settings" and "Other Settings" tabs: settings saved here are read back from
// config.ini, deciphered, and open the database; the hotel information and order sign take
// effect at once; the guest history is cleared only when confirmed.
#include "admintesting.h"

#include "ado/connection.h"
#include "ado/recordset.h"
#include "core/db/dbworks.h"
#include "core/mainwindow/mainwindowtesting.h"
#include "support/scratch_database.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

using backoffice::frmAdminArea;
using namespace admintesting;

namespace {

QString iniValue(AdminSession &s, const char *key)
{
    const QString value = s.fx.readIni(QStringLiteral("settings"), QString::fromLatin1(key));
    return value.left(value.indexOf(QChar(0)));
}

int dbChangeRows(AdminSession &s, const QString &useSql)
{
    return s.count(QStringLiteral("SELECT count(*) FROM tbl_logTable WHERE LogText = 'Database Settings Modified (Use "
                                  "SQL : %1)' AND LogKey = 'DBChanges'")
                       .arg(useSql));
}

// The hotel name of the database the program has open.
QString openHotelName()
{
    const auto info = core::OpenRecordset(QStringLiteral("SELECT HotelName FROM tbl_HotelInfo WHERE ID = 1"));
    return info ? vb::CStr(info->Fields(0).Value()) : QString();
}

} // namespace

class TestAdminSettings : public QObject {
    Q_OBJECT

private slots:
    void accessSettingsSavedReadBackAndOpened();
    void mySqlSettingsSavedReadBackAndOpened();
    void hotelInformationAndOrderSignTakeEffectAtOnce_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void hotelInformationAndOrderSignTakeEffectAtOnce();
    void historyClearedWhenConfirmed_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void historyClearedWhenConfirmed();
};

void TestAdminSettings::accessSettingsSavedReadBackAndOpened()
{
    AdminSession s;
    frmAdminArea &admin = s.window();
    QVERIFY(!admin.UseMySQL->isChecked());
    QVERIFY(!admin.UseMySQL->isEnabled());
    QCOMPARE(admin.txtDBpath->text(), s.fx.databasePath());
    QCOMPARE(admin.txtDBpass->text(), QStringLiteral("640917"));
    QVERIFY(admin.txtDBpath->isEnabled());
    QVERIFY(!admin.txtSQLHost->isEnabled());

    const QString other = s.fx.programFolder() + QStringLiteral("/other.mdb");
    testsupport::makeScratchAccessDatabase(other, true, QStringLiteral("s3cret"));
    {
        ado::Connection own;
        own.Open(testsupport::accessConnectionText(other, QStringLiteral("s3cret")));
        own.Execute(QStringLiteral("UPDATE tbl_HotelInfo SET HotelName = 'Other Inn' WHERE ID = 1"));
    }
    s.fx.writeIni(QStringLiteral("settings"), QStringLiteral("useSQL"), QStringLiteral("0"));

    admin.txtDBpath->setText(other);
    admin.txtDBpass->setText(QStringLiteral("  s3cret "));
    s.dialogs().reply(ui::Reply::button(ui::vbNo));
    admin.Command3_Click();
    QCOMPARE(s.dialogs().last().text, QStringLiteral("Modify Database settings?"));
    QCOMPARE(s.dialogs().last().title, QStringLiteral("Remove Room"));
    QCOMPARE(iniValue(s, "db"), s.fx.databasePath());

    s.yes();
    admin.Command3_Click();
    QCOMPARE(s.dialogs().last().text,
             QStringLiteral("Database details modified!, The chages will take effect only after program re-start!"));
    QCOMPARE(iniValue(s, "db"), other);
    QCOMPARE(iniValue(s, "dbkey"), mainwindowtesting::Encipher(QStringLiteral("s3cret")));
    QCOMPARE(core::ReadDbKey(), QStringLiteral("s3cret"));
    QCOMPARE(iniValue(s, "useSQL"), QStringLiteral("0"));
    QCOMPARE(dbChangeRows(s, QStringLiteral("No")), 1);

    // The program goes on with the database it opened; the next opening takes the new one.
    QVERIFY(openHotelName() != QLatin1String("Other Inn"));
    core::OpenDatabase();
    QCOMPARE(openHotelName(), QStringLiteral("Other Inn"));

    // A password of one character counts as none.
    admin.txtDBpass->setText(QStringLiteral(" x "));
    s.yes();
    admin.Command3_Click();
    QCOMPARE(iniValue(s, "dbkey"), QString());
}

void TestAdminSettings::mySqlSettingsSavedReadBackAndOpened()
{
    HOTEL_NEED_MARIADB();
    AdminSession s(QStringLiteral("mariadb"));
    frmAdminArea &admin = s.window();
    QVERIFY(admin.UseMySQL->isChecked());
    QVERIFY(!admin.txtDBpath->isEnabled());
    QVERIFY(admin.txtSQLHost->isEnabled());
    QCOMPARE(admin.txtSQLHost->text(), qEnvironmentVariable("HOTEL_TEST_MYSQL_HOST"));
    QCOMPARE(admin.txtSQLUserName->text(), qEnvironmentVariable("HOTEL_TEST_MYSQL_USER"));
    QCOMPARE(admin.txtSQLPassWord->text(), qEnvironmentVariable("HOTEL_TEST_MYSQL_PASSWORD"));

    // Another database of the server, named in the box; the secrets typed with blanks around.
    testsupport::ScratchMariaDb other;
    {
        ado::Connection own;
        own.Open(other.connectionText());
        own.Execute(QStringLiteral("UPDATE tbl_HotelInfo SET HotelName = 'Other Inn' WHERE ID = 1"));
    }
    admin.txtSQLDBName->setText(other.databaseName());
    admin.txtSQLUserName->setText(QStringLiteral(" ") + admin.txtSQLUserName->text() + QStringLiteral(" "));
    s.yes();
    admin.Command3_Click();
    QCOMPARE(iniValue(s, "SQLDBname"), other.databaseName());
    QCOMPARE(iniValue(s, "SQLUserName"), mainwindowtesting::Encipher(qEnvironmentVariable("HOTEL_TEST_MYSQL_USER")));
    QCOMPARE(iniValue(s, "UseSQL"), QStringLiteral("1"));
    QCOMPARE(dbChangeRows(s, QStringLiteral("Yes")), 1);

    core::ReadDbSettings();
    QCOMPARE(core::State().mSQLUserName, qEnvironmentVariable("HOTEL_TEST_MYSQL_USER"));
    QCOMPARE(core::State().mSQLPassWord, qEnvironmentVariable("HOTEL_TEST_MYSQL_PASSWORD"));
    core::OpenDatabase();
    QCOMPARE(openHotelName(), QStringLiteral("Other Inn"));
}

void TestAdminSettings::hotelInformationAndOrderSignTakeEffectAtOnce()
{
    HOTEL_FETCH_ENGINE(engine);
    AdminSession s(engine);
    s.fx.exec(QStringLiteral("UPDATE tbl_HotelInfo SET HotelName = 'Sea Inn', HotelPhoneNo = '555', AddOrderSign = 0"));
    frmAdminArea &admin = s.window();
    admin.LoadHotelInfo();
    QCOMPARE(admin.txtHotelName->text(), QStringLiteral("Sea Inn"));
    QCOMPARE(admin.txtHotelPhone->text(), QStringLiteral("555"));
    QVERIFY(!admin.AddOrderSign->isChecked());

    admin.txtHotelName->setText(QStringLiteral("Ann's Inn"));
    admin.txtHotelAddress->setText(QStringLiteral("1 Bay Rd"));
    admin.AddOrderSign->setChecked(true);
    s.dialogs().reply(ui::Reply::button(ui::vbNo));
    admin.Command9_Click();
    QCOMPARE(s.dialogs().last().text, QStringLiteral("Do you want to save the changes?"));
    QCOMPARE(vb::CStr(s.fx.scalar(QStringLiteral("SELECT HotelName FROM tbl_HotelInfo"))), QStringLiteral("Sea Inn"));

    s.yes();
    admin.Command9_Click();
    QCOMPARE(s.dialogs().last().text, QStringLiteral("Hotel Info Successfully Saved!"));
    const auto row = s.fx.query(QStringLiteral("SELECT * FROM tbl_HotelInfo"));
    QCOMPARE(vb::CStr(row[0]["hotelname"]), QStringLiteral("Anns Inn"));
    QCOMPARE(vb::CStr(row[0]["hoteladdress"]), QStringLiteral("1 Bay Rd"));
    QCOMPARE(vb::CLng(row[0]["addordersign"]), 1);
    QCOMPARE(core::State().mOrderSign, QStringLiteral("#"));
    QCOMPARE(core::State().mHotelName, QStringLiteral("Anns Inn"));

    admin.AddOrderSign->setChecked(false);
    s.yes();
    admin.Command9_Click();
    QCOMPARE(core::State().mOrderSign, QString());

    // Without its row nothing is saved, and no success is reported.
    s.fx.exec(QStringLiteral("DELETE FROM tbl_HotelInfo"));
    s.dialogs().clear();
    s.yes();
    admin.Command9_Click();
    QCOMPARE(s.dialogs().messages(), QStringList{QStringLiteral("Do you want to save the changes?")});
}

void TestAdminSettings::historyClearedWhenConfirmed()
{
    HOTEL_FETCH_ENGINE(engine);
    AdminSession s(engine);
    for (int guest = 1; guest <= 2; ++guest)
        s.fx.exec(QStringLiteral("INSERT INTO tbl_customers_history (ID, cFirstName, cUniqueNo) VALUES (%1, 'Ann', 'X')")
                      .arg(guest));
    frmAdminArea &admin = s.window();
    s.dialogs().reply(ui::Reply::button(ui::vbNo));
    admin.Command8_Click();
    QCOMPARE(s.dialogs().last().text,
             QStringLiteral("Do you really want to clear all Customer History? Action can not be undone!"));
    QCOMPARE(s.dialogs().last().title, QStringLiteral("Brevant"));
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_customers_history")), 2);

    s.yes();
    admin.Command8_Click();
    QCOMPARE(s.dialogs().last().text, QStringLiteral("Cleared All Customer History"));
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_customers_history")), 0);
    QCOMPARE(s.count(QStringLiteral("SELECT count(*) FROM tbl_logTable")), 0);
}

QTEST_MAIN(TestAdminSettings)
#include "tst_adminsettings.moc"
