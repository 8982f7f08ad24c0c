// The system services of the platform layer: Windows-form paths as paths of this machine,
// deleting without following links with the Windows errors, and the deletions left for the
// next start.
#include "system/drivepaths.h"
#include "system/pendingdeletes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

class TestSystem : public QObject {
    Q_OBJECT

    QTemporaryDir scratch_;

    QString at(const QString &name) const { return scratch_.filePath(name); }
    void write(const QString &name) const
    {
        QFile file(at(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(scratch_.isValid());
        qputenv("HOTEL_DRIVE_ROOT", QFile::encodeName(at(QStringLiteral("drives"))));
    }

    void localPath_data()
    {
        QTest::addColumn<QString>("windows");
        QTest::addColumn<QString>("local");   // below the drive root; empty when refused
        QTest::newRow("drive C") << "C:\\Program Files\\Brevant\\Hotel.exe" << "c/Program Files/Brevant/Hotel.exe";
        QTest::newRow("no drive is C") << "\\Windows\\win.ini" << "c/Windows/win.ini";
        QTest::newRow("other drive, slashes, dots") << "d:/a/./b/../c" << "d/a/c";
        QTest::newRow("network path") << "\\\\server\\share\\x" << "";
        QTest::newRow("relative") << "Brevant\\x" << "";
        QTest::newRow("the drive itself") << "C:\\" << "";
        QTest::newRow("above the drive") << "C:\\a\\..\\.." << "";
    }
    void localPath()
    {
        QFETCH(QString, windows);
        QFETCH(QString, local);
        const std::optional<QString> path = sys::LocalPath(windows);
        QCOMPARE(path.value_or(QString()), local.isEmpty() ? QString() : at(QStringLiteral("drives/") + local));
    }

    void deleteErrors_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("folder");   // RemoveFolder instead of DeleteFileEntry
        QTest::addColumn<int>("error");
        QTest::newRow("missing file") << "missing" << false << 2;
        QTest::newRow("path through a file") << "file/x" << false << 3;
        QTest::newRow("a folder as a file") << "full" << false << 5;
        QTest::newRow("folder not empty") << "full" << true << 145;
        QTest::newRow("a file as a folder") << "file" << true << 267;
    }
    void deleteErrors()
    {
        QFETCH(QString, path);
        QFETCH(bool, folder);
        QFETCH(int, error);
        write(QStringLiteral("file"));
        QDir(scratch_.path()).mkpath(QStringLiteral("full"));
        write(QStringLiteral("full/inside"));
        QCOMPARE(folder ? sys::RemoveFolder(at(path)) : sys::DeleteFileEntry(at(path)), error);
    }

    // What was recorded goes at the "restart": files, a link as itself (its target stays), an
    // empty folder. A file another program holds, a folder with something in it and a path
    // through a link are left and reported; the list and the restart request are cleared.
    void pendingDeletionsAtRestart()
    {
        write(QStringLiteral("plain"));
        write(QStringLiteral("target"));
        write(QStringLiteral("held"));
        QVERIFY(QFile::link(at(QStringLiteral("target")), at(QStringLiteral("link"))));
        QDir(scratch_.path()).mkpath(QStringLiteral("empty"));
        QDir(scratch_.path()).mkpath(QStringLiteral("busy"));
        write(QStringLiteral("busy/inside"));
        QVERIFY(QFile::link(at(QStringLiteral("busy")), at(QStringLiteral("via"))));
        const int holder = ::open(QFile::encodeName(at(QStringLiteral("held"))).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(holder >= 0 && ::flock(holder, LOCK_EX) == 0);

        const QStringList names = {"plain", "link", "empty", "held", "busy", "via/inside"};
        for (const QString &name : names)
            QVERIFY(sys::DeleteAtNextStart(at(name)));
        sys::RequestRestart();
        QCOMPARE(sys::PendingDeletions().size(), names.size());
        QVERIFY(sys::RestartRequested());

        const QStringList left = sys::CarryOutPendingDeletions();
        ::close(holder);
        QCOMPARE(left, QStringList({at(QStringLiteral("held")), at(QStringLiteral("busy")), at(QStringLiteral("via/inside"))}));
        QVERIFY(QFile::exists(at(QStringLiteral("busy/inside"))));
        QVERIFY(!QFile::exists(at(QStringLiteral("plain"))));
        QVERIFY(!QFileInfo(at(QStringLiteral("link"))).isSymLink());
        QVERIFY(QFile::exists(at(QStringLiteral("target"))));
        QVERIFY(!QFile::exists(at(QStringLiteral("empty"))));
        QVERIFY(sys::PendingDeletions().isEmpty());
        QVERIFY(!sys::RestartRequested());
    }
};

QTEST_GUILESS_MAIN(TestSystem)
#include "tst_system.moc"
