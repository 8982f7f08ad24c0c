// The two bill viewers as windows: the bill each builds (the room taxes read from the
// database on both engines), which bill an open viewer keeps, the toolbar, the lists, the
// colour and save dialogs, the editing menu, the Tab key and the layout.
#include "billsamples.h"
#include "controls/richtextbox.h"
#include "core/state/appstate.h"
#include "frontdesk/bills/frmcustomerprint.h"
#include "frontdesk/bills/frmfoodtxtview.h"
#include "support/corefixture.h"
#include "support/filebytes.h"
#include "support/rtfreaders.h"
#include "support/scratch_database.h"
#include "ui/forms.h"
#include "ui/twips.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QAbstractTextDocumentLayout>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolBar>
#include <QtTest>

using namespace frontdesk;

namespace {

// The sample guest under another number and first name.
GuestDetails guest(const QString &number, const QString &first)
{
    GuestDetails g = billsamples::TwoRoomGuest();
    g.guestNumber = number;
    g.firstName = first;
    g.title = QStringLiteral("Ms.");
    g.lastName = QStringLiteral("Lee");
    g.rooms = {{QStringLiteral("101"), QStringLiteral("$100.00")}};
    return g;
}

// The sample order under another order number, of one item at $3.00 without tax.
FoodOrderDetails order(const QString &orderText, const QString &item)
{
    FoodOrderDetails o = billsamples::TwoItemOrder();
    o.orderText = orderText;
    o.items = {{item, QStringLiteral("$3.00")}};
    o.totalAmount = o.amountWithTax = QStringLiteral("$3.00");
    o.taxPercent = QStringLiteral("0");
    o.taxAmount = QStringLiteral("$0.00");
    return o;
}

QString lineOf(const RichTextViewer &viewer, int line)
{
    return viewer.RichText->Text().split(QStringLiteral("\r\n")).value(line - 1);
}

frmCustomerPrint &guestViewer()
{
    auto *viewer = ui::Forms::Find<frmCustomerPrint>();
    Q_ASSERT(viewer);
    return *viewer;
}

// Where the text after each run of tabs starts, line by line (lines without a tab left out),
// as the box lays it out: pixels from the line's start.
QList<qreal> columnStarts(const RichTextViewer &viewer)
{
    QList<qreal> starts;
    QTextDocument *document = viewer.RichText->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        int after = int(text.indexOf(QLatin1Char('\t')));
        if (after < 0)
            continue;
        while (after < text.size() && text.at(after) == QLatin1Char('\t'))
            ++after;
        document->documentLayout()->blockBoundingRect(block);
        const QTextLine line = block.layout()->lineForTextPosition(after);
        starts << (line.isValid() ? line.cursorToX(after) : -1.0);
    }
    return starts;
}

void selectAll(RichTextViewer &viewer)
{
    viewer.RichText->SetSelStart(0);
    viewer.RichText->SetSelLength(100000);
}

} // namespace

class TestBillViewers : public QObject {
    Q_OBJECT
private slots:
    void guestBillTakesTheRoomTaxesStoredNow_data() { HOTEL_BOTH_ENGINES_DATA(); }
    void guestBillTakesTheRoomTaxesStoredNow();
    void openViewerKeepsItsGuestAndRebuildsForAnother();
    void foodViewerKeepsItsOrderAndRebuildsForAnother();
    void billColumnsLineUp_data();
    void billColumnsLineUp();
    void listsAndLayout();
    void toolbarStylesAndAlignment();
    void colourRules();
    void saving_data();
    void saving();
    void editingMenuAndTabKey();
};

void TestBillViewers::guestBillTakesTheRoomTaxesStoredNow()
{
    HOTEL_FETCH_ENGINE(engine);
    testsupport::CoreFixture fx(engine);
    core::State().mOrderSign = QStringLiteral("#");
    fx.exec("INSERT INTO tbl_Tax (TaxName, TaxRate, TaxCat) VALUES ('Service Tax', 10, 1)");
    fx.exec("INSERT INTO tbl_Tax (TaxName, TaxRate, TaxCat) VALUES ('Food Tax', 4, 2)");
    fx.exec("INSERT INTO tbl_Tax (TaxName, TaxRate, TaxCat) VALUES ('VAT', 2.5, 1)");

    frmCustomerPrint::ShowBill(guest(QStringLiteral("SLQWERTY"), QStringLiteral("Sue")));
    frmCustomerPrint &viewer = guestViewer();
    QCOMPARE(viewer.Caption(), QStringLiteral("Customer Details - Text View"));
    QVERIFY(viewer.isVisible());
    QCOMPARE(lineOf(viewer, 1), QStringLiteral("Customer ID \t\t\t: #SLQWERTY"));
    QCOMPARE(lineOf(viewer, 9), QStringLiteral("Tax(s) \t\t\t: 12.5% Tax(s), Inclusive Service Tax,VAT,"));
    QCOMPARE(lineOf(viewer, 15), QStringLiteral("Room(s) & Price(s) \t: 101 ($100.00),"));
    QCOMPARE(core::State().mLastSQL, QStringLiteral("SELECT *  FROM tbl_tax WHERE TaxCat=1"));
    QVERIFY(fx.dialogs().shown().isEmpty());
}

// An open viewer is not merely brought forward: the same bill keeps what the clerk edited;
// a bill of another guest, or of the same guest with corrected details, is built anew.
void TestBillViewers::openViewerKeepsItsGuestAndRebuildsForAnother()
{
    testsupport::CoreFixture fx;
    frmCustomerPrint::ShowBill(guest(QStringLiteral("AAAAAAAA"), QStringLiteral("Ann")));
    frmCustomerPrint &viewer = guestViewer();
    QCOMPARE(lineOf(viewer, 2), QStringLiteral("Customer Name \t\t: Ms. Ann Lee"));

    viewer.RichText->SetSelStart(0);
    viewer.RichText->SetSelText(QStringLiteral("PAID "));
    frmCustomerPrint::ShowBill(guest(QStringLiteral("AAAAAAAA"), QStringLiteral("Ann")));
    QCOMPARE(&guestViewer(), &viewer);
    QVERIFY(viewer.RichText->Text().startsWith(QStringLiteral("PAID Customer ID")));
    GuestDetails corrected = guest(QStringLiteral("AAAAAAAA"), QStringLiteral("Ann"));
    corrected.due = QStringLiteral("$250.00");
    frmCustomerPrint::ShowBill(corrected);
    QCOMPARE(&guestViewer(), &viewer);
    QCOMPARE(lineOf(viewer, 1), QStringLiteral("Customer ID \t\t\t: AAAAAAAA"));
    QCOMPARE(lineOf(viewer, 14), QStringLiteral("Due \t\t\t\t: $250.00"));

    frmCustomerPrint::ShowBill(guest(QStringLiteral("BBBBBBBB"), QStringLiteral("Bob")));
    QCOMPARE(&guestViewer(), &viewer);
    QCOMPARE(lineOf(viewer, 1), QStringLiteral("Customer ID \t\t\t: BBBBBBBB"));
    QCOMPARE(lineOf(viewer, 2), QStringLiteral("Customer Name \t\t: Ms. Bob Lee"));
    QCOMPARE(viewer.Guest().firstName, QStringLiteral("Bob"));

    // Once unloaded, the next bill loads a fresh viewer.
    QVERIFY(ui::Forms::Unload<frmCustomerPrint>());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmCustomerPrint::ShowBill(guest(QStringLiteral("CCCCCCCC"), QStringLiteral("Cy")));
    QCOMPARE(lineOf(guestViewer(), 2), QStringLiteral("Customer Name \t\t: Ms. Cy Lee"));
}

void TestBillViewers::foodViewerKeepsItsOrderAndRebuildsForAnother()
{
    testsupport::CoreFixture fx;
    core::State().mOrderSign = QStringLiteral("#");
    frmFoodTxtView::ShowBill(order(QStringLiteral("#111"), QStringLiteral("Tea")));
    auto *viewer = ui::Forms::Find<frmFoodTxtView>();
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->Caption(), QStringLiteral("Food & Beverages Details"));
    QCOMPARE(lineOf(*viewer, 4), QStringLiteral("Food & Beverages Order No. \t\t\t: #111"));
    QCOMPARE(lineOf(*viewer, 7), QStringLiteral("Tea\t\t\t\t\t\t\t$3.00"));

    viewer->RichText->SetSelStart(0);
    viewer->RichText->SetSelText(QStringLiteral("PAID "));
    frmFoodTxtView::ShowBill(order(QStringLiteral("#111"), QStringLiteral("Tea")));
    QVERIFY(viewer->RichText->Text().startsWith(QStringLiteral("PAID Customer Name")));
    frmFoodTxtView::ShowBill(order(QStringLiteral("#111"), QStringLiteral("Coffee")));
    QCOMPARE(lineOf(*viewer, 1), QStringLiteral("Customer Name \t\t\t\t\t: Mrs. Ann Lee"));
    QCOMPARE(lineOf(*viewer, 7), QStringLiteral("Coffee\t\t\t\t\t\t\t$3.00"));

    frmFoodTxtView::ShowBill(order(QStringLiteral("#222"), QStringLiteral("Soup")));
    QCOMPARE(ui::Forms::Find<frmFoodTxtView>(), viewer);
    QCOMPARE(lineOf(*viewer, 4), QStringLiteral("Food & Beverages Order No. \t\t\t: #222"));
    QCOMPARE(lineOf(*viewer, 7), QStringLiteral("Soup\t\t\t\t\t\t\t$3.00"));

    // The guest bill viewer is a window of its own kind beside it.
    frmCustomerPrint::ShowBill(guest(QStringLiteral("AAAAAAAA"), QStringLiteral("Ann")));
    QVERIFY(ui::Forms::IsLoaded<frmFoodTxtView>());
    QCOMPARE(lineOf(*viewer, 7), QStringLiteral("Soup\t\t\t\t\t\t\t$3.00"));
}

void TestBillViewers::billColumnsLineUp_data()
{
    QTest::addColumn<bool>("food");
    QTest::addColumn<int>("lines");   // lines with a tab
    QTest::newRow("guest bill") << false << 15;
    QTest::newRow("food bill") << true << 9;
}

// Labels and items of any length: the values after their tabs start at one place, in the box
// and in the saved file as LibreOffice reads it; the text is the bill's as it was.
void TestBillViewers::billColumnsLineUp()
{
    QFETCH(bool, food);
    QFETCH(int, lines);
    testsupport::CoreFixture fx;
    core::State().mOrderSign = QStringLiteral("#");
    QTemporaryDir scratch;
    RichTextViewer *viewer = nullptr;
    QString text;
    if (food) {
        FoodOrderDetails order = billsamples::TwoItemOrder();
        order.items.append({QStringLiteral("Coffee"), QStringLiteral("$2.75")});
        frmFoodTxtView::ShowBill(order);
        viewer = ui::Forms::Find<frmFoodTxtView>();
        text = FoodBillText(order, QStringLiteral("#"));
        lines += 1;
    } else {
        const GuestDetails guest = billsamples::TwoRoomGuest();
        frmCustomerPrint::ShowBill(guest);
        viewer = ui::Forms::Find<frmCustomerPrint>();
        text = GuestBillText(guest, QStringLiteral("#"), {});
    }
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->RichText->Text(), text);

    const QList<qreal> starts = columnStarts(*viewer);
    QCOMPARE(starts.size(), lines);
    for (qreal start : starts)
        QCOMPARE(start, starts.first());
    QVERIFY(!viewer->RichText->document()->isUndoAvailable());

    const QString path = scratch.filePath(QStringLiteral("bill.rtf"));
    fx.dialogs().reply(ui::Reply::file(path));
    viewer->Toolbar1_ButtonClick("savei");
    const testsupport::RtfReading read =
        testsupport::ReadRtf(path, scratch.filePath(QStringLiteral("readers")), true).libreOffice;
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    const QStringList paragraphs = read.text.split(QLatin1Char('\n'));
    QList<int> readStarts;
    for (qsizetype p = 0; p < paragraphs.size() && p < read.tabStops.size(); ++p) {
        const qsizetype tabs = paragraphs.at(p).count(QLatin1Char('\t'));
        if (tabs == 0)
            continue;
        // One stop for each tab: the last tab of the run reaches the column.
        QCOMPARE(read.tabStops.at(p).size(), tabs);
        readStarts << read.tabStops.at(p).last();
    }
    QCOMPARE(readStarts.size(), lines);
    for (int start : readStarts)
        QVERIFY2(qAbs(start - starts.first() * 15) <= 1, qPrintable(QStringLiteral("%1 twips").arg(start)));
}

void TestBillViewers::listsAndLayout()
{
    testsupport::CoreFixture fx;
    frmCustomerPrint::ShowBill(guest(QStringLiteral("AAAAAAAA"), QStringLiteral("Ann")));
    frmCustomerPrint &viewer = guestViewer();

    QCOMPARE(viewer.Combo1->currentText(), QStringLiteral("Arial"));
    QVERIFY(viewer.Combo1->count() > 0);
    QCOMPARE(viewer.Combo1->count(), int(QFontDatabase::families().size()));
    QStringList sizes;
    for (int i = 0; i < viewer.Combo2->count(); ++i)
        sizes << viewer.Combo2->itemText(i);
    QCOMPARE(sizes, (QStringList{"8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"}));
    QCOMPARE(viewer.Combo2->currentIndex(), -1);

    // Choosing from the lists formats the selection; the size list keeps the focus.
    viewer.RichText->SetSelStart(0);
    viewer.RichText->SetSelLength(8);
    viewer.Combo1->setCurrentText(QStringLiteral("Courier New"));
    viewer.Combo1_Click();
    viewer.Combo2->setCurrentIndex(6);
    viewer.Combo2_Click();
    QCOMPARE(viewer.RichText->SelFontName(), QStringLiteral("Courier New"));
    QCOMPARE(viewer.RichText->SelFontSize(), 14.0);
    QVERIFY(!viewer.RichText->HideSelection());
    QCOMPARE(viewer.focusWidget(), viewer.Combo2);

    // The text fills the width below the band bar and leaves 500 twips below it.
    viewer.Move(0, 0, 9000, 6000);
    QCoreApplication::processEvents();
    const QRect text = viewer.RichText->geometry();
    QCOMPARE(text.left(), 0);
    QCOMPARE(text.top(), viewer.CoolBar1->height());
    QCOMPARE(text.width(), viewer.width());
    QCOMPARE(text.height(), viewer.height() - viewer.CoolBar1->height() - ui::TwipsToPixelsY(500));
    QVERIFY(viewer.CoolBar1->geometry().contains(viewer.Combo2->mapTo(&viewer, QPoint(0, 0))));
    // Too small for the margin: the box takes no height instead of a negative one.
    viewer.Move(0, 0, 3000, 700);
    QCoreApplication::processEvents();
    QVERIFY(viewer.RichText->height() >= 0);
}

void TestBillViewers::toolbarStylesAndAlignment()
{
    testsupport::CoreFixture fx;
    frmCustomerPrint::ShowBill(guest(QStringLiteral("AAAAAAAA"), QStringLiteral("Ann")));
    frmCustomerPrint &viewer = guestViewer();

    // The buttons in order with their tool tips; the last four have none.
    QStringList keys;
    QStringList tips;
    for (QAction *button : viewer.Toolbar1->actions()) {
        keys << (button->isSeparator() ? QStringLiteral("|") : button->objectName());
        if (!button->isSeparator()) {
            tips << button->toolTip();
            QVERIFY2(!button->icon().isNull(), qPrintable(button->objectName()));
        }
    }
    QCOMPARE(keys, (QStringList{"boldi", "italici", "underlinei", "alignlefti", "aligncenteri", "alinerighti", "|",
                                "cuti", "copyi", "pastei", "colori", "|", "backcolori", "savei", "undokey", "redokey"}));
    QCOMPARE(tips, (QStringList{"Blod", "Italic", "Underline", "Align Left", "Align Center", "Align Rigt", "Cut", "Copy",
                                "Paste", "Font Color", "", "", "", ""}));

    viewer.RichText->SetSelStart(0);
    viewer.RichText->SetSelLength(11);
    viewer.Button("boldi")->trigger();
    QVERIFY(viewer.RichText->SelBold());
    QVERIFY(viewer.Button("boldi")->isChecked());
    viewer.Button("boldi")->trigger();
    QVERIFY(!viewer.RichText->SelBold());
    QVERIFY(!viewer.Button("boldi")->isChecked());
    viewer.Toolbar1_ButtonClick("italici");
    viewer.Toolbar1_ButtonClick("underlinei");
    QVERIFY(viewer.RichText->SelItalic() && viewer.RichText->SelUnderline());
    QVERIFY(viewer.Button("italici")->isChecked() && viewer.Button("underlinei")->isChecked());

    viewer.Toolbar1_ButtonClick("aligncenteri");
    QCOMPARE(viewer.RichText->SelAlignment(), controls::rtfCenter);
    viewer.Toolbar1_ButtonClick("alinerighti");
    QCOMPARE(viewer.RichText->SelAlignment(), controls::rtfRight);
    viewer.Toolbar1_ButtonClick("alignlefti");
    QCOMPARE(viewer.RichText->SelAlignment(), controls::rtfLeft);

    // Cut, undo, redo, paste and copy by their buttons; an unknown key does nothing.
    const QString bill = viewer.RichText->Text();
    viewer.Toolbar1_ButtonClick("cuti");
    QCOMPARE(viewer.RichText->Text(), bill.mid(11));
    viewer.Toolbar1_ButtonClick("undokey");
    QCOMPARE(viewer.RichText->Text(), bill);
    viewer.Toolbar1_ButtonClick("redokey");
    QCOMPARE(viewer.RichText->Text(), bill.mid(11));
    viewer.Toolbar1_ButtonClick("pastei");
    QCOMPARE(viewer.RichText->Text(), bill);
    viewer.Toolbar1_ButtonClick("nosuchkey");
    QCOMPARE(viewer.RichText->Text(), bill);
    QVERIFY(fx.dialogs().shown().isEmpty());
}

// A chosen colour applies, black never does, a cancelled dialog changes nothing; the dialog
// opens with the colour of its last use.
void TestBillViewers::colourRules()
{
    testsupport::CoreFixture fx;
    frmCustomerPrint::ShowBill(guest(QStringLiteral("AAAAAAAA"), QStringLiteral("Ann")));
    frmCustomerPrint &viewer = guestViewer();
    selectAll(viewer);
    const QColor automatic = viewer.RichText->SelColor();
    const QColor background = viewer.RichText->BackColor();

    fx.dialogs().reply(ui::Reply::color(QColor(200, 0, 0)));
    viewer.Toolbar1_ButtonClick("colori");
    QCOMPARE(fx.dialogs().last().kind, ui::DialogKind::Color);
    QCOMPARE(fx.dialogs().last().title, QStringLiteral("Text Colour"));
    QCOMPARE(fx.dialogs().last().color, QColor(Qt::black));
    QCOMPARE(viewer.RichText->SelColor(), QColor(200, 0, 0));
    QVERIFY(!viewer.RichText->HideSelection());

    fx.dialogs().reply(ui::Reply::color(QColor(Qt::black)));
    viewer.Toolbar1_ButtonClick("colori");
    QCOMPARE(fx.dialogs().last().color, QColor(200, 0, 0));
    QCOMPARE(viewer.RichText->SelColor(), QColor(200, 0, 0));

    viewer.RichText->SetSelStart(0);
    viewer.RichText->SetSelLength(3);
    viewer.RichText->SetSelColor(automatic);
    fx.dialogs().reply(ui::Reply::cancel());
    viewer.Toolbar1_ButtonClick("colori");
    QCOMPARE(fx.dialogs().last().color, QColor(Qt::black));   // black was chosen last
    QCOMPARE(viewer.RichText->SelColor(), automatic);

    fx.dialogs().reply(ui::Reply::color(QColor(255, 255, 200)));
    viewer.Toolbar1_ButtonClick("backcolori");
    QCOMPARE(fx.dialogs().last().title, QStringLiteral("Background Colour"));
    QCOMPARE(viewer.RichText->BackColor(), QColor(255, 255, 200));
    fx.dialogs().reply(ui::Reply::cancel());
    viewer.Toolbar1_ButtonClick("backcolori");
    fx.dialogs().reply(ui::Reply::color(QColor(Qt::black)));
    viewer.Toolbar1_ButtonClick("backcolori");
    QCOMPARE(viewer.RichText->BackColor(), QColor(255, 255, 200));
    QVERIFY(background != viewer.RichText->BackColor());
}

void TestBillViewers::saving_data()
{
    QTest::addColumn<QString>("name");       // in a scratch folder; empty: the dialog is cancelled
    QTest::addColumn<bool>("written");
    QTest::newRow("with the extension") << QStringLiteral("bill.rtf") << true;
    QTest::newRow("no extension: still RTF, no extension added") << QStringLiteral("bill") << true;
    QTest::newRow("cancelled") << QString() << false;
    QTest::newRow("folder missing") << QStringLiteral("gone/bill.rtf") << false;
    QTest::newRow("folder that takes no file") << QStringLiteral("/proc/bill.rtf") << false;
}

void TestBillViewers::saving()
{
    QFETCH(QString, name);
    QFETCH(bool, written);
    testsupport::CoreFixture fx;
    QTemporaryDir scratch;
    frmFoodTxtView::ShowBill(order(QStringLiteral("#111"), QStringLiteral("Tea {hot} \\ €")));
    auto *viewer = ui::Forms::Find<frmFoodTxtView>();
    QVERIFY(viewer);

    const QString path = name.startsWith(QLatin1Char('/')) ? name : scratch.filePath(name);
    fx.dialogs().reply(name.isEmpty() ? ui::Reply::cancel() : ui::Reply::file(path));
    viewer->Toolbar1_ButtonClick("savei");
    const ui::ShownDialog save = fx.dialogs().shown(ui::DialogKind::SaveFile).value(0);
    QCOMPARE(save.title, QStringLiteral("Save"));
    QCOMPARE(save.file.filter, QStringLiteral("All Files (*.rtf)|*.rtf"));
    QVERIFY(save.file.defaultExt.isEmpty());

    QStringList files = QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden);
    if (written) {
        QCOMPARE(files, QStringList{name});
        const QByteArray rtf = testsupport::ReadBytes(path);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi"));
        QVERIFY(rtf.contains("Tea \\{hot\\} \\\\ \\'80"));
        QVERIFY(fx.dialogs().messages().isEmpty());
        // A real reader takes the file without extension for RTF and reads the bill whole.
        if (!name.endsWith(QStringLiteral(".rtf"))) {
            const testsupport::RtfReading read = testsupport::ReadRtf(path, scratch.filePath("readers")).libreOffice;
            QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
            QCOMPARE(read.text, viewer->RichText->Text().replace(QStringLiteral("\r\n"), QStringLiteral("\n")) + "\n");
        }
    } else {
        QVERIFY(files.isEmpty());
        QVERIFY(!QFileInfo::exists(path) || name.isEmpty());
        // A cancel says nothing; a file that cannot be written is reported.
        QCOMPARE(fx.dialogs().messages().size(), name.isEmpty() ? 0 : 1);
        if (!name.isEmpty())
            QVERIFY(fx.dialogs().messages().first().endsWith(path));
    }
    QVERIFY(viewer->isVisible());
}

// The right button pops up the editing menu; each item acts once, separators do nothing.
void TestBillViewers::editingMenuAndTabKey()
{
    testsupport::CoreFixture fx;
    frmCustomerPrint::ShowBill(guest(QStringLiteral("AAAAAAAA"), QStringLiteral("Ann")));
    frmCustomerPrint &viewer = guestViewer();
    const QString bill = viewer.RichText->Text();
    auto choose = [&](const QString &item) {
        fx.dialogs().reply(ui::Reply::menuItem(item));
        QTest::mousePress(viewer.RichText->viewport(), Qt::RightButton, {}, QPoint(20, 20));
        QTest::mouseRelease(viewer.RichText->viewport(), Qt::RightButton, {}, QPoint(20, 20));
        QCOMPARE(fx.dialogs().pendingReplies(), 0);
    };

    choose("txtMnuSelect");
    const ui::ShownDialog menu = fx.dialogs().last();
    QCOMPARE(menu.kind, ui::DialogKind::PopupMenu);
    QStringList items;
    for (const ui::PopupMenuItem &item : menu.menu)
        items << QStringLiteral("%1 %2 %3").arg(item.caption, item.name).arg(item.id);
    QCOMPARE(items, (QStringList{"Cut txtMnuCut 1000", "Copy txtMnuCopy 1001", "&Paste txtMnuPaste 1002",
                                 "- sep 1003", "Undo txtMnuUndo 1004", "Redo txtMnuRedo 1005", "- sepp 1006",
                                 "&Select All txtMnuSelect 1007"}));
    QCOMPARE(viewer.RichText->SelStart(), 0);
    QCOMPARE(viewer.RichText->SelText(), bill);
    QCOMPARE(viewer.focusWidget(), viewer.RichText);

    choose("txtMnuCopy");
    QCOMPARE(QApplication::clipboard()->text().replace("\n", "\r\n"), bill);
    choose("txtMnuCut");
    QVERIFY(viewer.RichText->Text().isEmpty());
    choose("txtMnuUndo");
    QCOMPARE(viewer.RichText->Text(), bill);
    choose("txtMnuRedo");
    QVERIFY(viewer.RichText->Text().isEmpty());
    choose("txtMnuPaste");
    QCOMPARE(viewer.RichText->Text(), bill);
    viewer.popMnu_ItemClick("sep");
    QCOMPARE(viewer.RichText->Text(), bill);

    // The left button opens no menu.
    const qsizetype shown = fx.dialogs().shown().size();
    QTest::mouseClick(viewer.RichText->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(fx.dialogs().shown().size(), shown);

    // Tab and Shift+Tab type a tab and leave the focus in the text.
    viewer.RichText->setFocus();
    viewer.RichText->SetSelStart(0);
    QTest::keyClick(viewer.RichText, Qt::Key_Tab);
    QTest::keyClick(viewer.RichText, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(viewer.RichText->Text(), QStringLiteral("\t\t") + bill);
    QCOMPARE(viewer.focusWidget(), viewer.RichText);
}

QTEST_MAIN(TestBillViewers)
#include "tst_billviewers.moc"
