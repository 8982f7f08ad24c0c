// MariaDB through unixODBC: the statement layer's connection text, a server that cannot be reached,
// and a connection that the server drops in the middle of a run or of a transaction.
#include "ado/connection.h"
#include "ado/errors.h"
#include "ado/recordset.h"
#include "support/expect_error.h"
#include "support/mariadb_cut_proxy.h"
#include "support/scratch_database.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

namespace {

QString textFor(const QString &server, const QString &password, const QString &database)
{
    return QStringLiteral("uid=") + qEnvironmentVariable("HOTEL_TEST_MYSQL_USER") + QStringLiteral(";pwd=") + password +
           QStringLiteral(";server=") + server + QStringLiteral(";driver={MySQL ODBC 3.51 Driver};database=") +
           database + QStringLiteral(";dsn='';OPTION=16427");
}

} // namespace

class TestAdoMariaDb : public QObject {
    Q_OBJECT

private slots:
    void refusedConnections_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("database");
        const QString host = qEnvironmentVariable("HOTEL_TEST_MYSQL_HOST");
        const QString password = qEnvironmentVariable("HOTEL_TEST_MYSQL_PASSWORD");
        QTest::newRow("nothing listens") << QStringLiteral("127.0.0.1;port=1") << password << "hotel_test";
        QTest::newRow("wrong password") << host << QStringLiteral("not-the-password") << "hotel_test";
        QTest::newRow("no such database") << host << password << "hotel_no_such_db";
        QTest::newRow("driver not registered") << host << password << "hotel_test";
    }

    void refusedConnections()
    {
        HOTEL_NEED_MARIADB();
        QFETCH(QString, server);
        QFETCH(QString, password);
        QFETCH(QString, database);
        // A driver the driver manager does not know, as on a machine where the set-up could not register it.
        QString text = textFor(server, password, database);
        if (QByteArray(QTest::currentDataTag()) == "driver not registered")
            text.replace(QStringLiteral("{MySQL ODBC 3.51 Driver}"), QStringLiteral("{Hotel Driver Not Registered}"));
        ado::Connection conn;
        QString refused;
        try {
            conn.Open(text);
            QFAIL("the connection opened");
        } catch (const vb::Error &error) {
            QCOMPARE(error.Number(), ado::E_FAIL_UNSPECIFIED);
            QCOMPARE(error.Source(), ado::OdbcSource);
            refused = error.Description();
            QVERIFY(!refused.isEmpty());
        }
        QCOMPARE(conn.State(), long(ado::adStateClosed));
        // The closed connection tells why at its next use (the statement layer's first query
        // shows that text), until it is closed.
        try {
            conn.Execute(QStringLiteral("DELETE FROM tbl_logTable"));
            QFAIL("the closed connection ran a statement");
        } catch (const vb::Error &error) {
            QCOMPARE(error.Number(), ado::adErrInvalidConnection);
            QVERIFY2(error.Description().endsWith(refused), qPrintable(error.Description()));
        }
        HOTEL_EXPECT_ERROR(conn.Close(), ado::adErrObjectClosed);
        try {
            conn.Execute(QStringLiteral("DELETE FROM tbl_logTable"));
        } catch (const vb::Error &error) {
            QVERIFY2(!error.Description().contains(refused), qPrintable(error.Description()));
        }
    }

    void clientSideCursor()
    {
        HOTEL_NEED_MARIADB();
        testsupport::ScratchMariaDb db;
        ado::Connection conn;
        conn.Open(db.connectionText());
        conn.SetCursorLocation(ado::adUseClient);
        QCOMPARE(conn.CursorLocation(), long(ado::adUseClient));
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM tbl_HotelInfo WHERE ID=1"), conn, ado::adOpenKeyset, ado::adLockOptimistic);
        QCOMPARE(rs.RecordCount(), 1L);
        QCOMPARE(rs.Fields(QStringLiteral("AddOrderSign")).Value(), vb::Variant(int16_t(1)));
    }

    // Garbage reaches the server only as one statement of the Access dialect; every failure is an error.
    void randomSqlNeverBreaksTheConnection()
    {
        HOTEL_NEED_MARIADB();
        testsupport::ScratchMariaDb db;
        ado::Connection conn;
        conn.Open(db.connectionText());
        QRandomGenerator random(3051);
        const QStringList words = {"SELECT", "*", "FROM", "WHERE", "INSERT", "INTO", "VALUES", "(", ")", ",", "'",
                                   "#", "[", "]", "=", "tbl_x", "1", "3/5/2009", ";", "UPDATE", "SET", "--", "\\", "`"};
        int failures = 0;
        for (int i = 0; i < 400; ++i) {
            QString sql;
            const int length = random.bounded(1, 20);
            for (int j = 0; j < length; ++j)
                sql += i % 4 == 0 ? QString(QChar(static_cast<char16_t>(random.bounded(1, 0xD7FF))))
                                  : words[random.bounded(words.size())] + u' ';
            try {
                ado::Recordset rs;
                rs.Open(sql, conn);
            } catch (const vb::Error &) {
                ++failures;
            }
        }
        QVERIFY(failures > 300);
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM tbl_HotelInfo"), conn);
        QCOMPARE(rs.RecordCount(), 1L);
    }

    // The server drops the connection while it idles (as when it stops or restarts): the change
    // that comes next finds it gone before it is sent, opens it again and is made once.
    void connectionDeadWhileIdleReopensBeforeAChange()
    {
        HOTEL_NEED_MARIADB();
        testsupport::ScratchMariaDb db;
        ado::Connection conn;
        conn.Open(db.connectionText());
        killServerSideOf(conn);

        long inserted = 0;
        conn.Execute(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES('After')"), &inserted);
        QCOMPARE(inserted, 1L);
        QCOMPARE(conn.State(), long(ado::adStateOpen));
        QCOMPARE(count(conn, "tbl_foodCat"), 1L);
    }

    // The connection breaks after a change went out, alone or as its transaction's commit: the
    // caller hears that the outcome is unknown, the change is not sent again (made once, or not
    // at all), and the next statement opens the connection again.
    void changeWhoseAnswerIsLostIsNeverSentAgain_data()
    {
        QTest::addColumn<bool>("inTransaction");
        QTest::addColumn<int>("cut");
        QTest::addColumn<long>("made");
        using Cut = testsupport::MariaDbCutProxy::Cut;
        QTest::newRow("alone, answer lost") << false << int(Cut::AnswerLost) << 1L;
        QTest::newRow("alone, statement lost") << false << int(Cut::StatementLost) << 0L;
        QTest::newRow("commit, answer lost") << true << int(Cut::AnswerLost) << 1L;
        QTest::newRow("commit, statement lost") << true << int(Cut::StatementLost) << 0L;
    }

    void changeWhoseAnswerIsLostIsNeverSentAgain()
    {
        HOTEL_NEED_MARIADB();
        QFETCH(bool, inTransaction);
        QFETCH(int, cut);
        QFETCH(long, made);
        testsupport::ScratchMariaDb db;
        testsupport::MariaDbCutProxy proxy;
        ado::Connection conn;
        conn.Open(textFor(proxy.hostText(), qEnvironmentVariable("HOTEL_TEST_MYSQL_PASSWORD"), db.databaseName()));
        const QString insert = QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES('Once')");
        proxy.cutAt(inTransaction ? QStringLiteral("COMMIT") : insert, testsupport::MariaDbCutProxy::Cut(cut));
        try {
            if (inTransaction) {
                conn.BeginTrans();
                conn.Execute(insert);
                conn.CommitTrans();
            } else {
                conn.Execute(insert);
            }
            QFAIL("the lost answer passed for a success");
        } catch (const ado::UnknownOutcome &error) {
            QCOMPARE(error.Number(), ado::E_FAIL_UNSPECIFIED);
        }
        QCOMPARE(proxy.cutsMade(), 1);
        QVERIFY(!conn.InTransaction());
        QCOMPARE(count(conn, "tbl_foodCat"), made);
    }

    // A query that finds the connection gone at once (the server restarted meanwhile) changes
    // nothing: it runs again on a new connection.
    void queryAfterADroppedConnectionRunsAgain()
    {
        HOTEL_NEED_MARIADB();
        testsupport::ScratchMariaDb db;
        ado::Connection conn;
        conn.Open(db.connectionText());
        killServerSideOf(conn);
        QCOMPARE(count(conn, "tbl_HotelInfo"), 1L);
        killServerSideOf(conn);
        conn.BeginTrans();
        conn.Execute(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES('Kept')"));
        conn.CommitTrans();
        QCOMPARE(count(conn, "tbl_foodCat"), 1L);
    }

    // Lost inside a transaction: its later statements and its commit fail (nothing of it is kept,
    // nothing runs outside it), and once it has ended the connection is opened again.
    void droppedConnectionEndsTheTransaction()
    {
        HOTEL_NEED_MARIADB();
        testsupport::ScratchMariaDb db;
        ado::Connection conn;
        conn.Open(db.connectionText());
        conn.BeginTrans();
        conn.Execute(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES('Before')"));
        killServerSideOf(conn);

        HOTEL_EXPECT_ERROR(conn.Execute(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES('Lost')")),
                           ado::E_FAIL_UNSPECIFIED);
        HOTEL_EXPECT_ERROR(conn.Execute(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES('Alone')")),
                           ado::E_FAIL_UNSPECIFIED);
        QVERIFY(conn.InTransaction());
        HOTEL_EXPECT_ERROR(conn.CommitTrans(), ado::E_FAIL_UNSPECIFIED);
        QVERIFY(!conn.InTransaction());

        QCOMPARE(count(conn, "tbl_foodCat"), 0L);
        conn.BeginTrans();
        conn.Execute(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES('Kept')"));
        conn.CommitTrans();
        QCOMPARE(count(conn, "tbl_foodCat"), 1L);
    }

    // The connection lost at the commit or the rollback itself: the error is raised, the
    // transaction is over all the same, and the next statement reconnects.
    void commitOrRollbackOnALostConnectionEndsTheTransaction()
    {
        HOTEL_NEED_MARIADB();
        testsupport::ScratchMariaDb db;
        ado::Connection conn;
        conn.Open(db.connectionText());
        conn.BeginTrans();
        conn.Execute(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES('Gone')"));
        killServerSideOf(conn);
        HOTEL_EXPECT_ERROR(conn.CommitTrans(), ado::E_FAIL_UNSPECIFIED);
        QVERIFY(!conn.InTransaction());
        QCOMPARE(count(conn, "tbl_foodCat"), 0L);

        conn.BeginTrans();
        killServerSideOf(conn);
        HOTEL_EXPECT_ERROR(conn.RollbackTrans(), ado::E_FAIL_UNSPECIFIED);
        QVERIFY(!conn.InTransaction());
        QCOMPARE(count(conn, "tbl_foodCat"), 0L);
    }

private:
    static long count(ado::Connection &conn, const char *table)
    {
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table), conn);
        return rs.Fields(0).Value().asLong();
    }

    // The server ends the connection, as a restart or an administrator does.
    static void killServerSideOf(ado::Connection &conn)
    {
        ado::Recordset id;
        id.Open(QStringLiteral("SELECT CONNECTION_ID() AS id"), conn);
        const QString connectionId = QString::number(id.Fields(0).Value().asLong());
        QProcess kill;
        kill.start(QStringLiteral("mariadb"),
                   {QStringLiteral("--no-defaults"), QStringLiteral("-h127.0.0.1"),
                    QStringLiteral("-P") + qEnvironmentVariable("HOTEL_TEST_MYSQL_PORT"),
                    QStringLiteral("-u") + qEnvironmentVariable("HOTEL_TEST_MYSQL_USER"),
                    QStringLiteral("-p") + qEnvironmentVariable("HOTEL_TEST_MYSQL_PASSWORD"),
                    QStringLiteral("-e"), QStringLiteral("KILL CONNECTION ") + connectionId});
        QVERIFY(kill.waitForFinished(20000));
        QCOMPARE(kill.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestAdoMariaDb)
#include "tst_ado_mariadb.moc"
