// The save dialog class and the common dialog control over scripted dialogs: what the
// dialog is shown with, what comes back after a choice and after a cancel.
#include "support/expect_error.h"
#include "ui/cdlg.h"
#include "ui/commondialog.h"
#include "ui/scripteddialogs.h"
#include "ui/vbcolor.h"

#include <QPageSize>
#include <QWidget>
#include <QtTest>

using namespace ui;

class TestCdlg : public QObject {
    Q_OBJECT
private slots:
    void saveDialogAsTheWindowsCallIt_data();
    void saveDialogAsTheWindowsCallIt();
    void cancelClearsEveryOutput();
    void openDialogChoices();
    void nameTooLongForTheBuffer();
    void fileTitleOfAPath_data();
    void fileTitleOfAPath();
    void colourAndCustomColours();
    void fontAndPrintDialogs();
    void hookHandsNotificationsToTheEventObject();
    void commonDialogCancel_data();
    void commonDialogCancel();
    void commonDialogKeepsItsColour();
};

void TestCdlg::saveDialogAsTheWindowsCallIt_data()
{
    QTest::addColumn<bool>("overwritePrompt");
    QTest::addColumn<long>("flagsIn");
    QTest::addColumn<long>("flagsOut");
    QTest::newRow("prompt") << true << 0L << long(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    QTest::newRow("no prompt, hook and template dropped")
        << false << long(OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_FILEMUSTEXIST)
        << long(OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
}

void TestCdlg::saveDialogAsTheWindowsCallIt()
{
    QFETCH(bool, overwritePrompt);
    QFETCH(long, flagsIn);
    QFETCH(long, flagsOut);
    ScriptedDialogs dialogs;
    dialogs.reply(Reply::file(QStringLiteral("/tmp/exports/Customer List.xls"), 1));
    QWidget owner;
    CDLG dlg;
    QString file = QStringLiteral("Customer List"), title, filter = QStringLiteral("*.xls (Excel Workbook)|*.xls");
    long index = 1, flags = flagsIn;
    QVERIFY(dlg.VBGetSaveFileName(file, title, overwritePrompt, filter, index, QStringLiteral("/tmp"),
                                  QStringLiteral("Export to"), QStringLiteral("*.xls"), &owner, flags));
    QCOMPARE(dlg.APIReturn(), 1L);
    QCOMPARE(dlg.ExtendedError(), 0L);
    QCOMPARE(file, QStringLiteral("/tmp/exports/Customer List.xls"));
    QCOMPARE(title, QStringLiteral("Customer List.xls"));
    QCOMPARE(filter, QStringLiteral("*.xls (Excel Workbook)") + QChar(0) + QStringLiteral("*.xls"));
    QCOMPARE(index, 1L);
    QCOMPARE(flags, flagsOut);

    const FileDialogOptions shown = dialogs.last().file;
    QCOMPARE(dialogs.last().kind, DialogKind::SaveFile);
    QCOMPARE(shown.title, QStringLiteral("Export to"));
    QCOMPARE(shown.filter, QStringLiteral("*.xls (Excel Workbook)|*.xls"));
    QCOMPARE(shown.fileName, QStringLiteral("Customer List"));
    QCOMPARE(shown.initialDir, QStringLiteral("/tmp"));
    // "*.xls" reaches the dialog as a plain extension: a typed "list" never becomes "list.*.xls".
    QCOMPARE(shown.defaultExt, QStringLiteral("xls"));
    QCOMPARE(shown.overwritePrompt, overwritePrompt);
    QCOMPARE(shown.owner, &owner);
}

void TestCdlg::cancelClearsEveryOutput()
{
    ScriptedDialogs dialogs;
    CDLG dlg;
    dialogs.reply(Reply::file(QStringLiteral("/tmp/a.xls")));
    QString file, title, filter = QStringLiteral("A|*.a:B|*.b");
    long index = 2, flags = 0;
    // ":" separates like "|": the second pair is chosen.
    QVERIFY(dlg.VBGetSaveFileName(file, title, true, filter, index, {}, {}, {}, nullptr, flags));
    QCOMPARE(dialogs.last().file.filter, QStringLiteral("A|*.a|B|*.b"));
    QCOMPARE(filter, QStringLiteral("A") + QChar(0) + QStringLiteral("*.a"));

    file = QStringLiteral("proposed");
    title = QStringLiteral("t");
    filter = QStringLiteral("*.xls (Excel Workbook)|*.xls");
    index = 1;
    flags = 0x4;
    dialogs.reply(Reply::cancel());
    QVERIFY(!dlg.VBGetSaveFileName(file, title, true, filter, index, {}, {}, {}, nullptr, flags));
    QCOMPARE(dlg.APIReturn(), 0L);
    QVERIFY(file.isEmpty());
    QVERIFY(title.isEmpty());
    QVERIFY(filter.isEmpty());
    QCOMPARE(index, 0L);
    QCOMPARE(flags, 0L);
}

void TestCdlg::openDialogChoices()
{
    ScriptedDialogs dialogs;
    CDLG dlg;
    QString file, title, filter = QStringLiteral("Text|*.txt");
    long index = 1, flags = 0;
    bool readOnly = false;
    dialogs.reply(Reply::file(QStringLiteral("/tmp/in.txt")));
    QVERIFY(dlg.VBGetOpenFileName(file, title, true, true, readOnly, true, filter, index, {}, QStringLiteral("Open"),
                                  {}, nullptr, flags));
    QCOMPARE(flags, long(OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY));
    QVERIFY(!readOnly);
    QVERIFY(dialogs.last().file.fileMustExist);
    QCOMPARE(dialogs.last().kind, DialogKind::OpenFile);

    readOnly = true;
    flags = 0;
    dialogs.reply(Reply::file(QStringLiteral("/tmp/in.txt")));
    QVERIFY(dlg.VBGetOpenFileName(file, title, false, false, readOnly, false, filter, index, {}, {}, {}, nullptr,
                                  flags));
    QCOMPARE(flags, long(OFN_READONLY));
    QVERIFY(readOnly);

    dialogs.reply(Reply::cancel());
    QVERIFY(!dlg.VBGetOpenFileName(file, title, false, false, readOnly, false, filter, index, {}, {}, {}, nullptr,
                                   flags));
    QCOMPARE(index, -1L);
}

void TestCdlg::nameTooLongForTheBuffer()
{
    ScriptedDialogs dialogs;
    CDLG dlg;
    QString file(260, QLatin1Char('x')), title, filter;
    long index = 1, flags = 0;
    HOTEL_EXPECT_ERROR(dlg.VBGetSaveFileName(file, title, false, filter, index, {}, {}, {}, nullptr, flags), 5);
    QVERIFY(dialogs.shown().isEmpty());
    file.chop(1);
    QVERIFY(!dlg.VBGetSaveFileName(file, title, false, filter, index, {}, {}, {}, nullptr, flags));
}

void TestCdlg::fileTitleOfAPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("path") << QStringLiteral("/home/desk/list.xls") << QStringLiteral("list.xls");
    QTest::newRow("name") << QStringLiteral("list.xls") << QStringLiteral("list.xls");
    QTest::newRow("folder only") << QStringLiteral("/home/desk/") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestCdlg::fileTitleOfAPath()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    CDLG dlg;
    QCOMPARE(dlg.VBGetFileTitle(path), title);
}

void TestCdlg::colourAndCustomColours()
{
    ScriptedDialogs dialogs;
    CDLG dlg;
    long color = 0x0000FF;   // red as &H00BBGGRR
    dialogs.reply(Reply::color(QColor(0, 128, 255)));
    QVERIFY(dlg.VBChooseColor(color));
    QCOMPARE(dialogs.last().color, QColor(255, 0, 0));
    QCOMPARE(color, 0xFF8000L);
    dialogs.reply(Reply::cancel());
    QVERIFY(!dlg.VBChooseColor(color));
    QCOMPARE(color, -1L);
    QCOMPARE(dlg.APIReturn(), 0L);

    // The custom colours start as the system colours 0 to 15 and keep what is set.
    QCOMPARE(dlg.CustomColor(5), VbFromColor(ColorFromVb(vbWindowBackground)));
    dlg.SetCustomColor(3, 0x123456);
    QCOMPARE(dlg.CustomColor(3), 0x123456u);
    QCOMPARE(dlg.CustomColor(5), VbFromColor(ColorFromVb(vbWindowBackground)));
    HOTEL_EXPECT_ERROR(dlg.CustomColor(16), 9);
}

void TestCdlg::fontAndPrintDialogs()
{
    ScriptedDialogs dialogs;
    CDLG dlg;
    QFont font(QStringLiteral("Arial"), 9);
    QFont chosen(QStringLiteral("Courier"), 40);
    dialogs.reply(Reply::font(chosen));
    QVERIFY(dlg.VBChooseFont(font, nullptr, 8, 24));
    QCOMPARE(font.family(), chosen.family());
    QCOMPARE(font.pointSize(), 24);

    PrintDialogSettings print{.copies = 1};
    dialogs.reply(Reply::print({.range = PrintDialogSettings::PageRange, .fromPage = 2, .toPage = 3, .copies = 4,
                                .paperSize = QPageSize::A4}));
    QObject printer;
    QVERIFY(dlg.VBPrintDlg(print, &printer));
    QCOMPARE(print.copies, 4);
    QCOMPARE(print.fromPage, 2);
    QCOMPARE(printer.property("Copies").toInt(), 4);
    QCOMPARE(printer.property("PaperSize").toInt(), int(QPageSize::A4));

    int left = 1, top = 1, right = 1, bottom = 1;
    dialogs.reply(Reply::pageSetup({.left = 0.6, .top = 1.4, .right = 2.0, .bottom = 0.4, .inches = true}));
    QVERIFY(dlg.VBPageSetupDlg(left, top, right, bottom, true));
    QCOMPARE(QList<int>({left, top, right, bottom}), QList<int>({1, 1, 2, 0}));
    QCOMPARE(dialogs.last().page.left, 1.0);
    dialogs.reply(Reply::cancel());
    QVERIFY(!dlg.VBPageSetupDlg(left, top, right, bottom, true));
    QCOMPARE(left, 1);
}

namespace {
struct Recorder : CdlgEvents {
    QStringList calls;
    bool accept = true;
    void InitDialog(intptr_t) override { calls << QStringLiteral("InitDialog"); }
    void TypeChange(intptr_t) override { calls << QStringLiteral("TypeChange"); }
    void FolderChange(intptr_t) override { calls << QStringLiteral("FolderChange"); }
    void FileChange(intptr_t) override { calls << QStringLiteral("FileChange"); }
    bool ConfirmOK(intptr_t) override
    {
        calls << QStringLiteral("ConfirmOK");
        return accept;
    }
    void DialogClose(intptr_t) override { calls << QStringLiteral("DialogClose"); }
};

// A dialog service whose save dialog sends the notifications a hooked dialog would.
struct HookingDialogs : ScriptedDialogs {
    CDLG *dlg = nullptr;
    QList<long> results;
    FileDialogResult saveFile(const FileDialogOptions &options) override
    {
        dlg->DialogHook(1, WM_INITDIALOG);
        dlg->DialogHook(1, WM_NOTIFY, CDN_TYPECHANGE);
        dlg->DialogHook(1, WM_NOTIFY, CDN_FOLDERCHANGE);
        dlg->DialogHook(1, WM_NOTIFY, CDN_SELCHANGE);
        results << dlg->DialogHook(1, WM_NOTIFY, CDN_FILEOK);
        dlg->DialogHook(1, WM_NCDESTROY);
        return ScriptedDialogs::saveFile(options);
    }
};
} // namespace

void TestCdlg::hookHandsNotificationsToTheEventObject()
{
    HookingDialogs dialogs;
    CDLG dlg;
    dialogs.dlg = &dlg;
    Recorder events;
    events.accept = false;
    QString file, title, filter;
    long index = 1, flags = 0;
    dlg.VBGetSaveFileName(file, title, false, filter, index, {}, {}, {}, nullptr, flags, &events);
    QCOMPARE(events.calls, QStringList({QStringLiteral("InitDialog"), QStringLiteral("TypeChange"),
                                        QStringLiteral("FolderChange"), QStringLiteral("FileChange"),
                                        QStringLiteral("ConfirmOK"), QStringLiteral("DialogClose")}));
    QCOMPARE(dialogs.results, QList<long>({1L}));
    // The event object is cleared after the call: later notifications reach nobody.
    QCOMPARE(dlg.DialogHook(1, WM_NOTIFY, CDN_FILEOK), 0L);
    QCOMPARE(events.calls.size(), 6);
}

void TestCdlg::commonDialogCancel_data()
{
    QTest::addColumn<bool>("cancelError");
    QTest::newRow("raises") << true;
    QTest::newRow("quiet") << false;
}

void TestCdlg::commonDialogCancel()
{
    QFETCH(bool, cancelError);
    ScriptedDialogs dialogs;
    QWidget owner;
    CommonDialog dlg(&owner);
    dlg.DialogTitle = QStringLiteral("Save Bill");
    dlg.Filter = QStringLiteral("Rich Text Format (*.rtf)|*.rtf");
    dlg.CancelError = cancelError;
    dlg.Flags = cdlOFNOverwritePrompt;
    dlg.DefaultExt = QStringLiteral("*.rtf");
    dialogs.reply(Reply::file(QStringLiteral("/tmp/bill.rtf")));
    dlg.ShowSave();
    QCOMPARE(dlg.FileName, QStringLiteral("/tmp/bill.rtf"));
    QCOMPARE(dlg.FileTitle, QStringLiteral("bill.rtf"));
    QVERIFY(dialogs.last().file.overwritePrompt);
    QCOMPARE(dialogs.last().file.defaultExt, QStringLiteral("rtf"));
    QCOMPARE(dialogs.last().file.owner, &owner);

    dialogs.reply(Reply::cancel());
    if (cancelError)
        HOTEL_EXPECT_ERROR(dlg.ShowSave(), cdlCancel);
    else
        dlg.ShowSave();
    QVERIFY(dlg.FileName.isEmpty());
}

void TestCdlg::commonDialogKeepsItsColour()
{
    ScriptedDialogs dialogs;
    CommonDialog dlg;
    dlg.Color = 0x00FF00;
    dialogs.reply(Reply::color(QColor(0, 0, 255)));
    dlg.ShowColor();
    QCOMPARE(dialogs.last().color, QColor(0, 255, 0));
    QCOMPARE(dlg.Color, 0xFF0000u);
    dialogs.reply(Reply::cancel());
    dlg.ShowColor();
    QCOMPARE(dlg.Color, 0xFF0000u);
    QCOMPARE(dialogs.last().color, QColor(0, 0, 255));
    dlg.CancelError = true;
    dialogs.reply(Reply::cancel());
    HOTEL_EXPECT_ERROR(dlg.ShowColor(), cdlCancel);
    QCOMPARE(dlg.Color, 0xFF0000u);
}

QTEST_MAIN(TestCdlg)
#include "tst_cdlg.moc"
