// The Access database file: opening it with its password, and what a wrong, missing or damaged file
// or garbage SQL does (an error, never a crash, never a new or changed file).
#include "ado/connection.h"
#include "ado/database_file.h"
#include "ado/errors.h"
#include "ado/recordset.h"
#include "schema/schema.h"
#include "support/expect_error.h"
#include "support/filebytes.h"
#include "support/scratch_database.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using testsupport::accessConnectionText;
using testsupport::WriteBytes;

namespace {

QString scratchPath(const QString &name)
{
    return QDir(testsupport::scratchFolder()).filePath(name);
}

// Every statement either works or raises a vb::Error.
int runAllowingErrors(ado::Connection &conn, const QString &sql, bool asQuery)
{
    try {
        if (asQuery) {
            ado::Recordset rs;
            rs.Open(sql, conn, ado::adOpenKeyset, ado::adLockOptimistic);
        } else {
            conn.Execute(sql);
        }
        return 0;
    } catch (const vb::Error &) {
        return 1;
    }
}

} // namespace

class TestAdoAccessFile : public QObject {
    Q_OBJECT

private slots:
    void missingFileIsNeverCreated()
    {
        const QString path = scratchPath(QStringLiteral("missing.mdb"));
        QFile::remove(path);
        ado::Connection conn;
        try {
            conn.Open(accessConnectionText(path, schema::BuiltInPassword));
            QFAIL("a missing file opened");
        } catch (const vb::Error &error) {
            QCOMPARE(error.Number(), ado::E_FAIL_UNSPECIFIED);
            QCOMPARE(error.Description(), QStringLiteral("Could not find file '%1'.").arg(path));
            QCOMPARE(error.Source(), ado::JetSource);
        }
        QVERIFY(!QFile::exists(path));
        QCOMPARE(conn.State(), long(ado::adStateClosed));
    }

    void passwordIsTheKey()
    {
        const QString right = testsupport::makeScratchAccessDatabase(QStringLiteral("keyed.mdb"));
        const QString path = scratchPath(QStringLiteral("keyed.mdb"));
        ado::Connection conn;
        HOTEL_EXPECT_ERROR(conn.Open(accessConnectionText(path, QStringLiteral("640918"))), ado::E_WRONG_PASSWORD);
        HOTEL_EXPECT_ERROR(conn.Open(accessConnectionText(path, QString())), ado::E_WRONG_PASSWORD);
        QCOMPARE(conn.State(), long(ado::adStateClosed));
        conn.Open(right);
        QCOMPARE(conn.State(), long(ado::adStateOpen));
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM tbl_HotelInfo WHERE ID=1"), conn);
        QCOMPARE(rs.RecordCount(), 1L);
        // Windows-form paths reach the same file.
        ado::Connection windowsForm;
        windowsForm.Open(accessConnectionText(QString(path).replace(u'/', u'\\'), schema::BuiltInPassword));
        QCOMPARE(windowsForm.State(), long(ado::adStateOpen));
    }

    void foreignFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("Provider=nonsense\r\n");
        QByteArray jet(4096, '\0');
        jet.replace(4, 15, "Standard Jet DB");
        QTest::newRow("real Access file") << jet;
        QByteArray noise(4096, '\0');
        for (char &c : noise)
            c = static_cast<char>(QRandomGenerator::global()->bounded(256));
        QTest::newRow("random pages") << noise;
    }

    void foreignFiles()
    {
        QFETCH(QByteArray, content);
        const QString path = scratchPath(QStringLiteral("foreign.mdb"));
        WriteBytes(path, content);
        ado::Connection conn;
        try {
            conn.Open(accessConnectionText(path, schema::BuiltInPassword));
            QFAIL("a foreign file opened");
        } catch (const vb::Error &error) {
            QVERIFY2(error.Number() == ado::E_FAIL_UNSPECIFIED || error.Number() == ado::E_WRONG_PASSWORD,
                     qPrintable(error.Description()));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);   // left as it was
    }

    void plainSqliteFileIsNoDatabase()
    {
        const QString path = scratchPath(QStringLiteral("plain.mdb"));
        QFile::remove(path);
        ado::CreateDatabaseFile(path, QString());   // no key: a plain SQLite file
        ado::Connection conn;
        HOTEL_EXPECT_ERROR(conn.Open(accessConnectionText(path, schema::BuiltInPassword)), ado::E_FAIL_UNSPECIFIED);
    }

    void truncatedDatabase()
    {
        const QString text = testsupport::makeScratchAccessDatabase(QStringLiteral("whole.mdb"));
        {
            ado::Connection conn;
            conn.Open(text);
            conn.BeginTrans();
            for (int i = 0; i < 300; ++i)
                conn.Execute(QStringLiteral("INSERT INTO tbl_logTable (LogText, LoggedUser, LogKey) values('%1','u','k')")
                                 .arg(QString(200, QChar(u'a' + i % 26))));
            conn.CommitTrans();
        }
        QFile whole(scratchPath(QStringLiteral("whole.mdb")));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray bytes = whole.readAll();
        const QString path = scratchPath(QStringLiteral("cut.mdb"));
        WriteBytes(path, bytes.left(bytes.size() / 2 / 1024 * 1024));

        ado::Connection conn;
        try {
            conn.Open(accessConnectionText(path, schema::BuiltInPassword));
        } catch (const vb::Error &) {
            return;   // refused at once: fine
        }
        int failures = 0;
        for (const QString &table : schema::TableNames())
            failures += runAllowingErrors(conn, QStringLiteral("SELECT * FROM ") + table, true);
        failures += runAllowingErrors(conn, QStringLiteral("DELETE FROM tbl_logTable"), false);
        QVERIFY(failures > 0);   // half the pages are gone: something must notice
    }

    void randomSqlNeverBreaksTheConnection()
    {
        ado::Connection conn;
        conn.Open(testsupport::makeScratchAccessDatabase());
        QRandomGenerator random(640917);
        const QStringList words = {"SELECT", "*", "FROM", "WHERE", "INSERT", "INTO", "VALUES", "(", ")", ",", "'",
                                   "#", "[", "]", "=", "tbl_x", "1", "3/5/2009", ";", "UPDATE", "SET", "--", "\""};
        int failures = 0;
        for (int i = 0; i < 1500; ++i) {
            QString sql;
            const int length = random.bounded(1, 25);
            for (int j = 0; j < length; ++j) {
                if (i % 3 == 0)
                    sql += QChar(static_cast<char16_t>(random.bounded(1, 0xD7FF)));
                else
                    sql += words[random.bounded(words.size())] + u' ';
            }
            failures += runAllowingErrors(conn, sql, i % 2 == 0);
        }
        QVERIFY(failures > 1000);
        ado::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM tbl_HotelInfo WHERE ID=1"), conn);
        QCOMPARE(rs.Fields(QStringLiteral("HotelName")).Value(), vb::Variant(QStringLiteral("My Hotel")));
    }

    // Engine commands outside the Access dialect never run: no file appears.
    void engineCommandsAreRefused()
    {
        ado::Connection conn;
        conn.Open(testsupport::makeScratchAccessDatabase());
        const QString other = scratchPath(QStringLiteral("attached.db"));
        QFile::remove(other);
        HOTEL_EXPECT_ERROR(conn.Execute(QStringLiteral("ATTACH DATABASE '%1' AS x").arg(other)), ado::E_SYNTAX);
        HOTEL_EXPECT_ERROR(conn.Execute(QStringLiteral("PRAGMA rekey = 'x'")), ado::E_SYNTAX);
        QVERIFY(!QFile::exists(other));
    }

    void unknownProvider()
    {
        ado::Connection conn;
        HOTEL_EXPECT_ERROR(conn.Open(QStringLiteral("Provider=SQLOLEDB;Data Source=x")), ado::adErrProviderNotFound);
    }
};

QTEST_GUILESS_MAIN(TestAdoAccessFile)
#include "tst_ado_access_file.moc"
