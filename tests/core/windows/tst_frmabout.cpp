// The about box: version text, the link's hover and click, the system information tool found
// through the registry, and the window opened by name.
#include "core/state/windowregistry.h"
#include "core/windows/frmabout.h"
#include "registry/registry.h"
#include "ui/forms.h"
#include "ui/scripteddialogs.h"
#include "ui/vbcolor.h"
#include "vb/locale.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

using core::frmAbout;

namespace {

const QString kMsInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kMsInfoLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

void setMachineValue(const QString &key, const QString &name, const QString &text)
{
    reg::HKEY handle;
    QCOMPARE(reg::RegCreateKeyEx(reg::HKEY_LOCAL_MACHINE, key, reg::KEY_ALL_ACCESS, &handle), reg::ERROR_SUCCESS);
    QCOMPARE(reg::SetStringValue(handle, name, text), reg::ERROR_SUCCESS);
}

void sendMouse(QWidget *target, QEvent::Type type)
{
    const QPointF local(2, 2);
    QMouseEvent event(type, local, target->mapToGlobal(local), Qt::LeftButton,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

QString scratch() { return QString::fromLocal8Bit(qgetenv("HOTEL_TEST_SCRATCH")); }

} // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void loadShowsVersionAndTexts();
    void linkLightsUpUnderThePointer();
    void linkClickOpensTheWebSite();
    void noToolInRegistryGivesTheMessage();
    void toolPathFromRegistryIsStarted();
    void toolFolderNeedsTheProgramFile();
    void keyValuesByType();
    void openedByNameAndClosedByOk();
    void escapeCloses();
    void screenshot();
};

void TestFrmAbout::initTestCase()
{
    vb::SetCurrentLocale(QLocale(QStringLiteral("en_US")));
    core::RegisterForm<core::frmAbout>();
}

void TestFrmAbout::init() { reg::RegDeleteTree(reg::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE")); }

void TestFrmAbout::cleanup()
{
    ui::Forms::Unload<frmAbout>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestFrmAbout::loadShowsVersionAndTexts()
{
    frmAbout &frm = ui::Forms::Get<frmAbout>();
    QCOMPARE(frm.Caption(), QStringLiteral("About MyApp"));
    QCOMPARE(frm.Label6->text(), frmAbout::VersionText());
    QVERIFY2(QRegularExpression(QStringLiteral("^1\\.0\\.\\d+$")).match(frm.Label6->text()).hasMatch(),
             qPrintable(frm.Label6->text()));
    QCOMPARE(frm.Label1->text(), QStringLiteral("Brevant"));
    QCOMPARE(frm.Label2->text(), QStringLiteral("For managing all types of hotels."));
    QCOMPARE(frm.cmdSysInfo->text(), QStringLiteral("&System Info..."));
    // The picture is the product logo, the same one every window carries as its icon.
    const QImage logo = core::ProductLogo().toImage();
    QCOMPARE(logo.size(), QSize(64, 64));
    QVERIFY(logo.pixelColor(32, 28) != logo.pixelColor(2, 32));   // drawn, not a plain square
    QCOMPARE(frm.Picture1->pixmap().toImage(), logo);
}

void TestFrmAbout::linkLightsUpUnderThePointer()
{
    frmAbout &frm = ui::Forms::Get<frmAbout>();
    QVERIFY(!frm.Label5->font().bold());

    sendMouse(frm.Label5, QEvent::MouseMove);
    QVERIFY(frm.Label5->font().bold());
    QVERIFY(frm.Label5->font().underline());
    QCOMPARE(frm.Label5->palette().color(QPalette::WindowText), ui::ColorFromVb(0xFF0000));
    QCOMPARE(frm.Label5->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(frm.cursor().shape(), Qt::PointingHandCursor);

    sendMouse(&frm, QEvent::MouseMove);
    QVERIFY(!frm.Label5->font().bold());
    QVERIFY(!frm.Label5->font().underline());
    QCOMPARE(frm.Label5->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(frm.cursor().shape(), Qt::ArrowCursor);
}

void TestFrmAbout::linkClickOpensTheWebSite()
{
    ui::ScriptedDialogs dialogs;
    frmAbout &frm = ui::Forms::Get<frmAbout>();
    sendMouse(frm.Label5, QEvent::MouseButtonPress);
    QVERIFY(dialogs.shown().isEmpty());   // a click is a press and a release
    sendMouse(frm.Label5, QEvent::MouseButtonRelease);
    QCOMPARE(dialogs.shown(ui::DialogKind::ShellOpen).size(), 1);
    QCOMPARE(dialogs.last().text, core::MakerWebAddress);
    QCOMPARE(frm.Label5->text(), core::MakerWebAddress);
}

void TestFrmAbout::noToolInRegistryGivesTheMessage()
{
    ui::ScriptedDialogs dialogs;
    frmAbout &frm = ui::Forms::Get<frmAbout>();
    frm.cmdSysInfo->click();
    QCOMPARE(dialogs.shown().size(), 1);
    QCOMPARE(dialogs.last().kind, ui::DialogKind::MessageBox);
    QCOMPARE(dialogs.last().text, kUnavailable);
    QCOMPARE(dialogs.last().style, ui::vbOKOnly);
    QCOMPARE(dialogs.last().title, QStringLiteral("Brevant"));
    QVERIFY(dialogs.shown(ui::DialogKind::StartProgram).isEmpty());
}

void TestFrmAbout::toolPathFromRegistryIsStarted()
{
    setMachineValue(kMsInfoKey, QStringLiteral("PATH"), QStringLiteral("/usr/bin/sysinfo-tool"));
    // The location key is not consulted once the path is found.
    setMachineValue(kMsInfoLocationKey, QStringLiteral("MSINFO"), QStringLiteral("/nowhere"));
    ui::ScriptedDialogs dialogs;
    ui::Forms::Get<frmAbout>().cmdSysInfo->click();
    QCOMPARE(dialogs.shown().size(), 1);
    QCOMPARE(dialogs.last().kind, ui::DialogKind::StartProgram);
    QCOMPARE(dialogs.last().programs, QStringList{QStringLiteral("/usr/bin/sysinfo-tool")});
}

void TestFrmAbout::toolFolderNeedsTheProgramFile()
{
    const QString folder = scratch() + QStringLiteral("/msinfo");
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    setMachineValue(kMsInfoLocationKey, QStringLiteral("MSINFO"), folder);
    ui::ScriptedDialogs dialogs;
    frmAbout &frm = ui::Forms::Get<frmAbout>();

    frm.cmdSysInfo->click();   // the folder holds no MSINFO32.EXE
    QCOMPARE(dialogs.last().text, kUnavailable);

    QFile tool(folder + QStringLiteral("/MSINFO32.EXE"));
    QVERIFY(tool.open(QIODevice::WriteOnly));
    tool.close();
    dialogs.clear();
    frm.cmdSysInfo->click();
    QCOMPARE(dialogs.shown().size(), 1);
    QCOMPARE(dialogs.last().kind, ui::DialogKind::StartProgram);
    QCOMPARE(dialogs.last().programs, QStringList{folder + QStringLiteral("/MSINFO32.EXE")});
}

void TestFrmAbout::keyValuesByType()
{
    frmAbout &frm = ui::Forms::Get<frmAbout>();
    reg::HKEY key;
    QCOMPARE(reg::RegCreateKeyEx(reg::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Brevant"), reg::KEY_ALL_ACCESS,
                                 &key),
             reg::ERROR_SUCCESS);
    reg::SetStringValue(key, QStringLiteral("Text"), QStringLiteral("Caf\u00e9"));
    reg::SetDwordValue(key, QStringLiteral("One"), 1);
    reg::SetDwordValue(key, QStringLiteral("Top"), 0xFFFFFFFF);

    QString value = QStringLiteral("stale");
    QVERIFY(frm.GetKeyValue(reg::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Brevant"), QStringLiteral("Text"), value));
    QCOMPARE(value, QStringLiteral("Caf\u00e9"));
    QVERIFY(frm.GetKeyValue(reg::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Brevant"), QStringLiteral("One"), value));
    QCOMPARE(value, QStringLiteral("1"));
    QVERIFY(frm.GetKeyValue(reg::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Brevant"), QStringLiteral("Top"), value));
    QCOMPARE(value, QStringLiteral("4294967295"));

    QVERIFY(!frm.GetKeyValue(reg::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Brevant"), QStringLiteral("None"), value));
    QCOMPARE(value, QString());
    value = QStringLiteral("stale");
    QVERIFY(!frm.GetKeyValue(reg::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Nothing"), QStringLiteral("Text"), value));
    QCOMPARE(value, QString());

    // A text longer than the 1024-character buffer cannot be read.
    reg::SetStringValue(key, QStringLiteral("Long"), QString(1100, QLatin1Char('x')));
    QVERIFY(!frm.GetKeyValue(reg::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Brevant"), QStringLiteral("Long"), value));
}

void TestFrmAbout::escapeCloses()
{
    bool wasShown = false;
    bool closedByEscape = false;
    QTimer::singleShot(0, [&] {
        frmAbout *open = ui::Forms::Find<frmAbout>();
        wasShown = open && QTest::qWaitForWindowActive(open);
        if (open)
            QTest::keyClick(open, Qt::Key_Escape);
        closedByEscape = !ui::Forms::IsLoaded<frmAbout>();
        if (!closedByEscape)
            ui::Forms::Unload<frmAbout>();   // ends the modal showing all the same
    });
    QVERIFY(core::ShowWindow(QStringLiteral("frmAbout"), ui::vbModal));
    QVERIFY(wasShown);
    QVERIFY(closedByEscape);
}

void TestFrmAbout::openedByNameAndClosedByOk()
{
    QVERIFY(core::IsWindowRegistered(QStringLiteral("frmAbout")));
    bool wasShown = false;
    QTimer::singleShot(0, [&] {
        frmAbout *open = ui::Forms::Find<frmAbout>();
        wasShown = open && open->isVisible() && open->isModal();
        if (open)
            open->cmdOK->click();
    });
    QVERIFY(core::ShowWindow(QStringLiteral("frmAbout"), ui::vbModal));
    QVERIFY(wasShown);
    QVERIFY(!ui::Forms::IsLoaded<frmAbout>());
}

void TestFrmAbout::screenshot()
{
    frmAbout &frm = ui::Forms::Get<frmAbout>();
    frm.Show(ui::vbModeless);
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    // Everything in the window fits: labels are not cut at the window's edges.
    for (QLabel *label : {frm.Label1, frm.Label2, frm.Label5, frm.Label6, frm.lblDisclaimer})
        QVERIFY2(frm.rect().contains(label->geometry()), qPrintable(label->objectName()));
    QVERIFY(frm.lblDisclaimer->height() >= frm.lblDisclaimer->heightForWidth(frm.lblDisclaimer->width()));
    const QString folder = QStringLiteral(HOTEL_SCREENS_DIR);
    QDir().mkpath(folder);
    QVERIFY(frm.grab().save(folder + QStringLiteral("/frmAbout.png")));
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
