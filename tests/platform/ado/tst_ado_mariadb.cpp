// MariaDB through unixODBC: the statement layer's connection text, a server that cannot be reached,
// and a connection that the server drops in the middle of a run.
#include "ado/connection.h"
#include "ado/errors.h"
#include "ado/recordset.h"
#include "support/expect_error.h"
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
    }

    void refusedConnections()
    {
        HOTEL_NEED_MARIADB();
        QFETCH(QString, server);
        QFETCH(QString, password);
        QFETCH(QString, database);
        ado::Connection conn;
        try {
            conn.Open(textFor(server, password, database));
            QFAIL("the connection opened");
        } catch (const vb::Error &error) {
            QCOMPARE(error.Number(), ado::E_FAIL_UNSPECIFIED);
            QCOMPARE(error.Source(), ado::OdbcSource);
            QVERIFY(!error.Description().isEmpty());
        }
        QCOMPARE(conn.State(), long(ado::adStateClosed));
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

    // The server drops the connection (as when it stops): statements fail with an error, and the
    // connection can be closed and opened again.
    void droppedConnection()
    {
        HOTEL_NEED_MARIADB();
        testsupport::ScratchMariaDb db;
        ado::Connection conn;
        conn.Open(db.connectionText());
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

        HOTEL_EXPECT_ERROR(conn.Execute(QStringLiteral("DELETE FROM tbl_logTable")), ado::E_FAIL_UNSPECIFIED);
        ado::Recordset rs;
        HOTEL_EXPECT_ERROR(rs.Open(QStringLiteral("SELECT * FROM tbl_HotelInfo"), conn), ado::E_FAIL_UNSPECIFIED);
        QCOMPARE(rs.State(), long(ado::adStateClosed));
        conn.Close();
        conn.Open(db.connectionText());
        rs.Open(QStringLiteral("SELECT * FROM tbl_HotelInfo"), conn);
        QCOMPARE(rs.RecordCount(), 1L);
    }
};

QTEST_GUILESS_MAIN(TestAdoMariaDb)
#include "tst_ado_mariadb.moc"
