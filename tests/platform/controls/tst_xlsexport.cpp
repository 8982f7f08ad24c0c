// The Excel 97 export read back by real readers (xlrd and LibreOffice): headers, texts in
// any script, empty cells, long notes split across records, further sheets past 65,536
// rows, large files, and failures that leave no file behind.
#include "controls/reportlist.h"
#include "support/expect_error.h"
#include "support/xlsreaders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace controls;
using testsupport::XlsBook;

class TestXlsExport : public QObject {
    Q_OBJECT
private slots:
    void textsReadBack_data();
    void textsReadBack();
    void longListsGoOnInFurtherSheets();
    void headersOnlyWhenEmpty();
    void failureLeavesNoFile();

private:
    QTemporaryDir dir_;
};

namespace {
using Reader = XlsBook (*)(const QString &, const QString &);

XlsBook xlrd(const QString &path, const QString &) { return testsupport::ReadXlsWithXlrd(path); }

// A list with a hidden key column last, as the windows build them.
void addHeaders(ReportList &list, const QStringList &captions)
{
    for (const QString &caption : captions)
        list.addColumnHeader(caption, 1500);
    list.addColumnHeader(QString(), 0);
}

QString longNote()
{
    // Past one record of 8,224 bytes, with a character outside Latin-1 so the string is
    // stored as UTF-16 and split between records mid-text.
    QString note;
    while (note.size() < 30000)
        note += QStringLiteral("Room service € %1; ").arg(note.size());
    note.truncate(30000);
    return note;
}
} // namespace

void TestXlsExport::textsReadBack_data()
{
    QTest::addColumn<Reader>("reader");
    QTest::newRow("xlrd") << Reader(&xlrd);
    QTest::newRow("libreoffice") << Reader(&testsupport::ReadXlsWithLibreOffice);
}

void TestXlsExport::textsReadBack()
{
    QFETCH(Reader, reader);
    ReportList list;
    addHeaders(list, {QStringLiteral("Title"), QStringLiteral("Last Name"), QStringLiteral("Note")});
    const QList<QStringList> rows = {
        {QStringLiteral("Mr"), QStringLiteral("Müller"), QStringLiteral("Ünïcödé ßtraße")},
        {QStringLiteral("Dr."), QStringLiteral("O'Neil"), QString()},
        {QString(), QStringLiteral("€ 100,00 \"quoted\""), QStringLiteral("日本語")},
        {QStringLiteral("Mrs."), QStringLiteral("Long"), longNote()},
        {QStringLiteral("Ms"), QStringLiteral("After the long one"), QStringLiteral("still read")},
    };
    for (const QStringList &r : rows)
        list.addRow(r + QStringList{QStringLiteral("4711")});
    const QString path = dir_.filePath(QStringLiteral("texts.xls"));
    list.exportTo(path);

    const XlsBook book = reader(path, dir_.path());
    QVERIFY2(book.ok, qPrintable(book.error));
    QCOMPARE(book.sheets.size(), 1);
    QList<QStringList> expected{{QStringLiteral("Title"), QStringLiteral("Last Name"), QStringLiteral("Note")}};
    expected += rows;
    // The hidden key column is not written.
    QCOMPARE(testsupport::PaddedRows(book.sheets[0].rows, 3), expected);
}

void TestXlsExport::longListsGoOnInFurtherSheets()
{
    // 70,000 rows of eight distinct texts: two sheets and a file past 7 MB, whose FAT no
    // longer fits the header and needs DIFAT sectors.
    const int rowCount = 70000;
    ReportList list;
    const QStringList captions{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                               QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("G"), QStringLiteral("H")};
    addHeaders(list, captions);
    for (int r = 0; r < rowCount; ++r) {
        QList<QString> texts;
        for (int c = 0; c < 8; ++c)
            texts << QStringLiteral("r%1c%2").arg(r).arg(c);
        list.addRow(texts);
    }
    const QString path = dir_.filePath(QStringLiteral("long.xls"));
    list.exportTo(path);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.size() > 7 * 1024 * 1024);
    const QByteArray header = file.read(512);
    const auto difatSectors = qFromLittleEndian<quint32>(header.constData() + 72);
    QVERIFY(difatSectors > 0);
    file.close();

    for (const Reader reader : {Reader(&xlrd), Reader(&testsupport::ReadXlsWithLibreOffice)}) {
        const XlsBook book = reader(path, dir_.path());
        QVERIFY2(book.ok, qPrintable(book.error));
        QCOMPARE(book.sheets.size(), 2);
        QCOMPARE(book.sheets[0].rows.size(), 65536);
        QCOMPARE(book.sheets[1].rows.size(), rowCount - 65535 + 1);
        // Every row once, in order, each sheet under the captions.
        int next = 0;
        for (const testsupport::XlsSheet &sheet : book.sheets) {
            QCOMPARE(sheet.rows[0], captions);
            for (int r = 1; r < sheet.rows.size(); ++r, ++next) {
                if (sheet.rows[r].value(7) != QStringLiteral("r%1c7").arg(next))
                    QFAIL(qPrintable(QStringLiteral("row %1 reads %2").arg(next).arg(sheet.rows[r].join(','))));
            }
        }
        QCOMPARE(next, rowCount);
    }
}

void TestXlsExport::headersOnlyWhenEmpty()
{
    ReportList list;
    addHeaders(list, {QStringLiteral("Title"), QStringLiteral("Check In")});
    const QString path = dir_.filePath(QStringLiteral("empty.xls"));
    list.exportTo(path);
    const XlsBook book = testsupport::ReadXlsWithXlrd(path);
    QVERIFY2(book.ok, qPrintable(book.error));
    QCOMPARE(book.sheets.size(), 1);
    QCOMPARE(book.sheets[0].rows, (QList<QStringList>{{QStringLiteral("Title"), QStringLiteral("Check In")}}));
}

void TestXlsExport::failureLeavesNoFile()
{
    ReportList list;
    addHeaders(list, {QStringLiteral("Title")});
    list.addRow({QStringLiteral("Mr"), QStringLiteral("1")});
    const QString missing = dir_.filePath(QStringLiteral("no-such-folder/list.xls"));
    HOTEL_EXPECT_ERROR(list.exportTo(missing), 76);
    QVERIFY(!QFile::exists(missing));

    // A folder in the way: the folder stays as it was, no temporary file is left beside it.
    const QString folder = dir_.filePath(QStringLiteral("taken.xls"));
    QVERIFY(QDir().mkpath(folder));
    const QStringList before = QDir(dir_.path()).entryList(QDir::Files);
    HOTEL_EXPECT_ERROR(list.exportTo(folder), 75);
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), before);
}

QTEST_MAIN(TestXlsExport)
#include "tst_xlsexport.moc"
