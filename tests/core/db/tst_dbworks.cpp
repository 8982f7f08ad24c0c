// The statement layer: settings from config.ini, the two connection kinds, and the routing
// of failures to a message box or to the database settings window.
#include "ado/connection.h"
#include "ado/errors.h"
#include "ado/recordset.h"
#include "core/db/changelookup.h"
#include "core/db/dbworks.h"
#include "core/db/sqltext.h"
#include "core/state/appstate.h"
#include "support/corefixture.h"
#include "support/expect_error.h"
#include "support/mariadb_cut_proxy.h"
#include "support/scratch_database.h"
#include "vb/conversions.h"

#include <QFile>
#include <QtTest>

using core::State;

namespace {

// Stands in for the database settings window: counts how often it was opened and can
// pretend to stay visible.
struct SettingsWindowProbe {
    int opened = 0;
    bool visible = false;
    QString errorSeen;
    QString sqlSeen;

    SettingsWindowProbe()
    {
        core::SetDatabaseSettingsWindow({[this] { return visible; },
                                         [this] {
                                             ++opened;
                                             errorSeen = State().mLastError;
                                             sqlSeen = State().mLastSQL;
                                         }});
    }
    ~SettingsWindowProbe() { core::SetDatabaseSettingsWindow({}); }
};

// The rows of a test run once per useSQL value of config.ini (a null value: no key at all).
void addUseSqlRows(std::initializer_list<std::pair<const char *, QString>> rows)
{
    QTest::addColumn<QString>("useSql");
    for (const auto &[tag, value] : rows)
        QTest::newRow(tag) << value;
}

} // namespace

class DbWorksTest : public QObject {
    Q_OBJECT

private slots:
    void accessOpensForEveryUseSqlOtherThanOne_data();
    void accessOpensForEveryUseSqlOtherThanOne();
    void missingOrTextUseSqlOpensNothingAndFirstQueryOpensSettings_data();
    void missingOrTextUseSqlOpensNothingAndFirstQueryOpensSettings();
    void emptyDbAndKeyFallBackToProgramFolderAndBuiltInPassword();
    void emptyMySqlCredentialsKeepPreviousValues();
    void unspecifiedErrorShowsPlainMessageWithCodeOnly();
    void otherErrorsOpenSettingsOnceWhileVisible();
    void failedQueryLeavesUnopenedRecordset();
    void changingStatementThroughOpenRecordsetWorks();
    void nestedQueryKeepsTheOuterLoopsRows_data();
    void nestedQueryKeepsTheOuterLoopsRows();
    void transactionRollsBackUnlessCommitted();
    void innerTransactionJoinsTheOuterOne();
    void commitAfterTheConnectionWasReopenedFails();
    void sqlTextDropsNulCharacters();
    void reopeningTakesNewSettings();
    void mySqlOpensWithClientCursor();
    void changeLookupsFollowTheirStatements_data();
    void changeLookupsFollowTheirStatements();
    void failedBeginIsTheStatementReported();
    void changeWhoseAnswerIsLostMayBeStored();
};

void DbWorksTest::accessOpensForEveryUseSqlOtherThanOne_data()
{
    addUseSqlRows({{"0", "0"}, {"2", "2"}, {"-1", "-1"}});
}

void DbWorksTest::accessOpensForEveryUseSqlOtherThanOne()
{
    QFETCH(QString, useSql);
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    fx.writeIni("settings", "useSQL", useSql);
    core::OpenDatabase();
    QCOMPARE(State().mUseSQL, static_cast<int16_t>(useSql.toInt()));
    QVERIFY(core::OpenRecordset("SELECT * FROM tbl_HotelInfo WHERE ID=1"));
    QCOMPARE(State().mRS->RecordCount(), 1L);
    QCOMPARE(State().mConn->CursorLocation(), static_cast<long>(ado::adUseServer));
}

void DbWorksTest::missingOrTextUseSqlOpensNothingAndFirstQueryOpensSettings_data()
{
    addUseSqlRows({{"missing", QString()}, {"empty", ""}, {"text", "abc"}, {"out of range", "40000"}});
}

void DbWorksTest::missingOrTextUseSqlOpensNothingAndFirstQueryOpensSettings()
{
    QFETCH(QString, useSql);
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    fx.writeIni("settings", "useSQL", useSql);
    SettingsWindowProbe settings;

    QVERIFY(testsupport::RaisesError(core::OpenDatabase));
    QVERIFY(!State().mConn);   // no connection object was even made

    QVERIFY(!core::OpenRecordset("SELECT * FROM tbl_HotelInfo WHERE ID=1"));
    QCOMPARE(settings.opened, 1);
    QVERIFY(settings.errorSeen.startsWith("Error Code : DB0006\r\n"));
    QCOMPARE(settings.sqlSeen, QStringLiteral("SELECT * FROM tbl_HotelInfo WHERE ID=1"));
    QVERIFY(fx.dialogs().messages().isEmpty());
}

void DbWorksTest::emptyDbAndKeyFallBackToProgramFolderAndBuiltInPassword()
{
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    fx.writeIni("settings", "db", "");
    core::OpenDatabase();   // data.mdb in the program folder, keyed with the built-in password
    QCOMPARE(State().mDBPath, fx.programFolder() + "/data.mdb");
    QCOMPARE(State().mDBPassword, QStringLiteral("640917"));
    QVERIFY(core::OpenRecordset("SELECT * FROM tbl_users"));
}

void DbWorksTest::emptyMySqlCredentialsKeepPreviousValues()
{
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    State().mSQLUserName = QStringLiteral("earlier");
    State().mSQLPassWord = QStringLiteral("secret");
    fx.writeIni("settings", "SQLUserName", "");
    fx.writeIni("settings", "SQLhost", "db.example;port=3307");
    core::ReadDbSettings();
    QCOMPARE(State().mSQLUserName, QStringLiteral("earlier"));
    QCOMPARE(State().mSQLPassWord, QStringLiteral("secret"));
    QCOMPARE(State().mSQLHost, QStringLiteral("db.example;port=3307"));
}

void DbWorksTest::unspecifiedErrorShowsPlainMessageWithCodeOnly()
{
    testsupport::CoreFixture fx;
    SettingsWindowProbe settings;
    // A second row 1: a key violation, the provider's unspecified error.
    const QString insert = "INSERT INTO tbl_HotelInfo (ID, HotelName) VALUES (1, 'x')";
    long rows = 5;
    QVERIFY(!core::ExecuteSQL(insert, core::SqlAction::Insert, &rows));
    QCOMPARE(rows, 0L);
    QCOMPARE(State().mLastError, QStringLiteral("Error Code : DB0003"));
    QCOMPARE(fx.dialogs().shown().size(), 1);
    const auto box = fx.dialogs().last();
    QVERIFY(box.text.startsWith("Error Code : DB0003\r\n"));
    QVERIFY(box.text.size() > QStringLiteral("Error Code : DB0003\r\n").size());
    QCOMPARE(box.style, static_cast<int>(ui::vbOKOnly));
    QCOMPARE(box.title, QStringLiteral("Brevant"));
    QCOMPARE(settings.opened, 0);
    QCOMPARE(State().mLastSQL, insert);
}

void DbWorksTest::otherErrorsOpenSettingsOnceWhileVisible()
{
    testsupport::CoreFixture fx;
    SettingsWindowProbe settings;
    QVERIFY(!core::OpenRecordset("SELECT * FROM tbl_nothing_here"));
    QCOMPARE(settings.opened, 1);
    QVERIFY(settings.errorSeen.startsWith("Error Code : DB0006\r\n"));
    QCOMPARE(settings.sqlSeen, QStringLiteral("SELECT * FROM tbl_nothing_here"));

    settings.visible = true;
    QVERIFY(!core::ExecuteSQL("DELETE FROM tbl_nothing_either", core::SqlAction::Delete));
    QCOMPARE(settings.opened, 1);   // already visible: not opened again
    QVERIFY(State().mLastError.startsWith("Error Code : DB0002\r\n"));
    QCOMPARE(State().mLastSQL, QStringLiteral("DELETE FROM tbl_nothing_either"));
    QVERIFY(fx.dialogs().shown().isEmpty());
}

void DbWorksTest::failedQueryLeavesUnopenedRecordset()
{
    testsupport::CoreFixture fx;
    SettingsWindowProbe settings;
    const auto opened = core::OpenRecordset("SELECT * FROM tbl_HotelInfo");
    QVERIFY(opened);
    QCOMPARE(&core::Rows(opened), opened.get());
    const auto failed = core::OpenRecordset("SELEC * FROM tbl_HotelInfo");
    QVERIFY(!failed);
    HOTEL_EXPECT_ERROR(core::Rows(failed), ado::adErrObjectClosed);
    QVERIFY(State().mRS);
    HOTEL_EXPECT_ERROR(State().mRS->RecordCount(), ado::adErrObjectClosed);
    HOTEL_EXPECT_ERROR(State().mRS->Fields("HotelName").Value(), ado::adErrObjectClosed);
    core::CloseRecordset();
    QVERIFY(!State().mRS);
}

void DbWorksTest::changingStatementThroughOpenRecordsetWorks()
{
    testsupport::CoreFixture fx;
    fx.exec("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) VALUES ('a', 'b', 'c')");
    QVERIFY(core::OpenRecordset("DELETE FROM tbl_logTable"));
    QCOMPARE(State().mRS->State(), static_cast<long>(ado::adStateClosed));
    QCOMPARE(fx.scalar("SELECT count(*) FROM tbl_logTable"), vb::Variant(int32_t(0)));
}

void DbWorksTest::nestedQueryKeepsTheOuterLoopsRows_data() { HOTEL_BOTH_ENGINES_DATA(); }

// A loop over its own rows runs another query per row: the inner query replaces the shared
// mRS, the loop still walks every row of its own.
void DbWorksTest::nestedQueryKeepsTheOuterLoopsRows()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    for (const char *room : {"101", "102", "103"})
        fx.exec(QStringLiteral("INSERT INTO tbl_Rooms (RoomNameID, Description, RoomType, RoomPrice) "
                               "VALUES ('%1', 'd', 't', 10)").arg(QLatin1String(room)));
    const auto rooms = core::OpenRecordset("SELECT RoomNameID FROM tbl_Rooms ORDER BY RoomNameID");
    QVERIFY(rooms);
    QCOMPARE(State().mRS, rooms);
    QStringList walked;
    for (; !rooms->IsEOF(); rooms->MoveNext()) {
        walked << vb::CStr(rooms->Fields("RoomNameID").Value());
        const auto inner = core::OpenRecordset("SELECT * FROM tbl_HotelInfo WHERE ID=1");
        QVERIFY(inner);
        QCOMPARE(State().mRS, inner);
        QCOMPARE(inner->RecordCount(), 1L);
    }
    QCOMPARE(walked, QStringList({"101", "102", "103"}));
}

void DbWorksTest::transactionRollsBackUnlessCommitted()
{
    testsupport::CoreFixture fx;
    const QString insert = "INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) VALUES ('t', 'u', 'k')";
    {
        core::Transaction transaction;
        QVERIFY(core::ExecuteSQL(insert, core::SqlAction::Insert));
    }
    QCOMPARE(vb::CLng(fx.scalar("SELECT count(*) FROM tbl_logTable")), 0);
    {
        core::Transaction transaction;
        long rows = 0;
        QVERIFY(core::ExecuteSQL(insert, core::SqlAction::Insert, &rows));
        QCOMPARE(rows, 1L);
        transaction.Commit([] { return true; });
    }
    QCOMPARE(vb::CLng(fx.scalar("SELECT count(*) FROM tbl_logTable")), 1);
}

void DbWorksTest::innerTransactionJoinsTheOuterOne()
{
    testsupport::CoreFixture fx;
    const QString insert = "INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) VALUES ('t', 'u', 'k')";
    {
        core::Transaction outer;
        {
            core::Transaction inner;
            QVERIFY(core::ExecuteSQL(insert, core::SqlAction::Insert));
            inner.Commit([] { return true; });
        }
        QVERIFY(State().mConn->InTransaction());
    }
    QVERIFY(!State().mConn->InTransaction());
    QCOMPARE(vb::CLng(fx.scalar("SELECT count(*) FROM tbl_logTable")), 0);
}

// Corrected settings reopen the connection while a change is under way (the settings window
// opened by a failure): the reopened connection holds none of the change, and committing says so
// instead of passing for a success.
void DbWorksTest::commitAfterTheConnectionWasReopenedFails()
{
    testsupport::CoreFixture fx;
    core::Transaction transaction;
    QVERIFY(core::ExecuteSQL("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) VALUES ('t', 'u', 'k')",
                             core::SqlAction::Insert));
    core::OpenDatabase();
    HOTEL_EXPECT_ERROR(transaction.Commit([] { return true; }), ado::E_NO_TRANSACTION);
    QVERIFY(!State().mConn->InTransaction());
    QCOMPARE(vb::CLng(fx.scalar("SELECT count(*) FROM tbl_logTable")), 0);
}

// A NUL pasted into a name cannot be stored by either engine: it is dropped from the literal.
void DbWorksTest::sqlTextDropsNulCharacters()
{
    const QString pasted = QStringLiteral("O'Br") + QChar(u'\0') + QStringLiteral("ien");
    QCOMPARE(core::SqlText(pasted), QStringLiteral("O''Brien"));
    QCOMPARE(core::WithoutApostrophes(pasted), QStringLiteral("OBrien"));
}

void DbWorksTest::reopeningTakesNewSettings()
{
    // Saved settings reopen the open connection on the new database.
    testsupport::CoreFixture fx;
    const QString other = testsupport::makeScratchAccessDatabase(fx.programFolder() + "/other.mdb");
    fx.writeIni("settings", "db", fx.programFolder() + "/other.mdb");
    fx.exec("UPDATE tbl_HotelInfo SET HotelName = 'first' WHERE ID = 1");
    core::OpenDatabase();
    QCOMPARE(State().mDBPath, fx.programFolder() + "/other.mdb");
    QVERIFY(core::OpenRecordset("SELECT * FROM tbl_HotelInfo WHERE ID=1"));
    QVERIFY(vb::CStr(State().mRS->Fields("HotelName").Value()) != QStringLiteral("first"));

    // A database that cannot be opened fails to the caller and leaves the connection closed.
    fx.writeIni("settings", "dbkey", QString());
    State().mDBPassword.clear();
    QFile::remove(fx.programFolder() + "/other.mdb");
    QVERIFY(testsupport::RaisesError(core::OpenDatabase));
    QCOMPARE(State().mConn->State(), static_cast<long>(ado::adStateClosed));
}

void DbWorksTest::mySqlOpensWithClientCursor()
{
    HOTEL_NEED_MARIADB();
    testsupport::CoreFixture fx(QStringLiteral("mariadb"));
    QCOMPARE(State().mUseSQL, static_cast<int16_t>(1));
    QCOMPARE(State().mConn->CursorLocation(), static_cast<long>(ado::adUseClient));
    QVERIFY(core::ExecuteSQL("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) VALUES ('it''s', 'u', 'k')",
                             core::SqlAction::Insert));
    QVERIFY(core::OpenRecordset("SELECT * FROM tbl_logTable"));
    QCOMPARE(State().mRS->RecordCount(), 1L);
    QCOMPARE(vb::CStr(State().mRS->Fields("LogText").Value()), QStringLiteral("it's"));
}

// The look-up of a change is built from the change's own statement: the separators are found
// outside quoted texts, bracketed names and parentheses.
void DbWorksTest::changeLookupsFollowTheirStatements_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("lookup");
    QTest::newRow("update") << "UPDATE tbl_customers SET cFirstName ='A, B',cNoOfMinors =2 WHERE ID=5"
                            << "SELECT * FROM tbl_customers WHERE (ID=5) AND cFirstName ='A, B' AND cNoOfMinors =2";
    QTest::newRow("keywords quoted")
        << "UPDATE tbl_Rooms SET Description = 'x WHERE y, SET z' WHERE RoomID =3"
        << "SELECT * FROM tbl_Rooms WHERE (RoomID =3) AND Description = 'x WHERE y, SET z'";
    QTest::newRow("date, apostrophe, call")
        << "UPDATE [t] SET d =#2024-01-02#, n = 'O''Brien', m = Round(1,2) WHERE ID=1 OR ID=2"
        << "SELECT * FROM [t] WHERE (ID=1 OR ID=2) AND d =#2024-01-02# AND n = 'O''Brien' AND m = Round(1,2)";
    QTest::newRow("delete") << "DELETE from tbl_Rooms WHERE RoomID = 4" << "SELECT * FROM tbl_Rooms WHERE RoomID = 4";
}

void DbWorksTest::changeLookupsFollowTheirStatements()
{
    QFETCH(QString, change);
    QFETCH(QString, lookup);
    QCOMPARE(change.startsWith("UPDATE") ? core::UpdatedRowSql(change) : core::DeletedRowsSql(change), lookup);
}

// A transaction that cannot begin (the server gone): the error report shows that statement,
// not the one before it.
void DbWorksTest::failedBeginIsTheStatementReported()
{
    HOTEL_NEED_MARIADB();
    testsupport::CoreFixture fx(QStringLiteral("mariadb"));
    testsupport::MariaDbCutProxy proxy;
    fx.openThroughHost(proxy.hostText());
    QVERIFY(core::ExecuteSQL("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) VALUES ('t', 'u', 'k')",
                             core::SqlAction::Insert));
    proxy.goDark();
    QVERIFY(testsupport::RaisesError([] { core::Transaction transaction; }));
    QCOMPARE(State().mLastSQL, QStringLiteral("BEGIN TRANSACTION"));
}

// A change that commits by itself and whose answer is lost: reported, with the warning that the
// database may have stored it (it did), and not sent again.
void DbWorksTest::changeWhoseAnswerIsLostMayBeStored()
{
    HOTEL_NEED_MARIADB();
    testsupport::CoreFixture fx(QStringLiteral("mariadb"));
    testsupport::MariaDbCutProxy proxy;
    fx.openThroughHost(proxy.hostText());
    const QString insert = "INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) VALUES ('t', 'u', 'k')";
    proxy.cutAt(insert, testsupport::MariaDbCutProxy::Cut::AnswerLost);
    QVERIFY(!core::ExecuteSQL(insert, core::SqlAction::Insert));
    QCOMPARE(fx.dialogs().messages().size(), 1);
    QVERIFY2(fx.dialogs().messages().first().startsWith("Error Code : DB0003\r\n"), qPrintable(fx.dialogs().messages().first()));
    QVERIFY(fx.dialogs().messages().first().endsWith("The database may have stored the change before the connection was "
                                                     "lost: look for it before entering it again."));
    QCOMPARE(vb::CLng(fx.scalar("SELECT count(*) FROM tbl_logTable")), 1);
}

QTEST_MAIN(DbWorksTest)
#include "tst_dbworks.moc"
