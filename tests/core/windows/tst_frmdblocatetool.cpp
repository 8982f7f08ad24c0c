// The database settings window: opened by the statement layer after a failure, it shows the
// error and the statement, reads config.ini into its boxes, checks and writes the settings
// for either engine and opens the connection again.
#include "ado/connection.h"
#include "ado/recordset.h"
#include "core/crypto/ccrypto.h"
#include "core/crypto/programkey.h"
#include "core/db/configini.h"
#include "core/db/dbworks.h"
#include "core/state/appstate.h"
#include "core/state/errorreport.h"
#include "core/ui/cballoontooltip.h"
#include "core/windows/frmdblocatetool.h"
#include "support/corefixture.h"
#include "support/expect_error.h"
#include "support/filebytes.h"
#include "support/scratch_database.h"
#include "ui/forms.h"
#include "ui/vbcolor.h"
#include "vb/error.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>

using core::frmDBLocateTool;
using core::State;
using testsupport::CoreFixture;

namespace {

const QString kHotelInfoQuery = QStringLiteral("SELECT * FROM tbl_HotelInfo WHERE ID=1");
const QString kFirstLabel1 = QStringLiteral("Brevant Could not find the Database! Please locate it! ");

QString encipher(const QString &text)
{
    core::CCrypto crypto;
    return crypto.Encrypt(text, core::ProgramKey(), true, core::CCrypto::RC2);
}

QString decipher(const QString &text)
{
    core::CCrypto crypto;
    return crypto.Decrypt(text, core::ProgramKey(), true, core::CCrypto::RC2);
}

// A value of config.ini's "settings" as the program reads it.
QString storedSetting(const QString &key)
{
    return core::ReadIniValue(*core::NewConfigIni(QStringLiteral("settings")), key);
}

QString configText(const CoreFixture &fx)
{
    return QString::fromLatin1(testsupport::ReadBytes(fx.programFolder() + QStringLiteral("/config.ini")));
}

// The program's start with settings that do not lead to a database.
bool openDatabaseFails() { return testsupport::RaisesError(core::OpenDatabase); }

bool connectionOpen() { return State().mConn && State().mConn->State() == ado::adStateOpen; }

// Whether a box is in use: enabled with a white background, or disabled and grey.
bool inUse(const QLineEdit *box)
{
    return box->isEnabled() && box->palette().color(QPalette::Base) == QColor(Qt::white);
}
bool greyedOut(const QLineEdit *box)
{
    return !box->isEnabled() && box->palette().color(QPalette::Base) == ui::ColorFromVb(ui::vbButtonFace);
}

struct Report {
    QString text;
    core::ReportMode mode;
};

// Runs the statement, which fails and opens the settings window modally; `inside` acts in the
// window while it is up. Returns whether the window came up; closes it if `inside` did not.
bool whileSettingsWindowOpen(const QString &sql, const std::function<void(frmDBLocateTool &)> &inside)
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        frmDBLocateTool *frm = ui::Forms::Find<frmDBLocateTool>();
        opened = frm && frm->isVisible() && frm->isModal();
        if (opened)
            inside(*frm);
        if (frmDBLocateTool *still = ui::Forms::Find<frmDBLocateTool>())
            still->Unload();
    });
    core::OpenRecordset(sql);
    return opened;
}

} // namespace

class TestFrmDBLocateTool : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void missingUseSqlShowsErrorAndStatement();
    void movedDatabaseFoundWithBrowseReconnects();
    void enterSavesFromAnyBox_data();
    void enterSavesFromAnyBox();
    void wrongPasswordCorrectedByEmptyPassword();
    void emptyPathShowsHint();
    void shortPasswordStoredAsEmptyKey();
    void passwordStoredTrimmed();
    void failedReconnectionKeepsWindowAndSettings();
    void invalidUseSqlStopsLoading_data();
    void invalidUseSqlStopsLoading();
    void accessSaveLeavesAReadableEngine_data();
    void accessSaveLeavesAReadableEngine();
    void greyStateWritesNothing();
    void mySqlLayoutShowsStoredServer();
    void mySqlChecksInOrder();
    void mySqlSaveReachesTheServer();
    void screenshotAfterDatabaseRemoved();

private:
    QList<Report> reports_;
};

void TestFrmDBLocateTool::initTestCase() { core::InstallDatabaseSettingsWindow(); }

void TestFrmDBLocateTool::init()
{
    reports_.clear();
    core::CBalloonToolTip::ClearLastShown();
    core::SetErrorReportPresenter([this](core::ReportMode mode) { reports_.append({State().mLastError, mode}); });
}

void TestFrmDBLocateTool::cleanup() { core::SetErrorReportPresenter({}); }

void TestFrmDBLocateTool::missingUseSqlShowsErrorAndStatement()
{
    CoreFixture fx(QStringLiteral("access"), false);
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("useSQL"), QString());
    QVERIFY(openDatabaseFails());

    QString text2;
    const bool opened = whileSettingsWindowOpen(kHotelInfoQuery, [&](frmDBLocateTool &frm) {
        text2 = frm.Text2->toPlainText();
        QVERIFY(frm.Label5->isVisible());
        QVERIFY(frm.Text2->isVisible());
        QCOMPARE(frm.Label5->text(), QStringLiteral("Database Error :"));
        QCOMPARE(frm.Caption(), QStringLiteral("Database Error"));
        // Loading stopped at the missing "useSQL": first text, Access boxes filled.
        QCOMPARE(frm.Label1->text(), kFirstLabel1);
        QCOMPARE(frm.Text1->text(), fx.databasePath());
        QCOMPARE(frm.Check1Value(), 0);
    });
    QVERIFY(opened);
    const QStringList lines = text2.split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("Error Code : DB0006"));
    QCOMPARE(lines.value(2), QStringLiteral("--------"));
    QCOMPARE(lines.value(3), kHotelInfoQuery);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(reports_.size(), 1);
    QVERIFY(reports_[0].text.startsWith(QStringLiteral("Error Code : FRDBLT004\r\n")));
    QCOMPARE(reports_[0].mode, core::ReportMode::Modeless);
}

void TestFrmDBLocateTool::movedDatabaseFoundWithBrowseReconnects()
{
    CoreFixture fx(QStringLiteral("access"), false);
    const QString moved = fx.programFolder() + QStringLiteral("/moved/data.mdb");
    QVERIFY(QDir().mkpath(fx.programFolder() + QStringLiteral("/moved")));
    QVERIFY(QFile::rename(fx.databasePath(), moved));
    QVERIFY(openDatabaseFails());

    fx.dialogs().reply(ui::Reply::file(moved));
    const bool opened = whileSettingsWindowOpen(kHotelInfoQuery, [&](frmDBLocateTool &frm) {
        QVERIFY(frm.Text2->toPlainText().startsWith(QStringLiteral("Error Code : DB0006\n")));
        QVERIFY(frm.Text2->toPlainText().endsWith(QStringLiteral("\n--------\n") + kHotelInfoQuery));
        QVERIFY(frm.Label1->text().startsWith(
            QStringLiteral("Database Error Occurred ! This could be due to saveral reasons :\n"
                           "  1. Brevant could not find the database! or wrong database file specified.\n")));
        QVERIFY(inUse(frm.Text1));
        QVERIFY(greyedOut(frm.txtSQLHost));
        QVERIFY(!frm.Check1->isEnabled());
        frm.Command1->click();
        QCOMPARE(frm.Text1->text(), moved);
        frm.Command2->click();
        QVERIFY(!ui::Forms::IsLoaded<frmDBLocateTool>());
    });
    QVERIFY(opened);
    const ui::ShownDialog browse = fx.dialogs().shown(ui::DialogKind::OpenFile).value(0);
    QCOMPARE(browse.title, QStringLiteral("Locate Database"));
    QCOMPARE(browse.file.filter, QStringLiteral("Microsoft MDB (*.mdb)|*.mdb"));
    QCOMPARE(storedSetting(QStringLiteral("db")), moved);
    QCOMPARE(storedSetting(QStringLiteral("dbkey")), QString());
    QVERIFY(reports_.isEmpty());

    QVERIFY(core::OpenRecordset(kHotelInfoQuery));
    QCOMPARE(State().mRS->RecordCount(), 1L);
    QCOMPARE(State().mDBPath, moved);
}

void TestFrmDBLocateTool::enterSavesFromAnyBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::newRow("Enter in the path") << QStringLiteral("Text1") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter in the password") << QStringLiteral("txtDBpass") << int(Qt::Key_Enter);
}

void TestFrmDBLocateTool::enterSavesFromAnyBox()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    CoreFixture fx(QStringLiteral("access"), false);
    const QString moved = fx.programFolder() + QStringLiteral("/moved.mdb");
    QVERIFY(QFile::rename(fx.databasePath(), moved));
    QVERIFY(openDatabaseFails());

    bool closedByEnter = false;
    const bool opened = whileSettingsWindowOpen(kHotelInfoQuery, [&](frmDBLocateTool &frm) {
        frm.Text1->setText(moved);
        frm.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        auto *typedIn = frm.findChild<QLineEdit *>(box);
        QVERIFY(typedIn);
        typedIn->setFocus();
        QTest::keyClick(typedIn, Qt::Key(key));
        closedByEnter = !ui::Forms::IsLoaded<frmDBLocateTool>();
    });
    QVERIFY(opened);
    QVERIFY(closedByEnter);
    QCOMPARE(storedSetting(QStringLiteral("db")), moved);
    QVERIFY(reports_.isEmpty());
    QVERIFY(core::OpenRecordset(kHotelInfoQuery));
}

void TestFrmDBLocateTool::wrongPasswordCorrectedByEmptyPassword()
{
    CoreFixture fx(QStringLiteral("access"), false);
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("dbkey"), encipher(QStringLiteral("not-the-key")));
    QVERIFY(openDatabaseFails());

    const bool opened = whileSettingsWindowOpen(kHotelInfoQuery, [&](frmDBLocateTool &frm) {
        QCOMPARE(frm.txtDBpass->text(), QStringLiteral("not-the-key"));
        frm.txtDBpass->clear();
        frm.Command2->click();
        QVERIFY(!ui::Forms::IsLoaded<frmDBLocateTool>());
    });
    QVERIFY(opened);
    QCOMPARE(storedSetting(QStringLiteral("dbkey")), QString());
    QCOMPARE(State().mDBPassword, core::DefaultDbPassword);
    QVERIFY(core::OpenRecordset(kHotelInfoQuery));
    QCOMPARE(State().mRS->RecordCount(), 1L);
}

void TestFrmDBLocateTool::emptyPathShowsHint()
{
    CoreFixture fx(QStringLiteral("access"), false);
    frmDBLocateTool &frm = ui::Forms::Get<frmDBLocateTool>();
    frm.Show();
    frm.Text1->clear();
    frm.txtDBpass->setText(QStringLiteral("something"));
    const QString before = configText(fx);
    frm.Command2->click();

    const auto &hint = core::CBalloonToolTip::LastShown();
    QCOMPARE(hint.target.data(), static_cast<QWidget *>(frm.Text1));
    QCOMPARE(hint.title, QStringLiteral("Please enter Database path"));
    QCOMPARE(hint.text, QStringLiteral("Please enter Database path!"));
    QCOMPARE(hint.icon, 3);
    QCOMPARE(State().mTipTarget.data(), static_cast<QWidget *>(frm.Text1));
    QCOMPARE(frm.focusWidget(), static_cast<QWidget *>(frm.Text1));
    QCOMPARE(configText(fx), before);
    QVERIFY(!connectionOpen());
    QVERIFY(ui::Forms::IsLoaded<frmDBLocateTool>());

    // Blanks are content: no hint, and the path is written (the profile reads it back
    // empty, so the program folder's data.mdb opens).
    core::CBalloonToolTip::ClearLastShown();
    frm.Text1->setText(QStringLiteral("   "));
    frm.txtDBpass->clear();
    frm.Command2->click();
    QCOMPARE(core::CBalloonToolTip::LastShown().title, QString());
    QVERIFY(reports_.isEmpty());
    QVERIFY(connectionOpen());
    QCOMPARE(State().mDBPath, fx.programFolder() + QStringLiteral("/data.mdb"));
}

void TestFrmDBLocateTool::shortPasswordStoredAsEmptyKey()
{
    CoreFixture fx(QStringLiteral("access"), false);
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("dbkey"), encipher(QStringLiteral("old-key")));
    frmDBLocateTool &frm = ui::Forms::Get<frmDBLocateTool>();
    frm.txtDBpass->setText(QStringLiteral("  x "));
    frm.Command2->click();
    // One character after trimming counts as none: the built-in password opens the file.
    QCOMPARE(storedSetting(QStringLiteral("dbkey")), QString());
    QVERIFY(connectionOpen());
    QVERIFY(!ui::Forms::IsLoaded<frmDBLocateTool>());
    QVERIFY(reports_.isEmpty());
}

void TestFrmDBLocateTool::passwordStoredTrimmed()
{
    CoreFixture fx(QStringLiteral("access"), false);
    const QString keyed = testsupport::scratchFolder() + QStringLiteral("/keyed.mdb");
    testsupport::makeScratchAccessDatabase(keyed, true, QStringLiteral("s3cret"));

    frmDBLocateTool &frm = ui::Forms::Get<frmDBLocateTool>();
    frm.Text1->setText(keyed);
    frm.txtDBpass->setText(QStringLiteral("  s3cret  "));
    frm.Command2->click();
    const QString stored = storedSetting(QStringLiteral("dbkey"));
    QCOMPARE(stored, encipher(QStringLiteral("s3cret")));
    QCOMPARE(decipher(stored), QStringLiteral("s3cret"));
    // The folder is no group's: the enciphered password is its owner's alone.
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
    QCOMPARE(QFile::permissions(fx.programFolder() + QStringLiteral("/config.ini")) & others, QFileDevice::Permissions());
    QVERIFY(reports_.isEmpty());
    QVERIFY(!ui::Forms::IsLoaded<frmDBLocateTool>());
    QVERIFY(core::OpenRecordset(kHotelInfoQuery));
    QCOMPARE(State().mDBPath, keyed);
}

void TestFrmDBLocateTool::failedReconnectionKeepsWindowAndSettings()
{
    CoreFixture fx(QStringLiteral("access"), false);
    frmDBLocateTool &frm = ui::Forms::Get<frmDBLocateTool>();
    const QString missing = fx.programFolder() + QStringLiteral("/gone.mdb");
    frm.Text1->setText(missing);
    frm.Command2->click();
    QCOMPARE(storedSetting(QStringLiteral("db")), missing);
    QVERIFY(ui::Forms::IsLoaded<frmDBLocateTool>());
    QCOMPARE(reports_.size(), 1);
    QVERIFY(reports_[0].text.startsWith(QStringLiteral("Error Code : FRDBLT003\r\n")));
    QCOMPARE(reports_[0].mode, core::ReportMode::Modeless);

    // Another try with the right file succeeds.
    frm.Text1->setText(fx.databasePath());
    frm.Command2->click();
    QVERIFY(!ui::Forms::IsLoaded<frmDBLocateTool>());
    QVERIFY(connectionOpen());
}

void TestFrmDBLocateTool::invalidUseSqlStopsLoading_data()
{
    QTest::addColumn<QString>("useSql");
    QTest::newRow("text") << "abc";
    QTest::newRow("3") << "3";
    QTest::newRow("-1") << "-1";
}

void TestFrmDBLocateTool::invalidUseSqlStopsLoading()
{
    QFETCH(QString, useSql);
    CoreFixture fx;
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("dbkey"), encipher(QStringLiteral("pw")));
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("useSQL"), useSql);
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("SQLhost"), QStringLiteral("db.example"));
    frmDBLocateTool &frm = ui::Forms::Get<frmDBLocateTool>();
    QCOMPARE(reports_.size(), 1);
    QVERIFY(reports_[0].text.startsWith(QStringLiteral("Error Code : FRDBLT004\r\n")));
    QCOMPARE(frm.Label1->text(), kFirstLabel1);
    QCOMPARE(frm.Text1->text(), fx.databasePath());
    QCOMPARE(frm.txtDBpass->text(), QStringLiteral("pw"));
    QCOMPARE(frm.Check1Value(), 0);
    QCOMPARE(frm.txtSQLHost->text(), QString());
    QVERIFY(greyedOut(frm.txtSQLHost));
}

void TestFrmDBLocateTool::accessSaveLeavesAReadableEngine_data()
{
    QTest::addColumn<QString>("useSql");   // null: no such key
    QTest::addColumn<QString>("written");
    QTest::newRow("no key") << QString() << "0";
    QTest::newRow("empty") << "" << "0";
    QTest::newRow("text") << "abc" << "0";
    QTest::newRow("beyond a whole number") << "99999" << "0";
    QTest::newRow("a number the window does not show") << "3" << "3";
}

// Saving the embedded file's settings leaves config.ini one the program reads: the file opens,
// the window closes, and the next start finds the same engine.
void TestFrmDBLocateTool::accessSaveLeavesAReadableEngine()
{
    QFETCH(QString, useSql);
    QFETCH(QString, written);
    CoreFixture fx(QStringLiteral("access"), false);
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("useSQL"), useSql);
    frmDBLocateTool &frm = ui::Forms::Get<frmDBLocateTool>();
    frm.Show();
    QCOMPARE(frm.Text1->text(), fx.databasePath());
    QCOMPARE(frm.Check1Value(), 0);
    frm.Command2->click();
    QVERIFY(!ui::Forms::IsLoaded<frmDBLocateTool>());
    QVERIFY(connectionOpen());
    QCOMPARE(storedSetting(QStringLiteral("useSQL")), written);
    for (const Report &report : std::as_const(reports_))
        QVERIFY2(report.text.startsWith(QStringLiteral("Error Code : FRDBLT004\r\n")), qPrintable(report.text));
    QVERIFY(!openDatabaseFails());
}

void TestFrmDBLocateTool::greyStateWritesNothing()
{
    CoreFixture fx(QStringLiteral("access"), false);
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("useSQL"), QStringLiteral("2"));
    frmDBLocateTool &frm = ui::Forms::Get<frmDBLocateTool>();
    QCOMPARE(frm.Check1->checkState(), Qt::PartiallyChecked);
    QCOMPARE(frm.Check1Value(), 2);
    QVERIFY(!frm.Check1->isEnabled());
    // The Access layout.
    QVERIFY(inUse(frm.Text1));
    QVERIFY(inUse(frm.txtDBpass));
    for (QLineEdit *box : {frm.txtSQLHost, frm.txtSQLDBName, frm.txtSQLUserName, frm.txtSQLPassWord})
        QVERIFY2(greyedOut(box), qPrintable(box->objectName()));
    QVERIFY(frm.Label1->text().startsWith(QStringLiteral("Database Error Occurred !")));

    const QString before = configText(fx);
    frm.Text1->setText(QStringLiteral("/elsewhere/data.mdb"));
    frm.txtDBpass->setText(QStringLiteral("typed"));
    frm.Command2->click();
    QCOMPARE(configText(fx), before);
    QVERIFY(!connectionOpen());
    QVERIFY(ui::Forms::IsLoaded<frmDBLocateTool>());
    QVERIFY(reports_.isEmpty());
    QVERIFY(!core::CBalloonToolTip::LastShown().isVisible());
}

void TestFrmDBLocateTool::mySqlLayoutShowsStoredServer()
{
    CoreFixture fx;
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("useSQL"), QStringLiteral("1"));
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("SQLhost"), QStringLiteral("db.example;port=3307"));
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("SQLDBname"), QStringLiteral("hotel"));
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("SQLUserName"), encipher(QStringLiteral("clerk")));
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("SQLPassWord"), encipher(QStringLiteral("p@ss word")));
    frmDBLocateTool &frm = ui::Forms::Get<frmDBLocateTool>();
    QVERIFY(reports_.isEmpty());
    QCOMPARE(frm.Check1->checkState(), Qt::Checked);
    QCOMPARE(frm.txtSQLHost->text(), QStringLiteral("db.example;port=3307"));
    QCOMPARE(frm.txtSQLDBName->text(), QStringLiteral("hotel"));
    QCOMPARE(frm.txtSQLUserName->text(), QStringLiteral("clerk"));
    QCOMPARE(frm.txtSQLPassWord->text(), QStringLiteral("p@ss word"));
    for (QLineEdit *box : {frm.txtSQLHost, frm.txtSQLDBName, frm.txtSQLUserName, frm.txtSQLPassWord})
        QVERIFY2(inUse(box), qPrintable(box->objectName()));
    QVERIFY(greyedOut(frm.Text1));
    QVERIFY(greyedOut(frm.txtDBpass));
    QVERIFY(!frm.Label5->isVisibleTo(&frm));   // no stored error
}

void TestFrmDBLocateTool::mySqlChecksInOrder()
{
    CoreFixture fx;
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("useSQL"), QStringLiteral("1"));
    frmDBLocateTool &frm = ui::Forms::Get<frmDBLocateTool>();
    frm.Show();
    const QString before = configText(fx);
    struct Check {
        QLineEdit *box;
        QString title;
        QString text;
        QString value;
    };
    // An empty host and an empty user name at once: only the host's hint shows.
    const QList<Check> checks = {
        {frm.txtSQLHost, QStringLiteral("Enter SQL Host"), QStringLiteral("Enter SQL Host!"), QStringLiteral("h")},
        {frm.txtSQLDBName, QStringLiteral("Enter SQL Database Name"), QStringLiteral("Please enter SQL Database!"),
         QStringLiteral("d")},
        {frm.txtSQLPassWord, QStringLiteral("Enter SQL password"), QStringLiteral("Please enter SQL password!"),
         QStringLiteral("p")},
        {frm.txtSQLUserName, QStringLiteral("Enter SQL Username"), QStringLiteral("Please enter SQL username!"),
         QStringLiteral("u")},
    };
    for (const Check &check : checks) {
        frm.Command2->click();
        const auto &hint = core::CBalloonToolTip::LastShown();
        QCOMPARE(hint.target.data(), static_cast<QWidget *>(check.box));
        QCOMPARE(hint.title, check.title);
        QCOMPARE(hint.text, check.text);
        QVERIFY(hint.isVisible());
        QCOMPARE(frm.focusWidget(), static_cast<QWidget *>(check.box));
        QCOMPARE(configText(fx), before);
        check.box->setText(check.value);
    }
    QVERIFY(reports_.isEmpty());
    QVERIFY(ui::Forms::IsLoaded<frmDBLocateTool>());
}

void TestFrmDBLocateTool::mySqlSaveReachesTheServer()
{
    HOTEL_NEED_MARIADB();
    CoreFixture fx(QStringLiteral("mariadb"), false);
    const QString storedUser = storedSetting(QStringLiteral("SQLUserName"));
    const QString storedPassword = storedSetting(QStringLiteral("SQLPassWord"));
    fx.writeIni(QStringLiteral("settings"), QStringLiteral("db"), QStringLiteral("/kept/data.mdb"));

    frmDBLocateTool &frm = ui::Forms::Get<frmDBLocateTool>();
    QCOMPARE(frm.txtSQLHost->text(), QString::fromLocal8Bit(qgetenv("HOTEL_TEST_MYSQL_HOST")));
    QCOMPARE(frm.txtSQLUserName->text(), QString::fromLocal8Bit(qgetenv("HOTEL_TEST_MYSQL_USER")));
    QCOMPARE(frm.txtSQLPassWord->text(), QString::fromLocal8Bit(qgetenv("HOTEL_TEST_MYSQL_PASSWORD")));
    const QString database = frm.txtSQLDBName->text();
    QVERIFY(!database.isEmpty());

    // Saved unchanged: the same enciphered texts, "UseSQL" 1, and the connection opens.
    frm.Command2->click();
    QVERIFY(reports_.isEmpty());
    QVERIFY(!ui::Forms::IsLoaded<frmDBLocateTool>());
    QCOMPARE(storedSetting(QStringLiteral("SQLUserName")), storedUser);
    QCOMPARE(storedSetting(QStringLiteral("SQLPassWord")), storedPassword);
    QCOMPARE(storedSetting(QStringLiteral("SQLDBname")), database);
    QCOMPARE(storedSetting(QStringLiteral("UseSQL")), QStringLiteral("1"));
    QCOMPARE(storedSetting(QStringLiteral("db")), QStringLiteral("/kept/data.mdb"));
    QVERIFY(connectionOpen());
    QCOMPARE(State().mConn->CursorLocation(), static_cast<long>(ado::adUseClient));
    QVERIFY(core::OpenRecordset(kHotelInfoQuery));
    QCOMPARE(State().mRS->RecordCount(), 1L);
}

void TestFrmDBLocateTool::screenshotAfterDatabaseRemoved()
{
    CoreFixture fx(QStringLiteral("access"), false);
    QVERIFY(QFile::remove(fx.databasePath()));
    QVERIFY(openDatabaseFails());
    const bool opened = whileSettingsWindowOpen(kHotelInfoQuery, [&](frmDBLocateTool &frm) {
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        // Nothing is cut off: every label gets the room its text needs.
        for (QLabel *label : frm.findChildren<QLabel *>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            const QSize need = label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                                 : label->sizeHint();
            QVERIFY2(label->width() >= need.width() && label->height() >= need.height(),
                     qPrintable(label->objectName()));
        }
        QVERIFY(frm.Check1->width() >= frm.Check1->sizeHint().width());
        const QString folder = QStringLiteral(HOTEL_SCREENS_DIR);
        QDir().mkpath(folder);
        QVERIFY(frm.grab().save(folder + QStringLiteral("/frmDBLocateTool.png")));
    });
    QVERIFY(opened);
}

QTEST_MAIN(TestFrmDBLocateTool)
#include "tst_frmdblocatetool.moc"
