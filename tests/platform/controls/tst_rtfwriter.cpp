// The RTF writer: escapes, tables and runs as written, and a file read back by real readers
// (unrtf and LibreOffice headless).
#include "controls/richtextbox.h"
#include "controls/rtfwriter.h"
#include "support/rtfreaders.h"

#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

using namespace controls;

class TestRtfWriter : public QObject {
    Q_OBJECT
private slots:
    void escapesText_data();
    void escapesText();
    void writesTablesRunsAndParagraphs();
    void realReadersReadTextAndFormats();
};

void TestRtfWriter::escapesText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("rtf");
    QTest::newRow("plain") << QStringLiteral("Room 101") << QByteArray("Room 101");
    QTest::newRow("backslash and braces") << QStringLiteral("a\\b{c}") << QByteArray("a\\\\b\\{c\\}");
    QTest::newRow("tab") << QStringLiteral("Due\t: 5") << QByteArray("Due\\tab : 5");
    QTest::newRow("code page letters") << QStringLiteral("é€Ÿ") << QByteArray("\\'e9\\'80\\'9f");
    QTest::newRow("beyond the code page") << QStringLiteral("中ā") << QByteArray("\\u20013?\\u257?");
    QTest::newRow("beyond the basic plane: two surrogates, the high one negative")
        << QString::fromUtf8("\xf0\x9f\x98\x80") << QByteArray("\\u-10179?\\u-8704?");
    QTest::newRow("line separator") << QStringLiteral("a\u2028b") << QByteArray("a\\line b");
    QTest::newRow("control characters dropped") << QStringLiteral("a\x01\x1f" "b") << QByteArray("ab");
}

void TestRtfWriter::escapesText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, rtf);
    QCOMPARE(RtfText(text), rtf);
}

// A small document written whole: the default font is font 0, colours are numbered from 1
// in order of use, each run carries its whole format, a paragraph its alignment and tab
// stops, paragraphs are separated by \par.
void TestRtfWriter::writesTablesRunsAndParagraphs()
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    QTextCursor cursor(&document);
    QTextBlockFormat stops;
    stops.setTabPositions({QTextOption::Tab(100, QTextOption::LeftTab), QTextOption::Tab(200.5, QTextOption::RightTab)});
    cursor.setBlockFormat(stops);
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    red.setFontWeight(QFont::Bold);
    red.setFontPointSize(14);
    cursor.insertText(QStringLiteral("Total"), red);
    cursor.insertText(QStringLiteral("\t5"), QTextCharFormat());
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.insertBlock(centred);
    QTextCharFormat courier;
    courier.setFontFamilies({QStringLiteral("Courier New")});
    courier.setFontItalic(true);
    courier.setFontUnderline(true);
    courier.setForeground(QColor(0, 0, 255));
    cursor.insertText(QStringLiteral("Due"), courier);

    const QByteArray rtf = DocumentToRtf(document, QColor(255, 255, 224));
    const QByteArray expected =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\\deftab1200"
        "{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 Courier New;}}\r\n"
        "{\\colortbl ;\\red255\\green255\\blue224;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
        "{\\*\\background{\\shp{\\*\\shpinst{\\sp{\\sn fillColor}{\\sv 14745599}}{\\sp{\\sn fFilled}{\\sv 1}}}}}"
        "\\viewbkind1\r\n"
        "\\pard\\ql\\tx1500\\tqr\\tx3008\\cbpat1{\\f0\\fs28\\b\\cf2 Total}{\\f0\\fs20\\cf0 \\tab 5}\\par\r\n"
        "\\pard\\qc\\cbpat1{\\f1\\fs20\\i\\ul\\cf3 Due}\r\n"
        "}\r\n";
    QCOMPARE(rtf, expected);

    // Without a background: no page colour, no shading, an empty colour table.
    QTextDocument empty;
    const QByteArray bare = DocumentToRtf(empty);
    QVERIFY(!bare.contains("background"));
    QVERIFY(!bare.contains("cbpat"));
    QVERIFY(bare.contains("{\\colortbl ;}"));
}

void TestRtfWriter::realReadersReadTextAndFormats()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    RichTextBox box;
    box.setFont(QFont(QStringLiteral("Arial"), 10));
    const QString emoji = QString::fromUtf8("\xf0\x9f\x98\x80");
    box.SetText(QStringLiteral("Bold {x} \\ y\r\nItalic red\r\nUnder\tline\r\né€中") + emoji + QStringLiteral("\r\nplain"));
    box.SetSelStart(0);
    box.SetSelLength(4);
    box.SetSelBold(true);
    box.SetSelFontSize(14);
    box.SetSelAlignment(rtfCenter);
    box.SetSelStart(13);
    box.SetSelLength(10);
    box.SetSelItalic(true);
    box.SetSelColor(QColor(255, 0, 0));
    box.SetSelAlignment(rtfRight);
    box.SetSelStart(24);
    box.SetSelLength(5);
    box.SetSelUnderline(true);
    box.SetBackColor(QColor(255, 255, 0));
    const QString path = work.filePath(QStringLiteral("sample.rtf"));
    box.SaveFile(path);

    const testsupport::RtfReadings read = testsupport::ReadRtf(path, work.path());
    for (const testsupport::RtfReading *reading : {&read.unrtf, &read.libreOffice}) {
        QVERIFY2(reading->error.isEmpty(), qPrintable(reading->error));
        QVERIFY(reading->text.contains(QStringLiteral("Bold {x} \\ y")));
        QVERIFY(reading->text.contains(QStringLiteral("é€中") + emoji));
        const testsupport::RtfRun bold = reading->runWith(QStringLiteral("Bold"));
        QVERIFY(bold.bold && !bold.italic && !bold.underline);
        QCOMPARE(bold.align, QStringLiteral("center"));
        const testsupport::RtfRun italic = reading->runWith(QStringLiteral("Italic red"));
        QVERIFY(italic.italic && !italic.bold);
        QCOMPARE(italic.color, QStringLiteral("#ff0000"));
        QCOMPARE(italic.align, QStringLiteral("right"));
        const testsupport::RtfRun underline = reading->runWith(QStringLiteral("Under"));
        QVERIFY(underline.underline && !underline.bold);
        QCOMPARE(underline.align, QStringLiteral("left"));
        QVERIFY(!reading->runWith(QStringLiteral("plain")).bold);
    }
    // LibreOffice gives the text exactly (tabs and paragraphs), the sizes and the background.
    QCOMPARE(read.libreOffice.text,
             QStringLiteral("Bold {x} \\ y\nItalic red\nUnder\tline\né€中") + emoji + QStringLiteral("\nplain\n"));
    QCOMPARE(read.libreOffice.runWith(QStringLiteral("Bold")).size, 14.0);
    QCOMPARE(read.libreOffice.runWith(QStringLiteral("plain")).size, 10.0);
    QCOMPARE(read.libreOffice.runWith(QStringLiteral("plain")).background, QStringLiteral("#ffff00"));
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
