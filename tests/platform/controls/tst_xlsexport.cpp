// The Excel 97 export read back by real readers (xlrd and LibreOffice): headers, texts in
// any script, empty cells, long notes split across records, further sheets past 65,536
// rows, large files, its progress and stop, and failures that leave no file behind.
#include "controls/reportlist.h"
#include "support/expect_error.h"
#include "support/xlsreaders.h"
#include "ui/scripteddialogs.h"

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
    void progressAndStop_data();
    void progressAndStop();
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

// `size` characters past what a cell record holds; with `wide` a character outside Latin-1 makes
// the text UTF-16, split between records mid-text.
QString longNote(qsizetype size = 30000, bool wide = true)
{
    QString note;
    while (note.size() < size)
        note += QStringLiteral("Room service %1 %2; ").arg(wide ? QStringLiteral("€") : QStringLiteral("£")).arg(note.size());
    note.truncate(size);
    return note;
}

// The cells of the long list: unique and repeated texts, UTF-16 ones, empty cells, and now
// and then notes too long for a cell record of their own, of either encoding.
QString longListCell(int row, int column)
{
    switch (column) {
    case 1: return row % 3 ? QStringLiteral("Mr.") : QStringLiteral("Mrs.");
    case 2: return row % 7 ? QStringLiteral("r%1c2").arg(row) : QString();
    case 3: return QStringLiteral("Łódź %1").arg(row);
    case 5:
        if (row % 9973 == 1)
            return longNote(9000 + row % 5000, false);
        if (row % 9973 == 2)
            return longNote(4200 + row % 5000, true);
        return QStringLiteral("note %1").arg(row % 50);
    default: return QStringLiteral("r%1c%2").arg(row).arg(column);
    }
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
    // 70,000 rows: two sheets and a file past 7 MB, whose FAT no longer fits the header and
    // needs DIFAT sectors.
    const int rowCount = 70000;
    ReportList list;
    const QStringList captions{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
                               QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("G"), QStringLiteral("H")};
    addHeaders(list, captions);
    for (int r = 0; r < rowCount; ++r) {
        QList<QString> texts;
        for (int c = 0; c < 8; ++c)
            texts << longListCell(r, c);
        list.addRow(texts);
    }
    const QString path = dir_.filePath(QStringLiteral("long.xls"));
    QVERIFY(list.exportTo(path));

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
        // Every cell of every row once, in order, each sheet under the captions.
        int next = 0;
        for (const testsupport::XlsSheet &sheet : book.sheets) {
            QCOMPARE(sheet.name, QStringLiteral("Sheet%1").arg(&sheet - book.sheets.data() + 1));
            QCOMPARE(sheet.rows[0], captions);
            const QList<QStringList> rows = testsupport::PaddedRows(sheet.rows, 8);
            for (int r = 1; r < rows.size(); ++r, ++next) {
                for (int c = 0; c < 8; ++c) {
                    if (rows[r][c] != longListCell(next, c))
                        QFAIL(qPrintable(QStringLiteral("row %1 column %2 reads %3").arg(next).arg(c).arg(rows[r][c].left(80))));
                }
            }
        }
        QCOMPARE(next, rowCount);
    }
}

void TestXlsExport::progressAndStop_data()
{
    QTest::addColumn<qint64>("stopAt");
    QTest::addColumn<bool>("written");
    QTest::newRow("to the end") << qint64(-1) << true;
    QTest::newRow("stopped") << qint64(512) << false;
}

void TestXlsExport::progressAndStop()
{
    QFETCH(qint64, stopAt);
    QFETCH(bool, written);
    ui::ScriptedDialogs dialogs;
    if (stopAt >= 0)
        dialogs.stopProgressAt(stopAt);
    const int rowCount = 2000;
    ReportList list;
    addHeaders(list, {QStringLiteral("Name")});
    for (int r = 0; r < rowCount; ++r)
        list.addRow({QStringLiteral("Guest %1").arg(r), QString::number(r)});
    const QString path = dir_.filePath(QStringLiteral("progress.xls"));
    {
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly | QIODevice::Truncate));
        earlier.write("the earlier file");
    }
    const QStringList filesBefore = QDir(dir_.path()).entryList(QDir::Files);

    QCOMPARE(list.exportTo(path, true), written);

    QCOMPARE(dialogs.progressShown().size(), 1);
    const ui::ShownProgress progress = dialogs.progressShown().constFirst();
    QCOMPARE(progress.label, QStringLiteral("progress.xls"));
    QCOMPARE(progress.total, qint64(rowCount));
    QCOMPARE(progress.done, written ? qint64(rowCount) : stopAt);
    // No temporary file stays behind either way.
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), filesBefore);
    if (written) {
        const XlsBook book = testsupport::ReadXlsWithXlrd(path);
        QVERIFY2(book.ok, qPrintable(book.error));
        QCOMPARE(book.sheets[0].rows.size(), rowCount + 1);
        QCOMPARE(book.sheets[0].rows.last(), QStringList{QStringLiteral("Guest %1").arg(rowCount - 1)});
    } else {
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("the earlier file"));
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
