// The database file shared with another program (a second workstation, a reporting tool): a
// writer waits for the other's lock instead of failing at once, a lock held past the wait fails
// with a clear message, and a commit that cannot write leaves no transaction behind.
#include "ado/connection.h"
#include "ado/errors.h"
#include "ado/recordset.h"
#include "support/expect_error.h"
#include "support/scratch_database.h"
#include "support/sqlcipher_client.h"

#include <QDir>
#include <QTest>

using testsupport::SqlcipherClient;

namespace {

struct SharedFile {
    SharedFile()
        : path(QDir(testsupport::scratchFolder()).filePath(QStringLiteral("shared.mdb"))),
          text(testsupport::makeScratchAccessDatabase(QStringLiteral("shared.mdb")))
    {
    }
    long count(ado::Connection &conn) const
    {
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT count(*) FROM tbl_foodCat"), conn);
        return rs.Fields(0).Value().asLong();
    }
    QString path;
    QString text;
};

void insert(ado::Connection &conn, const QString &name)
{
    conn.Execute(QStringLiteral("INSERT INTO tbl_foodCat(catName) VALUES('%1')").arg(name));
}

} // namespace

class TestAdoLocks : public QObject {
    Q_OBJECT

private slots:
    // The other program writes for a second: beginning waits for it and then goes on. The
    // transaction reads before it writes, as a booking does: begun without the write lock, it
    // would hold a read lock that the other writer waits for, and fail at once instead.
    void writerWaitsForAnotherWriter()
    {
        SharedFile file;
        ado::Connection conn;
        conn.Open(file.text);
        SqlcipherClient other(file.path);
        QCOMPARE(other.send("BEGIN IMMEDIATE; INSERT INTO tbl_foodCat(catName) VALUES('Other');"), QString());
        other.post(".shell sleep 1\nCOMMIT;");

        conn.BeginTrans();
        QVERIFY(file.count(conn) >= 0);
        insert(conn, "Mine");
        conn.CommitTrans();
        QCOMPARE(file.count(conn), 2L);
    }

    // The other program keeps its write lock past the wait: beginning and a single statement fail
    // with the lock named, nothing is left open, and once the lock goes everything works.
    void lockHeldPastTheWaitFailsClearly()
    {
        SharedFile file;
        ado::Connection conn;
        conn.SetCommandTimeout(1);
        conn.Open(file.text);
        SqlcipherClient other(file.path);
        other.send("BEGIN IMMEDIATE; INSERT INTO tbl_foodCat(catName) VALUES('Other');");

        try {
            conn.BeginTrans();
            QFAIL("the transaction began while another program held the write lock");
        } catch (const vb::Error &error) {
            QCOMPARE(error.Number(), ado::E_FAIL_UNSPECIFIED);
            QVERIFY2(error.Description().contains(QLatin1String("locked")), qPrintable(error.Description()));
        }
        QVERIFY(!conn.InTransaction());
        HOTEL_EXPECT_ERROR(insert(conn, "Alone"), ado::E_FAIL_UNSPECIFIED);

        other.send("COMMIT;");
        conn.BeginTrans();
        insert(conn, "Mine");
        conn.CommitTrans();
        QCOMPARE(file.count(conn), 2L);
    }

    // A reader keeps the file past the wait, so the commit cannot write: the error is raised, the
    // changes are rolled back, and the program holds no lock (another program can write at once).
    void failedCommitRollsBackAndReleasesTheFile()
    {
        SharedFile file;
        ado::Connection conn;
        conn.SetCommandTimeout(1);
        conn.Open(file.text);
        SqlcipherClient reader(file.path);
        reader.send("BEGIN; SELECT count(*) FROM tbl_foodCat;");

        conn.BeginTrans();
        insert(conn, "Lost");
        HOTEL_EXPECT_ERROR(conn.CommitTrans(), ado::E_FAIL_UNSPECIFIED);
        QVERIFY(!conn.InTransaction());
        reader.send("COMMIT;");

        const QString written = SqlcipherClient::runOnce(file.path, "INSERT INTO tbl_foodCat(catName) VALUES('Other');");
        QVERIFY2(!written.contains(QLatin1String("Error")), qPrintable(written));
        QCOMPARE(file.count(conn), 1L);

        conn.BeginTrans();
        insert(conn, "Kept");
        conn.CommitTrans();
        QCOMPARE(SqlcipherClient::runOnce(file.path, "SELECT catName FROM tbl_foodCat ORDER BY ID;"),
                 QStringLiteral("Other\nKept\n"));
    }
};

QTEST_GUILESS_MAIN(TestAdoLocks)
#include "tst_ado_locks.moc"
