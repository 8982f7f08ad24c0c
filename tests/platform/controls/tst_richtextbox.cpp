// The rich text box: text and selection, the selection's formats, the editing messages,
// key and mouse events, and saving as RTF.
#include "controls/richtextbox.h"
#include "support/expect_error.h"
#include "support/filebytes.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QSignalSpy>
#include <QAbstractTextDocumentLayout>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

using namespace controls;

class TestRichTextBox : public QObject {
    Q_OBJECT
private slots:
    void textKeepsCrLfAndSelectionsClamp();
    void selectionFormats();
    void alignmentOfTouchedParagraphs();
    void tabColumnsLineUp();
    void editingMessages();
    void hiddenSelectionKeepsTheTextsColours();
    void keyHandlerSwallowsTab();
    void mouseEventsInTwips();
    void savesAndFailsCleanly_data();
    void savesAndFailsCleanly();
};

void TestRichTextBox::textKeepsCrLfAndSelectionsClamp()
{
    RichTextBox box;
    box.SetText(QStringLiteral("Line 1\r\nLine\t2\rLine 3\nEnd"));
    QCOMPARE(box.Text(), QStringLiteral("Line 1\r\nLine\t2\r\nLine 3\r\nEnd"));

    // A paragraph break counts as one character.
    box.SetSelStart(7);
    box.SetSelLength(6);
    QCOMPARE(box.SelText(), QStringLiteral("Line\t2"));
    box.SetSelLength(9);
    QCOMPARE(box.SelText(), QStringLiteral("Line\t2\r\nLi"));

    // Selecting "everything" with the longer CR LF length stops at the end.
    box.SetSelStart(0);
    box.SetSelLength(int(box.Text().size()));
    QCOMPARE(box.SelLength(), int(box.toPlainText().size()));
    box.SetSelStart(1000);
    QCOMPARE(box.SelStart(), int(box.toPlainText().size()));
    QCOMPARE(box.SelLength(), 0);
    box.SetSelStart(-5);
    QCOMPARE(box.SelStart(), 0);

    // Replacing the selection.
    box.SetSelLength(4);
    box.SetSelText(QStringLiteral("Row\r\n"));
    QCOMPARE(box.Text(), QStringLiteral("Row\r\n 1\r\nLine\t2\r\nLine 3\r\nEnd"));
}

void TestRichTextBox::selectionFormats()
{
    RichTextBox box;
    box.setFont(QFont(QStringLiteral("Arial"), 10));
    box.SetText(QStringLiteral("Grand Total"));
    box.SetSelStart(0);
    box.SetSelLength(5);
    QVERIFY(!box.SelBold());
    box.SetSelBold(true);
    box.SetSelItalic(true);
    box.SetSelUnderline(true);
    box.SetSelFontSize(14);
    box.SetSelFontName(QStringLiteral("Courier New"));
    box.SetSelColor(QColor(0, 128, 0));
    QVERIFY(box.SelBold() && box.SelItalic() && box.SelUnderline());
    QCOMPARE(box.SelFontSize(), 14.0);
    QCOMPARE(box.SelFontName(), QStringLiteral("Courier New"));
    QCOMPARE(box.SelColor(), QColor(0, 128, 0));

    // A selection only partly bold reads as not bold; setting it makes all of it bold.
    box.SetSelStart(3);
    box.SetSelLength(5);
    QVERIFY(!box.SelBold());
    QVERIFY(!box.SelItalic());
    QCOMPARE(box.SelFontName(), QStringLiteral("Courier New"));   // at the selection's start
    box.SetSelBold(true);
    box.SetSelStart(0);
    box.SetSelLength(8);
    QVERIFY(box.SelBold());
    box.SetSelBold(false);
    QVERIFY(!box.SelBold());
    box.SetSelStart(8);
    box.SetSelLength(3);
    QVERIFY(!box.SelBold());
    QCOMPARE(box.SelFontName(), QStringLiteral("Arial"));
    QCOMPARE(box.SelFontSize(), 10.0);

    // The background belongs to the whole box.
    box.SetBackColor(QColor(255, 255, 0));
    QCOMPARE(box.BackColor(), QColor(255, 255, 0));
    QCOMPARE(box.viewport()->palette().color(QPalette::Base), QColor(255, 255, 0));
}

void TestRichTextBox::alignmentOfTouchedParagraphs()
{
    RichTextBox box;
    box.SetText(QStringLiteral("one\r\ntwo\r\nthree"));
    QCOMPARE(box.SelAlignment(), rtfLeft);
    box.SetSelStart(2);
    box.SetSelLength(3);   // from "one" into "two"
    box.SetSelAlignment(rtfCenter);
    QCOMPARE(box.SelAlignment(), rtfCenter);
    box.SetSelStart(5);
    QCOMPARE(box.SelAlignment(), rtfCenter);
    box.SetSelStart(9);
    QCOMPARE(box.SelAlignment(), rtfLeft);
    box.SetSelAlignment(rtfRight);
    QCOMPARE(box.SelAlignment(), rtfRight);
    box.SetSelAlignment(rtfLeft);
    QCOMPARE(box.SelAlignment(), rtfLeft);
}

// Each run of tabs, of one tab or several, ends where the runs of the same rank in the other
// paragraphs end; the text stays as it was, and Undo has nothing to take back.
void TestRichTextBox::tabColumnsLineUp()
{
    RichTextBox box;
    box.resize(900, 300);
    box.setFont(QFont(QStringLiteral("Arial"), 10));
    const QString text = QStringLiteral("Id\t\t\t: 7\tnote\r\nA much longer label\t: 12\t\tx\r\nno tabs here\r\n\tleading");
    box.SetText(text);
    box.AlignTabColumns();
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.Text(), text);
    QVERIFY(!box.document()->isUndoAvailable());

    // Where the text after the n-th run of tabs of a paragraph starts.
    const auto startAfterRun = [&box](int paragraph, int run) {
        const QTextBlock block = box.document()->findBlockByNumber(paragraph);
        box.document()->documentLayout()->blockBoundingRect(block);
        const QString line = block.text();
        int at = 0;
        for (int seen = 0; seen <= run; ++seen) {
            at = int(line.indexOf(QLatin1Char('\t'), at));
            while (at < line.size() && line.at(at) == QLatin1Char('\t'))
                ++at;
        }
        const QTextLine laidOut = block.layout()->lineForTextPosition(at);
        return laidOut.isValid() ? laidOut.cursorToX(at) : -1.0;
    };
    QCOMPARE(startAfterRun(0, 0), startAfterRun(1, 0));
    QCOMPARE(startAfterRun(0, 0), startAfterRun(3, 0));
    QCOMPARE(startAfterRun(0, 1), startAfterRun(1, 1));
    QVERIFY(startAfterRun(1, 0) > QFontMetricsF(box.font()).horizontalAdvance(QStringLiteral("A much longer label")));
    QVERIFY(box.document()->findBlockByNumber(2).blockFormat().tabPositions().isEmpty());
}

void TestRichTextBox::editingMessages()
{
    RichTextBox box;
    box.SetText(QStringLiteral("Room 101"));
    box.SetSelStart(0);
    box.SetSelLength(5);
    QCOMPARE(box.SendMessage(WM_CUT), 0L);
    QCOMPARE(box.Text(), QStringLiteral("101"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Room "));
    QCOMPARE(box.SendMessage(EM_UNDO), 1L);
    QCOMPARE(box.Text(), QStringLiteral("Room 101"));
    QCOMPARE(box.SendMessage(EM_REDO), 1L);
    QCOMPARE(box.Text(), QStringLiteral("101"));
    QCOMPARE(box.SendMessage(EM_REDO), 0L);   // nothing left to redo

    box.SetSelStart(3);
    QCOMPARE(box.SendMessage(WM_PASTE), 0L);
    QCOMPARE(box.Text(), QStringLiteral("101Room "));
    box.SetSelStart(0);
    box.SetSelLength(3);
    box.SendMessage(WM_COPY);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("101"));
    QCOMPARE(box.Text(), QStringLiteral("101Room "));
    QCOMPARE(box.SendMessage(0x0C /* WM_SETTEXT */), 0L);
    QCOMPARE(box.Text(), QStringLiteral("101Room "));
}

// Without the focus a hidden selection is not painted at all (the text shows its own
// colours) and still is what the Sel* operations act on.
void TestRichTextBox::hiddenSelectionKeepsTheTextsColours()
{
    QWidget window;
    auto *box = new RichTextBox(&window);
    auto *other = new QTextEdit(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    box->SetText(QStringLiteral("Grand Total"));
    box->SetSelStart(6);
    box->SetSelLength(5);
    QVERIFY(!box->textCursor().hasSelection());
    QCOMPARE(box->SelText(), QStringLiteral("Total"));
    box->SetSelColor(QColor(200, 0, 0));
    box->SetSelBold(true);
    QVERIFY(box->SelBold());
    QCOMPARE(box->SendMessage(WM_CUT), 0L);
    QCOMPARE(box->Text(), QStringLiteral("Grand "));
    QCOMPARE(box->SendMessage(EM_UNDO), 1L);
    QCOMPARE(box->Text(), QStringLiteral("Grand Total"));
    box->SetSelStart(6);
    box->SetSelLength(5);
    QVERIFY(box->SelBold());
    QCOMPARE(box->SelColor(), QColor(200, 0, 0));
    QVERIFY(!box->textCursor().hasSelection());

    // Shown while the lists or dialogs have the focus; shown again with the focus back.
    box->SetHideSelection(false);
    QCOMPARE(box->textCursor().selectedText(), QStringLiteral("Total"));
    box->SetHideSelection(true);
    QVERIFY(!box->textCursor().hasSelection());
    box->setFocus();
    QVERIFY(box->hasFocus());
    QCOMPARE(box->textCursor().selectedText(), QStringLiteral("Total"));
    other->setFocus();
    QVERIFY(!box->textCursor().hasSelection());
    QCOMPARE(box->SelStart(), 6);
    QCOMPARE(box->SelLength(), 5);
}

// A handler that takes the key (keyCode 0) keeps it from the box; Shift+Tab comes as the
// same key code with the shift state.
void TestRichTextBox::keyHandlerSwallowsTab()
{
    QWidget window;
    auto *box = new RichTextBox(&window);
    auto *next = new QTextEdit(&window);
    QList<int> shifts;
    connect(box, &RichTextBox::KeyDown, box, [&](int &keyCode, int shift) {
        if (keyCode == vbKeyTab) {
            shifts << shift;
            box->SetSelText(QStringLiteral("[tab]"));
            keyCode = 0;
        }
    });
    window.show();
    box->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(box, Qt::Key_A);
    QTest::keyClick(box, Qt::Key_Tab);
    QTest::keyClick(box, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(box->Text(), QStringLiteral("a[tab][tab]"));
    QCOMPARE(shifts, (QList<int>{0, 1}));
    QVERIFY(box->hasFocus());
    QVERIFY(!next->hasFocus());
}

void TestRichTextBox::mouseEventsInTwips()
{
    RichTextBox box;
    box.resize(300, 200);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy down(&box, &RichTextBox::MouseDown);
    QSignalSpy up(&box, &RichTextBox::MouseUp);
    QTest::mousePress(box.viewport(), Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
    QTest::mouseRelease(box.viewport(), Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
    QCOMPARE(down.count(), 1);
    QCOMPARE(up.count(), 1);
    QCOMPARE(down.at(0).at(0).toInt(), 2);
    QCOMPARE(down.at(0).at(1).toInt(), 1);
    QCOMPARE(down.at(0).at(2).toDouble(), 150.0);
    QCOMPARE(down.at(0).at(3).toDouble(), 300.0);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(10, 20));
    QCOMPARE(up.at(1).at(0).toInt(), 1);
}

void TestRichTextBox::savesAndFailsCleanly_data()
{
    QTest::addColumn<QString>("relativePath");   // in a scratch folder; absolute when it starts with "/"
    QTest::addColumn<long>("error");             // 0: saved
    QTest::newRow("saved") << QStringLiteral("bill.rtf") << 0L;
    QTest::newRow("no extension") << QStringLiteral("bill") << 0L;
    QTest::newRow("folder missing") << QStringLiteral("nowhere/bill.rtf") << long(vb::errPathNotFound);
    QTest::newRow("a folder in the way") << QStringLiteral("taken") << long(vb::errPathFileAccess);
    QTest::newRow("folder that takes no file") << QStringLiteral("/proc/bill.rtf") << long(vb::errPathFileAccess);
}

void TestRichTextBox::savesAndFailsCleanly()
{
    QFETCH(QString, relativePath);
    QFETCH(long, error);
    QTemporaryDir scratch;
    QVERIFY(QDir(scratch.path()).mkdir(QStringLiteral("taken")));
    const QString path = relativePath.startsWith(QLatin1Char('/')) ? relativePath : scratch.filePath(relativePath);

    RichTextBox box;
    box.SetText(QStringLiteral("Due\t: $5.00"));
    if (error == 0) {
        box.SaveFile(path);
        QCOMPARE(testsupport::ReadBytes(path), box.TextRTF());
        QVERIFY(box.TextRTF().startsWith("{\\rtf1"));
    } else {
        HOTEL_EXPECT_ERROR(box.SaveFile(path), error);
        QVERIFY(!QFileInfo(path).isFile());
    }
    // Nothing but the target is left in the folder.
    QCOMPARE(QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden).size(), error == 0 ? 1 : 0);
}

QTEST_MAIN(TestRichTextBox)
#include "tst_richtextbox.moc"
