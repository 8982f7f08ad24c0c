// The removal steps on a private machine: shared files with their counters and answers,
// backups, files and folders, registry keys by their flags, deletion at the next start.
#include "backups.h"
#include "filesteps.h"
#include "messagetable.h"
#include "rebootdelete.h"
#include "registrywalk.h"
#include "runandwait.h"
#include "sharedfiles.h"

#include "registry/registry.h"
#include "system/drivepaths.h"
#include "system/pendingdeletes.h"
#include "ui/scripteddialogs.h"

#include "uninstaller/support/uninstdatabuilder.h"
#include "uninstaller/support/uninstscratch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace uninst;
using namespace uninsttest;

namespace {


std::vector<ByteString> lines(const QList<QByteArray> &list)
{
    std::vector<ByteString> out;
    for (const QByteArray &line : list)
        out.push_back(Bytes(line));
    return out;
}

QStringList listed(const ByteString &list)
{
    QStringList out;
    for (const ByteString &line : ListLines(list))
        out << QString::fromLatin1(line.data(), qsizetype(line.length()));
    return out;
}

const QString sharedKey = QString::fromLatin1(SharedDllsKey);

// The canaries, the backup C:\Backup\a.dll ("old") and the folder of the file it backs up.
void plantBackup(const Scratch &machine, const QString &targetFolder)
{
    machine.plantCanaries();
    machine.write("C:\\Backup\\a.dll", "old");
    QDir().mkpath(machine.local(targetFolder));
}

void loadStandardMessages()
{
    Messages() = MessageTable();
    const QByteArray table = MessageTableBytes(1033, StandardMessages());
    Messages().load(Bytes(table));
}

// The parsed registry tree of a builder node.
RegistryNode parsedNode(const RegNode &node)
{
    TestData data;
    data.header = false;
    data.roots[0] = node;
    const DataResult read = ReadUnwrappedData(Bytes(data.unwrapped()));
    if (read.status != DataStatus::Read)
        qFatal("tree not read: %s", read.reason.c_str());
    return read.data.registry[0];
}

} // namespace

class TestUninstOperations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { loadStandardMessages(); }

    void sharedFilesByCounterAndAnswer_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<int>("questions");
        // The list: a (counter 3), b (counter 1), b again, c (no counter), d (counter 1).
        QTest::newRow("yes, then the recorded answer") << false << QList<int>{SharedYes, SharedYes, SharedYes}
                                                       << QStringList{"a"} << 3;
        QTest::newRow("no keeps, asked once per file") << false << QList<int>{SharedNo, SharedYes, SharedNo}
                                                       << QStringList{"a", "b", "d"} << 3;
        QTest::newRow("yes to all") << false << QList<int>{SharedYesToAll} << QStringList{"a"} << 1;
        QTest::newRow("no to all") << false << QList<int>{SharedNoToAll} << QStringList{"a", "b", "c", "d"} << 1;
        QTest::newRow("silent deletes without asking") << true << QList<int>{} << QStringList{"a"} << 0;
    }
    void sharedFilesByCounterAndAnswer()
    {
        QFETCH(bool, silent);
        QFETCH(QList<int>, answers);
        QFETCH(QStringList, kept);
        QFETCH(int, questions);
        Scratch machine;
        machine.plantCanaries();
        for (const char *name : {"a", "b", "c", "d"})
            machine.write(QStringLiteral("C:\\Common\\%1.dll").arg(QLatin1String(name)));
        SetRegistryNumber(2, sharedKey, "C:\\Common\\a.dll", 3);
        SetRegistryNumber(2, sharedKey, "C:\\Common\\b.dll", 1);
        SetRegistryNumber(2, sharedKey, "C:\\Common\\d.dll", 1);
        ui::ScriptedDialogs dialogs;
        for (int answer : answers)
            dialogs.reply(ui::Reply::button(answer));
        LeftBehind left;
        RemoveSharedFiles(lines({"C:\\Common\\a.dll", "C:\\Common\\b.dll", "C:\\Common\\b.dll", "C:\\Common\\c.dll",
                                 "C:\\Common\\d.dll"}),
                          {silent, nullptr, "Caption", &left});
        QStringList present;
        for (const char *name : {"a", "b", "c", "d"})
            if (machine.exists(QStringLiteral("C:\\Common\\%1.dll").arg(QLatin1String(name))))
                present << QLatin1String(name);
        QCOMPARE(present, kept);
        const QList<ui::ShownDialog> shown = dialogs.shown(ui::DialogKind::Choice);
        QCOMPARE(shown.size(), questions);
        if (questions > 0) {
            QCOMPARE(shown[0].text, "The shared file C:\\Common\\b.dll is no longer used. Remove it?");
            QCOMPARE(shown[0].buttonLabels, QStringList({"Yes to &all", "&Yes", "&No", "No to a&ll"}));
        }
        QCOMPARE(RegistryNumber(2, sharedKey, "C:\\Common\\a.dll"), 2);
        // A kept last user's counter is 0; a deleted file's counter is gone.
        QCOMPARE(RegistryNumber(2, sharedKey, "C:\\Common\\b.dll"), kept.contains("b") ? 0 : -1);
        QVERIFY(machine.damagedCanaries().isEmpty());
        QVERIFY(left.files.isEmpty());
    }

    void sharedFilesNeedTheCountersKey()
    {
        Scratch machine;
        machine.write("C:\\Common\\a.dll");
        ui::ScriptedDialogs dialogs;
        LeftBehind left;
        RemoveSharedFiles(lines({"C:\\Common\\a.dll"}), {true, nullptr, "Caption", &left});
        QVERIFY(machine.exists("C:\\Common\\a.dll"));
    }

    void answersList()
    {
        const ByteString answers("C:\\a.dll1\r\nC:\\b.dll2");
        QCOMPARE(LookupSharedAnswer(answers, "C:\\a.dll"), 1);
        QCOMPARE(LookupSharedAnswer(answers, "C:\\b.dll"), 2);
        QCOMPARE(LookupSharedAnswer(answers, "C:\\a.dl"), -1);
        QCOMPARE(LookupSharedAnswer(answers, "c:\\A.DLL"), -1);
    }

    void markedSharedFilesAreUnregistered()
    {
        Scratch machine;
        const QString component = QDir(qEnvironmentVariable("HOTEL_PROGRAM_DIR")).filePath("libuninst_test_component.so");
        machine.write("C:\\Windows\\System32\\types.tlb");
        QVERIFY(QFile::copy(component, machine.local("C:\\Windows\\System32\\component.dll")));
        SetRegistryNumber(2, sharedKey, "C:\\Windows\\System32\\component.dll", 1);
        SetRegistryNumber(2, sharedKey, "C:\\Windows\\System32\\types.tlb", 1);
        ui::ScriptedDialogs dialogs;
        LeftBehind left;
        RemoveSharedFiles(lines({"C:\\Windows\\System32\\component.dll|CTRL", "C:\\Windows\\System32\\types.tlb|ctrl"}),
                          {true, nullptr, "Caption", &left});
        // The component ran its DllUnregisterServer with its own folder current.
        QVERIFY(machine.exists("C:\\Windows\\System32\\unregistered.txt"));
        QVERIFY(!machine.exists("C:\\Windows\\System32\\component.dll"));
        QVERIFY(!machine.exists("C:\\Windows\\System32\\types.tlb"));
        QVERIFY(!RegistryValueExists(2, sharedKey, "C:\\Windows\\System32\\types.tlb"));
    }

    void markedSharedLinkIsNotUnregistered()
    {
        Scratch machine;
        machine.plantCanaries();
        const QString component = QDir(qEnvironmentVariable("HOTEL_PROGRAM_DIR")).filePath("libuninst_test_component.so");
        const QString outside = machine.outsideFolder() + "/component.dll";
        QVERIFY(QFile::copy(component, outside));
        QDir().mkpath(machine.local("C:\\Windows\\System32"));
        QVERIFY(QFile::link(outside, machine.local("C:\\Windows\\System32\\component.dll")));
        SetRegistryNumber(2, sharedKey, "C:\\Windows\\System32\\component.dll", 1);
        ui::ScriptedDialogs dialogs;
        LeftBehind left;
        RemoveSharedFiles(lines({"C:\\Windows\\System32\\component.dll|CTRL"}), {true, nullptr, "Caption", &left});
        QVERIFY(!machine.exists("C:\\Windows\\System32\\component.dll"));
        QVERIFY(!machine.exists("C:\\Windows\\System32\\unregistered.txt"));
        QVERIFY(QFile::exists(outside));
        QVERIFY(!QFile::exists(machine.outsideFolder() + "/unregistered.txt"));
        QVERIFY(machine.damagedCanaries().isEmpty());
    }

    void backups_data()
    {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("target");   // "gone", "unchanged", "changed"
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("gone: restored") << false << int(ui::vbYes) << "gone" << QByteArray("old");
        QTest::newRow("unchanged: restored") << false << int(ui::vbYes) << "unchanged" << QByteArray("old");
        QTest::newRow("changed since: kept") << false << int(ui::vbYes) << "changed" << QByteArray("newer");
        QTest::newRow("no: only deleted") << false << int(ui::vbNo) << "unchanged" << QByteArray("installed");
        QTest::newRow("silent: only deleted") << true << 0 << "gone" << QByteArray();
    }
    void backups()
    {
        QFETCH(bool, silent);
        QFETCH(int, answer);
        QFETCH(QString, target);
        QFETCH(QByteArray, expected);
        Scratch machine;
        plantBackup(machine, "C:\\Windows");
        uint32_t high = 0, low = 0;
        if (target != "gone") {
            machine.write("C:\\Windows\\a.dll", "installed");
            QVERIFY(LastWriteTime(machine.local("C:\\Windows\\a.dll"), &high, &low));
        }
        if (target == "changed") {
            machine.write("C:\\Windows\\a.dll", "newer");
            QFile(machine.local("C:\\Windows\\a.dll")).setFileTime(QDateTime::currentDateTime().addSecs(60),
                                                                   QFileDevice::FileModificationTime);
        }
        ui::ScriptedDialogs dialogs;
        if (answer)
            dialogs.reply(ui::Reply::button(answer));
        BackupLine line{"C:\\Backup\\a.dll", "C:\\Windows\\a.dll", 0, 0, high, low};
        LeftBehind left;
        ProcessBackups({line}, true, {silent, nullptr, "Caption", &left});
        QVERIFY(!machine.exists("C:\\Backup\\a.dll"));
        QFile installed(machine.local("C:\\Windows\\a.dll"));
        QCOMPARE(installed.open(QIODevice::ReadOnly) ? installed.readAll() : QByteArray(), expected);
        QCOMPARE(dialogs.shown().size(), silent ? 0 : 1);
        if (!silent)
            QCOMPARE(dialogs.last().text, "Restore the files replaced during installation?");
        QVERIFY(machine.damagedCanaries().isEmpty());
    }

    // A target that is a symbolic link is dated as the link itself and, when restored,
    // replaced as the link: the file it leads to, outside the product, never changes.
    void backupTargetIsALink_data()
    {
        QTest::addColumn<bool>("dangling");
        QTest::addColumn<QString>("recorded");   // whose last-write time the data holds
        QTest::addColumn<bool>("restored");
        QTest::newRow("to a missing file") << true << "none" << false;
        QTest::newRow("to a file whose date was recorded") << false << "outside" << false;
        QTest::newRow("whose own date was recorded") << false << "link" << true;
        QTest::newRow("dangling, its own date recorded") << true << "link" << true;
    }
    void backupTargetIsALink()
    {
        QFETCH(bool, dangling);
        QFETCH(QString, recorded);
        QFETCH(bool, restored);
        Scratch machine;
        plantBackup(machine, "C:\\Windows\\System32");
        const QString outside = machine.outsideFolder() + "/target.dll";
        if (!dangling) {
            QFile file(outside);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("outside");
            file.flush();
            QVERIFY(file.setFileTime(QDateTime(QDate(2001, 5, 1), QTime(12, 0)), QFileDevice::FileModificationTime));
            file.close();
        }
        const QString link = machine.local("C:\\Windows\\System32\\a.dll");
        QVERIFY(QFile::link(outside, link));
        uint32_t high = 0, low = 0;
        if (recorded == "outside")
            QVERIFY(LastWriteTime(outside, &high, &low));
        if (recorded == "link")
            QVERIFY(LastWriteTime(link, &high, &low));
        ui::ScriptedDialogs dialogs;
        dialogs.reply(ui::Reply::button(ui::vbYes));
        LeftBehind left;
        ProcessBackups({BackupLine{"C:\\Backup\\a.dll", "C:\\Windows\\System32\\a.dll", 0, 0, high, low}}, true,
                       {false, nullptr, "Caption", &left});
        QVERIFY(!machine.exists("C:\\Backup\\a.dll"));
        QCOMPARE(QFileInfo(outside).exists(), !dangling);
        if (!dangling) {
            QFile file(outside);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("outside"));
        }
        QCOMPARE(QFileInfo(link).isSymLink(), !restored);
        if (restored) {
            QFile file(link);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("old"));
        }
        QCOMPARE(QDir(machine.local("C:\\Windows\\System32")).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
        QVERIFY(machine.damagedCanaries().isEmpty());
    }

    void backupThatIsTheTargetStays()
    {
        Scratch machine;
        machine.write("C:\\Windows\\a.dll", "installed");
        ui::ScriptedDialogs dialogs;
        dialogs.reply(ui::Reply::button(ui::vbYes));
        LeftBehind left;
        ProcessBackups({BackupLine{"C:\\Windows\\a.dll", "C:\\Windows\\.\\a.dll", 0, 0, 0, 0}}, true,
                       {false, nullptr, "Caption", &left});
        QVERIFY(machine.exists("C:\\Windows\\a.dll"));
    }

    void versions()
    {
        QCOMPARE(CompareVersions(0x00010002, 0x00030004, 0x00010002, 0x00030004), 0);
        QCOMPARE(CompareVersions(0x00010002, 0x00030004, 0x00010002, 0x00030005), 1);
        QCOMPARE(CompareVersions(0x00020000, 0, 0x0001FFFF, 0xFFFFFFFF), -1);
        QCOMPARE(CompareVersions(0x00018000, 0, 0x00010001, 0), -1);   // unsigned parts
        Scratch machine;
        // A fixed version block: signature, structure version, then the two words.
        machine.write("C:\\v.dll", QByteArray("header") + QByteArray::fromHex("bd04effe00000100" "02000100" "04000300"));
        uint32_t high = 0, low = 0;
        QCOMPARE(GetFileVersionPair(machine.local("C:\\v.dll"), &high, &low), 1);
        QCOMPARE(high, 0x00010002u);
        QCOMPARE(low, 0x00030004u);
        machine.write("C:\\plain.txt");
        QCOMPARE(GetFileVersionPair(machine.local("C:\\plain.txt"), &high, &low), -1);
        QCOMPARE(GetFileVersionPair(machine.local("C:\\none"), &high, &low), -3);
        // A link has no version of its own.
        QVERIFY(QFile::link(machine.local("C:\\v.dll"), machine.local("C:\\link.dll")));
        QCOMPARE(GetFileVersionPair(machine.local("C:\\link.dll"), &high, &low), -1);
    }

    void filesAndFolders()
    {
        Scratch machine;
        machine.plantCanaries();
        machine.write("C:\\Brevant\\Hotel.exe");
        machine.write("C:\\Brevant\\readonly.txt");
        QFile::setPermissions(machine.local("C:\\Brevant\\readonly.txt"), QFileDevice::ReadOwner);
        machine.write("C:\\Brevant\\locked.dll");
        machine.write("C:\\Brevant\\Data\\keep.mdb");
        QDir().mkpath(machine.local("C:\\Brevant\\Empty"));
        machine.write("C:\\Other\\x.txt");
        // Another program holds locked.dll: it is in use.
        const int fd = ::open(QFile::encodeName(machine.local("C:\\Brevant\\locked.dll")).constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        QCOMPARE(::flock(fd, LOCK_EX), 0);

        LeftBehind left;
        const StepContext context{true, nullptr, "Caption", &left};
        RemoveFiles(lines({"C:\\Brevant\\Hotel.exe", "C:\\Brevant\\readonly.txt", "C:\\Brevant\\locked.dll",
                           "C:\\Brevant\\missing.txt", "C:\\Gone\\missing.txt", "C:\\Brevant\\canary-link.txt",
                           "C:\\Brevant\\outside-link\\canary.txt", "C:\\Brevant\\..\\..\\..\\outside\\canary.txt",
                           "C:\\", "relative\\x.txt", "C:\\Other\\x.txt"}),
                     context);
        RemoveDirectories(lines({"C:\\Brevant\\Empty", "C:\\Brevant\\Data", "C:\\Brevant\\outside-link", "C:\\Nothing"}),
                          context);
        ::close(fd);

        QVERIFY(!machine.exists("C:\\Brevant\\Hotel.exe"));
        QVERIFY(!machine.exists("C:\\Brevant\\readonly.txt"));
        QVERIFY(machine.exists("C:\\Brevant\\locked.dll"));
        QVERIFY(!machine.exists("C:\\Other\\x.txt"));   // named by the data
        // Links go as links; the folder they lead to stays.
        QVERIFY(!QFileInfo(machine.local("C:\\Brevant\\canary-link.txt")).isSymLink());
        QVERIFY(!QFileInfo(machine.local("C:\\Brevant\\outside-link")).isSymLink());
        QVERIFY(!machine.exists("C:\\Brevant\\Empty"));
        QVERIFY(machine.exists("C:\\Brevant\\Data\\keep.mdb"));
        QCOMPARE(listed(left.files), QStringList({"C:\\Brevant\\locked.dll", "C:\\Brevant\\outside-link\\canary.txt",
                                                  "C:\\Brevant\\..\\..\\..\\outside\\canary.txt", "C:\\",
                                                  "relative\\x.txt"}));
        QCOMPARE(listed(left.inUse), QStringList({"C:\\Brevant\\locked.dll"}));
        QCOMPARE(listed(left.directories), QStringList({"C:\\Brevant\\Data"}));
        QVERIFY(machine.damagedCanaries().isEmpty());
    }

    void registryKeysByFlags()
    {
        Scratch machine;
        machine.plantCanaries();
        const QString base = "Software\\Brevant";
        SetRegistryText(1, base + "\\Values", "Drop", "x");
        SetRegistryText(1, base + "\\Values", "Stay", "x");
        SetRegistryText(1, base + "\\Empty12\\Dummy", "v", "x");   // 1 + 2 with a subkey: kept
        SetRegistryText(1, base + "\\HasValue12", "v", "x");       // 1 + 2 with a value: kept
        SetRegistryText(1, base + "\\Bare12", "t", "x");        // 1 + 2, its value deleted first: gone
        SetRegistryText(1, base + "\\Alone1\\Child", "v", "x");    // 1 alone with a subkey: listed
        SetRegistryText(1, base + "\\Keep18\\Child", "v", "x");    // 1 + 8: kept silently
        SetRegistryText(1, base + "\\Tree14\\A\\B", "v", "x");     // 1 + 4: all gone
        SetRegistryText(1, base + "\\Plain1", "v", "x");           // 1: deleted with its values
        RegNode brevant;
        brevant.subkey("Values", 0, RegNode().value("Drop").value("Stay", 0))
            .subkey("Empty12", 1 | 2)
            .subkey("HasValue12", 1 | 2)
            .subkey("Bare12", 1 | 2, RegNode().value("t"))
            .subkey("Alone1", 1)
            .subkey("Keep18", 1 | 8)
            .subkey("Tree14", 1 | 4)
            .subkey("Plain1", 1)
            .subkey("Missing", 1)
            .subkey("", 1)
            .subkey("Sneaky\\..", 1);
        const RegistryNode root = parsedNode(RegNode().subkey("Software", 0, RegNode().subkey("Brevant", 1 | 2, brevant)));
        ByteString keysLeft;
        QStringList path{"HKEY_CURRENT_USER"};
        QVERIFY(ProcessRegistryTree(&RegistryRoot(1), root, WalkMode::Check, nullptr, nullptr));
        QVERIFY(ProcessRegistryTree(&RegistryRoot(1), root, WalkMode::Remove, &path, &keysLeft));
        QVERIFY(!RegistryValueExists(1, base + "\\Values", "Drop"));
        QVERIFY(RegistryValueExists(1, base + "\\Values", "Stay"));
        QVERIFY(RegistryKeyExists(1, base + "\\Empty12\\Dummy"));
        QVERIFY(RegistryKeyExists(1, base + "\\HasValue12"));
        QVERIFY(!RegistryKeyExists(1, base + "\\Bare12"));
        QVERIFY(RegistryKeyExists(1, base + "\\Alone1\\Child"));
        QVERIFY(RegistryKeyExists(1, base + "\\Keep18\\Child"));
        QVERIFY(!RegistryKeyExists(1, base + "\\Tree14"));
        QVERIFY(!RegistryKeyExists(1, base + "\\Plain1"));
        QVERIFY(RegistryKeyExists(1, base));
        QCOMPARE(listed(keysLeft), QStringList({"HKEY_CURRENT_USER\\Software\\Brevant\\Alone1",
                                                "HKEY_CURRENT_USER\\Software\\Brevant\\",
                                                "HKEY_CURRENT_USER\\Software\\Brevant\\Sneaky\\.."}));
        QCOMPARE(path, QStringList{"HKEY_CURRENT_USER"});
        QVERIFY(machine.damagedCanaries().isEmpty());
    }

    void keyLeftTwiceIsListedOnce()
    {
        Scratch machine;
        SetRegistryText(2, "Software\\Dup\\Child", "v", "x");
        const RegistryNode root = parsedNode(RegNode().subkey("Software", 0, RegNode().subkey("Dup", 1).subkey("DUP", 1)));
        ByteString keysLeft;
        QStringList path{"HKEY_LOCAL_MACHINE"};
        ProcessRegistryTree(&RegistryRoot(2), root, WalkMode::Remove, &path, &keysLeft);
        QCOMPARE(listed(keysLeft), QStringList({"HKEY_LOCAL_MACHINE\\Software\\Dup"}));
    }

    void readOnlyKeyFailsTheCheck_data()
    {
        QTest::addColumn<bool>("withValues");
        QTest::newRow("values to delete") << true;
        QTest::newRow("only walked through") << false;
    }
    void readOnlyKeyFailsTheCheck()
    {
        QFETCH(bool, withValues);
        Scratch machine;
        SetRegistryText(2, "Software\\Locked\\Inner", "v", "x");
        reg::HKEY software;
        QCOMPARE(reg::RegOpenKeyEx(reg::HKEY_LOCAL_MACHINE, "Software", 0, reg::KEY_ALL_ACCESS, &software), reg::ERROR_SUCCESS);
        QCOMPARE(reg::SetKeyReadOnly(software, "Locked", true), reg::ERROR_SUCCESS);
        RegNode locked;
        if (withValues)
            locked.value("v");
        locked.subkey("Inner", 1);
        const RegistryNode root = parsedNode(RegNode().subkey("Software", 0, RegNode().subkey("Locked", 0, locked)));
        QCOMPARE(ProcessRegistryTree(&RegistryRoot(2), root, WalkMode::Check, nullptr, nullptr), !withValues);
    }

    void renameSection_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("empty") << QByteArray() << QByteArray("[Rename]\r\nNUL=/x/a.exe");
        QTest::newRow("no section") << QByteArray("[boot]\r\nx=1") << QByteArray("[boot]\r\nx=1\r\n[Rename]\r\nNUL=/x/a.exe\r\n");
        QTest::newRow("after the last section line")
            << QByteArray("[rename]\r\nNUL=/b\r\n[Rename]\r\nNUL=/c\r\n")
            << QByteArray("[rename]\r\nNUL=/b\r\n[Rename]\r\nNUL=/x/a.exe\r\nNUL=/c\r\n");
        QTest::newRow("already there") << QByteArray("[Rename]\r\nNUL=/x/a.exe\r\n") << QByteArray("[Rename]\r\nNUL=/x/a.exe\r\n");
    }
    void renameSection()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, expected);
        const ByteString result = AddRenameEntry(Bytes(content), "/x/a.exe");
        QCOMPARE(QByteArray(result.data(), qsizetype(result.length())), expected);
    }

    void deletionAtTheNextStart()
    {
        Scratch machine;
        machine.write("C:\\Brevant\\busy.dll");
        QDir().mkpath(machine.local("C:\\Brevant\\Folder"));
        DeleteAtReboot(machine.local("C:\\Brevant\\busy.dll"));
        DeleteAtReboot(machine.local("C:\\Brevant\\Folder"));
        QCOMPARE(sys::PendingDeletions(), QStringList({machine.local("C:\\Brevant\\busy.dll"), machine.local("C:\\Brevant\\Folder")}));
        sys::RequestRestart();
        QVERIFY(sys::RestartRequested());
        // The restart: the tool carries out the list.
        QProcess tool;
        tool.setProcessEnvironment(machine.environment());
        tool.start(QDir(qEnvironmentVariable("HOTEL_PROGRAM_DIR")).filePath("run-pending-deletes"));
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 0);
        QVERIFY(!machine.exists("C:\\Brevant\\busy.dll"));
        QVERIFY(!machine.exists("C:\\Brevant\\Folder"));
        QVERIFY(sys::PendingDeletions().isEmpty());
        QVERIFY(!sys::RestartRequested());
    }

    // The product's folder replaced by a link between the run and the restart: the pending
    // path now leads outside, and the file there stays; the entry is reported as left.
    void pendingDeletionNeverFollowsALink()
    {
        Scratch machine;
        machine.write("C:\\Brevant\\Data\\busy.dll");
        DeleteAtReboot(machine.local("C:\\Brevant\\Data\\busy.dll"));
        const QString outside = machine.outsideFolder();
        QVERIFY(QDir().mkpath(outside));
        QFile victim(outside + "/busy.dll");
        QVERIFY(victim.open(QIODevice::WriteOnly));
        victim.close();
        QVERIFY(QDir(machine.local("C:\\Brevant\\Data")).removeRecursively());
        QVERIFY(QFile::link(outside, machine.local("C:\\Brevant\\Data")));
        QProcess tool;
        tool.setProcessEnvironment(machine.environment());
        tool.start(QDir(qEnvironmentVariable("HOTEL_PROGRAM_DIR")).filePath("run-pending-deletes"));
        QVERIFY(tool.waitForFinished());
        QVERIFY(QFile::exists(outside + "/busy.dll"));
        QCOMPARE(tool.exitCode(), 1);
        QVERIFY(tool.readAllStandardError().contains("busy.dll"));
        QVERIFY(sys::PendingDeletions().isEmpty());
    }

    void deletionFallsBackToWininit_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::newRow("no wininit.ini") << false;
        QTest::newRow("wininit.ini a link to a file outside") << true;
    }
    void deletionFallsBackToWininit()
    {
        QFETCH(bool, linked);
        Scratch machine;
        machine.plantCanaries();
        QDir().mkpath(machine.local("C:\\Windows"));
        if (linked)
            QVERIFY(QFile::link(machine.outsideFolder() + "/canary.txt", machine.local("C:\\Windows\\wininit.ini")));
        reg::HKEY control;
        QCOMPARE(reg::RegCreateKeyEx(reg::HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager",
                                     reg::KEY_ALL_ACCESS, &control), reg::ERROR_SUCCESS);
        QCOMPARE(reg::SetKeyReadOnly(reg::HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", true),
                 reg::ERROR_SUCCESS);
        const QString target = machine.local("C:\\Brevant\\a.dll");
        DeleteAtReboot(target);
        DeleteAtReboot(target);
        QFile wininit(machine.local("C:\\Windows\\wininit.ini"));
        QVERIFY(wininit.open(QIODevice::ReadOnly));
        QCOMPARE(wininit.readAll(), "[Rename]\r\nNUL=" + QFile::encodeName(target));
        QVERIFY(!QFileInfo(wininit.fileName()).isSymLink());
        QVERIFY(machine.damagedCanaries().isEmpty());
    }

    void commandRules_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("batch");
        QTest::newRow("program") << "C:\\X\\SETUP.EXE /u" << false;
        QTest::newRow("batch") << "C:\\X\\CLEAN.BAT" << true;
        QTest::newRow("cmd") << "C:\\X\\CLEAN.CMD arg" << true;
        QTest::newRow("program with a batch argument") << "C:\\X\\RUN.EXE C:\\X\\CLEAN.BAT" << false;
        QTest::newRow("batch with a program argument") << "C:\\X\\CLEAN.BAT C:\\X\\RUN.EXE" << true;
        QTest::newRow("lower case is no batch") << "C:\\X\\clean.bat" << false;
    }
    void commandRules()
    {
        QFETCH(QString, command);
        QFETCH(bool, batch);
        QCOMPARE(CountsAsBatchFile(command), batch);
    }

    void commandProgram_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("program");   // empty: none found
        QTest::addColumn<QStringList>("arguments");
        const QString clean = "C:\\Program Files\\Brevant Hotel\\clean.EXE";
        QTest::newRow("quoted, as it stands") << QStringList{clean} << "\"" + clean + "\" arg.BAT" << clean
                                              << QStringList{"arg.BAT"};
        QTest::newRow("unquoted with blanks in its path") << QStringList{clean} << clean + " arg.BAT" << clean
                                                          << QStringList{"arg.BAT"};
        QTest::newRow("the first prefix that names a file")
            << QStringList{clean, "C:\\Program.exe"} << clean + " arg.BAT" << "C:\\Program.exe"
            << QStringList{"Files\\Brevant", "Hotel\\clean.EXE", "arg.BAT"};
        QTest::newRow(".exe after a name without extension")
            << QStringList{"C:\\Program Files\\Brevant Hotel\\clean.exe"} << "C:\\Program Files\\Brevant Hotel\\clean  /x"
            << "C:\\Program Files\\Brevant Hotel\\clean.exe" << QStringList{"/x"};
        QTest::newRow("no .exe after a quoted name") << QStringList{"C:\\Tools\\clean.exe"} << "\"C:\\Tools\\clean\" /x"
                                                     << "" << QStringList{};
        QTest::newRow("a folder is no program") << QStringList{"C:\\Tools.d\\x.txt"} << "C:\\Tools.d run" << ""
                                                << QStringList{};
        QTest::newRow("nothing there") << QStringList{} << clean + " arg.BAT" << "" << QStringList{};
        // Windows refuses both at once, however many blanks follow.
        QTest::newRow("a command line over 32,767 characters")
            << QStringList{clean} << "\"" + clean + "\" " + QString(32767, ' ') << "" << QStringList{};
        const QString deep = "C:\\" + QString(130, 'd') + "\\" + QString(130, 'p') + ".exe";
        QTest::newRow("a program name longer than a path") << QStringList{deep} << deep + " /x" << ""
                                                           << QStringList{};
        QTest::newRow("a quoted program name longer than a path")
            << QStringList{deep} << "\"" + deep + "\" /x" << "" << QStringList{};
    }
    void commandProgram()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, commandLine);
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        Scratch machine;
        for (const QString &file : files)
            machine.write(file);
        const std::optional<CommandProgram> found = FindCommandProgram(commandLine);
        QCOMPARE(found.has_value(), !program.isEmpty());
        if (found) {
            QCOMPARE(found->program, machine.local(program));
            QCOMPARE(found->arguments, arguments);
        }
    }

    void runAndWait_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("result");
        QTest::newRow("program ending 0 cancels") << "STOP.EXE" << 0 << 0;
        QTest::newRow("program ending 1 goes on") << "GO.EXE" << 1 << 1;
        QTest::newRow("batch ending 0 goes on") << "GO.BAT" << 0 << 1;
        QTest::newRow("batch ending 2 cancels") << "STOP.BAT" << 2 << 0;
    }
    void runAndWait()
    {
        QFETCH(QString, name);
        QFETCH(int, exitCode);
        QFETCH(int, result);
        Scratch machine;
        const QString windows = "C:\\Program Files\\Brevant\\" + name;
        machine.write(windows, QStringLiteral("#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/argument\"\nexit %1\n").arg(exitCode).toUtf8());
        QFile::setPermissions(machine.local(windows), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::WriteOwner);
        QCOMPARE(RunAndWait("\"" + windows + "\" /remove"), result);
        QFile argument(machine.local("C:\\Program Files\\Brevant\\argument"));
        QVERIFY(argument.open(QIODevice::ReadOnly));
        QCOMPARE(argument.readAll(), QByteArray("/remove\n"));
        QCOMPARE(RunAndWait("C:\\Program Files\\Brevant\\missing.exe"), -1);
    }
};

QTEST_MAIN(TestUninstOperations)
#include "tst_operations.moc"
