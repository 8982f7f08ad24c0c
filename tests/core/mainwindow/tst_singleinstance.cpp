// One running copy per installation: a second copy of the same program folder is refused
// before it opens anything, another installation is not, and a crashed copy's hold goes
// with it. The copies are this test program started again in a role of its own.
#include "ado/connection.h"
#include "core/mainwindow/load_frms.h"
#include "core/mainwindow/mainfrm.h"
#include "core/state/appstate.h"
#include "support/corefixture.h"
#include "ui/forms.h"
#include "ui/scripteddialogs.h"
#include "vb/app.h"
#include "vb/locale.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <QtTest>

#include <unistd.h>

using core::State;

namespace {

const char *StartCopy = "--start-copy";
const char *HoldAndCrash = "--hold-and-crash";

// A copy of the program: starts in the given program folder with scripted answers and
// tells what it did.
int runCopy(const QString &folder)
{
    vb::SetCurrentLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    vb::SetAppPath(folder);
    testsupport::RegisterSettingsComponent();
    ui::ScriptedDialogs dialogs;
    core::Main();
    QTextStream out(stdout);
    out << "ended=" << core::ProgramEnded() << "\n";
    const auto &conn = State().mConn;
    out << "connection=" << (!conn ? "none" : conn->State() == ado::adStateOpen ? "open" : "closed") << "\n";
    out << "windows=" << ui::Forms::Loaded().size() << "\n";
    for (const ui::ShownDialog &box : dialogs.shown())
        out << "message=" << box.text << "|" << box.style << "|" << box.title << "\n";
    out.flush();
    return 0;
}

// Takes the installation and dies without letting go of anything.
int holdAndCrash(const QString &folder)
{
    vb::SetAppPath(folder);
    core::AppPrevInstance();
    QTextStream(stdout) << "held\n";
    ::_exit(3);
}

QStringList startCopy(const char *role, const QString &folder)
{
    QProcess copy;
    copy.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(role), folder});
    if (!copy.waitForFinished(60000))
        copy.kill();
    return QString::fromUtf8(copy.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool mainWindowShown()
{
    const auto *main = ui::Forms::Find<core::mainFrm>();
    return main && main->isVisible();
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void secondCopyOfSameInstallationIsRefused();
    void anotherInstallationStarts();
    void crashedCopyDoesNotBlock();
};

void SingleInstanceTest::secondCopyOfSameInstallationIsRefused()
{
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    core::Main();
    QVERIFY(mainWindowShown());

    const QStringList second = startCopy(StartCopy, fx.programFolder());
    QCOMPARE(second, (QStringList{"ended=1", "connection=none", "windows=0",
                                  "message=Brevant already running!|64|Brevant"}));

    // The same installation reached through another path is the same installation.
    const QString link = fx.programFolder() + QStringLiteral("-link");
    QVERIFY(QFile::link(fx.programFolder(), link));
    QCOMPARE(startCopy(StartCopy, link).value(0), QStringLiteral("ended=1"));

    // The first copy goes on untouched.
    QVERIFY(mainWindowShown());
    QCOMPARE(State().mConn->State(), long(ado::adStateOpen));
    QVERIFY(!core::ProgramEnded());
    QVERIFY(fx.dialogs().shown().isEmpty());
}

void SingleInstanceTest::anotherInstallationStarts()
{
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    core::Main();
    const QString other = fx.programFolder() + QStringLiteral("-other");
    QVERIFY(QDir().mkpath(other));
    QVERIFY(QFile::copy(fx.programFolder() + QStringLiteral("/config.ini"), other + QStringLiteral("/config.ini")));

    const QStringList copy = startCopy(StartCopy, other);
    QCOMPARE(copy, (QStringList{"ended=0", "connection=open", "windows=1"}));
}

void SingleInstanceTest::crashedCopyDoesNotBlock()
{
    testsupport::CoreFixture fx(QStringLiteral("access"), false);
    QCOMPARE(startCopy(HoldAndCrash, fx.programFolder()), QStringList{"held"});
    QVERIFY(QFile::exists(core::InstanceLockPath()));

    QVERIFY(!core::AppPrevInstance());
    core::Main();
    QVERIFY(mainWindowShown());
    QVERIFY(fx.dialogs().shown().isEmpty());
    // Now this copy holds the installation.
    QCOMPARE(startCopy(StartCopy, fx.programFolder()).value(0), QStringLiteral("ended=1"));
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], StartCopy) == 0)
        return runCopy(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && qstrcmp(argv[1], HoldAndCrash) == 0)
        return holdAndCrash(QString::fromLocal8Bit(argv[2]));
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
