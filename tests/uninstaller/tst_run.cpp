// Whole runs of the uninstaller on a private machine: in this process under scripted
// dialogs, and as the real program with its data appended.
#include "detailsdialog.h"
#include "singleinstance.h"
#include "uninstallrun.h"

#include "registry/registry.h"
#include "system/pendingdeletes.h"
#include "ui/scripteddialogs.h"

#include "uninstaller/support/uninstdatabuilder.h"
#include "uninstaller/support/uninstscratch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace uninst;
using namespace uninsttest;

namespace {

const QString ownWindowsPath = QStringLiteral("C:\\Program Files\\Brevant\\uninst.exe");
const QString sharedKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs");

// The product as installed, and the data that removes it.
TestData installProduct(const Scratch &machine)
{
    machine.plantCanaries();
    machine.write("C:\\Brevant\\Hotel.exe");
    machine.write("C:\\Brevant\\data.mdb");
    machine.write("C:\\Windows\\System32\\tvlno.dll");
    SetRegistryNumber(2, sharedKey, "C:\\Windows\\System32\\tvlno.dll", 1);
    machine.write("C:\\Brevant\\Backup\\msvcrt.dll", "old");
    SetRegistryText(2, "Software\\Brevant\\Settings", "Path", "C:\\Brevant");
    SetRegistryText(1, "Software\\Brevant\\Windows", "bokState", "0");
    TestData data;
    data.shared = {"C:\\Windows\\System32\\tvlno.dll"};
    data.backups = {"C:\\Brevant\\Backup\\msvcrt.dll\tC:\\Windows\\System32\\msvcrt.dll\t0\t0\t0\t0"};
    data.files = {"C:\\Brevant\\Hotel.exe", "C:\\Brevant\\data.mdb", "C:\\Brevant\\canary-link.txt"};
    data.directories = {"C:\\Brevant\\Backup", "C:\\Brevant\\outside-link", "C:\\Brevant"};
    data.roots[2].subkey("Software", 0, RegNode().subkey("Brevant", 1 | 4));
    data.roots[1].subkey("Software", 0, RegNode().subkey("Brevant", 1 | 4));
    return data;
}

// The uninstaller's file with the data appended, where the installer put it.
QString writeUninstaller(const Scratch &machine, const QByteArray &fileBytes, const QString &windowsPath = ownWindowsPath)
{
    machine.write(windowsPath, fileBytes);
    return machine.local(windowsPath);
}

QString attach(const Scratch &machine, const TestData &data)
{
    return writeUninstaller(machine, Attach("MZ uninstaller program", data.wrapped()));
}

bool productStillInstalled(const Scratch &machine)
{
    return machine.exists("C:\\Brevant\\Hotel.exe") && machine.exists("C:\\Windows\\System32\\tvlno.dll")
           && machine.exists("C:\\Brevant\\Backup\\msvcrt.dll") && RegistryKeyExists(2, "Software\\Brevant\\Settings")
           && RegistryKeyExists(1, "Software\\Brevant\\Windows") && machine.exists(ownWindowsPath);
}

// The real program with the data appended, where the installer puts it; `damage` flips a
// byte of the outer layer.
QString installRealProgram(const Scratch &machine, const TestData &data, bool damage = false,
                           const QString &windowsPath = ownWindowsPath)
{
    QFile exe(QDir(qEnvironmentVariable("HOTEL_PROGRAM_DIR")).filePath("CorvaneUninstaller"));
    if (!exe.open(QIODevice::ReadOnly))
        qFatal("the uninstaller has not been built");
    QByteArray file = Attach(exe.readAll(), data.wrapped());
    if (damage)
        file[file.size() - 20] = char(file[file.size() - 20] ^ 1);
    const QString own = writeUninstaller(machine, file, windowsPath);
    QFile::setPermissions(own, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return own;
}

} // namespace

class TestUninstRun : public QObject {
    Q_OBJECT

private slots:
    void switches_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("noQuery");
        QTest::addColumn<bool>("noRemove");
        QTest::newRow("none") << "C:\\x\\uninst.exe" << false << false << false;
        QTest::newRow("lower case") << "C:\\x\\uninst.exe /silent" << true << false << false;
        QTest::newRow("inside the path") << "C:\\a/NOREMOVE\\uninst.exe /NoQuery" << false << true << true;
        // Where Windows would have them: a folder of this machine named like a switch is none.
        QTest::newRow("folders named like switches")
            << WindowsCommandLine("/opt/NoRemove/Silently/uninst.exe", {"/noquery"}) << false << true << false;
        QTest::newRow("switches among the arguments")
            << WindowsCommandLine("/opt/Brevant/uninst.exe", {"/Silent", "x/NOREMOVE"}) << true << false << true;
    }
    void switches()
    {
        QFETCH(QString, commandLine);
        QFETCH(bool, silent);
        QFETCH(bool, noQuery);
        QFETCH(bool, noRemove);
        const Switches s = ReadSwitches(commandLine);
        QCOMPARE(s.silent, silent);
        QCOMPARE(s.noQuery, noQuery);
        QCOMPARE(s.noRemove, noRemove);
    }

    void fullRunWithWindow()
    {
        Scratch machine;
        TestData data = installProduct(machine);
        machine.write("C:\\Brevant\\locked.dll");
        data.files.append("C:\\Brevant\\locked.dll");
        const int fd = ::open(QFile::encodeName(machine.local("C:\\Brevant\\locked.dll")).constData(), O_RDONLY);
        QCOMPARE(::flock(fd, LOCK_EX), 0);
        const QString own = attach(machine, data);

        ui::ScriptedDialogs dialogs;
        dialogs.reply(ui::Reply::button(ui::vbYes));      // remove the product
        dialogs.reply(ui::Reply::button(1005));           // the shared file: Yes
        dialogs.reply(ui::Reply::button(ui::vbYes));      // restore the backups
        UninstallRun run(own, own);
        QVERIFY(!run.start().has_value());
        ::close(fd);

        UninstallWindow *window = run.window();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), "Brevant Hotel Uninstall");
        auto *greeting = qobject_cast<QLabel *>(window->control(Greeting));
        auto *details = qobject_cast<QAbstractButton *>(window->control(DetailsButton));
        auto *closeButton = qobject_cast<QAbstractButton *>(window->control(CloseButton));
        QVERIFY(greeting && details && closeButton);
        QCOMPARE(greeting->text(), "Removing Brevant Hotel from your computer.");
        for (uint32_t mark : {61u, 62u, 63u, 64u, 65u, 71u, 72u})
            QVERIFY2(window->control(mark)->isVisible(), qPrintable(QString::number(mark)));
        QVERIFY(window->control(DetailsButton)->isEnabled());
        QVERIFY(window->control(CloseButton)->isEnabled());
        QCOMPARE(dialogs.shown()[0].title, "Brevant Hotel Uninstall");
        QCOMPARE(dialogs.shown()[0].text, "Do you really want to remove Brevant Hotel and all of its components?");
        QCOMPARE(dialogs.shown()[0].style, ui::vbYesNo + ui::vbQuestion);

        // Removed: files, the shared file and its counter, backups, keys; the links as links.
        QVERIFY(!machine.exists("C:\\Brevant\\Hotel.exe"));
        QVERIFY(!machine.exists("C:\\Windows\\System32\\tvlno.dll"));
        QVERIFY(!RegistryValueExists(2, sharedKey, "C:\\Windows\\System32\\tvlno.dll"));
        QCOMPARE(QFile(machine.local("C:\\Windows\\System32\\msvcrt.dll")).size(), 3);   // restored: it was gone
        QVERIFY(!machine.exists("C:\\Brevant\\Backup"));
        QVERIFY(!RegistryKeyExists(2, "Software\\Brevant"));
        QVERIFY(!RegistryKeyExists(1, "Software\\Brevant"));
        QVERIFY(machine.exists("C:\\Brevant\\locked.dll"));
        QVERIFY(machine.damagedCanaries().isEmpty());

        // Left: the file in use and the folder holding it.
        QCOMPARE(QString::fromLatin1(run.left().files.data(), run.left().files.length()), "C:\\Brevant\\locked.dll\r\n");
        QCOMPARE(QString::fromLatin1(run.left().directories.data(), run.left().directories.length()), "C:\\Brevant\r\n");
        QVERIFY(run.rebootFlag());

        // The program left the product's folder and waits for its deletion at the next start.
        QVERIFY(!machine.exists(ownWindowsPath));
        QVERIFY(run.ownPath().startsWith(machine.root() + "/tmp/uni"));
        QVERIFY(run.ownPath().endsWith(".bak"));
        QCOMPARE(sys::PendingDeletions(), QStringList({run.ownPath(), machine.local("C:\\Brevant\\locked.dll")}));

        // Details lists what was left under the headings; its title and button come from the window.
        QString detailsTitle, detailsText, detailsButton;
        QTimer::singleShot(0, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            detailsTitle = modal->windowTitle();
            auto *text = modal->findChild<QPlainTextEdit *>("1009");
            auto *close = modal->findChild<QAbstractButton *>("1");
            QVERIFY(text && close);
            detailsText = text->toPlainText();
            detailsButton = close->text();
            close->click();
        });
        details->click();
        QCOMPARE(detailsTitle, "Details");
        QCOMPARE(detailsButton, "&Close");
        QCOMPARE(detailsText, "Files left:\nC:\\Brevant\\locked.dll\n\nDirectories left:\nC:\\Brevant\n");

        // Closing offers the restart once, then ends the run with 1.
        dialogs.reply(ui::Reply::button(ui::vbYes));
        closeButton->click();
        QCOMPARE(run.waitForClose(), 1);
        QCOMPARE(dialogs.last().text, "Some files are in use. Restart now to finish?");
        QVERIFY(sys::RestartRequested());
        QCOMPARE(dialogs.shown().size(), 4);

        // The restart: the tool deletes what was pending.
        QVERIFY(sys::CarryOutPendingDeletions().isEmpty());
        QVERIFY(!QFile::exists(run.ownPath()));
        QVERIFY(!machine.exists("C:\\Brevant\\locked.dll"));
        QVERIFY(machine.damagedCanaries().isEmpty());
    }

    void detailsListRegistryKeysToo()
    {
        LeftBehind left;
        AppendLine(&left.registryKeys, "HKEY_CURRENT_USER\\Software\\Brevant");
        AppendLine(&left.registryKeys, "HKEY_USERS\\x");
        QCOMPARE(DetailsText(left), "Registry keys left:\r\nHKEY_CURRENT_USER\\Software\\Brevant\r\nHKEY_USERS\\x\r\n");
    }

    void noChangesNothing()
    {
        Scratch machine;
        const QString own = attach(machine, installProduct(machine));
        ui::ScriptedDialogs dialogs;
        dialogs.reply(ui::Reply::button(ui::vbNo));
        {
            UninstallRun run(own, own);
            QCOMPARE(run.start(), std::optional<int>(0));
            QCOMPARE(dialogs.shown().size(), 1);
            QVERIFY(!run.window());
        }
        QVERIFY(productStillInstalled(machine));
        QVERIFY(machine.damagedCanaries().isEmpty());
        QVERIFY(!QFile::exists(machine.root() + "/tmp/cuin_Brevant Hotel_mutex.lock"));   // the run is over
    }

    void refusedData_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("switches");
        QTest::addColumn<QString>("message");
        QTest::newRow("outer layer") << "outer" << "" << "Uninstallation information corrupt. Aborting.";
        QTest::newRow("inner layer") << "inner" << "" << "Uninstallation information corrupt. Aborting.";
        QTest::newRow("offset past the end") << "offset" << "" << "Uninstallation information corrupt. Aborting.";
        QTest::newRow("template without window") << "template" << "" << "Uninstallation information corrupt. Aborting.";
        QTest::newRow("unreadable") << "missing" << "" << "Couldn't read uninstallation information. Aborting.";
        QTest::newRow("silent: no word") << "outer" << " /SILENT" << "";
    }
    void refusedData()
    {
        QFETCH(QString, damage);
        QFETCH(QString, switches);
        QFETCH(QString, message);
        Scratch machine;
        TestData data = installProduct(machine);
        if (damage == "template") {
            Template t = ProgressTemplate();
            t.style = 0x00CA0000;
            data.windowTemplate = t.bytes();
        }
        QByteArray file = Attach("MZ", damage == "inner" ? WrapLayer(WrapLayer(data.unwrapped(), 7, 0x31).left(50) + "x", 13, 0xA5)
                                                         : data.wrapped());
        if (damage == "outer")
            file[30] = char(file[30] ^ 0x10);
        if (damage == "offset")
            file.replace(file.size() - 4, 4, QByteArray::fromHex("ffffff00"));
        QString own = writeUninstaller(machine, file);
        if (damage == "missing")
            own += ".gone";
        ui::ScriptedDialogs dialogs;
        UninstallRun run(own, own + switches);
        QCOMPARE(run.start(), std::optional<int>(0));
        QCOMPARE(dialogs.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(dialogs.last().style, ui::vbCritical);
            QCOMPARE(dialogs.last().title, damage == "template" ? "Brevant Hotel Uninstall" : "Corvane Uninstaller");
        }
        QVERIFY(productStillInstalled(machine));
        QVERIFY(machine.damagedCanaries().isEmpty());
    }

    void withoutHeaderRunsSilently()
    {
        Scratch machine;
        TestData data = installProduct(machine);
        data.header = false;
        const QString own = attach(machine, data);
        ui::ScriptedDialogs dialogs;
        UninstallRun run(own, own);
        QCOMPARE(run.start(), std::optional<int>(1));
        QVERIFY(dialogs.shown().isEmpty());
        QVERIFY(!run.window());
        QVERIFY(!machine.exists("C:\\Brevant\\Hotel.exe"));
        QVERIFY(!machine.exists("C:\\Windows\\System32\\tvlno.dll"));   // silent: no question
        QVERIFY(!machine.exists("C:\\Windows\\System32\\msvcrt.dll"));  // silent: never restored
        QVERIFY(!machine.exists("C:\\Brevant\\Backup\\msvcrt.dll"));
        QVERIFY(machine.damagedCanaries().isEmpty());
    }

    void readOnlyRegistryRefuses()
    {
        Scratch machine;
        TestData data = installProduct(machine);
        data.roots[2] = RegNode().subkey("Software", 0, RegNode().subkey("Brevant", 1 | 4, RegNode().value("Path")));
        SetRegistryText(2, "Software\\Brevant", "Path", "x");
        reg::HKEY software;
        QCOMPARE(reg::RegOpenKeyEx(reg::HKEY_LOCAL_MACHINE, "Software", 0, reg::KEY_ALL_ACCESS, &software), reg::ERROR_SUCCESS);
        QCOMPARE(reg::SetKeyReadOnly(software, "Brevant", true), reg::ERROR_SUCCESS);
        const QString own = attach(machine, data);
        ui::ScriptedDialogs dialogs;
        dialogs.reply(ui::Reply::button(ui::vbYes));
        UninstallRun run(own, own);
        QCOMPARE(run.start(), std::optional<int>(0));
        QCOMPARE(dialogs.last().text, "You do not have the rights to change the registry.");
        QCOMPARE(dialogs.last().style, ui::vbOKOnly);
        QVERIFY(productStillInstalled(machine));
    }

    void productCommand_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QString>("program");   // the script the command names, or none
        QTest::addColumn<QByteArray>("commandLine");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("ran");
        QTest::addColumn<bool>("removed");
        const QString tools = "C:\\Tools\\CLEAN.EXE";
        QTest::newRow("kind 100 runs nothing") << QByteArray("100") << tools << QByteArray("C:\\Tools\\CLEAN.EXE") << 0 << false << true;
        QTest::newRow("kind 101 runs nothing") << QByteArray("101") << tools << QByteArray("C:\\Tools\\CLEAN.EXE") << 0 << false << true;
        QTest::newRow("program ending 0 cancels") << QByteArray("1") << tools << QByteArray("C:\\Tools\\CLEAN.EXE") << 0 << true << false;
        QTest::newRow("program ending 1 goes on") << QByteArray("1") << tools << QByteArray("C:\\Tools\\CLEAN.EXE") << 1 << true << true;
        QTest::newRow("batch ending 0 goes on") << QByteArray("1") << "C:\\Tools\\CLEAN.BAT" << QByteArray("C:\\Tools\\CLEAN.BAT")
                                                << 0 << true << true;
        QTest::newRow("not startable goes on") << QByteArray("1") << "" << QByteArray("C:\\Tools\\MISSING.EXE") << 0 << false << true;
        // Unquoted, with blanks in the program's path.
        const QString clean = "C:\\Program Files\\Brevant Hotel\\clean.EXE";
        const QByteArray cleanLine = "C:\\Program Files\\Brevant Hotel\\clean.EXE arg.BAT";
        QTest::newRow("unquoted program ending 0 cancels") << QByteArray("1") << clean << cleanLine << 0 << true << false;
        QTest::newRow("unquoted program ending 1 goes on") << QByteArray("1") << clean << cleanLine << 1 << true << true;
        QTest::newRow("unquoted batch ending 0 goes on")
            << QByteArray("1") << "C:\\Program Files\\Brevant Hotel\\clean.BAT"
            << QByteArray("C:\\Program Files\\Brevant Hotel\\clean.BAT /q") << 0 << true << true;
    }
    void productCommand()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QString, program);
        QFETCH(QByteArray, commandLine);
        QFETCH(int, exitCode);
        QFETCH(bool, ran);
        QFETCH(bool, removed);
        Scratch machine;
        TestData data = installProduct(machine);
        data.commandKind = kind;
        data.commandLine = commandLine;
        const QString folder = program.left(program.lastIndexOf('\\'));
        if (!program.isEmpty()) {
            machine.write(program, QStringLiteral("#!/bin/sh\ntouch \"$(dirname \"$0\")/ran\"\nexit %1\n").arg(exitCode).toUtf8());
            QFile::setPermissions(machine.local(program), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        const QString own = attach(machine, data);
        ui::ScriptedDialogs dialogs;
        UninstallRun run(own, own + " /SILENT");
        QCOMPARE(run.start(), std::optional<int>(removed ? 1 : 0));
        QCOMPARE(!folder.isEmpty() && machine.exists(folder + "\\ran"), ran);
        QCOMPARE(machine.exists("C:\\Brevant\\Hotel.exe"), !removed);
    }

    void noQueryAndNoRemove()
    {
        Scratch machine;
        const QString own = attach(machine, installProduct(machine));
        ui::ScriptedDialogs dialogs;
        dialogs.reply(ui::Reply::button(1006));        // the shared file: No
        dialogs.reply(ui::Reply::button(ui::vbNo));    // do not restore
        UninstallRun run(own, own + " /noquery /NOREMOVE");
        QVERIFY(!run.start().has_value());
        QCOMPARE(dialogs.shown().size(), 2);
        QCOMPARE(dialogs.shown()[0].kind, ui::DialogKind::Choice);
        QVERIFY(machine.exists("C:\\Windows\\System32\\tvlno.dll"));
        QCOMPARE(RegistryNumber(2, sharedKey, "C:\\Windows\\System32\\tvlno.dll"), 0);
        QVERIFY(!machine.exists("C:\\Windows\\System32\\msvcrt.dll"));
        QVERIFY(machine.exists(ownWindowsPath));
        QCOMPARE(run.ownPath(), own);
        QVERIFY(sys::PendingDeletions().isEmpty());
        // Nothing in use: closing asks nothing.
        run.window()->close();
        QCOMPARE(run.waitForClose(), 1);
        QCOMPARE(dialogs.shown().size(), 2);
    }

    void windowClosingOffersTheRestartAndQuits_data()
    {
        QTest::addColumn<bool>("atTheEnd");
        QTest::newRow("during the removal") << false;
        QTest::newRow("at the end") << true;
    }
    void windowClosingOffersTheRestartAndQuits()
    {
        QFETCH(bool, atTheEnd);
        LeftBehind left;
        int quit = 0, offered = 0;
        UninstallWindow window("Hotel", &left, [&] { ++offered; }, [&](int value) { quit = value; });
        QCOMPARE(window.create(ByteString(ProgressTemplate().bytes().toStdString())), int(WindowCreated));
        QVERIFY(!window.control(CloseButton)->isEnabled());
        QVERIFY(window.control(MarkFinished)->isHidden());
        if (atTheEnd) {
            window.finish();
            QVERIFY(window.control(CloseButton)->isEnabled());
            QVERIFY(window.control(MarkLeftBehind)->isHidden());   // nothing was left
        }
        window.close();
        QCOMPARE(quit, 1);
        QCOMPARE(offered, 1);
        QVERIFY(window.isVisible());   // handled: the window goes with the run
    }

    // Closed during the removal: the removal still runs to its end, then the run ends with
    // the posted value instead of waiting.
    void closeDuringTheRemoval()
    {
        Scratch machine;
        const QString own = attach(machine, installProduct(machine));
        ui::ScriptedDialogs dialogs;
        dialogs.reply(ui::Reply::button(1005));          // the shared file: Yes
        dialogs.reply(ui::Reply::button(ui::vbNo));      // do not restore
        UninstallRun run(own, own + " /NOQUERY");
        bool closed = false;
        // Runs at the first pump, right after the window was made.
        QTimer::singleShot(0, this, [&] {
            QVERIFY(run.window());
            QVERIFY(!run.window()->control(MarkShared)->isVisible());
            closed = true;
            run.window()->close();
        });
        QCOMPARE(run.start(), std::optional<int>(1));
        QVERIFY(closed);
        QVERIFY(!machine.exists("C:\\Brevant\\Hotel.exe"));
        QVERIFY(!RegistryKeyExists(2, "Software\\Brevant"));
        QCOMPARE(sys::PendingDeletions(), QStringList({run.ownPath()}));
        QCOMPARE(dialogs.shown().size(), 2);   // nothing was in use: no restart question
        QVERIFY(machine.damagedCanaries().isEmpty());
    }

    // The lock file goes with its holder; a copy that opened it just before and locks it
    // just after finds it gone and tries the name again, so that never two copies run.
    void lockFileGoesWithItsHolder()
    {
        Scratch machine;
        auto first = std::make_unique<SingleInstance>("cuin_Brevant Hotel_mutex");
        QVERIFY(first->acquired());
        const QString lock = QFile::decodeName(first->path());
        QCOMPARE(lock, machine.root() + "/tmp/cuin_Brevant Hotel_mutex.lock");
        QVERIFY(QFile::exists(lock));
        std::unique_ptr<SingleInstance> third;
        SingleInstance second("cuin_Brevant Hotel_mutex", [&] {
            if (third)
                return;
            first.reset();
            third = std::make_unique<SingleInstance>("cuin_Brevant Hotel_mutex");
        });
        QVERIFY(third->acquired());
        QVERIFY(!second.acquired());
        QVERIFY(QFile::exists(lock));
        third.reset();
        QVERIFY(!QFile::exists(lock));
    }

    // A product name too long for a file name still gets a lock file of its own, and the
    // run goes on; a lock file that cannot be made at all is said, not taken for a second copy.
    void lockFileOfAnyProductName_data()
    {
        QTest::addColumn<QByteArray>("productName");
        QTest::addColumn<bool>("temporaryFolderUsable");
        QTest::addColumn<bool>("removed");
        QTest::newRow("240 bytes of UTF-8") << QByteArray("\xc3\xa9").repeated(120) << true << true;
        QTest::newRow("a name of 1,000 characters") << QByteArray("p").repeated(1000) << true << true;
        QTest::newRow("no temporary folder") << QByteArray("Brevant Hotel") << false << false;
    }
    void lockFileOfAnyProductName()
    {
        QFETCH(QByteArray, productName);
        QFETCH(bool, temporaryFolderUsable);
        QFETCH(bool, removed);
        Scratch machine;
        TestData data = installProduct(machine);
        data.productName = productName;
        data.shared.clear();    // no question on the way
        data.backups.clear();
        const QString own = attach(machine, data);
        const QString temporary = machine.root() + "/tmp";
        if (!temporaryFolderUsable) {
            QVERIFY(QDir(temporary).removeRecursively());
            QFile file(temporary);   // a file where the folder should be
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        ui::ScriptedDialogs dialogs;
        UninstallRun run(own, own + " /NOQUERY");
        const std::optional<int> result = run.start();
        QCOMPARE(!machine.exists("C:\\Brevant\\Hotel.exe"), removed);
        if (removed) {
            QVERIFY(!result.has_value());
            QVERIFY(QDir(temporary).entryList({"cuin_*.lock"}, QDir::Files).size() == 1);
        } else {
            QCOMPARE(result, std::optional<int>(0));
            QCOMPARE(dialogs.messages().size(), 1);
            QVERIFY(dialogs.last().text.startsWith("The uninstaller cannot lock its run"));
        }
    }
    void lockFileNamesFitAndDiffer()
    {
        const QString a = "cuin_" + QString(300, QChar(0x00E9)) + "a_mutex";
        const QString b = "cuin_" + QString(300, QChar(0x00E9)) + "b_mutex";
        const QString withPair = "cuin_" + QString(126, 'x') + QString::fromUtf8("\xF0\x9F\x98\x80").repeated(40);
        for (const QString &name : {a, b, withPair}) {
            const QString file = SingleInstance::FileNameFor(name);
            QVERIFY(QFile::encodeName(file).size() <= 255);
            QVERIFY(file.endsWith(".lock"));
            QVERIFY(QString::fromUtf8(QFile::encodeName(file)) == file);   // no half character
        }
        QVERIFY(SingleInstance::FileNameFor(a) != SingleInstance::FileNameFor(b));
        QCOMPARE(SingleInstance::FileNameFor("cuin_Brevant Hotel_mutex"), "cuin_Brevant Hotel_mutex.lock");
    }

    // A caption that the data leaves empty stays empty on every message box.
    void emptyCaptionStaysEmpty()
    {
        Scratch machine;
        TestData data = installProduct(machine);
        data.messages[0].text = "";
        const QString own = attach(machine, data);
        ui::ScriptedDialogs dialogs;
        dialogs.reply(ui::Reply::button(ui::vbNo));
        UninstallRun run(own, own);
        QCOMPARE(run.start(), std::optional<int>(0));
        QCOMPARE(dialogs.shown().size(), 1);
        QCOMPARE(dialogs.last().title, QString());
    }

    void secondCopyInThisProcessEndsAtOnce()
    {
        Scratch machine;
        const QString own = attach(machine, installProduct(machine));
        SingleInstance first("cuin_Brevant Hotel_mutex");
        QVERIFY(first.acquired());
        ui::ScriptedDialogs dialogs;
        UninstallRun run(own, own);
        QCOMPARE(run.start(), std::optional<int>(0));
        QVERIFY(dialogs.shown().isEmpty());
        QVERIFY(productStillInstalled(machine));
    }

    void realProgramSilentRun()
    {
        Scratch machine;
        const QString own = installRealProgram(machine, installProduct(machine));
        QProcess run;
        run.setProcessEnvironment(machine.environment());
        run.start(own, {"/SILENT"});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 1);
        QVERIFY(!machine.exists("C:\\Brevant\\Hotel.exe"));
        QVERIFY(!RegistryKeyExists(2, "Software\\Brevant"));
        QVERIFY(!machine.exists(ownWindowsPath));
        const QStringList pending = sys::PendingDeletions();
        QCOMPARE(pending.size(), 1);
        QVERIFY(pending[0].startsWith(machine.root() + "/tmp/uni"));
        QVERIFY(QFile::exists(pending[0]));
        QVERIFY(machine.damagedCanaries().isEmpty());
        QVERIFY(!QFile::exists(machine.root() + "/tmp/cuin_Brevant Hotel_mutex.lock"));

        // The same program with a damaged tail changes nothing.
        Scratch second;
        const QString secondOwn = installRealProgram(second, installProduct(second), true);
        run.setProcessEnvironment(second.environment());
        run.start(secondOwn, {"/SILENT"});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
        QVERIFY(productStillInstalled(second));
    }

    void realProgramInAFolderNamedNoRemove()
    {
        Scratch machine;
        const QString own = installRealProgram(machine, installProduct(machine), false,
                                               "C:\\Program Files\\Brevant\\NoRemove\\uninst.exe");
        QProcess run;
        run.setProcessEnvironment(machine.environment());
        run.start(own, {"/SILENT"});
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 1);
        // It moved itself away and waits for its deletion at the next start.
        QVERIFY(!QFile::exists(own));
        QCOMPARE(sys::PendingDeletions().size(), 1);
    }

    void realProgramSecondCopyEndsWhileTheFirstWaits()
    {
        Scratch machine;
        const QString own = installRealProgram(machine, installProduct(machine));
        // The first copy waits at its question.
        QProcess first;
        first.setProcessEnvironment(machine.environment());
        first.start(own);
        QVERIFY(first.waitForStarted());
        const QString lock = machine.root() + "/tmp/cuin_Brevant Hotel_mutex.lock";
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(lock); }, 30000));
        QProcess second;
        second.setProcessEnvironment(machine.environment());
        second.start(own, {"/SILENT"});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
        QVERIFY(productStillInstalled(machine));
    }
};

QTEST_MAIN(TestUninstRun)
#include "tst_run.moc"
